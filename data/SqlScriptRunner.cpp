#include "SqlScriptRunner.h"

#include "FbApi.h"
#include "FbConnection.h"
#include "SqlScript.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Firebird;

namespace {

// A whole statement of this form, in any case; made once, since a script
// asks it of thousands of statements.
QRegularExpression statementForm(const QString &pattern)
{
    return QRegularExpression(u'^' + pattern + u'$', QRegularExpression::CaseInsensitiveOption);
}

bool matches(const QString &statement, const QRegularExpression &form)
{
    return form.match(statement).hasMatch();
}

// One run of a script: the data statements' transaction, started when the
// first one needs it.
class ScriptRun
{
public:
    explicit ScriptRun(FbConnection &connection) : m_connection(connection) { }
    ~ScriptRun() { end(false); }

    void run(const QString &statement)
    {
        static const QRegularExpression commit = statementForm(QStringLiteral("commit(\\s+work)?"));
        static const QRegularExpression rollback = statementForm(QStringLiteral("rollback(\\s+work)?"));
        if (matches(statement, commit)) {
            end(true);
        } else if (matches(statement, rollback)) {
            end(false);
        } else if (isIsqlSetting(statement)) {
        } else {
            execute(statement);
        }
    }

    void end(bool commit)
    {
        if (!m_work)
            return;
        ITransaction *work = m_work;
        m_work = nullptr;
        fb::Status status;
        try {
            if (commit)
                work->commit(&status);
            else
                work->rollback(&status);
        } catch (const FbException &e) {
            if (!commit) {
                work->release();
                return;
            }
            // A refused commit leaves nothing written.
            try {
                work->rollback(&status);
            } catch (const FbException &) {
                work->release();
            }
            throw fb::toError(e.getStatus());
        }
    }

private:
    static bool isIsqlSetting(const QString &statement)
    {
        // The thousands of inserts of a data script pass at once.
        if (!statement.startsWith(u"set", Qt::CaseInsensitive))
            return false;
        static const QRegularExpression display = statementForm(QStringLiteral(
            "set\\s+(echo|list|bail|heading|stats|count|plan|planonly|time|warnings|wng|blobdisplay|explain|"
            "per_table_stats|rowcount|maxrows|width|exec_path_display|keep_tran_params)(\\s+\\S+)*"));
        static const QRegularExpression asTheConnectionIs
            = statementForm(QStringLiteral("set\\s+(autoddl(\\s+on)?|names\\s+utf8|sql\\s+dialect\\s+3)"));
        static const QRegularExpression otherwise
            = statementForm(QStringLiteral("set\\s+(names|sql\\s+dialect|autoddl)(\\s+\\S+)*"));
        if (matches(statement, display) || matches(statement, asTheConnectionIs))
            return true;
        if (matches(statement, otherwise))
            throw FbError(
                QStringLiteral("comando não suportado (a conexão usa UTF8, dialeto 3 e AUTODDL): %1").arg(statement));
        return false;
    }

    ITransaction *work()
    {
        if (!m_work)
            m_work = m_connection.startTransaction();
        return m_work;
    }

    void execute(const QString &statement)
    {
        const QByteArray sql = statement.toUtf8();
        fb::guarded([&] {
            fb::Status status;
            IStatement *prepared = m_connection.attachment()->prepare(
                &status, work(), 0, sql.constData(), SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_TYPE);
            try {
                if (prepared->getType(&status) == isc_info_sql_stmt_ddl)
                    executeAlone(prepared);
                else
                    prepared->execute(&status, work(), nullptr, nullptr, nullptr, nullptr);
                prepared->free(&status);
            } catch (...) {
                prepared->release();
                throw;
            }
        });
    }

    // A schema change, committed at once as isql's AUTODDL does.
    void executeAlone(IStatement *prepared)
    {
        fb::Status status;
        ITransaction *own = m_connection.startTransaction();
        try {
            prepared->execute(&status, own, nullptr, nullptr, nullptr, nullptr);
            own->commit(&status);
        } catch (...) {
            try {
                own->rollback(&status);
            } catch (const FbException &) {
                own->release();
            }
            throw;
        }
    }

    FbConnection &m_connection;
    ITransaction *m_work = nullptr;
};

} // namespace

void runSqlText(FbConnection &connection, const QString &script, const QString &origin)
{
    ScriptRun run(connection);
    for (const SqlScriptStatement &statement : splitSqlScript(script)) {
        try {
            run.run(statement.text);
        } catch (const FbError &error) {
            FbError located(QStringLiteral("%1, linha %2: %3").arg(origin).arg(statement.line).arg(error.message()),
                            error.sqlCode(), error.errorCodes());
            located.setStatement(statement.text, {});
            throw located;
        }
    }
    run.end(true);
}

void runSqlScript(FbConnection &connection, const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw FbError(QStringLiteral("O script %1 não pode ser lido: %2").arg(file, in.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString script = utf8.decode(in.readAll());
    if (utf8.hasError())
        throw FbError(QStringLiteral("O script %1 não está em UTF-8").arg(file));
    runSqlText(connection, script, QFileInfo(file).fileName());
}
