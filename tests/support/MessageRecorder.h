#pragma once

#include "Feedback.h"

#include <QList>
#include <QString>

// Records the messages the code under test shows instead of showing them.
class MessageRecorder : public Feedback
{
public:
    struct Message
    {
        Kind kind;
        QString text;
    };

    MessageRecorder() { Feedback::install(this); }
    ~MessageRecorder() override { Feedback::install(nullptr); }

    void showMessage(Kind kind, const QString &text) override { messages.append({kind, text}); }

    QStringList texts() const
    {
        QStringList result;
        for (const Message &m : messages)
            result << m.text;
        return result;
    }
    void clear() { messages.clear(); }

    QList<Message> messages;
};
