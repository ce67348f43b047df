#pragma once

#include "MessageDialog.h"

#include <QList>
#include <QStringList>

#include <functional>

// Test aid: while one exists, MessageDialog::show shows nothing; it records
// each message and answers with the next queued answer, or, when none is
// queued, with Ok if the box has it, else its first button.
//
//     MessageDialogHook messages;
//     messages.queueAnswer(QMessageBox::Cancel);
//     ... code under test ...
//     QCOMPARE(messages.texts(), QStringList{...});
//
// onShow runs at the moment the box would be up, to look at the windows
// behind it.
class MessageDialogHook
{
public:
    struct Shown
    {
        MessageDialog::Kind kind;
        QString title;
        QString text;
        QString details;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton answer = QMessageBox::NoButton;
    };

    MessageDialogHook();
    ~MessageDialogHook();
    MessageDialogHook(const MessageDialogHook &) = delete;
    MessageDialogHook &operator=(const MessageDialogHook &) = delete;

    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    QStringList texts() const;
    void clear() { shown.clear(); }

    QList<Shown> shown;
    std::function<void(const Shown &)> onShow;

    static MessageDialogHook *current();
    // Records `message` and answers it.
    QMessageBox::StandardButton answer(Shown message);

private:
    QList<QMessageBox::StandardButton> m_answers;
    MessageDialogHook *m_previous = nullptr;
};
