#pragma once

#include <QDate>
#include <QDateTime>

// The system's date-time: days since 30 December 1899 with the time of day as
// the fraction (0 is the empty date). Conversions live here so no other file
// does day arithmetic.
class DateTime
{
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double days) : m_days(days) { }

    static DateTime fromDate(const QDate &date);
    static DateTime fromDateTime(const QDateTime &dateTime);
    static DateTime today();
    static DateTime now();

    constexpr double days() const { return m_days; }
    constexpr bool isEmpty() const { return m_days == 0.0; }

    // The day part only; an empty date gives 30 December 1899, as the
    // underlying day count does.
    QDate date() const;
    QDateTime toDateTime() const;

    // Short date of the Brazilian locale (dd/MM/yyyy).
    QString toShortDateString() const;

    static QDate epoch() { return QDate(1899, 12, 30); }

    friend constexpr bool operator==(DateTime a, DateTime b) { return a.m_days == b.m_days; }

private:
    double m_days = 0.0;
};
