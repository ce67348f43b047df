#include "BackupRotation.h"

#include <algorithm>

namespace {

// The Monday that starts the week of `day`.
QDate weekOf(const QDate &day)
{
    return day.addDays(1 - day.dayOfWeek());
}

} // namespace

QStringList copiesToRemove(QList<DatedCopy> copies, const QDateTime &now, int daily, int weekly)
{
    std::sort(copies.begin(), copies.end(), [](const DatedCopy &a, const DatedCopy &b) { return a.taken > b.taken; });

    QList<QDate> keptDays;
    QList<QDate> keptWeeks;
    QStringList removed;
    for (const DatedCopy &copy : std::as_const(copies)) {
        if (copy.taken > now)
            continue;
        const QDate day = copy.taken.date();
        if (keptDays.contains(day) || keptWeeks.contains(weekOf(day))) {
            removed.prepend(copy.path);
        } else if (keptDays.size() < daily) {
            keptDays << day;
        } else if (keptWeeks.size() < weekly) {
            keptWeeks << weekOf(day);
        } else {
            removed.prepend(copy.path);
        }
    }
    return removed;
}
