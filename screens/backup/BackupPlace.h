#pragma once

#include <QString>

struct ConnectionSettings;

// Where the association's program keeps its backup copies: the folder the
// person chose, remembered in the program's ini file `iniFile`, else the
// database's own folder.
namespace BackupPlace {

QString folder(const QString &iniFile, const ConnectionSettings &settings);
// Throws std::runtime_error when the ini file refuses the write.
void remember(const QString &iniFile, const QString &folder);

} // namespace BackupPlace
