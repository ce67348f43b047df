#include "MessageDialog.h"

#include "MessageDialogHook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>

namespace {

// A box raised under the wait cursor shows the arrow while it waits for the
// person, then the wait cursor comes back.
class ArrowWhileWaiting
{
public:
    ArrowWhileWaiting() : m_active(QGuiApplication::overrideCursor() != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileWaiting()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileWaiting(const ArrowWhileWaiting &) = delete;
    ArrowWhileWaiting &operator=(const ArrowWhileWaiting &) = delete;

private:
    bool m_active;
};

} // namespace

std::unique_ptr<QMessageBox> MessageDialog::build(const QString &text, Kind kind, QMessageBox::StandardButtons buttons,
                                                  const QString &title, const QString &details, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(
        StandardTexts::icon(kind), title.isEmpty() ? StandardTexts::title(kind) : title, text, buttons, parent);
    for (QAbstractButton *button : box->buttons()) {
        const QString caption = StandardTexts::caption(box->standardButton(button));
        if (!caption.isEmpty())
            button->setText(caption);
    }
    if (!details.isEmpty())
        box->setDetailedText(details);
    return box;
}

QMessageBox::StandardButton MessageDialog::show(const QString &text, Kind kind, QMessageBox::StandardButtons buttons,
                                                const QString &title, const QString &details)
{
    ArrowWhileWaiting arrow;
    if (MessageDialogHook *hook = MessageDialogHook::current()) {
        return hook->answer({kind, title.isEmpty() ? StandardTexts::title(kind) : title, text, details, buttons});
    }
    auto box = build(text, kind, buttons, title, details, QApplication::activeWindow());
    box->exec();
    const auto answer = box->standardButton(box->clickedButton());
    // Closing the box without a button (Esc on a box without Cancel, the
    // close box) counts as its escape button.
    if (answer == QMessageBox::NoButton && box->escapeButton())
        return box->standardButton(box->escapeButton());
    return answer;
}
