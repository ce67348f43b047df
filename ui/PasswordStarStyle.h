#pragma once

#include <QProxyStyle>

class QLineEdit;

// Makes a password field show each character as "*" (the platform's style
// would draw a dot). Also sets the field's echo mode:
//
//     PasswordStarStyle::apply(ui->edtSenha);
class PasswordStarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    static void apply(QLineEdit *field);
};
