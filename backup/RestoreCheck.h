#pragma once

#include "TableCounts.h"

struct ConnectionSettings;

// What is wrong with a restored database, in Portuguese; empty when it is
// sound: the engine's output must tell that the restore went to its end
// without error, the database must hold the system's tables, and the rows of
// every table must be those `written` (a backup's own report) or, without
// it, those the restore reports. Database errors reading the restored file
// come back as its problem.
QString restoreProblem(const QStringList &restoreOutput, const ConnectionSettings &restored,
                       const TableCounts *written = nullptr);
