#pragma once

#include <QLineEdit>
#include <QObject>

// The control `name` of `window` (a child at any depth) of type T, a text
// field unless said otherwise. A test that asks for a control the window
// doesn't have, or one of another kind, stops there with the control's name
// instead of crashing on a null pointer:
//
//     QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
//     typeText(child(editor, "dbedtACD_A_NOM"), u"LOJA"_s);
template<typename T = QLineEdit>
T *child(const QObject *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1StringView(name));
    if (!control)
        qFatal("%s has no control %s of that kind", qPrintable(window->objectName()), name);
    return control;
}
