#include "InputConventions.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char propertyName[] = "ulmoraInputConventions";

// QWidget::focusNextPrevChild is what Tab runs; reached through a derived
// class so Enter moves exactly as Tab does.
struct TabOrder : QWidget
{
    using QWidget::focusNextPrevChild;
};

} // namespace

InputConventions *InputConventions::install(QWidget *window)
{
    if (auto *existing = window->property(propertyName).value<InputConventions *>())
        return existing;
    auto *conventions = new InputConventions(window);
    window->setProperty(propertyName, QVariant::fromValue(conventions));
    return conventions;
}

InputConventions::InputConventions(QWidget *window) : QObject(window), m_window(window)
{
    watch(window);
}

void InputConventions::watch(QObject *object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject *child : object->children())
        watch(child);
}

bool InputConventions::isHighlighted(const QWidget *control)
{
    if (qobject_cast<const QComboBox *>(control) || qobject_cast<const QAbstractSpinBox *>(control))
        return true;
    // The editor inside a lookup list or spin box belongs to it.
    return qobject_cast<const QLineEdit *>(control) && !qobject_cast<const QComboBox *>(control->parentWidget())
           && !qobject_cast<const QAbstractSpinBox *>(control->parentWidget());
}

QWidget *InputConventions::controlOf(QObject *watched)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return nullptr;
    if (isHighlighted(widget))
        return widget;
    if (qobject_cast<QLineEdit *>(widget) && widget->parentWidget() && isHighlighted(widget->parentWidget()))
        return widget->parentWidget();
    return nullptr;
}

bool InputConventions::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        watch(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return enterAsTab(watched);
        break;
    }
    case QEvent::FocusIn:
        if (QWidget *control = controlOf(watched))
            focusGained(control);
        break;
    case QEvent::FocusOut: {
        // Another application or a context menu takes the focus only for a
        // while; the control is still the window's focused one.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (QWidget *control = controlOf(watched))
            focusLost(control);
        break;
    }
    default:
        break;
    }
    return false;
}

bool InputConventions::enterAsTab(QObject *watched)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (button && !qobject_cast<QCheckBox *>(button) && !qobject_cast<QRadioButton *>(button)) {
        button->click();
        return true;
    }
    (m_window->*(&TabOrder::focusNextPrevChild))(true);
    return true;
}

void InputConventions::focusGained(QWidget *control)
{
    if (m_current != control) {
        m_current = control;
        emit entered(control);
    }
    // The entry handler may already have sent the focus on.
    if (m_current == control)
        paint(control, true);
}

void InputConventions::focusLost(QWidget *control)
{
    if (m_current == control)
        m_current = nullptr;
    emit left(control);
    // The exit handler may have put the focus back.
    paint(control, control == m_current);
}

void InputConventions::paint(QWidget *control, bool highlighted)
{
    const QPalette standard = QApplication::palette(control);
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const bool isCombo = qobject_cast<QComboBox *>(control) != nullptr;
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button}) {
            if (role == QPalette::Button && !isCombo)
                continue;
            palette.setColor(group, role, highlighted ? highlightColour() : standard.color(group, role));
        }
    }
    control->setPalette(palette);
}
