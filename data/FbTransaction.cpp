#include "FbTransaction.h"

#include "FbApi.h"
#include "FbConnection.h"

using namespace Firebird;

FbTransaction::FbTransaction(FbConnection &connection) : m_connection(connection)
{
    if (connection.m_guard) {
        m_outer = connection.m_guard;
        return;
    }
    m_transaction = fb::guarded([&] { return connection.startTransaction(); });
    connection.m_guard = this;
}

FbTransaction::~FbTransaction()
{
    if (!m_done)
        rollback();
}

void FbTransaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    if (m_outer)
        return;
    m_connection.m_guard = nullptr;
    ITransaction *transaction = m_transaction;
    m_transaction = nullptr;
    if (m_failed) {
        fb::Status status;
        try {
            transaction->rollback(&status);
        } catch (const FbException &) {
            transaction->release();
        }
        throw FbError(QStringLiteral("A gravação foi desfeita: uma de suas etapas falhou."));
    }
    try {
        fb::Status status;
        transaction->commit(&status);
    } catch (const FbException &e) {
        const FbError error = fb::toError(e.getStatus());
        fb::Status status;
        try {
            transaction->rollback(&status);
        } catch (const FbException &) {
            transaction->release();
        }
        throw error;
    }
}

void FbTransaction::rollback()
{
    if (m_done)
        return;
    m_done = true;
    if (m_outer) {
        m_outer->m_failed = true;
        return;
    }
    m_connection.m_guard = nullptr;
    ITransaction *transaction = m_transaction;
    m_transaction = nullptr;
    fb::Status status;
    try {
        transaction->rollback(&status);
    } catch (const FbException &) {
        // A dead connection: the server has undone it already.
        transaction->release();
    }
}

ITransaction *FbConnection::openTransaction() const
{
    return m_guard ? m_guard->m_transaction : nullptr;
}
