#pragma once

#include "FbServices.h"

#include <QStringList>

// A restore run by the helper program ulmora-restauracao, beside the
// executable (or the one ULMORA_RESTORE_HELPER names), so that a damaged copy
// can't take the program down with it.
namespace RestoreProcess {

QString helperPath();

// Restores `backupFile` into the new file `databaseFile` through the engine
// of `engine` (its database is not used) and answers the engine's output,
// each line also handed to `onLine` as it comes. Throws FbError with a
// Portuguese message when the helper can't run, ends in error or crashes.
QStringList run(const ConnectionSettings &engine, const QString &backupFile, const QString &databaseFile,
                const FbServices::OutputLine &onLine);

} // namespace RestoreProcess
