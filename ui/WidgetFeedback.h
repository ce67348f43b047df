#pragma once

#include "Feedback.h"

// How the data layer's messages and wait cursor reach the screen: messages
// through MessageDialog (single button Ok), the wait cursor as the
// application's override cursor. Installs itself for its lifetime.
class WidgetFeedback : public Feedback
{
public:
    WidgetFeedback();
    ~WidgetFeedback() override;
    WidgetFeedback(const WidgetFeedback &) = delete;
    WidgetFeedback &operator=(const WidgetFeedback &) = delete;

    void showMessage(Kind kind, const QString &text) override;
    void beginWait() override;
    void endWait() override;
};
