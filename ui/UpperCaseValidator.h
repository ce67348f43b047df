#pragma once

#include <QValidator>

class QLineEdit;

// Turns every letter of a text field to upper case as it is typed or pasted,
// keeping the cursor where it was. Each character is mapped on its own, so the
// text keeps its length ("ß" stays "ß"). One line per field:
//
//     UpperCaseValidator::apply(ui->edtUsuario);
//
// It takes the place of any validator the field had.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;

    static void apply(QLineEdit *field);
};
