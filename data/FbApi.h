#pragma once

// Internal helpers over the Firebird client library's object API.

#include "FbError.h"

#include <firebird/Interface.h>

namespace fb {

Firebird::IMaster *master();
Firebird::IUtil *util();

// The error a failed call left in `status`, as our one error type.
FbError toError(const Firebird::IStatus *status);

// An IStatus with a throwing wrapper, disposed with the scope.
class Status
{
public:
    Status() : m_status(master()->getStatus()), m_wrapper(m_status) { }
    ~Status() { m_status->dispose(); }
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;

    Firebird::ThrowStatusWrapper *operator&() { return &m_wrapper; }

private:
    Firebird::IStatus *m_status;
    Firebird::ThrowStatusWrapper m_wrapper;
};

// Runs `call` and turns a Firebird exception into FbError.
template<typename F>
auto guarded(F &&call) -> decltype(call())
{
    try {
        return call();
    } catch (const Firebird::FbException &e) {
        throw toError(e.getStatus());
    }
}

} // namespace fb
