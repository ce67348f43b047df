#include "DateTime.h"

#include <QTime>

#include <cmath>

namespace {
constexpr qint64 MsecsPerDay = 24LL * 60 * 60 * 1000;
}

DateTime DateTime::fromDate(const QDate &date)
{
    if (!date.isValid())
        return DateTime();
    return DateTime(double(epoch().daysTo(date)));
}

DateTime DateTime::fromDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return DateTime();
    const double day = double(epoch().daysTo(dateTime.date()));
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / double(MsecsPerDay);
    // Before the epoch the fraction counts away from zero, as in OLE dates.
    return DateTime(day < 0 ? day - fraction : day + fraction);
}

DateTime DateTime::today()
{
    return fromDate(QDate::currentDate());
}

DateTime DateTime::now()
{
    return fromDateTime(QDateTime::currentDateTime());
}

QDate DateTime::date() const
{
    return epoch().addDays(qint64(std::trunc(m_days)));
}

QDateTime DateTime::toDateTime() const
{
    const double whole = std::trunc(m_days);
    const double fraction = std::fabs(m_days - whole);
    qint64 msecs = qint64(std::llround(fraction * double(MsecsPerDay)));
    qint64 day = qint64(whole);
    if (msecs >= MsecsPerDay) { // rounding reached midnight
        msecs -= MsecsPerDay;
        day += m_days < 0 ? -1 : 1;
    }
    return QDateTime(epoch().addDays(day), QTime::fromMSecsSinceStartOfDay(int(msecs)), Qt::UTC);
}

std::optional<DateTime> DateTime::fromText(QStringView text)
{
    // Date and time apart: QDateTime::fromString reads local time and finds
    // no midnight on the first day of daylight saving time.
    const QStringView trimmed = text.trimmed();
    const QDate date = QDate::fromString(trimmed.left(10).toString(), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    if (trimmed.size() == 10)
        return fromDate(date);
    if (trimmed.size() != 19 || trimmed[10] != u' ')
        return std::nullopt;
    const QTime time = QTime::fromString(trimmed.mid(11).toString(), QStringLiteral("hh:mm:ss"));
    if (!time.isValid())
        return std::nullopt;
    return fromDateTime(QDateTime(date, time, Qt::UTC));
}

QString DateTime::toShortDateString() const
{
    return date().toString(QStringLiteral("dd/MM/yyyy"));
}
