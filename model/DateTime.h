#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// The system's date-time: days since 30 December 1899 with the time of day as
// the fraction (0 is the empty date). Conversions live here so no other file
// does day arithmetic.
//
// A stored date-time is a wall-clock reading with no time zone. It becomes a
// QDateTime in UTC, where every day has every time: in local time the
// midnight of a day when daylight saving time begins (4 November 2018 in
// São Paulo) does not exist, and such a QDateTime is invalid.
class DateTime
{
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double days) : m_days(days) { }

    static DateTime fromDate(const QDate &date);
    // Takes the date and time as the QDateTime reads them in its own time
    // zone: the local reading of a local time, as typed or shown.
    static DateTime fromDateTime(const QDateTime &dateTime);
    // "dd/MM/yyyy hh:mm:ss" or "dd/MM/yyyy" (midnight); nothing when the
    // text is neither.
    static std::optional<DateTime> fromText(QStringView text);
    static DateTime today();
    static DateTime now();

    constexpr double days() const { return m_days; }
    constexpr bool isEmpty() const { return m_days == 0.0; }

    // The day part only; an empty date gives 30 December 1899, as the
    // underlying day count does.
    QDate date() const;
    // The same date and time in UTC (see above): always valid.
    QDateTime toDateTime() const;

    // Short date of the Brazilian locale (dd/MM/yyyy).
    QString toShortDateString() const;

    static QDate epoch() { return QDate(1899, 12, 30); }

    friend constexpr bool operator==(DateTime a, DateTime b) { return a.m_days == b.m_days; }

private:
    double m_days = 0.0;
};
