#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const auto folderName = QStringLiteral("ulmora");
const auto definitionsName = QStringLiteral("connections.ini");

} // namespace

namespace ProgramFolders {

QString userConfig()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(folderName);
}

QString userData()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(folderName);
}

QStringList connectionDefinitionCandidates(const QString &executableFolder)
{
    const QString fromEnvironment = qEnvironmentVariable("ULMORA_CONNECTION_DEFS");
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment};
    return {QDir(executableFolder).filePath(definitionsName), QDir(userConfig()).filePath(definitionsName),
            QStringLiteral("/etc/ulmora/connections.ini")};
}

QString connectionDefinition(const QString &executableFolder)
{
    const QStringList candidates = connectionDefinitionCandidates(executableFolder);
    if (!qEnvironmentVariableIsEmpty("ULMORA_CONNECTION_DEFS"))
        return candidates.constFirst();
    for (const QString &file : candidates) {
        if (QFileInfo::exists(file))
            return file;
    }
    return QString();
}

QString iniFolder(const QString &executableFolder)
{
    const QFileInfo folder(executableFolder);
    return folder.isDir() && folder.isWritable() ? executableFolder : userConfig();
}

QString iniFolder()
{
    return iniFolder(QCoreApplication::applicationDirPath());
}

QString sqlScripts()
{
    const QDir executable(QCoreApplication::applicationDirPath());
    QStringList folders{executable.filePath(QStringLiteral("sql")), executable.filePath(QStringLiteral("../sql")),
                        executable.filePath(QStringLiteral("../share/ulmora"))};
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(folderName);
    for (const QString &folder : std::as_const(folders)) {
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("schema.sql"))))
            return QDir::cleanPath(folder);
    }
    return QString();
}

} // namespace ProgramFolders
