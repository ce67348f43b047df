#include "FbTypes.h"

#include <QTime>

namespace fbtypes {

DateTime fromIscTimestamp(const ISC_TIMESTAMP &timestamp)
{
    const double day = double(timestamp.timestamp_date - EpochOffsetDays);
    const double fraction = double(timestamp.timestamp_time) / TimeUnitsPerDay;
    return DateTime(day < 0 ? day - fraction : day + fraction);
}

ISC_TIMESTAMP toIscTimestamp(DateTime value)
{
    const QDateTime dateTime = value.toDateTime();
    ISC_TIMESTAMP timestamp;
    timestamp.timestamp_date = toIscDate(value);
    timestamp.timestamp_time = ISC_TIME(qint64(dateTime.time().msecsSinceStartOfDay()) * 10);
    return timestamp;
}

} // namespace fbtypes
