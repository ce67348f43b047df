#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal dialogs the code under test opens with exec(), which
// would otherwise block the test, one answer per dialog in the order they
// open:
//
//     ModalAnswer answer({[](QDialog *prompt) { ... prompt->accept(); },
//                         [](QDialog *editor) { ... }});
//     ... code that opens the dialogs ...
//     QVERIFY(answer.answered());
//
// An answer runs once its dialog is the active modal widget and the active
// window (so keys and shortcuts reach it); a dialog the answer left open is
// rejected after it, so the test never hangs. A dialog that doesn't come
// within the timeout (counted from the previous answer) leaves answered()
// false and the remaining answers unused.
class ModalAnswer : public QObject
{
public:
    using Answer = std::function<void(QDialog *)>;

    explicit ModalAnswer(QList<Answer> answers, int timeoutMs = 5000)
        : m_answers(std::move(answers)), m_timeout(timeoutMs), m_deadline(timeoutMs)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
        m_timer.start();
    }
    explicit ModalAnswer(Answer answer, int timeoutMs = 5000) : ModalAnswer(QList<Answer>{std::move(answer)}, timeoutMs)
    {
    }

    // Every answer was given.
    bool answered() const { return m_next == m_answers.size(); }
    int answeredCount() const { return int(m_next); }
    // The classes of the dialogs answered, in order.
    QStringList dialogClasses() const { return m_classes; }

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (m_deadline.hasExpired())
                m_timer.stop();
            return;
        }
        if (!dialog->isActiveWindow() && !m_deadline.hasExpired()) {
            dialog->activateWindow();
            return;
        }
        m_timer.stop();
        m_classes << QString::fromLatin1(dialog->metaObject()->className());
        const Answer answer = m_answers.at(m_next++);
        QPointer<QDialog> guard(dialog);
        answer(dialog);
        if (guard && guard->isVisible())
            guard->reject();
        if (m_next < m_answers.size()) {
            m_deadline.setRemainingTime(m_timeout);
            m_timer.start();
        }
    }

    QList<Answer> m_answers;
    qsizetype m_next = 0;
    int m_timeout;
    QDeadlineTimer m_deadline;
    QTimer m_timer;
    QStringList m_classes;
};
