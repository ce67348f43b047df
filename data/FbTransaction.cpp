#include "FbTransaction.h"

#include "FbApi.h"
#include "FbConnection.h"

using namespace Firebird;

namespace {

// A rollback that fails (the connection is gone, and the transaction with
// it) only releases the handle.
void rollbackQuietly(ITransaction *transaction)
{
    fb::Status status;
    try {
        transaction->rollback(&status);
    } catch (const FbException &) {
        transaction->release();
    }
}

} // namespace

FbTransaction::FbTransaction(FbConnection &connection) : m_connection(connection), m_shared(true)
{
    if (connection.m_guard) {
        m_outer = connection.m_guard;
        return;
    }
    start();
    connection.m_guard = this;
}

FbTransaction::FbTransaction(FbConnection &connection, Own) : m_connection(connection)
{
    start();
}

FbTransaction::~FbTransaction()
{
    if (m_done)
        return;
    if (m_outer) {
        m_outer->m_failed = true;
        return;
    }
    end(false); // a rollback reports nothing
}

void FbTransaction::start()
{
    m_transaction = fb::guarded([this] { return m_connection.startTransaction(); });
}

ITransaction *FbTransaction::handle() const
{
    if (m_outer)
        return m_outer->handle();
    return m_done ? nullptr : m_transaction;
}

void FbTransaction::commit()
{
    if (m_done)
        throw FbError(QStringLiteral("A transação já foi encerrada."), 0, {});
    if (m_outer) {
        m_done = true;
        return;
    }
    if (m_failed) {
        end(false);
        throw FbError(QStringLiteral("Nada foi gravado: uma das operações da transação não foi concluída."), 0, {});
    }
    end(true);
}

void FbTransaction::rollback()
{
    if (m_done)
        return;
    if (m_outer) {
        m_outer->m_failed = true;
        m_done = true;
        return;
    }
    end(false);
}

// Ends the transaction; a refused commit is rolled back and thrown.
void FbTransaction::end(bool commit)
{
    ITransaction *transaction = m_transaction;
    m_transaction = nullptr;
    m_done = true;
    if (m_shared && m_connection.m_guard == this)
        m_connection.m_guard = nullptr;
    if (!commit) {
        rollbackQuietly(transaction);
        return;
    }
    try {
        fb::Status status;
        transaction->commit(&status);
    } catch (const FbException &e) {
        const FbError error = fb::toError(e.getStatus());
        rollbackQuietly(transaction);
        throw error;
    }
}
