// The focus highlight and Enter-as-Tab of the edit dialogs, and the
// upper-case fields, on a window of every kind of control they meet.

#include "Application.h"
#include "InputConventions.h"
#include "UpperCaseValidator.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// An edit dialog: text fields, a lookup list, a check box, a date field, a
// disabled and a hidden field, a default button, in this tab order.
class EditDialog : public QDialog
{
public:
    EditDialog()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{first, combo, check, disabled, hidden, date, button, last})
            layout->addWidget(w);
        combo->addItems({QStringLiteral("SIM"), QStringLiteral("NÃO")});
        disabled->setEnabled(false);
        hidden->hide();
        button->setDefault(true);
        conventions = InputConventions::install(this);
    }

    QLineEdit *first = new QLineEdit;
    QComboBox *combo = new QComboBox;
    QCheckBox *check = new QCheckBox(QStringLiteral("Ativo"));
    QLineEdit *disabled = new QLineEdit;
    QLineEdit *hidden = new QLineEdit;
    QDateEdit *date = new QDateEdit;
    QPushButton *button = new QPushButton(QStringLiteral("Gravar"));
    QLineEdit *last = new QLineEdit;
    InputConventions *conventions = nullptr;
};

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}

} // namespace

class tst_InputConventions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterMovesInTabOrderAndWraps();
    void enterPressesAFocusedButtonOnly();
    void highlightFollowsTheFocus();
    void handlersRunWhileTheHighlightStands();
    void switchingAwayIsNoLeaving();
    void controlsAddedLaterAreCovered();
    void upperCaseKeepsTheCursor();

private:
    std::unique_ptr<EditDialog> m_dialog;
};

void tst_InputConventions::init()
{
    m_dialog = std::make_unique<EditDialog>();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_dialog->first->setFocus();
    QVERIFY(m_dialog->first->hasFocus());
}

void tst_InputConventions::cleanup()
{
    m_dialog.reset();
}

void tst_InputConventions::enterMovesInTabOrderAndWraps()
{
    EditDialog &d = *m_dialog;
    QSignalSpy clicked(d.button, &QPushButton::clicked);
    QTest::keyClicks(d.first, QStringLiteral("abc"));
    QTest::keyClick(d.first, Qt::Key_Return);
    QVERIFY(d.combo->hasFocus());
    QTest::keyClick(d.combo, Qt::Key_Enter);
    QVERIFY(d.check->hasFocus());
    // Enter on a check box moves on and leaves it as it was.
    QTest::keyClick(d.check, Qt::Key_Return);
    QVERIFY(!d.check->isChecked());
    // The disabled and the hidden field are skipped.
    QVERIFY(d.date->hasFocus());
    QTest::keyClick(d.date, Qt::Key_Return);
    QVERIFY(d.button->hasFocus());
    d.last->setFocus();
    QTest::keyClick(d.last, Qt::Key_Return);
    QVERIFY(d.first->hasFocus());

    QCOMPARE(d.first->text(), QStringLiteral("abc"));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(d.isVisible()); // the default button was never pressed
    QVERIFY(d.result() != QDialog::Accepted);
}

void tst_InputConventions::enterPressesAFocusedButtonOnly()
{
    EditDialog &d = *m_dialog;
    QSignalSpy clicked(d.button, &QPushButton::clicked);
    connect(d.button, &QPushButton::clicked, &d, &QDialog::accept);
    d.button->setFocus();
    QTest::keyClick(d.button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    // Esc is the dialog's, not moved on.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.first->setFocus();
    QTest::keyClick(d.first, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void tst_InputConventions::highlightFollowsTheFocus()
{
    EditDialog &d = *m_dialog;
    const QColor highlight(166, 202, 240);
    const QColor standardBase = QApplication::palette(d.first).color(QPalette::Active, QPalette::Base);
    const QColor standardButton = QApplication::palette(d.combo).color(QPalette::Active, QPalette::Button);

    QCOMPARE(base(d.first), highlight);
    QCOMPARE(base(d.last), standardBase);
    QTest::keyClick(d.first, Qt::Key_Tab);
    QCOMPARE(base(d.first), standardBase);
    // A lookup list shows it on its face too.
    QCOMPARE(base(d.combo), highlight);
    QCOMPARE(d.combo->palette().color(QPalette::Active, QPalette::Button), highlight);
    QTest::keyClick(d.combo, Qt::Key_Tab);
    QCOMPARE(d.combo->palette().color(QPalette::Active, QPalette::Button), standardButton);
    QCOMPARE(base(d.combo), standardBase);
    // A check box is not one of the highlighted kinds.
    QVERIFY(d.check->hasFocus());
    QVERIFY(!d.check->testAttribute(Qt::WA_SetPalette));
    QTest::keyClick(d.check, Qt::Key_Tab);
    QCOMPARE(base(d.date), highlight);
    // A mouse click moves it as well.
    QTest::mouseClick(d.last, Qt::LeftButton);
    QCOMPARE(base(d.date), standardBase);
    QCOMPARE(base(d.last), highlight);
}

void tst_InputConventions::handlersRunWhileTheHighlightStands()
{
    EditDialog &d = *m_dialog;
    const QColor highlight(166, 202, 240);
    QStringList seen;
    connect(d.conventions, &InputConventions::left, &d, [&](QWidget *control) {
        seen << QStringLiteral("left %1 %2").arg(control == d.first).arg(base(control) == highlight);
    });
    connect(d.conventions, &InputConventions::entered, &d, [&](QWidget *control) {
        seen << QStringLiteral("entered %1 %2").arg(control == d.combo).arg(base(control) == highlight);
    });
    QTest::keyClick(d.first, Qt::Key_Tab);
    // Exit handler first, with the colour still on; the entry handler before
    // the colour comes.
    QCOMPARE(seen, (QStringList{QStringLiteral("left 1 1"), QStringLiteral("entered 1 0")}));

    // An exit handler that sends the focus back keeps the field highlighted.
    disconnect(d.conventions, nullptr, &d, nullptr);
    connect(d.conventions, &InputConventions::left, &d, [&](QWidget *control) {
        if (control == d.combo)
            d.combo->setFocus();
    });
    QTest::keyClick(d.combo, Qt::Key_Tab);
    QVERIFY(d.combo->hasFocus());
    QCOMPARE(base(d.combo), highlight);
}

void tst_InputConventions::switchingAwayIsNoLeaving()
{
    EditDialog &d = *m_dialog;
    QSignalSpy left(d.conventions, &InputConventions::left);
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(d.first, &out);
    }
    QCOMPARE(left.count(), 0);
    QCOMPARE(base(d.first), QColor(166, 202, 240));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(d.first, &out);
    QCOMPARE(left.count(), 1);
}

void tst_InputConventions::controlsAddedLaterAreCovered()
{
    EditDialog &d = *m_dialog;
    QCOMPARE(InputConventions::install(&d), d.conventions);
    auto *late = new QLineEdit(&d);
    d.layout()->addWidget(late);
    late->show();
    QTest::mouseClick(late, Qt::LeftButton);
    QVERIFY(late->hasFocus());
    QCOMPARE(base(late), QColor(166, 202, 240));
    QTest::keyClick(late, Qt::Key_Return);
    QVERIFY(!late->hasFocus());
}

void tst_InputConventions::upperCaseKeepsTheCursor()
{
    QLineEdit field;
    UpperCaseValidator::apply(&field);
    field.show();
    QVERIFY(QTest::qWaitForWindowActive(&field));
    QTest::keyClicks(&field, QStringLiteral("silva"));
    QCOMPARE(field.text(), QStringLiteral("SILVA"));
    field.setCursorPosition(2);
    QTest::keyClicks(&field, QStringLiteral("x"));
    QCOMPARE(field.text(), QStringLiteral("SIXLVA"));
    QCOMPARE(field.cursorPosition(), 3);
    // Pasted and assigned text alike.
    QApplication::clipboard()->setText(QStringLiteral("são paulo"));
    field.clear();
    field.paste();
    QCOMPARE(field.text(), QStringLiteral("SÃO PAULO"));
    field.setText(QStringLiteral("rua ß"));
    QCOMPARE(field.text(), QStringLiteral("RUA ß"));
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_InputConventions test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputconventions.moc"
