#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

struct ConnectionSettings;

// Rows per table, by table name.
using TableCounts = QMap<QString, qint64>;

// The system's own tables of the database of `settings` (not the engine's
// catalog), by name. Throws FbError.
QStringList tableNames(const ConnectionSettings &settings);

// The rows of every table of the database of `settings` (the system's own
// tables, not the engine's catalog), counted in one transaction. Throws
// FbError.
TableCounts countRows(const ConnectionSettings &settings);

// The rows per table the engine's verbose output reports: a backup's
// "writing data for table X" / "N records written" (every table), a
// restore's "restoring data for table X" / "N records restored" (the tables
// that have rows).
TableCounts reportedCounts(const QStringList &output);

// How `actual` differs from `expected`, one Portuguese line per table that
// differs; empty when they agree. Tables missing on one side count as 0 rows
// when `missingIsEmpty`, as a difference otherwise.
QStringList countDifferences(const TableCounts &expected, const TableCounts &actual, bool missingIsEmpty);
