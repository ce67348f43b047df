#pragma once

#include "BackupProgress.h"
#include "ConnectionSettings.h"

// Puts a backup copy in the place of the database in use, in two steps with
// the person's confirmation between them: prepare() restores the copy into a
// new file beside the current database and checks it (see restoreProblem);
// replaceCurrent() then points the connection definition at the new file and
// keeps the old one, renamed with the date. Only on the embedded engine: on a
// server the administrator restores (README).
class DatabaseRestore
{
public:
    explicit DatabaseRestore(ConnectionSettings current);

    void setClock(BackupClock clock) { m_clock = std::move(clock); }
    void setProgress(BackupProgress progress) { m_progress = std::move(progress); }

    // When the copy was taken: the moment in its name, else the file's time.
    static QDateTime takenAt(const QString &backupFile);

    // Restores and checks; answers the new database file. Throws FbError
    // with the reason in Portuguese, leaving nothing behind.
    QString prepare(const QString &backupFile);
    // Removes a prepared file the person did not want.
    void discard(const QString &prepared);
    // Renames the current database file with the date, then points the
    // definition `name` of `definitionsFile` at `prepared`; answers the old
    // file's new path. Throws FbError, undoing the rename, when either fails.
    QString replaceCurrent(const QString &prepared, const QString &definitionsFile,
                           const QString &name = QStringLiteral("Ulmora"));

private:
    ConnectionSettings m_current;
    BackupClock m_clock;
    BackupProgress m_progress;
};
