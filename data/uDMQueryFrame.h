#pragma once

// The frame of a report whose statement keeps its text and only takes new
// values: open the bound statement and fetch its rows; a database error while
// opening or fetching shows prefix + the database's message and gives an
// empty holder. Rows become entities through `fill`; errors of the entities
// themselves are not caught, and the rows are closed in every case.

#include "FbStatement.h"
#include "Feedback.h"

#include <memory>

template<typename Holder, typename Fill>
std::unique_ptr<Holder> runReport(FbStatement &statement, const QString &prefix, Fill fill)
{
    WaitCursor wait;
    auto holder = std::make_unique<Holder>();
    try {
        const std::unique_ptr<FbResultSet> rows = statement.open();
        while (rows->next())
            fill(*holder, *rows);
    } catch (const FbError &error) {
        Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
        return std::make_unique<Holder>();
    }
    return holder;
}

// The list readers: open the bound statement and turn every row into an
// entity. Errors are not caught; they reach the caller.
template<typename Holder, typename Entity>
std::unique_ptr<Holder> readList(FbStatement &statement)
{
    WaitCursor wait;
    auto holder = std::make_unique<Holder>();
    auto rows = statement.open();
    while (rows->next()) {
        auto entity = std::make_unique<Entity>();
        entity->LerDataset(*rows);
        holder->lista().append(std::move(entity));
    }
    return holder;
}
