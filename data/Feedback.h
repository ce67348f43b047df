#pragma once

#include <QString>

// What the data layer needs from the user interface: a message box and a wait
// cursor. The application installs one made of real widgets; tests install a
// recorder. Without one, messages go to the log.
class Feedback
{
public:
    enum class Kind { Information, Warning, Error };

    virtual ~Feedback() = default;
    virtual void showMessage(Kind kind, const QString &text) = 0;
    virtual void beginWait() { }
    virtual void endWait() { }

    static Feedback &current();
    // Installs `feedback` (not owned); nullptr restores the logging default.
    static void install(Feedback *feedback);
};

// Shows the wait cursor for the life of the scope.
class WaitCursor
{
public:
    WaitCursor() { Feedback::current().beginWait(); }
    ~WaitCursor() { Feedback::current().endWait(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
