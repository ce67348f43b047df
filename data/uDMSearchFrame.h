#pragma once

// The frame every search built at run time follows: replace the statement's
// text and open it; a failure to open shows prefix + the database's message
// and gives an empty holder. Rows become entities through `fill`; errors
// while filling are not caught, and the rows are closed in every case.

#include "FbStatement.h"
#include "Feedback.h"

#include <memory>

template<typename Holder, typename Fill>
std::unique_ptr<Holder> runSearch(FbStatement &statement, const QString &prefix, const QString &sql, Fill fill)
{
    WaitCursor wait;
    std::unique_ptr<FbResultSet> rows;
    try {
        statement.setSql(sql);
        rows = statement.open();
    } catch (const FbError &error) {
        Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
    }
    auto holder = std::make_unique<Holder>();
    if (rows) {
        while (rows->next())
            fill(*holder, *rows);
    }
    return holder;
}
