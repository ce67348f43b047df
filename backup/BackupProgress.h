#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// How far a backup or a restore has gone (0 to 100) and what it is doing,
// for a progress bar or a terminal.
using BackupProgress = std::function<void(int percent, const QString &step)>;

// What "now" is: the system clock unless a test sets its own calendar.
using BackupClock = std::function<QDateTime()>;
