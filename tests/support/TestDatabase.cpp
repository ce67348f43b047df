#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

TestDatabase::TestDatabase(Content content)
{
    m_path = m_dir.filePath(QStringLiteral("test.fdb"));
    const QString create = QStringLiteral("create database '%1' user 'SYSDBA' default character set UTF8;\n")
                               .arg(m_path);
    if (!isql({QStringLiteral("-q")}, create.toUtf8()))
        return;
    if (!runFile(sourceFile(QStringLiteral("data/schema.sql"))))
        return;
    if (content >= WithReference) {
        if (!runFile(sourceFile(QStringLiteral("data/reference.sql"))) ||
            !runFile(sourceFile(QStringLiteral("data/cidades.sql"))))
            return;
    }
    if (content >= WithDemo)
        runFile(sourceFile(QStringLiteral("data/demo.sql")));
}

ConnectionSettings TestDatabase::settings() const
{
    ConnectionSettings settings;
    settings.database = m_path;
    settings.userName = QStringLiteral("SYSDBA");
    return settings;
}

QString TestDatabase::sourceFile(const QString &relative)
{
    return QDir(QStringLiteral(ULMORA_SOURCE_DIR)).filePath(relative);
}

bool TestDatabase::run(const QString &sql)
{
    return isql({QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                 QStringLiteral("-ch"), QStringLiteral("UTF8"), m_path},
                (sql + QStringLiteral("\ncommit;\n")).toUtf8());
}

bool TestDatabase::runFile(const QString &file)
{
    return isql({QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                 QStringLiteral("-ch"), QStringLiteral("UTF8"), QStringLiteral("-i"), file, m_path});
}

bool TestDatabase::isql(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("isql-fb"), arguments);
    if (!process.waitForStarted()) {
        m_error = QStringLiteral("isql-fb could not start");
        return false;
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const QString output = QString::fromUtf8(process.readAll());
    // isql reports script errors on its output, not always by its exit code.
    if (process.exitCode() != 0 || output.contains(QStringLiteral("Statement failed")) ||
        output.contains(QStringLiteral("SQLSTATE"))) {
        m_error = QStringLiteral("isql-fb %1 failed:\n%2").arg(arguments.join(u' '), output);
        return false;
    }
    return true;
}

QString TestDatabase::writeDefinitions() const
{
    const QString file = m_dir.filePath(QStringLiteral("connections.ini"));
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Ulmora"));
    ini.setValue(QStringLiteral("Database"), m_path);
    ini.setValue(QStringLiteral("Server"), QString());
    ini.setValue(QStringLiteral("User_Name"), QStringLiteral("SYSDBA"));
    ini.setValue(QStringLiteral("CharacterSet"), QStringLiteral("UTF8"));
    ini.endGroup();
    ini.sync();
    return file;
}
