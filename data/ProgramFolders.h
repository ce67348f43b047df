#pragma once

#include <QString>
#include <QStringList>

// Where the programs keep their files. Run from a build folder everything
// sits beside the executable, as it always has; installed, the executable's
// folder belongs to the system and the user's own folders take its place.
namespace ProgramFolders {

// The user's configuration folder both programs share (~/.config/ulmora):
// the connection definition the first-run assistant writes, and each
// program's ini file when the executable's folder can't take it.
QString userConfig();
// The user's data folder (~/.local/share/ulmora): a database created on
// this computer by the first-run assistant.
QString userData();

// The connection definition files in the order they are looked for:
// ULMORA_CONNECTION_DEFS when set (then that file alone, found or not),
// connections.ini beside the executable, in userConfig(), and
// /etc/ulmora/connections.ini.
QStringList connectionDefinitionCandidates(const QString &executableFolder);
// The first of them that exists (the environment's even when it doesn't);
// empty when none does, as on a new desk.
QString connectionDefinition(const QString &executableFolder);

// The folder of a program's ini file: the executable's folder when this
// user may write there, else userConfig().
QString iniFolder(const QString &executableFolder);
// The same for the running program.
QString iniFolder();

// The folder of the schema and data scripts a new database is built from:
// the build folder's copy (sql/ beside the executable, or beside its folder
// for the tests'), else the installed one (../share/ulmora from the
// executable, then the system's data folders).
// Empty when none holds schema.sql.
QString sqlScripts();

} // namespace ProgramFolders
