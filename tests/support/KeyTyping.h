#pragma once

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
