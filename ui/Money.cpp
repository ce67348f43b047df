#include "Money.h"

#include <QLocale>

#include <cmath>

namespace {

const QLocale &brazil()
{
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

} // namespace

namespace Money {

qint64 cents(double amount)
{
    // A stored 1.005 is 1.00499999…: the nudge keeps it a half cent.
    const double scaled = amount * 100.0;
    return qint64(std::llround(scaled + std::copysign(1e-7, scaled)));
}

double fromCents(qint64 cents)
{
    return double(cents) / 100.0;
}

double rounded(double amount)
{
    return fromCents(cents(amount));
}

QString amountText(double amount)
{
    return brazil().toString(rounded(amount), 'f', 2);
}

QString text(double amount)
{
    const double value = rounded(amount);
    if (value < 0)
        return QStringLiteral("-R$ ") + amountText(-value);
    return QStringLiteral("R$ ") + amountText(value);
}

double parse(const QString &input, bool *ok)
{
    QString text = input.trimmed();
    if (text.startsWith(QStringLiteral("R$")))
        text = text.mid(2).trimmed();
    bool valid = false;
    double value = brazil().toDouble(text, &valid);
    if (!valid) {
        // The locale insists on groups of three when a dot is typed; an
        // amount typed without any dot is read as it stands.
        if (!text.contains(QLatin1Char('.')))
            value = brazil().toDouble(QString(text).remove(QLatin1Char(' ')), &valid);
    }
    if (ok)
        *ok = valid;
    return valid ? rounded(value) : 0.0;
}

} // namespace Money

MoneyEdit::MoneyEdit(QWidget *parent) : QDoubleSpinBox(parent)
{
    setLocale(brazil());
    setDecimals(2);
    setRange(0.0, 999999999999.99);
    setGroupSeparatorShown(true);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}
