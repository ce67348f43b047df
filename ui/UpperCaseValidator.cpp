#include "UpperCaseValidator.h"

#include <QLineEdit>

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    for (QChar &c : input)
        c = c.toUpper();
    return Acceptable;
}

void UpperCaseValidator::apply(QLineEdit *field)
{
    field->setValidator(new UpperCaseValidator(field));
}
