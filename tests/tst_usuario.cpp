// The user editor on a row of cdsPesUsuario: its controls, the row it shows,
// upper case as typed, password masking, and what OK and cancel leave in the
// row. The editor touches no database; the list window's flows, with the
// database, are in tst_cadusuario.

#include "Application.h"
#include "Controls.h"
#include "InputConventions.h"
#include "LanguageControl.h"
#include "MemTable.h"
#include "uDMds.h"
#include "uUsuario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Usuario : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls();
    void enterMovesInTabOrderAndTheInputsAreHighlighted();
    void showsTheRowAsStored();
    void typedLettersTurnToUpperCase_data();
    void typedLettersTurnToUpperCase();
    void passwordIsMaskedUntilMostrarSenhaIsTicked();
    void okWritesTheFieldsIntoTheRow();
    void okWithoutChangesLeavesTheRowAsItWas();
    void cancelLeavesTheRowAsItWas_data();
    void cancelLeavesTheRowAsItWas();

private:
    // One stored user, current, with lower-case letters in its texts.
    void fillRow();
    // The editor on the current row, shown and active.
    void open();
    QLineEdit *field(const char *name) const { return child(m_editor.get(), name); }
    QComboBox *list(const char *name) const { return child<QComboBox>(m_editor.get(), name); }
    QCheckBox *mostrarSenha() const { return child<QCheckBox>(m_editor.get(), "chkMostrarSenha"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(m_editor.get(), name); }
    QString text(const char *column) const { return DMds->cdsPesUsuario->text(QString::fromLatin1(column)); }
    void typeInto(QLineEdit *edit, const QString &text);

    std::unique_ptr<TDMds> m_dmds;
    std::unique_ptr<TfrmUsuario> m_editor;
};

void tst_Usuario::init()
{
    m_dmds = std::make_unique<TDMds>();
    DMds = m_dmds.get();
}

void tst_Usuario::cleanup()
{
    m_editor.reset();
    DMds = nullptr;
    m_dmds.reset();
}

void tst_Usuario::fillRow()
{
    MemTable *table = DMds->cdsPesUsuario;
    table->append();
    table->setInteger(u"USU_I_COD", 11);
    table->setText(u"USU_A_NOM", u"Maria da Silva"_s);
    table->setText(u"USU_A_USU", u"maria"_s);
    table->setText(u"USU_A_SEN", u"Senha1"_s);
    table->setText(u"USU_A_ABL", u"N"_s);
    table->setInteger(u"ASS_I_COD", 1);
    table->setText(u"USU_A_MST", u"S"_s);
    table->post();
}

void tst_Usuario::open()
{
    m_editor = std::make_unique<TfrmUsuario>();
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
}

void tst_Usuario::typeInto(QLineEdit *edit, const QString &text)
{
    if (!edit->hasFocus())
        QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void tst_Usuario::controls()
{
    fillRow();
    open();
    QCOMPARE(m_editor->windowTitle(), u"Usuário"_s);
    QCOMPARE(m_editor->size(), QSize(523, 223));
    QCOMPARE(m_editor->minimumSize(), m_editor->maximumSize()); // fixed border

    struct Expected
    {
        const char *name;
        QRect geometry;
        const char *label;
        int maxLength;
    };
    const Expected expected[] = {
        {"dbedtUSU_A_NOM", QRect(8, 24, 321, 21), "Nome", 100},
        {"cbbUSU_A_MST", QRect(335, 24, 90, 21), "Master", 0},
        {"cbbUSU_A_ABL", QRect(448, 24, 65, 21), "Ativo", 0},
        {"dbedtUSU_A_USU", QRect(8, 96, 200, 21), "Usuário", 30},
        {"dbedtUSU_A_SEN", QRect(8, 136, 200, 21), "Senha", 100},
        {"chkMostrarSenha", QRect(8, 159, 97, 17), nullptr, 0},
        {"btnOK", QRect(359, 190, 75, 25), nullptr, 0},
        {"btnCancela", QRect(440, 190, 75, 25), nullptr, 0},
    };
    QList<QWidget *> order;
    for (const Expected &e : expected) {
        auto *control = m_editor->findChild<QWidget *>(QLatin1StringView(e.name));
        QVERIFY2(control, e.name);
        QCOMPARE(control->geometry(), e.geometry);
        order << control;
        if (e.maxLength)
            QCOMPARE(qobject_cast<QLineEdit *>(control)->maxLength(), e.maxLength);
        if (!e.label)
            continue;
        // Its label stands above it, in bold.
        const auto labels = m_editor->findChildren<QLabel *>();
        const auto found = std::find_if(labels.begin(), labels.end(), [&](QLabel *l) { return l->buddy() == control; });
        QVERIFY2(found != labels.end(), e.name);
        QCOMPARE((*found)->text(), QString::fromUtf8(e.label));
        QVERIFY((*found)->font().bold());
        QVERIFY((*found)->geometry().bottom() < control->geometry().top());
    }
    QCOMPARE(mostrarSenha()->text(), u"Mostrar Senha"_s);
    QCOMPARE(button("btnOK")->text(), u"OK"_s);
    QCOMPARE(button("btnCancela")->text(), u"Cancela"_s);
    QVERIFY(!field("dbedtUSU_A_NOM")->font().bold());

    // Tab walks the controls in the order of the table, from the name on.
    QCOMPARE(QApplication::focusWidget(), order.first());
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order.at(i));
    }
    // Both lists offer the same two entries.
    for (const char *name : {"cbbUSU_A_MST", "cbbUSU_A_ABL"}) {
        QCOMPARE(list(name)->count(), 2);
        QCOMPARE(list(name)->itemText(0), u"SIM"_s);
        QCOMPARE(list(name)->itemText(1), u"NÃO"_s);
    }
}

void tst_Usuario::enterMovesInTabOrderAndTheInputsAreHighlighted()
{
    fillRow();
    open();
    const QColor standard = QApplication::palette(field("dbedtUSU_A_NOM")).color(QPalette::Base);
    const QList<QWidget *> inputs = {field("dbedtUSU_A_NOM"), list("cbbUSU_A_MST"), list("cbbUSU_A_ABL"),
                                     field("dbedtUSU_A_USU"), field("dbedtUSU_A_SEN")};
    for (int i = 0; i < inputs.size(); ++i) {
        QWidget *input = inputs.at(i);
        QCOMPARE(QApplication::focusWidget(), input);
        QCOMPARE(input->palette().color(QPalette::Base), InputConventions::highlightColour());
        if (i > 0)
            QCOMPARE(inputs.at(i - 1)->palette().color(QPalette::Base), standard);
        QTest::keyClick(input, Qt::Key_Return);
    }
    // The check box is not an input that lights up; Enter goes on to OK.
    QCOMPARE(QApplication::focusWidget(), mostrarSenha());
    QCOMPARE(inputs.last()->palette().color(QPalette::Base), standard);
    QTest::keyClick(mostrarSenha(), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), button("btnOK"));
    QVERIFY(m_editor->isVisible());
    // Enter on the focused button presses it.
    QTest::keyClick(button("btnOK"), Qt::Key_Return);
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
}

void tst_Usuario::showsTheRowAsStored()
{
    fillRow();
    open();
    // Upper case is for typing: stored lower-case letters are shown as they are.
    QCOMPARE(field("dbedtUSU_A_NOM")->text(), u"Maria da Silva"_s);
    QCOMPARE(field("dbedtUSU_A_USU")->text(), u"maria"_s);
    QCOMPARE(field("dbedtUSU_A_SEN")->text(), u"Senha1"_s);
    QCOMPARE(list("cbbUSU_A_MST")->currentText(), u"SIM"_s);
    QCOMPARE(list("cbbUSU_A_ABL")->currentText(), u"NÃO"_s);
}

void tst_Usuario::typedLettersTurnToUpperCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nome") << u"dbedtUSU_A_NOM"_s << u"jose da silva"_s << u"JOSE DA SILVA"_s;
    QTest::newRow("usuario") << u"dbedtUSU_A_USU"_s << u"jose.s"_s << u"JOSE.S"_s;
    // As the login does with what is typed there.
    QTest::newRow("senha") << u"dbedtUSU_A_SEN"_s << u"abc123xY"_s << u"ABC123XY"_s;
}

void tst_Usuario::typedLettersTurnToUpperCase()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    fillRow();
    open();
    QLineEdit *edit = field(name.toLatin1().constData());
    typeInto(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->cursorPosition(), shown.size());
}

void tst_Usuario::passwordIsMaskedUntilMostrarSenhaIsTicked()
{
    fillRow();
    open();
    QLineEdit *senha = field("dbedtUSU_A_SEN");
    QVERIFY(!mostrarSenha()->isChecked());
    QCOMPARE(senha->echoMode(), QLineEdit::Password);
    QCOMPARE(senha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, senha), int(u'*'));

    QTest::mouseClick(mostrarSenha(), Qt::LeftButton);
    QVERIFY(mostrarSenha()->isChecked());
    QCOMPARE(senha->echoMode(), QLineEdit::Normal);
    QCOMPARE(senha->displayText(), u"Senha1"_s);

    QTest::mouseClick(mostrarSenha(), Qt::LeftButton);
    QCOMPARE(senha->echoMode(), QLineEdit::Password);
    QCOMPARE(senha->displayText(), QString(6, u'*'));
}

void tst_Usuario::okWritesTheFieldsIntoTheRow()
{
    fillRow();
    open();
    typeInto(field("dbedtUSU_A_NOM"), u"Maria Souza"_s);
    QTest::mouseClick(field("dbedtUSU_A_SEN"), Qt::LeftButton);
    QTest::keyClick(field("dbedtUSU_A_SEN"), Qt::Key_End);
    QTest::keyClicks(field("dbedtUSU_A_SEN"), u"x"_s);
    list("cbbUSU_A_MST")->setFocus();
    QTest::keyClick(list("cbbUSU_A_MST"), Qt::Key_N); // first letter picks "NÃO"
    QCOMPARE(list("cbbUSU_A_MST")->currentText(), u"NÃO"_s);
    // Nothing reaches the row before OK.
    QCOMPARE(text("USU_A_NOM"), u"Maria da Silva"_s);
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);

    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    MemTable *table = DMds->cdsPesUsuario;
    // The caller posts.
    QCOMPARE(table->state(), MemTable::State::Edit);
    QCOMPARE(text("USU_A_NOM"), u"MARIA SOUZA"_s);
    // Typing into a field turns its letters to upper case.
    QCOMPARE(text("USU_A_SEN"), u"SENHA1X"_s);
    QCOMPARE(text("USU_A_MST"), u"N"_s);
    // Untouched fields keep their values.
    QCOMPARE(text("USU_A_USU"), u"maria"_s);
    QCOMPARE(text("USU_A_ABL"), u"N"_s);
    QCOMPARE(table->integer(u"USU_I_COD"), 11);
    QCOMPARE(table->integer(u"ASS_I_COD"), 1);
}

void tst_Usuario::okWithoutChangesLeavesTheRowAsItWas()
{
    fillRow();
    open();
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    MemTable *table = DMds->cdsPesUsuario;
    QVERIFY(!table->isModified());
    QCOMPARE(text("USU_A_NOM"), u"Maria da Silva"_s);
    QCOMPARE(text("USU_A_USU"), u"maria"_s);
    QCOMPARE(text("USU_A_SEN"), u"Senha1"_s);
    QCOMPARE(text("USU_A_MST"), u"S"_s);
    QCOMPARE(text("USU_A_ABL"), u"N"_s);
}

void tst_Usuario::cancelLeavesTheRowAsItWas_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancela") << u"button"_s;
    QTest::newRow("Esc in a text field") << u"escField"_s;
    QTest::newRow("Esc in a list") << u"escList"_s;
    QTest::newRow("close box") << u"close"_s;
}

void tst_Usuario::cancelLeavesTheRowAsItWas()
{
    QFETCH(QString, how);
    fillRow();
    open();
    typeInto(field("dbedtUSU_A_NOM"), u"OUTRO NOME"_s);
    list("cbbUSU_A_ABL")->setCurrentIndex(0);
    if (how == u"button") {
        QTest::mouseClick(button("btnCancela"), Qt::LeftButton);
    } else if (how == u"escField") {
        QTest::keyClick(field("dbedtUSU_A_NOM"), Qt::Key_Escape);
    } else if (how == u"escList") {
        list("cbbUSU_A_ABL")->setFocus();
        QTest::keyClick(list("cbbUSU_A_ABL"), Qt::Key_Escape);
    } else {
        m_editor->close();
    }
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Rejected));
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);
    QCOMPARE(text("USU_A_NOM"), u"Maria da Silva"_s);
    QCOMPARE(text("USU_A_ABL"), u"N"_s);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    LanguageControl::install();
    tst_Usuario test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_usuario.moc"
