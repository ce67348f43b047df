#include "MessageDialogHook.h"

namespace {
MessageDialogHook *installed = nullptr;
}

MessageDialogHook::MessageDialogHook() : m_previous(installed)
{
    installed = this;
}

MessageDialogHook::~MessageDialogHook()
{
    installed = m_previous;
}

MessageDialogHook *MessageDialogHook::current()
{
    return installed;
}

QStringList MessageDialogHook::texts() const
{
    QStringList result;
    for (const Shown &message : shown)
        result << message.text;
    return result;
}

QMessageBox::StandardButton MessageDialogHook::answer(Shown message)
{
    if (!m_answers.isEmpty()) {
        message.answer = m_answers.takeFirst();
    } else if (message.buttons.testFlag(QMessageBox::Ok)) {
        message.answer = QMessageBox::Ok;
    } else {
        for (quint32 bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
            if (message.buttons.testFlag(QMessageBox::StandardButton(bit))) {
                message.answer = QMessageBox::StandardButton(bit);
                break;
            }
        }
    }
    shown.append(message);
    if (onShow)
        onShow(message);
    return message.answer;
}
