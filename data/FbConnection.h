#pragma once

#include "ConnectionSettings.h"

#include <QByteArray>

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

    // Makes the database the settings name, empty, with UTF8 as its
    // character set and SQL dialect 3, and lets go of it again; throws
    // FbError when it can't (a file that exists already is refused).
    static void createDatabase(const ConnectionSettings &settings);
    // Removes the database the settings name; nobody may be attached to it.
    static void dropDatabase(const ConnectionSettings &settings);

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

    // How the statements' transactions run: read committed (a write sees
    // what other seats committed, and the row versions tell whether the
    // row it writes changed since it was read), waiting for a row another
    // seat's open transaction holds for at most lockTimeout() seconds, after
    // which the write fails with a lock time-out instead of blocking the
    // window for as long as the other seat keeps it.
    static constexpr int defaultLockTimeout = 3;
    int lockTimeout() const { return m_lockTimeout; }
    void setLockTimeout(int seconds);
    // The transaction parameter block for those transactions.
    const QByteArray &transactionParameters() const { return m_tpb; }

    // Starts a transaction of its own. A connection found lost here is
    // attached again once: nothing has run in the new transaction yet, so
    // nothing can run twice. Throws FbException (or FbError when attaching
    // again fails).
    Firebird::ITransaction *startTransaction();

    // The transaction of the guard open on this connection (FbTransaction),
    // or null when statements commit on their own.
    Firebird::ITransaction *openTransaction() const;

private:
    friend class FbTransaction;
    void attach();
    void detach();

    ConnectionSettings m_settings;
    Firebird::IAttachment *m_attachment = nullptr;
    quint64 m_generation = 0;
    int m_lockTimeout = defaultLockTimeout;
    QByteArray m_tpb;
    FbTransaction *m_guard = nullptr; // the outermost open guard
};
