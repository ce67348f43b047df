#include "Feedback.h"

#include <QDebug>

namespace {

class LogFeedback : public Feedback
{
public:
    void showMessage(Kind kind, const QString &text) override
    {
        if (kind == Kind::Information)
            qInfo().noquote() << text;
        else
            qWarning().noquote() << text;
    }
};

LogFeedback logFeedback;
Feedback *installed = nullptr;

} // namespace

Feedback &Feedback::current()
{
    return installed ? *installed : logFeedback;
}

void Feedback::install(Feedback *feedback)
{
    installed = feedback;
}
