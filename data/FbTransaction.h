#pragma once

namespace Firebird {
class ITransaction;
}

class FbConnection;

// A transaction held by a scope, for writes that belong together.
//
// The first guard opened on a connection starts a transaction; while it is
// open every statement of that connection runs in it and commits nothing on
// its own, and a guard opened inside it joins it. Only the outermost guard's
// commit() commits. A guard left without commit() (an exception, an early
// return) rolls back: the outermost at once; a joined one marks the whole
// transaction, so that the outermost's commit() rolls back and says so
// instead of keeping half of the writes. With no guard open, every statement
// runs in a transaction of its own, committed when it succeeds.
//
// Guards end in the reverse order they were opened. The destructor never
// throws.
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
    // Neither committed nor rolled back yet.
    bool isOpen() const { return !m_done; }
    // The transaction statements run in; null once it has ended.
    Firebird::ITransaction *handle() const;

private:
    friend class FbStatement;
    enum class Own { Statement };
    // A statement's own transaction: no other statement runs in it.
    FbTransaction(FbConnection &connection, Own);

    void start();
    void end(bool commit);

    FbConnection &m_connection;
    FbTransaction *m_outer = nullptr;
    Firebird::ITransaction *m_transaction = nullptr;
    bool m_shared = false;
    bool m_done = false;
    bool m_failed = false; // a joined guard ended without commit()
};
