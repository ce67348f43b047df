#pragma once

#include "ConnectionSettings.h"

namespace Firebird {
class IAttachment;
class ITransaction;
} // namespace Firebird

class FbTransaction;

// One attachment to the database described by a connection definition.
class FbConnection
{
public:
    // Attaches at once; throws FbError when the database can't be reached.
    explicit FbConnection(ConnectionSettings settings);
    ~FbConnection();
    FbConnection(const FbConnection &) = delete;
    FbConnection &operator=(const FbConnection &) = delete;

    const ConnectionSettings &settings() const { return m_settings; }
    // Null after an attempt to attach again failed (the server was away);
    // the next statement attaches again.
    Firebird::IAttachment *attachment() const { return m_attachment; }
    bool isAttached() const { return m_attachment != nullptr; }

    // Drops the attachment (ignoring errors of a dead one) and attaches
    // again; throws FbError, and stays without attachment, when that fails.
    // Statements prepared on the old attachment prepare anew.
    void reconnect();
    quint64 generation() const { return m_generation; }

    // Starts a transaction of its own. A connection found lost here is
    // attached again once: nothing has run in the new transaction yet, so
    // nothing can run twice. Throws FbException.
    Firebird::ITransaction *startTransaction();

    // The transaction of the guard open on this connection (see
    // FbTransaction), or null when statements commit on their own.
    Firebird::ITransaction *openTransaction() const;

private:
    friend class FbTransaction;
    void attach();
    void detach();

    ConnectionSettings m_settings;
    Firebird::IAttachment *m_attachment = nullptr;
    quint64 m_generation = 0;
    FbTransaction *m_guard = nullptr; // the outermost open guard
};
