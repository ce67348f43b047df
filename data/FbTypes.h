#pragma once

// Conversions between our date-time and Firebird's date and timestamp.

#include "DateTime.h"

#include <firebird/Interface.h>

namespace fbtypes {

// Firebird counts days from 17 November 1858; our epoch is 30 December 1899.
constexpr int EpochOffsetDays = 15018;
constexpr double TimeUnitsPerDay = 24.0 * 3600.0 * 10000.0; // 1/10000 second

inline DateTime fromIscDate(ISC_DATE date)
{
    return DateTime(double(date - EpochOffsetDays));
}

inline ISC_DATE toIscDate(DateTime value)
{
    return ISC_DATE(value.date().toJulianDay() - DateTime::epoch().toJulianDay() + EpochOffsetDays);
}

DateTime fromIscTimestamp(const ISC_TIMESTAMP &timestamp);
ISC_TIMESTAMP toIscTimestamp(DateTime value);

} // namespace fbtypes
