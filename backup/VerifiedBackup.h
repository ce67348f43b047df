#pragma once

#include "BackupFolder.h"
#include "BackupProgress.h"
#include "ConnectionSettings.h"

#include <QStringList>

class FbError;

// A backup copy of a database, made the same way from the menu, at the
// program's end and from the command line: the engine's backup into the
// backup folder under a provisional name, verified by restoring it into a
// scratch database beside it and comparing the rows of every table with those
// the backup wrote, then named after the moment it was taken; only then are
// the copies the rotation (copiesToRemove) no longer keeps removed. A copy
// that fails is removed and every older copy stays.
class VerifiedBackup
{
public:
    VerifiedBackup(ConnectionSettings settings, const QString &folder);

    void setClock(BackupClock clock) { m_clock = std::move(clock); }
    void setProgress(BackupProgress progress) { m_progress = std::move(progress); }

    const BackupFolder &folder() const { return m_folder; }

    struct Result
    {
        bool ok = false;
        QString file; // the verified copy
        QString message; // why it failed, in Portuguese, for the person
        QStringList removed; // older copies the rotation removed
    };
    // Never throws: a failure comes back in Result::message.
    Result run();

    // The last good copy is more than a day old, or there is none.
    bool isDue() const;

private:
    void report(int percent, const QString &step) const;
    QString reasonOf(const FbError &error) const;

    ConnectionSettings m_settings;
    BackupFolder m_folder;
    BackupClock m_clock;
    BackupProgress m_progress;
};
