#pragma once

#include "Controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>

// Types `text` into `widget` one key at a time, as QTest::keyClicks does,
// also for the characters beyond ASCII (accented letters, "ç") that
// keyClicks cannot name as keys: those arrive as key events carrying just
// their text, as from a keyboard layout that has them.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types `text` over the whole text of the field `name` of `window`, reached
// as with the Tab key.
inline void typeInto(QWidget *window, const char *name, const QString &text)
{
    QLineEdit *field = child(window, name);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    typeText(field, text);
}

// Types `text` over the whole text of `edit`, clicked into first unless it
// has the focus already; the old text goes with the Delete key.
inline void typeOver(QLineEdit *edit, const QString &text)
{
    if (!edit->hasFocus())
        QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

// In an editor with a contact grid: a contact typed into a new row (the
// grid's cell editor takes the focus cell by cell) and recorded with
// "Gravar".
inline void addContact(QWidget *editor, const QString &nome, const QString &ddd, const QString &fone)
{
    QTest::mouseClick(child<QWidget>(editor, "btnInsert"), Qt::LeftButton);
    for (const QString &text : {nome, ddd, fone}) {
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QWidget *cell = QApplication::focusWidget();
        typeText(cell, text);
        QTest::keyClick(cell, Qt::Key_Tab);
    }
    QTest::mouseClick(child<QWidget>(editor, "btnGravar"), Qt::LeftButton);
}
