#include "ConnectionSettings.h"

#include "FbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString ConnectionSettings::attachString() const
{
    if (isEmbedded())
        return database;
    if (port > 0)
        return server + u'/' + QString::number(port) + u':' + database;
    return server + u':' + database;
}

QString ConnectionSettings::definitionsFile()
{
    const QString fromEnvironment = qEnvironmentVariable("ULMORA_CONNECTION_DEFS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("connections.ini"));
}

ConnectionSettings ConnectionSettings::load(const QString &name)
{
    return load(definitionsFile(), name);
}

ConnectionSettings ConnectionSettings::load(const QString &file, const QString &name)
{
    if (!QFileInfo(file).isFile())
        throw FbError(QStringLiteral("Arquivo de definições de conexão não encontrado: %1").arg(file));

    QSettings ini(file, QSettings::IniFormat);
    if (!ini.childGroups().contains(name)) {
        throw FbError(QStringLiteral("Definição de conexão '%1' não encontrada em %2").arg(name, file));
    }
    ini.beginGroup(name);
    ConnectionSettings settings;
    settings.database = ini.value(QStringLiteral("Database")).toString();
    settings.server = ini.value(QStringLiteral("Server")).toString().trimmed();
    settings.port = ini.value(QStringLiteral("Port")).toInt();
    settings.userName = ini.value(QStringLiteral("User_Name"), settings.userName).toString();
    settings.password = ini.value(QStringLiteral("Password")).toString();
    settings.characterSet = ini.value(QStringLiteral("CharacterSet"), settings.characterSet).toString();
    if (settings.database.isEmpty())
        throw FbError(QStringLiteral("A definição de conexão '%1' em %2 não informa o banco de dados (Database)")
                          .arg(name, file));
    // A relative database path is taken from the definitions file's folder.
    if (settings.isEmbedded() && QFileInfo(settings.database).isRelative())
        settings.database = QFileInfo(file).dir().absoluteFilePath(settings.database);
    return settings;
}
