#pragma once

#include "DateTime.h"

#include <QString>

// The forms in which values enter the text of a search built at run time.
// A text value is always a quoted literal with every quote doubled, so no
// input can end the literal.
namespace SqlText {

// 'D''OESTE'
QString quoted(const QString &text);

// '%value%' — the value's own % and _ stay wildcards.
QString containing(const QString &text);

// '01.03.2019': day.month.year, the time of day plays no part.
QString date(DateTime value);

} // namespace SqlText
