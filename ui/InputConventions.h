#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

// The two input conventions of the edit dialogs (frmLogin, frmUsuario,
// frmAssociado), installed with one line once the window's controls exist:
//
//     InputConventions::install(this);   // in the constructor, after setupUi
//
// Focus highlight: each text field (QLineEdit), lookup list (QComboBox) and
// spin box or date field (QAbstractSpinBox) of the window takes the light
// blue RGB(166, 202, 240) as its background while it has the focus, and the
// standard background back when the focus leaves it. Switching to another
// application or opening a context menu is no leaving: the colour stays and
// `left` is not emitted.
//
// Enter-as-Tab: the window sees Enter (Return or the keypad's) before any of
// its controls, discards it and moves the focus to the next control in tab
// order that can take it (disabled controls are skipped; the last wraps to
// the first). A focused push button is pressed instead. Esc is left to the
// dialog (its cancel). Controls added later are covered too.
//
// Entry and exit handlers that must run before the colour changes (a check
// when a field is left, which may show a message while the field is still
// highlighted) connect to `entered` and `left` instead of watching focus
// events themselves:
//
//     connect(InputConventions::install(this), &InputConventions::left, this,
//             [this](QWidget *control) { if (control == ui->edtCNPJ) edtCNPJExit(); });
class InputConventions : public QObject
{
    Q_OBJECT

public:
    // The conventions of `window` (made once; owned by the window).
    static InputConventions *install(QWidget *window);

    static QColor highlightColour() { return QColor(166, 202, 240); }

    // True for the kinds of control that carry the highlight.
    static bool isHighlighted(const QWidget *control);

signals:
    // A control got the focus; emitted before it takes the highlight.
    void entered(QWidget *control);
    // A control lost the focus; emitted before it takes its standard colour back.
    void left(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit InputConventions(QWidget *window);

    void watch(QObject *object);
    bool enterAsTab(QObject *watched);
    void focusGained(QWidget *control);
    void focusLost(QWidget *control);

    static QWidget *controlOf(QObject *watched);
    static void paint(QWidget *control, bool highlighted);

    QWidget *m_window;
    QPointer<QWidget> m_current;
};
