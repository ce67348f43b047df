#include "FbConnection.h"

#include "FbApi.h"
#include "FbTransaction.h"

#include <ibase.h>

using namespace Firebird;

FbConnection::FbConnection(ConnectionSettings settings) : m_settings(std::move(settings))
{
    attach();
}

FbConnection::~FbConnection()
{
    detach();
}

void FbConnection::attach()
{
    fb::Status status;
    IXpbBuilder *dpb = nullptr;
    try {
        dpb = fb::util()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&status, isc_dpb_user_name, m_settings.userName.toUtf8().constData());
        if (!m_settings.password.isEmpty())
            dpb->insertString(&status, isc_dpb_password, m_settings.password.toUtf8().constData());
        dpb->insertString(&status, isc_dpb_lc_ctype, m_settings.characterSet.toUtf8().constData());
        IProvider *provider = fb::master()->getDispatcher();
        const QByteArray target = m_settings.attachString().toUtf8();
        try {
            m_attachment = provider->attachDatabase(&status, target.constData(), dpb->getBufferLength(&status),
                                                    dpb->getBuffer(&status));
        } catch (...) {
            provider->release();
            throw;
        }
        provider->release();
        dpb->dispose();
        dpb = nullptr;
        ++m_generation;
    } catch (const FbException &e) {
        if (dpb)
            dpb->dispose();
        FbError error = fb::toError(e.getStatus());
        throw FbError(QStringLiteral("Não foi possível abrir o banco de dados %1: %2")
                          .arg(m_settings.attachString(), error.message()),
                      error.sqlCode(), error.errorCodes());
    }
}

void FbConnection::detach()
{
    if (!m_attachment)
        return;
    fb::Status status;
    try {
        m_attachment->detach(&status);
    } catch (const FbException &) {
        // A dead attachment can't detach cleanly; releasing it is enough.
        m_attachment->release();
    }
    m_attachment = nullptr;
}

void FbConnection::reconnect()
{
    detach();
    attach();
}

// Errors after this point (the connection lost while a statement runs or
// commits) are only reported, since the statement may already have taken
// effect. A connection left without attachment by a failed attempt (the
// server was away) attaches again here too.
ITransaction *FbConnection::startTransaction()
{
    fb::Status status;
    if (isAttached()) {
        try {
            return m_attachment->startTransaction(&status, 0, nullptr);
        } catch (const FbException &e) {
            if (!fb::toError(e.getStatus()).isConnectionLost())
                throw;
        }
    }
    reconnect();
    return m_attachment->startTransaction(&status, 0, nullptr);
}

ITransaction *FbConnection::openTransaction() const
{
    return m_guard ? m_guard->handle() : nullptr;
}
