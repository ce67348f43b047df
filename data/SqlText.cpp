#include "SqlText.h"

namespace SqlText {

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + u'\'';
}

QString containing(const QString &text)
{
    return quoted(u'%' + text + u'%');
}

QString date(DateTime value)
{
    return quoted(value.date().toString(QStringLiteral("dd.MM.yyyy")));
}

} // namespace SqlText
