#include "TestDatabase.h"

#include "FbError.h"
#include "NewDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

namespace {

const auto serverHost = QStringLiteral("127.0.0.1");
constexpr int serverPort = 3050;
// Created by scripts/firebird-server.sh, owned by the firebird user: the
// server, not this process, writes the database files.
const auto serverFolder = QStringLiteral("/var/lib/firebird/3.0/data/ulmora-tests");
const auto programUser = QStringLiteral("ULMORA");

// A password from the environment, else from the KEY=value file the server
// set-up keeps (readable by root only).
QString password(const char *variable, const QString &file, const QString &key)
{
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QRegularExpression line(QStringLiteral("^\\s*%1=\"?([^\"\\n]*)\"?\\s*$").arg(key),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(f.readAll()));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString quotedSql(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace

bool TestDatabase::onServer()
{
    return qEnvironmentVariable("ULMORA_TEST_BACKEND").compare(QStringLiteral("server"), Qt::CaseInsensitive) == 0;
}

bool TestDatabase::builtByProgram()
{
    return qEnvironmentVariable("ULMORA_TEST_BUILDER").compare(QStringLiteral("program"), Qt::CaseInsensitive) == 0;
}

TestDatabase::TestDatabase(Content content) : m_server(onServer())
{
    if (!m_server && builtByProgram()) {
        createByProgram();
        if (isValid() && content >= WithDemo)
            runFile(sourceFile(QStringLiteral("data/demo.sql")));
        return;
    }
    if (m_server)
        createOnServer();
    else
        createEmbedded();
    if (!isValid())
        return;

    if (!runFile(sourceFile(QStringLiteral("data/schema.sql"))))
        return;
    if (content >= WithReference) {
        if (!runFile(sourceFile(QStringLiteral("data/reference.sql")))
            || !runFile(sourceFile(QStringLiteral("data/cidades.sql"))))
            return;
    }
    if (content >= WithDemo && !runFile(sourceFile(QStringLiteral("data/demo.sql"))))
        return;
    // Last, so that the program's user gets rights on every object above.
    if (m_server)
        runFile(sourceFile(QStringLiteral("data/grants.sql")));
}

void TestDatabase::createEmbedded()
{
    m_path = m_dir.filePath(QStringLiteral("test.fdb"));
    const QString create
        = QStringLiteral("create database %1 user 'SYSDBA' default character set UTF8;\n").arg(quotedSql(m_path));
    isql({QStringLiteral("-q")}, create.toUtf8());
}

void TestDatabase::createByProgram()
{
    m_path = m_dir.filePath(QStringLiteral("test.fdb"));
    try {
        createNewDatabase(settings(), sourceFile(QStringLiteral("data")));
    } catch (const FbError &error) {
        m_error = QStringLiteral("createNewDatabase failed: %1").arg(error.message());
    }
}

void TestDatabase::createOnServer()
{
    m_ownerPassword = password("ULMORA_TEST_SYSDBA_PASSWORD", QStringLiteral("/etc/firebird/3.0/SYSDBA.password"),
                               QStringLiteral("ISC_PASSWORD"));
    m_userPassword = password("ULMORA_TEST_USER_PASSWORD", QStringLiteral("/etc/firebird/3.0/ULMORA.password"),
                              QStringLiteral("ULMORA_PASSWORD"));
    if (m_ownerPassword.isEmpty() || m_userPassword.isEmpty()) {
        m_error = QStringLiteral("server back end: no passwords (run scripts/firebird-server.sh start, or set "
                                 "ULMORA_TEST_SYSDBA_PASSWORD and ULMORA_TEST_USER_PASSWORD)");
        return;
    }
    // One file per object: tests of several processes share the folder.
    m_path = QStringLiteral("%1/%2-%3.fdb")
                 .arg(serverFolder, QString::number(QCoreApplication::applicationPid()),
                      QUuid::createUuid().toString(QUuid::Id128));
    const QString create = QStringLiteral("create database %1 user 'SYSDBA' password %2 default character set UTF8;\n")
                               .arg(quotedSql(target()), quotedSql(m_ownerPassword));
    isql({QStringLiteral("-q")}, create.toUtf8());
}

TestDatabase::~TestDatabase()
{
    if (!m_server || m_path.isEmpty())
        return;
    // Through the server while nobody is attached; when a connection of the
    // test is still open the server refuses, and the file goes from disk
    // (the server lets go of it when that connection ends).
    const QString error = m_error;
    const bool dropped = isql({QStringLiteral("-q"), target()}, QByteArrayLiteral("drop database;\n"));
    if (!dropped && !QFile::remove(m_path))
        qWarning("TestDatabase: could not remove %s", qPrintable(m_path));
    m_error = error;
}

QString TestDatabase::target() const
{
    if (!m_server)
        return m_path;
    return QStringLiteral("%1/%2:%3").arg(serverHost).arg(serverPort).arg(m_path);
}

ConnectionSettings TestDatabase::settings() const
{
    ConnectionSettings settings;
    settings.database = m_path;
    if (m_server) {
        settings.server = serverHost;
        settings.port = serverPort;
        settings.userName = programUser;
        settings.password = m_userPassword;
    } else {
        settings.userName = QStringLiteral("SYSDBA");
    }
    return settings;
}

ConnectionSettings TestDatabase::ownerSettings() const
{
    ConnectionSettings owner = settings();
    owner.userName = QStringLiteral("SYSDBA");
    owner.password = m_ownerPassword;
    return owner;
}

QString TestDatabase::sourceFile(const QString &relative)
{
    return QDir(QStringLiteral(ULMORA_SOURCE_DIR)).filePath(relative);
}

bool TestDatabase::run(const QString &sql)
{
    if (!isql({QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-ch"), QStringLiteral("UTF8"), target()},
              (sql + QStringLiteral("\ncommit;\n")).toUtf8()))
        return false;
    // Objects a fixture creates (triggers, exceptions, tables) get the
    // program's rights like those of the schema.
    return !m_server || runFile(sourceFile(QStringLiteral("data/grants.sql")));
}

bool TestDatabase::runFile(const QString &file)
{
    return isql({QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-ch"), QStringLiteral("UTF8"),
                 QStringLiteral("-i"), file, target()});
}

bool TestDatabase::isql(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // isql-fb logs in with these; the password stays out of the command line.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ISC_USER"), QStringLiteral("SYSDBA"));
    if (m_server)
        environment.insert(QStringLiteral("ISC_PASSWORD"), m_ownerPassword);
    else
        environment.remove(QStringLiteral("ISC_PASSWORD"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("isql-fb"), arguments);
    if (!process.waitForStarted()) {
        m_error = QStringLiteral("isql-fb could not start");
        return false;
    }
    process.write(input);
    process.closeWriteChannel();
    // Generous, but bounded: a server that stopped answering must not hang
    // the test run.
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        m_error = QStringLiteral("isql-fb %1 did not finish").arg(arguments.join(u' '));
        return false;
    }
    const QString output = QString::fromUtf8(process.readAll());
    // isql reports script errors on its output, not always by its exit code.
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || output.contains(QStringLiteral("Statement failed")) || output.contains(QStringLiteral("SQLSTATE"))) {
        m_error = QStringLiteral("isql-fb %1 failed:\n%2").arg(arguments.join(u' '), output);
        return false;
    }
    return true;
}

QString TestDatabase::writeDefinitions() const
{
    const ConnectionSettings s = settings();
    const QString file = m_dir.filePath(QStringLiteral("connections.ini"));
    // Written the way the README tells a person to: the path and the
    // password between double quotes, taken as they stand.
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(file));
    const QString text = QStringLiteral("[Ulmora]\nDatabase=\"%1\"\nServer=%2\nPort=%3\nUser_Name=%4\n"
                                        "Password=\"%5\"\nCharacterSet=%6\n")
                             .arg(s.database, s.server, s.port > 0 ? QString::number(s.port) : QString(), s.userName,
                                  s.password, s.characterSet);
    out.write(text.toUtf8());
    return file;
}
