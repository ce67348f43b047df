#pragma once

#include <QDoubleSpinBox>
#include <QString>

// Amounts of money as the windows show and take them: the Brazilian way
// ("R$ 1.234,56"), rounded to cents before anything is written or added.
// Amounts are stored as double precision; sums are made in whole cents so
// a total never differs from its rows by a cent.
namespace Money {

// The amount rounded to the nearest cent (halves away from zero).
double rounded(double amount);
// The amount in whole cents, rounded as `rounded` does.
qint64 cents(double amount);
double fromCents(qint64 cents);

// "R$ 1.234,56" ("-R$ 1.234,56" below zero).
QString text(double amount);
// "1.234,56": the amount alone, as a field shows it.
QString amountText(double amount);
// Reads "1.234,56", "1234,56", "1234" or "R$ 1.234,56"; false in *ok (and 0)
// for anything else.
double parse(const QString &text, bool *ok = nullptr);

} // namespace Money

// A field for an amount in reais: typed and shown the Brazilian way
// ("1.234,56"), always two decimals, no arrows; value() is in cents already.
class MoneyEdit : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit MoneyEdit(QWidget *parent = nullptr);

    double amount() const { return Money::rounded(value()); }
    void setAmount(double amount) { setValue(Money::rounded(amount)); }
};
