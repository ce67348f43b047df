#pragma once

#include "FbError.h"
#include "FbStatement.h"
#include "Feedback.h"
#include "WriteRefusal.h"

template<typename F>
bool TDM::reported(const QString &prefix, F &&body)
{
    m_lastRefusal = WriteRefusal::None;
    try {
        body();
        return true;
    } catch (const FbError &error) {
        // Another seat's doing is told in the system's own words, without
        // the operation's name: it is no fault of the program.
        m_lastRefusal = writeRefusalOf(error);
        if (m_lastRefusal != WriteRefusal::None)
            Feedback::current().showMessage(Feedback::Kind::Information, writeRefusalText(m_lastRefusal));
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
