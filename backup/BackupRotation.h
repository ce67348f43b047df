#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One backup copy and when it was taken.
struct DatedCopy
{
    QString path;
    QDateTime taken;
};

// Which copies go once a new one is verified: the newest copy of each of the
// `daily` most recent days that have one stays, and of the copies older than
// those, the newest of each of the `weekly` most recent weeks (Monday to
// Sunday) that have one. Copies dated after `now` (a clock set back) are
// never removed. Answers the paths to remove, oldest first.
QStringList copiesToRemove(QList<DatedCopy> copies, const QDateTime &now, int daily = 7, int weekly = 4);
