#pragma once

// The frames the operations of the data-access module are written in (see
// uDM.h for the convention). Each frame shows the wait cursor while it runs.
//
// - reportingErrors: a write, deletion or other operation that reports its
//   own failure: prefix + the database's message, answer false. A refusal
//   that is another seat's doing (WriteRefusal) is told in the system's own
//   words instead, and noted for TDM::lastRefusal().
// - runWaiting: any other operation, mostly readers: database errors reach
//   the caller.
// - readList: a reader of a bound statement, one entity per row.
// - runSearch: a search or report; a failure to open or to fetch a row is
//   reported with the prefix and gives an empty holder.
// - readWithContacts: a reader of one row plus its contacts, each contact
//   unmarked for deletion.
// - storeTogether: the writes of one entity and the rows that belong to it,
//   in one transaction.

#include "FbError.h"
#include "FbStatement.h"
#include "FbTransaction.h"
#include "Feedback.h"
#include "TFones.h"
#include "WriteRefusal.h"

#include <memory>

template<typename F>
bool reportingErrors(const QString &prefix, F &&body)
{
    WaitCursor wait;
    noteWriteRefusal(WriteRefusal::None);
    try {
        body();
        return true;
    } catch (const FbError &error) {
        // Another seat's doing is no fault of the program: it is told
        // without the operation's name.
        const WriteRefusal refusal = writeRefusalOf(error);
        noteWriteRefusal(refusal);
        if (refusal != WriteRefusal::None)
            Feedback::current().showMessage(Feedback::Kind::Information, writeRefusalText(refusal));
        else
            Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
        return false;
    }
}

// The version a row was read with goes back with its write; a new row (key
// 0) has none, which the database takes as "insert" (see "Row versions" in
// the schema).
inline void bindRowVersion(FbStatement &statement, QStringView name, qint32 id, qint32 version)
{
    if (id == 0)
        statement.bindNull(name);
    else
        statement.bindInteger(name, version);
}

// Runs `store` (write operations that report their own failures, joined
// into one transaction) and commits only when it answers true; what is left
// for `prefix` is the transaction's start and commit. On any failure nothing
// is stored and `entity` gets back the key and version it came with, so that
// it can be written again.
template<typename Entity, typename F>
bool storeTogether(FbConnection &connection, const QString &prefix, Entity &entity, F &&store)
{
    const qint32 id = entity.id();
    const qint32 version = entity.versao();
    bool stored = false;
    const bool committed = reportingErrors(prefix, [&] {
        FbTransaction transaction(connection);
        stored = store();
        if (stored)
            transaction.commit();
    });
    if (committed && stored)
        return true;
    entity.setId(id);
    entity.setVersao(version);
    return false;
}

template<typename F>
auto runWaiting(F &&body) -> decltype(body())
{
    WaitCursor wait;
    return body();
}

// Opens the bound statement and turns every row into an Entity.
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

// Opens the bound statement and fetches its rows; rows become entities
// through `fill`. A database error while opening or fetching gives an empty
// holder, never the rows fetched before it as if they were all. Errors of
// the entities themselves are not caught, and the rows are closed in every
// case.
template<typename Holder, typename Fill>
std::unique_ptr<Holder> runSearch(FbStatement &statement, const QString &prefix, Fill fill)
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

// The same for a search whose whole text is built at run time: `sql`
// replaces the statement's text first.
template<typename Holder, typename Fill>
std::unique_ptr<Holder> runSearch(FbStatement &statement, const QString &prefix, const QString &sql, Fill fill)
{
    WaitCursor wait;
    try {
        statement.setSql(sql);
    } catch (const FbError &error) {
        Feedback::current().showMessage(Feedback::Kind::Error, prefix + error.message());
        return std::make_unique<Holder>();
    }
    return runSearch<Holder>(statement, prefix, fill);
}

// Fills target from the first row of `row` (bound by the caller) and its
// contacts from `contacts`, whose parameter `parameter` takes the row's
// column `key`; `read` is the contact's reader for that table. Every contact
// read from the database starts unmarked: the contacts carry a calculated
// "excluir" column that is always false. False when there is no row; errors
// reach the caller.
template<typename Entity>
bool readWithContacts(FbStatement &row, FbStatement &contacts, QStringView parameter, QStringView key, Entity &target,
                      void (TFones::*read)(const DataSet &))
{
    WaitCursor wait;
    auto found = row.open();
    if (!found->next())
        return false;
    contacts.bindInteger(parameter, found->integer(key));
    auto rows = contacts.open();
    rows->addCalculatedBoolean(QStringLiteral("excluir"), false);
    target.LerDataset(*found);
    target.fones().clear();
    while (rows->next()) {
        auto contact = std::make_unique<TFones>();
        ((*contact).*read)(*rows);
        target.fones().append(std::move(contact));
    }
    return true;
}
