#pragma once

namespace Firebird {
class ITransaction;
}

class FbConnection;

// A transaction held by a scope, for writes that belong together. The first
// guard opened on a connection starts a transaction; while it is open every
// statement of that connection runs in it and commits nothing on its own,
// and a guard opened inside it joins it. Only the outermost guard's commit()
// commits; a guard left without commit() rolls the whole transaction back
// (a joined one when the outermost ends). The destructor never throws.
class FbTransaction
{
public:
    // Starts a transaction, or joins the one open on `connection`. Throws
    // FbError when none can be started.
    explicit FbTransaction(FbConnection &connection);
    ~FbTransaction();
    FbTransaction(const FbTransaction &) = delete;
    FbTransaction &operator=(const FbTransaction &) = delete;

    // The outermost guard commits; a joined one only agrees. Throws FbError,
    // with everything rolled back, when the database refuses the commit or a
    // joined guard ended without commit().
    void commit();
    // Undoes everything now (a joined guard: when the outermost ends).
    void rollback();

    bool isJoined() const { return m_outer != nullptr; }
    bool isOpen() const { return !m_done; }

private:
    friend class FbConnection;
    FbConnection &m_connection;
    FbTransaction *m_outer = nullptr;
    Firebird::ITransaction *m_transaction = nullptr;
    bool m_done = false;
    bool m_failed = false; // a joined guard ended without commit()
};
