#pragma once

#include "ConnectionSettings.h"
#include "FbError.h"

#include <QString>

#include <functional>

// The engine's own backup and restore, in the format of the gbak tool (an
// administrator restores a copy by hand with `gbak -c`), run through the
// client library's services interface on the engine that `settings` names:
// the embedded engine in this process, or the server. Paths are the engine's:
// this machine's for the embedded engine, the server's for a server.
//
// The engine's verbose output goes to `onLine` line by line as it comes (the
// caller's progress). A failure throws FbError with the engine's message.
namespace FbServices {

using OutputLine = std::function<void(const QString &line)>;

// Backs the database of `settings` up into `backupFile`, replacing it.
void backup(const ConnectionSettings &settings, const QString &backupFile, const OutputLine &onLine);

// Restores `backupFile` into the new database file `databaseFile` (refused
// when the file exists), through the engine of `settings` as its user; the
// database of `settings` is not touched. The engine's output says whether
// every table came back: a restore that stops early may still end without
// error, so callers check the result (see BackupVerification).
void restore(const ConnectionSettings &settings, const QString &backupFile, const QString &databaseFile,
             const OutputLine &onLine);

// Drops the database of `settings` (a restored copy that has served its
// purpose): the engine removes the file, wherever it runs.
void dropDatabase(const ConnectionSettings &settings);

// The engine refused the action for want of rights (on a server: only
// SYSDBA or the database's owner may back it up).
bool isRefusedForRights(const FbError &error);

} // namespace FbServices
