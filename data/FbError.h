#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <exception>
#include <string>

// A database error: the database's own message, its SQL code and Firebird
// error codes, and the statement that failed with its bound values. The
// database error dialog shows the last three on request.
class FbError : public std::exception
{
public:
    FbError(QString message, int sqlCode = 0, QList<qint64> errorCodes = {});

    const QString &message() const { return m_message; }
    int sqlCode() const { return m_sqlCode; }
    const QList<qint64> &errorCodes() const { return m_errorCodes; }
    bool hasErrorCode(qint64 code) const { return m_errorCodes.contains(code); }

    const QString &statement() const { return m_statement; }
    const QStringList &parameters() const { return m_parameters; }
    void setStatement(const QString &text, const QStringList &parameters);

    // The connection to the database was lost (server stopped, network).
    bool isConnectionLost() const;

    // Everything the details view shows, one item per line.
    QString details() const;

    const char *what() const noexcept override { return m_what.c_str(); }

private:
    QString m_message;
    int m_sqlCode = 0;
    QList<qint64> m_errorCodes;
    QString m_statement;
    QStringList m_parameters;
    std::string m_what;
};
