#pragma once

#include "DateTime.h"
#include "FbError.h"
#include "FbRow.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Firebird {
class IStatement;
class IMessageMetadata;
class ITransaction;
class IResultSet;
} // namespace Firebird

class FbConnection;
class FbResultSet;
class FbTransaction;

// One SQL statement with named parameters (:NAME, matched without regard to
// case, also when used more than once). Values are bound with their own type
// and a real NULL even where the column is NOT NULL. While a transaction
// guard is open on the connection (FbTransaction), executions and result sets
// run in its transaction and commit nothing. Otherwise every execution runs
// in its own transaction, committed when it succeeds, and a result set keeps
// its own transaction until it is closed.
class FbStatement
{
public:
    explicit FbStatement(FbConnection &connection, const QString &sql = QString());
    ~FbStatement();
    FbStatement(const FbStatement &) = delete;
    FbStatement &operator=(const FbStatement &) = delete;

    // Replaces the text; the bindings are dropped with the old parameters.
    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    const QStringList &parameterNames() const { return m_parameterNames; }

    void bindInteger(QStringView name, qint32 value);
    void bindText(QStringView name, const QString &value);
    void bindFloat(QStringView name, double value);
    void bindDate(QStringView name, DateTime value); // the day only
    void bindTimestamp(QStringView name, DateTime value);
    void bindNull(QStringView name);
    // An integer key: 0 is bound as NULL, so the database assigns the key.
    void bindKey(QStringView name, qint32 value);
    void clearBindings();

    // Runs the statement; its outputs (procedure outputs, RETURNING values)
    // are then readable through output().
    void execute();
    const DataSet &output() const { return m_output; }

    // Opens the rows of a select; the transaction lives with the result set.
    std::unique_ptr<FbResultSet> open();

    // "NAME = value" for each bound parameter, for error details.
    QStringList describeBindings() const;

private:
    friend class FbResultSet;
    struct Value
    {
        enum Kind { Null, Integer, Text, Float, Date, Timestamp } kind = Null;
        qint32 integer = 0;
        double number = 0.0;
        DateTime dateTime;
        QString text;
        QByteArray utf8;
    };

    Value &slot(QStringView name);
    void prepare(Firebird::ITransaction *transaction);
    void buildInput();
    // Null when a guard is open: the statement then runs in its transaction.
    std::unique_ptr<FbTransaction> transactionOfItsOwn();
    [[noreturn]] void fail(const FbError &error) const;

    FbConnection &m_connection;
    QString m_sql;
    QByteArray m_positionalSql;
    QStringList m_parameterNames; // one per position, upper case
    QHash<QString, Value> m_values;

    Firebird::IStatement *m_statement = nullptr;
    quint64 m_preparedGeneration = 0;
    Firebird::IMessageMetadata *m_inputMetadata = nullptr;
    QByteArray m_inputBuffer;
    FbRow m_output;
};

// The open rows of a select. Moving with next() reads the following row
// into the data set; close() (or destruction) ends its own transaction, if
// it has one (outside a guard).
class FbResultSet : public FbRow
{
public:
    ~FbResultSet() override;

    // Fetches the next row; false at the end.
    bool next();
    void close();

private:
    friend class FbStatement;
    FbResultSet(FbStatement &statement, std::unique_ptr<FbTransaction> transaction, Firebird::IResultSet *cursor);

    FbStatement &m_statement;
    std::unique_ptr<FbTransaction> m_transaction;
    Firebird::IResultSet *m_cursor = nullptr;
};
