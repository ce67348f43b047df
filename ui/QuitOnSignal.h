#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the program's event loops when the process gets SIGTERM (a desktop
// session ending) or SIGINT (Ctrl+C in a terminal), as closing the last
// window would: the action under way finishes, the open dialogs and the main
// window give way without writing anything, and the process ends with status
// 0 after detaching from the database as usual.
//
// The signal only writes a byte to a pipe; the loop reads it. Made before the
// first connection, so the client library, which installs handlers of its
// own on its first attachment, keeps calling this one (the data layer tells
// the library not to shut the connections itself on these signals).
class QuitOnSignal : public QObject
{
    Q_OBJECT

public:
    QuitOnSignal();
    ~QuitOnSignal() override;

    // A signal came while this object lived: whatever comes next (a dialog,
    // the main window) must not start.
    bool requested() const { return m_requested; }

private:
    void quit();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};
