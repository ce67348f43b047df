#pragma once

// The frame every search built at run time follows: replace the statement's
// text and open it, then fetch its rows; a database error while opening or
// fetching shows prefix + the database's message and gives an empty holder
// (never the rows fetched before the error, as if they were all). Rows become
// entities through `fill`; errors of the entities themselves are not caught,
// and the rows are closed in every case.

#include "FbStatement.h"
#include "Feedback.h"

#include <memory>

template<typename Holder, typename Fill>
std::unique_ptr<Holder> runSearch(FbStatement &statement, const QString &prefix, const QString &sql, Fill fill)
{
    WaitCursor wait;
    auto holder = std::make_unique<Holder>();
    try {
        statement.setSql(sql);
        const std::unique_ptr<FbResultSet> rows = statement.open();
        while (rows->next())
            fill(*holder, *rows);
    } catch (const FbError &error) {
        Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
        return std::make_unique<Holder>();
    }
    return holder;
}
