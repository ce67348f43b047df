#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>

#include <functional>

// Runs `step` once `ready()` holds, looking every 20 ms while the code under
// test runs its own event loops (a whole program run, its modal dialogs one
// after another). After `timeoutMs` it gives up and closes every window, so
// a run never hangs on a window nobody drives:
//
//     Driver login(activeLogin, [] { ... type into the login ... });
//     QCOMPARE(startup.run(), 0);
//     QVERIFY(login.done);
class Driver : public QObject
{
public:
    Driver(std::function<bool()> ready, std::function<void()> step, int timeoutMs = 10000)
        : m_ready(std::move(ready)), m_step(std::move(step)), m_timeout(timeoutMs)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_elapsed += 20;
            if (m_ready()) {
                m_timer.stop();
                done = true;
                m_step();
            } else if (m_elapsed > m_timeout) {
                m_timer.stop();
                timedOut = true;
                QApplication::closeAllWindows();
            }
        });
        m_timer.start(20);
    }

    bool done = false;
    bool timedOut = false;

private:
    std::function<bool()> m_ready;
    std::function<void()> m_step;
    QTimer m_timer;
    int m_elapsed = 0;
    int m_timeout;
};
