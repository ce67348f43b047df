#include "FbStatement.h"

#include "FbApi.h"
#include "FbConnection.h"
#include "FbTransaction.h"
#include "FbTypes.h"

#include <cstring>

using namespace Firebird;

namespace {

bool isIdentifierStart(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

bool isIdentifierPart(QChar c)
{
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9') || c == u'$';
}

// Replaces each :NAME outside literals, quoted names and comments by "?" and
// collects the names in order of position.
QString toPositional(const QString &sql, QStringList &names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) { // doubled quote
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += QStringView(sql).mid(i, qMin(j, n - 1) - i + 1);
            i = j;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            qsizetype j = sql.indexOf(u'\n', i);
            if (j < 0)
                j = n - 1;
            out += QStringView(sql).mid(i, j - i + 1);
            i = j;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n - 1 : j + 1;
            out += QStringView(sql).mid(i, j - i + 1);
            i = j;
        } else if (c == u':' && i + 1 < n && isIdentifierStart(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && isIdentifierPart(sql[j]))
                ++j;
            names << sql.mid(i + 1, j - i - 1).toUpper();
            out += u'?';
            i = j - 1;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

FbStatement::FbStatement(FbConnection &connection, const QString &sql) : m_connection(connection)
{
    setSql(sql);
}

FbStatement::~FbStatement()
{
    if (m_inputMetadata)
        m_inputMetadata->release();
    if (m_statement)
        m_statement->release();
}

void FbStatement::setSql(const QString &sql)
{
    if (m_statement) {
        m_statement->release();
        m_statement = nullptr;
    }
    m_sql = sql;
    m_parameterNames.clear();
    m_positionalSql = toPositional(sql, m_parameterNames).toUtf8();
    m_values.clear();
}

FbStatement::Value &FbStatement::slot(QStringView name)
{
    const QString key = name.toString().toUpper();
    if (!m_parameterNames.contains(key))
        throw FbError(QStringLiteral("Parâmetro '%1' não encontrado").arg(name), 0, {});
    return m_values[key];
}

void FbStatement::bindInteger(QStringView name, qint32 value)
{
    Value &v = slot(name);
    v = Value();
    v.kind = Value::Integer;
    v.integer = value;
}

void FbStatement::bindText(QStringView name, const QString &value)
{
    Value &v = slot(name);
    v = Value();
    v.kind = Value::Text;
    v.text = value;
    v.utf8 = value.toUtf8();
}

void FbStatement::bindFloat(QStringView name, double value)
{
    Value &v = slot(name);
    v = Value();
    v.kind = Value::Float;
    v.number = value;
}

void FbStatement::bindDate(QStringView name, DateTime value)
{
    Value &v = slot(name);
    v = Value();
    v.kind = Value::Date;
    v.dateTime = value;
}

void FbStatement::bindTimestamp(QStringView name, DateTime value)
{
    Value &v = slot(name);
    v = Value();
    v.kind = Value::Timestamp;
    v.dateTime = value;
}

void FbStatement::bindNull(QStringView name)
{
    slot(name) = Value();
}

void FbStatement::bindKey(QStringView name, qint32 value)
{
    if (value == 0)
        bindNull(name);
    else
        bindInteger(name, value);
}

void FbStatement::clearBindings()
{
    m_values.clear();
}

QStringList FbStatement::describeBindings() const
{
    QStringList lines;
    QStringList seen;
    for (const QString &name : m_parameterNames) {
        if (seen.contains(name))
            continue;
        seen << name;
        const auto it = m_values.constFind(name);
        QString shown = QStringLiteral("NULL");
        if (it != m_values.constEnd()) {
            const Value &v = *it;
            switch (v.kind) {
            case Value::Null:
                break;
            case Value::Integer:
                shown = QString::number(v.integer);
                break;
            case Value::Text:
                shown = u'\'' + v.text + u'\'';
                break;
            case Value::Float:
                shown = QString::number(v.number, 'g', 17);
                break;
            case Value::Date:
                shown = v.dateTime.date().toString(QStringLiteral("dd.MM.yyyy"));
                break;
            case Value::Timestamp:
                shown = v.dateTime.toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
                break;
            }
        }
        lines << name + QStringLiteral(" = ") + shown;
    }
    return lines;
}

void FbStatement::fail(const FbError &error) const
{
    FbError withContext = error;
    withContext.setStatement(m_sql, describeBindings());
    throw withContext;
}

void FbStatement::prepare(ITransaction *transaction)
{
    if (m_statement && m_preparedGeneration == m_connection.generation())
        return;
    if (m_statement) {
        m_statement->release();
        m_statement = nullptr;
    }
    fb::Status status;
    m_statement = m_connection.attachment()->prepare(&status, transaction, 0, m_positionalSql.constData(),
                                                     SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
    m_preparedGeneration = m_connection.generation();
    IMessageMetadata *output = m_statement->getOutputMetadata(&status);
    m_output.reset(output);
    output->release();
}

void FbStatement::buildInput()
{
    if (m_inputMetadata) {
        m_inputMetadata->release();
        m_inputMetadata = nullptr;
    }
    m_inputBuffer.clear();
    const unsigned count = unsigned(m_parameterNames.size());
    if (count == 0)
        return;

    // Our own input description, one nullable item per position typed after
    // the bound value: the database converts it to the column's type, so a
    // NULL reaches a NOT NULL key and an over-long text is refused, not cut.
    fb::Status status;
    IMetadataBuilder *builder = fb::master()->getMetadataBuilder(&status, count);
    std::vector<const Value *> values(count);
    static const Value null;
    try {
        for (unsigned i = 0; i < count; ++i) {
            const auto it = m_values.constFind(m_parameterNames[int(i)]);
            const Value &v = it == m_values.constEnd() ? null : *it;
            values[i] = &v;
            switch (v.kind) {
            case Value::Null:
            case Value::Text:
                builder->setType(&status, i, SQL_VARYING + 1);
                builder->setLength(&status, i, unsigned(qMax<qsizetype>(v.utf8.size(), 1)));
                builder->setCharSet(&status, i, 4); // UTF8
                break;
            case Value::Integer:
                builder->setType(&status, i, SQL_LONG + 1);
                builder->setLength(&status, i, sizeof(ISC_LONG));
                builder->setScale(&status, i, 0);
                break;
            case Value::Float:
                builder->setType(&status, i, SQL_DOUBLE + 1);
                builder->setLength(&status, i, sizeof(double));
                break;
            case Value::Date:
                builder->setType(&status, i, SQL_TYPE_DATE + 1);
                builder->setLength(&status, i, sizeof(ISC_DATE));
                break;
            case Value::Timestamp:
                builder->setType(&status, i, SQL_TIMESTAMP + 1);
                builder->setLength(&status, i, sizeof(ISC_TIMESTAMP));
                break;
            }
        }
        m_inputMetadata = builder->getMetadata(&status);
    } catch (...) {
        builder->release();
        throw;
    }
    builder->release();

    m_inputBuffer = QByteArray(int(m_inputMetadata->getMessageLength(&status)), '\0');
    char *buffer = m_inputBuffer.data();
    for (unsigned i = 0; i < count; ++i) {
        const Value &v = *values[i];
        const short indicator = v.kind == Value::Null ? -1 : 0;
        std::memcpy(buffer + m_inputMetadata->getNullOffset(&status, i), &indicator, sizeof indicator);
        char *field = buffer + m_inputMetadata->getOffset(&status, i);
        switch (v.kind) {
        case Value::Null:
            break;
        case Value::Text: {
            const quint16 length = quint16(v.utf8.size());
            std::memcpy(field, &length, sizeof length);
            std::memcpy(field + sizeof length, v.utf8.constData(), std::size_t(length));
            break;
        }
        case Value::Integer: {
            const ISC_LONG value = v.integer;
            std::memcpy(field, &value, sizeof value);
            break;
        }
        case Value::Float:
            std::memcpy(field, &v.number, sizeof v.number);
            break;
        case Value::Date: {
            const ISC_DATE value = fbtypes::toIscDate(v.dateTime);
            std::memcpy(field, &value, sizeof value);
            break;
        }
        case Value::Timestamp: {
            const ISC_TIMESTAMP value = fbtypes::toIscTimestamp(v.dateTime);
            std::memcpy(field, &value, sizeof value);
            break;
        }
        }
    }
}

std::unique_ptr<FbTransaction> FbStatement::transactionOfItsOwn()
{
    if (m_connection.openTransaction())
        return nullptr;
    return std::unique_ptr<FbTransaction>(new FbTransaction(m_connection, FbTransaction::Own::Statement));
}

// Inside a guard the statement runs in the guard's transaction and leaves
// it open; otherwise in its own, rolled back with the scope when it fails.
void FbStatement::execute()
{
    try {
        fb::Status status;
        const std::unique_ptr<FbTransaction> own = transactionOfItsOwn();
        ITransaction *transaction = own ? own->handle() : m_connection.openTransaction();
        prepare(transaction);
        buildInput();
        m_statement->execute(&status, transaction, m_inputMetadata,
                             m_inputBuffer.isEmpty() ? nullptr : m_inputBuffer.data(), m_output.metadata(),
                             m_output.buffer());
        if (own)
            own->commit();
    } catch (const FbException &e) {
        fail(fb::toError(e.getStatus()));
    } catch (const FbError &error) {
        fail(error);
    }
}

std::unique_ptr<FbResultSet> FbStatement::open()
{
    try {
        fb::Status status;
        std::unique_ptr<FbTransaction> own = transactionOfItsOwn();
        ITransaction *transaction = own ? own->handle() : m_connection.openTransaction();
        prepare(transaction);
        buildInput();
        IResultSet *cursor
            = m_statement->openCursor(&status, transaction, m_inputMetadata,
                                      m_inputBuffer.isEmpty() ? nullptr : m_inputBuffer.data(), m_output.metadata(), 0);
        std::unique_ptr<FbResultSet> rows(new FbResultSet(*this, std::move(own), cursor));
        rows->reset(m_output.metadata());
        return rows;
    } catch (const FbException &e) {
        fail(fb::toError(e.getStatus()));
    } catch (const FbError &error) {
        fail(error);
    }
}

FbResultSet::FbResultSet(FbStatement &statement, std::unique_ptr<FbTransaction> transaction, IResultSet *cursor)
    : m_statement(statement), m_transaction(std::move(transaction)), m_cursor(cursor)
{
}

FbResultSet::~FbResultSet()
{
    try {
        close();
    } catch (...) {
        // Closing after an error: the transaction is already gone.
    }
}

bool FbResultSet::next()
{
    if (!m_cursor)
        return false;
    try {
        fb::Status status;
        return m_cursor->fetchNext(&status, buffer()) == IStatus::RESULT_OK;
    } catch (const FbException &e) {
        m_statement.fail(fb::toError(e.getStatus()));
    }
}

// Its own transaction ends here (a guard's stays open): committed, or rolled
// back when the cursor does not close.
void FbResultSet::close()
{
    if (m_cursor) {
        IResultSet *cursor = m_cursor;
        m_cursor = nullptr;
        try {
            fb::Status status;
            cursor->close(&status);
        } catch (const FbException &e) {
            m_transaction.reset();
            throw fb::toError(e.getStatus());
        }
    }
    if (m_transaction) {
        const std::unique_ptr<FbTransaction> transaction = std::move(m_transaction);
        transaction->commit();
    }
}
