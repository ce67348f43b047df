#include "BackupPlace.h"

#include "BackupFolder.h"
#include "ConnectionSettings.h"
#include "RememberedValue.h"

namespace {

const auto folderKey = QStringLiteral("Backup/Pasta");

} // namespace

namespace BackupPlace {

QString folder(const QString &iniFile, const ConnectionSettings &settings)
{
    const QString chosen = readRememberedValue(iniFile, folderKey);
    return chosen.isEmpty() ? BackupFolder::besideDatabase(settings) : chosen;
}

void remember(const QString &iniFile, const QString &folder)
{
    writeRememberedValue(iniFile, folderKey, folder);
}

} // namespace BackupPlace
