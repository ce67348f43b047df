#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the next modal dialog the code under test opens with exec(), which
// would otherwise block the test:
//
//     ModalAnswer answer([](QDialog *dialog) { dialog->reject(); });
//     ... code that opens the dialog ...
//     QVERIFY(answer.answered());
//
// `answer` runs once the dialog is the active modal widget (other than
// `except`, e.g. a dialog the test shows itself) and the active window; a
// dialog it left open is
// rejected after it, so the test never hangs. No dialog within the timeout
// leaves answered() false.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(std::function<void(QDialog *)> answer, QWidget *except = nullptr, int timeoutMs = 5000)
        : m_answer(std::move(answer)), m_except(except), m_deadline(timeoutMs)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
        m_timer.start();
    }

    bool answered() const { return m_answered; }
    QString dialogClass() const { return m_class; }

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog != m_except && dialog->isVisible()) {
            // Keys and shortcuts reach it once it is the active window.
            if (!dialog->isActiveWindow() && !m_deadline.hasExpired()) {
                dialog->activateWindow();
                return;
            }
            m_timer.stop();
            m_answered = true;
            m_class = QString::fromLatin1(dialog->metaObject()->className());
            QPointer<QDialog> guard(dialog);
            m_answer(dialog);
            if (guard && guard->isVisible())
                guard->reject();
        } else if (m_deadline.hasExpired()) {
            m_timer.stop();
        }
    }

    std::function<void(QDialog *)> m_answer;
    QWidget *m_except;
    QDeadlineTimer m_deadline;
    QTimer m_timer;
    bool m_answered = false;
    QString m_class;
};
