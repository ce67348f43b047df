#include "PasswordStarStyle.h"

#include <QApplication>
#include <QLineEdit>

int PasswordStarStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                 QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return u'*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void PasswordStarStyle::apply(QLineEdit *field)
{
    // A style of its own, made from the application's: the field does not own
    // the style it is given, so the field is made its parent.
    auto *style = new PasswordStarStyle(QApplication::style()->name());
    style->setParent(field);
    field->setStyle(style);
    field->setEchoMode(QLineEdit::Password);
}
