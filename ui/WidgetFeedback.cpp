#include "WidgetFeedback.h"

#include "MessageDialog.h"

#include <QGuiApplication>

WidgetFeedback::WidgetFeedback()
{
    Feedback::install(this);
}

WidgetFeedback::~WidgetFeedback()
{
    if (&Feedback::current() == this)
        Feedback::install(nullptr);
}

void WidgetFeedback::showMessage(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::Information:
        MessageDialog::show(text, MessageDialog::Kind::Information);
        break;
    case Kind::Warning:
        MessageDialog::show(text, MessageDialog::Kind::Warning);
        break;
    case Kind::Error:
        MessageDialog::show(text, MessageDialog::Kind::Error);
        break;
    }
}

void WidgetFeedback::beginWait()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void WidgetFeedback::endWait()
{
    QGuiApplication::restoreOverrideCursor();
}
