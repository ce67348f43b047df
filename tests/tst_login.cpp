// The login dialog against a real database: the CNPJ check, the user check,
// the ini file, Enter-as-Tab and the focus highlight, driven with the
// keyboard and the mouse as a person would.

#include "Application.h"
#include "Controls.h"
#include "DataModules.h"
#include "FbConnection.h"
#include "FbStatement.h"
#include "InputConventions.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "LoginBench.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "WidgetFeedback.h"
#include "uDM.h"
#include "uLogin.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ativa = QStringLiteral("11222333000181");
const QString inativa = QStringLiteral("11444777000161");
const QString outraAtiva = QStringLiteral("22333444000155");
const QString desconhecida = QStringLiteral("99888777000166");

const QString msgInativo
    = QStringLiteral("Seu acesso não está ativo, por favor procure o responsável pelo aplicativo.");
const QString msgUsuario = QStringLiteral("O campo \"Usuário\" deve ser preenchido!");
const QString msgSenha = QStringLiteral("O campo \"Senha\" deve ser preenchido!");
const QString msgInvalido = QStringLiteral("Login inválido!");

// Users by key: the lowest key of two equal users must win, stored blanks and
// lower case never match, inactive users and users of other associations
// never log in.
const char fixture[] = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIACAO ATIVA', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '11444777000161', 'ASSOCIACAO INATIVA', 'N');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (3, '22333444000155', 'OUTRA ATIVA', 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (10, 'ADMINISTRADOR', 'ADMIN', 'ADMIN', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (11, 'JOAO INATIVO', 'JOAO', 'SENHA1', 'N', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (12, 'MARIA', 'maria', 'abc', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (13, 'DUP A', 'DUP', 'X', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (14, 'DUP B', 'DUP', 'X', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (15, 'COM BRANCO', ' PAD', 'P', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (16, 'ABL MINUSCULO', 'ABLS', 'S', 's', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (17, '', '', '', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (18, ' ', ' ', ' ', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (19, 'FIM COM BRANCO', 'FIM ', 'FIM', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (21, 'SENHA COM BRANCO', 'SENHAFIM', 'S  ', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (20, 'ADMIN DA INATIVA', 'INATIVA', 'INATIVA', 'S', 2, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (30, 'OUTRO', 'OUTRO', 'OUTRO', 'S', 3, 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (4, '12ABC34501DE35', 'COM LETRAS', 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (40, 'LETRAS', 'LETRAS', 'LETRAS', 'S', 4, 'S');
)";

} // namespace

class tst_Login : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void controls();
    void flows_data();
    void flows();
    void cnpjForms_data();
    void cnpjForms();
    void rememberedCnpjWaitsForTheFieldToBeLeft();
    void missingIniGivesAnEmptyField();
    void iniKeepsItsOtherContents();
    void unwritableIniKeepsTheDialogOpen_data();
    void unwritableIniKeepsTheDialogOpen();
    void databaseErrorReachesTheCatchPointAndClosesTheUserFields();
    void enterMovesOnAndPressesButtons();
    void enterAfterAnInactiveCnpjRestsOnCancela();
    void escapeCancels();
    void cnpjKeepsItsHighlightWhileItsMessageShows();

private:
    // The dialog under test, shown and active, its ini file in a folder of its own.
    void open();
    QLineEdit *field(const char *name) const { return child(m_bench.dialog.get(), name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(m_bench.dialog.get(), name); }
    // Types into the CNPJ field and leaves it with Tab.
    void enterCnpj(const QString &cnpj);
    QString iniValue() const;
    QString iniPath() const { return m_bench.iniDir->filePath(QStringLiteral("ul_associacao.ini")); }
    void writeIni(const QString &cnpj);

    LoginBench<TfrmLogin> m_bench;
};

void tst_Login::initTestCase()
{
    const QString error = m_bench.setUp(QString::fromUtf8(fixture));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void tst_Login::cleanupTestCase()
{
    m_bench.tearDown();
}

void tst_Login::init()
{
    m_bench.begin();
}

void tst_Login::cleanup()
{
    m_bench.end();
}

void tst_Login::open()
{
    QVERIFY(m_bench.open());
}

void tst_Login::enterCnpj(const QString &cnpj)
{
    QLineEdit *edit = field("edtCNPJ");
    typeOver(edit, cnpj);
    QTest::keyClick(edit, Qt::Key_Tab);
}

QString tst_Login::iniValue() const
{
    if (!QFile::exists(iniPath()))
        return QStringLiteral("<sem arquivo>");
    return QSettings(iniPath(), QSettings::IniFormat).value(QStringLiteral("Login/CNPJ")).toString();
}

void tst_Login::writeIni(const QString &cnpj)
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Login/CNPJ"), cnpj);
}

void tst_Login::controls()
{
    open();
    QCOMPARE(m_bench.dialog->windowTitle(), QStringLiteral("Login"));
    QCOMPARE(m_bench.dialog->size(), QSize(554, 306));
    QCOMPARE(m_bench.dialog->minimumSize(), m_bench.dialog->maximumSize()); // fixed border
    QCOMPARE(m_bench.dialog->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(m_bench.dialog->font().pixelSize(), 19);

    struct Expected
    {
        const char *name;
        QRect geometry;
        bool enabled;
    };
    const Expected expected[] = {
        {"edtCNPJ", QRect(256, 48, 233, 31), true},     {"edtUsuario", QRect(256, 120, 233, 31), false},
        {"edtSenha", QRect(256, 184, 233, 31), false},  {"btnOK", QRect(326, 256, 107, 42), false},
        {"btnCancela", QRect(439, 256, 107, 42), true},
    };
    // Tab order is the order of the table, starting in the CNPJ field.
    QWidget *previous = nullptr;
    for (const Expected &e : expected) {
        auto *widget = m_bench.dialog->findChild<QWidget *>(QLatin1StringView(e.name));
        QVERIFY2(widget, e.name);
        QCOMPARE(widget->geometry(), e.geometry);
        QCOMPARE(widget->isEnabled(), e.enabled);
        if (previous) {
            QWidget *next = previous->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            QCOMPARE(next, widget);
        }
        previous = widget;
    }
    QCOMPARE(QApplication::focusWidget(), field("edtCNPJ"));
    QCOMPARE(button("btnOK")->text(), QStringLiteral("Entrar"));
    QCOMPARE(button("btnCancela")->text(), QStringLiteral("Cancela"));
    QCOMPARE(m_bench.dialog->findChild<QLabel *>(QStringLiteral("lblUsuario"))->text(), QStringLiteral("Usuário"));

    auto *picture = m_bench.dialog->findChild<QLabel *>(QStringLiteral("img1"));
    QCOMPARE(picture->geometry(), QRect(-8, 24, 249, 257));
    QCOMPARE(picture->pixmap().size(), QSize(256, 256));

    // The password shows stars; user and password turn to capitals as typed.
    QLineEdit *senha = field("edtSenha");
    QCOMPARE(senha->echoMode(), QLineEdit::Password);
    QCOMPARE(senha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, senha), int(u'*'));
    enterCnpj(ativa);
    typeOver(field("edtUsuario"), QStringLiteral("joão ß"));
    QCOMPARE(field("edtUsuario")->text(), QStringLiteral("JOÃO ß"));
    QTest::keyClick(field("edtUsuario"), Qt::Key_Home);
    QTest::keyClicks(field("edtUsuario"), QStringLiteral("x"));
    QCOMPARE(field("edtUsuario")->text(), QStringLiteral("XJOÃO ß"));
    QCOMPARE(field("edtUsuario")->cursorPosition(), 1);
    typeOver(senha, QStringLiteral("abc"));
    QCOMPARE(senha->text(), QStringLiteral("ABC"));
    // The CNPJ keeps the case it was typed in.
    typeOver(field("edtCNPJ"), QStringLiteral("abc"));
    QCOMPARE(field("edtCNPJ")->text(), QStringLiteral("abc"));
}

void tst_Login::flows_data()
{
    // Steps: "cnpj <text>" types into the CNPJ field and leaves it with Tab;
    // "usuario <text>", "senha <text>" type into those fields; "entrar" clicks
    // "Entrar" with the mouse.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("loggedUser");
    QTest::addColumn<bool>("userFieldsEnabled");
    QTest::addColumn<QString>("ini");

    const QString noIni = QStringLiteral("<sem arquivo>");
    auto steps = [](std::initializer_list<QString> list) { return QStringList(list); };
    auto cnpj = [](const QString &c) -> QString { return QStringLiteral("cnpj ") + c; };
    const QString entrar = QStringLiteral("entrar");
    auto usuario = [](const QString &u) -> QString { return QStringLiteral("usuario ") + u; };
    auto senha = [](const QString &s) -> QString { return QStringLiteral("senha ") + s; };

    QTest::newRow("active association, master logs in")
        << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")), entrar})
        << QStringList() << true << 10 << true << ativa;
    QTest::newRow("typed lower case turns to capitals")
        << steps({cnpj(ativa), usuario(QStringLiteral("admin")), senha(QStringLiteral("admin")), entrar})
        << QStringList() << true << 10 << true << ativa;
    QTest::newRow("typed values are trimmed")
        << steps({cnpj(ativa), usuario(QStringLiteral(" ADMIN  ")), senha(QStringLiteral("ADMIN ")), entrar})
        << QStringList() << true << 10 << true << ativa;
    QTest::newRow("CNPJ with blanks around is found and written as typed") << steps(
        {cnpj(QString(u' ' + ativa + u' ')), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")), entrar})
                                                                           << QStringList() << true << 10 << true
                                                                           << QString(u' ' + ativa + u' ');
    QTest::newRow("inactive association")
        << steps({cnpj(inativa), entrar}) << QStringList{msgInativo} << false << 0 << false << noIni;
    QTest::newRow("unknown association") << steps({cnpj(desconhecida), entrar}) << QStringList{msgInativo} << false << 0
                                         << false << noIni;
    QTest::newRow("empty CNPJ") << steps({cnpj(QString())}) << QStringList{msgInativo} << false << 0 << false << noIni;
    QTest::newRow("inactive, then corrected")
        << steps({cnpj(inativa), cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")), entrar})
        << QStringList{msgInativo} << true << 10 << true << ativa;
    // Once the user fields are open, a CNPJ that designates no active
    // association closes them again: no login against an association other
    // than the active one in the field, and no unknown CNPJ in the ini file.
    QTest::newRow("active, then unknown: closed again") << steps(
        {cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")), cnpj(desconhecida), entrar})
                                                        << QStringList{msgInativo} << false << 0 << false << noIni;
    QTest::newRow("active, then inactive: closed again") << steps(
        {cnpj(ativa), cnpj(inativa), usuario(QStringLiteral("INATIVA")), senha(QStringLiteral("INATIVA")), entrar})
                                                         << QStringList{msgInativo} << false << 0 << false << noIni;
    QTest::newRow("active, unknown, active again")
        << steps({cnpj(ativa), cnpj(desconhecida), cnpj(ativa), usuario(QStringLiteral("ADMIN")),
                  senha(QStringLiteral("ADMIN")), entrar})
        << QStringList{msgInativo} << true << 10 << true << ativa;
    QTest::newRow("CNPJ changed and Entrar clicked at once")
        << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")),
                  QString(QStringLiteral("digita ") + inativa), entrar})
        << QStringList{msgInativo} << false << 0 << false << noIni;
    QTest::newRow("another active association checks its own users") << steps(
        {cnpj(ativa), cnpj(outraAtiva), usuario(QStringLiteral("OUTRO")), senha(QStringLiteral("OUTRO")), entrar})
                                                                     << QStringList() << true << 30 << true
                                                                     << outraAtiva;
    QTest::newRow("a user of the first association no longer logs in") << steps(
        {cnpj(ativa), cnpj(outraAtiva), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIN")), entrar})
                                                                       << QStringList{msgInvalido} << false << 0 << true
                                                                       << noIni;
    QTest::newRow("empty user") << steps({cnpj(ativa), senha(QStringLiteral("ADMIN")), entrar})
                                << QStringList{msgUsuario} << false << 0 << true << noIni;
    QTest::newRow("empty password") << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), entrar})
                                    << QStringList{msgSenha} << false << 0 << true << noIni;
    QTest::newRow("wrong password") << steps(
        {cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("ADMIM")), entrar})
                                    << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("wrong password, then right")
        << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("X")), entrar,
                  senha(QStringLiteral("ADMIN")), entrar})
        << QStringList{msgInvalido} << true << 10 << true << ativa;
    QTest::newRow("stored lower case never matches")
        << steps({cnpj(ativa), usuario(QStringLiteral("maria")), senha(QStringLiteral("abc")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("inactive user") << steps(
        {cnpj(ativa), usuario(QStringLiteral("JOAO")), senha(QStringLiteral("SENHA1")), entrar})
                                   << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("active flag other than S")
        << steps({cnpj(ativa), usuario(QStringLiteral("ABLS")), senha(QStringLiteral("S")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("stored blank never matches")
        << steps({cnpj(ativa), usuario(QStringLiteral(" PAD")), senha(QStringLiteral("P")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("two matching users: the lowest key")
        << steps({cnpj(ativa), usuario(QStringLiteral("DUP")), senha(QStringLiteral("X")), entrar}) << QStringList()
        << true << 13 << true << ativa;
    // Blanks alone are no user name or password, also for a user stored
    // with blanks or with nothing.
    QTest::newRow("blanks-only user") << steps(
        {cnpj(ativa), usuario(QStringLiteral("   ")), senha(QStringLiteral("X")), entrar})
                                      << QStringList{msgUsuario} << false << 0 << true << noIni;
    QTest::newRow("blanks-only password")
        << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QStringLiteral("  ")), entrar})
        << QStringList{msgSenha} << false << 0 << true << noIni;
    QTest::newRow("one blank as user and password")
        << steps({cnpj(ativa), usuario(QStringLiteral(" ")), senha(QStringLiteral(" ")), entrar})
        << QStringList{msgUsuario} << false << 0 << true << noIni;
    QTest::newRow("stored user with a blank at its end never matches")
        << steps({cnpj(ativa), usuario(QStringLiteral("FIM")), senha(QStringLiteral("FIM")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("stored password with blanks at its end never matches")
        << steps({cnpj(ativa), usuario(QStringLiteral("SENHAFIM")), senha(QStringLiteral("S")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("user longer than any stored one")
        << steps({cnpj(ativa), usuario(QString(40, u'A')), senha(QStringLiteral("ADMIN")), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
    QTest::newRow("password longer than any stored one")
        << steps({cnpj(ativa), usuario(QStringLiteral("ADMIN")), senha(QString(120, u'A')), entrar})
        << QStringList{msgInvalido} << false << 0 << true << noIni;
}

void tst_Login::cnpjForms_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("association"); // 0: none found

    QTest::newRow("punctuation") << QStringLiteral("11.222.333/0001-81") << 1;
    QTest::newRow("punctuation and blanks") << QStringLiteral("  11.222.333/0001-81 ") << 1;
    QTest::newRow("blanks inside") << QStringLiteral("11 222 333 0001 81") << 1;
    QTest::newRow("letters in capitals") << QStringLiteral("12.ABC.345/01DE-35") << 4;
    QTest::newRow("letters in small letters") << QStringLiteral("12.abc.345/01de-35") << 4;
    QTest::newRow("letters without punctuation") << QStringLiteral("12abc34501de35") << 4;
    QTest::newRow("one digit too many") << QStringLiteral("11.222.333/0001-811") << 0;
    QTest::newRow("far too long") << QString(40, u'1') << 0;
    QTest::newRow("only punctuation") << QStringLiteral("../-") << 0;
}

// Whatever form the CNPJ is typed in, its digits and letters find the
// association; the ini file remembers the text as it was typed.
void tst_Login::cnpjForms()
{
    QFETCH(QString, typed);
    QFETCH(int, association);

    AssociacaoAtual->setId(0);
    AssociacaoAtual->setAbilitado(QString());
    open();
    enterCnpj(typed);
    if (!association) {
        QCOMPARE(m_bench.messages->texts(), QStringList{msgInativo});
        QVERIFY(!field("edtUsuario")->isEnabled());
        QCOMPARE(AssociacaoAtual->id(), 0);
        return;
    }
    QCOMPARE(m_bench.messages->texts(), QStringList());
    QCOMPARE(AssociacaoAtual->id(), association);
    const QString user = association == 1 ? QStringLiteral("ADMIN") : QStringLiteral("LETRAS");
    typeOver(field("edtUsuario"), user);
    typeOver(field("edtSenha"), user);
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(UsuarioLogado.usuario, user);
    QCOMPARE(UsuarioLogado.senha, user);
    QCOMPARE(iniValue(), typed);
}

void tst_Login::flows()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(bool, accepted);
    QFETCH(int, loggedUser);
    QFETCH(bool, userFieldsEnabled);
    QFETCH(QString, ini);

    open();
    for (const QString &step : std::as_const(steps)) {
        const QString argument = step.section(u' ', 1);
        if (step.startsWith(QStringLiteral("cnpj ")))
            enterCnpj(argument);
        else if (step.startsWith(QStringLiteral("digita ")))
            typeOver(field("edtCNPJ"), argument); // stays in the field
        else if (step.startsWith(QStringLiteral("usuario ")))
            typeOver(field("edtUsuario"), argument);
        else if (step.startsWith(QStringLiteral("senha ")))
            typeOver(field("edtSenha"), argument);
        else if (step == u"entrar")
            QTest::mouseClick(button("btnOK"), Qt::LeftButton);
        else
            QFAIL(qPrintable(step));
    }

    QCOMPARE(m_bench.messages->texts(), messages);
    for (const auto &shown : std::as_const(m_bench.messages->shown))
        QCOMPARE(shown.kind, MessageDialog::Kind::Information);
    QCOMPARE(m_bench.dialog->result() == QDialog::Accepted, accepted);
    QCOMPARE(m_bench.dialog->isVisible(), !accepted);
    QCOMPARE(UsuarioLogado.id, loggedUser);
    if (accepted) {
        QCOMPARE(UsuarioLogado.abl, QStringLiteral("S"));
        QCOMPARE(UsuarioLogado.id_pai, AssociacaoAtual->id());
        QVERIFY(!UsuarioLogado.nome.isEmpty());
        QCOMPARE(AssociacaoAtual->abilitado(), QStringLiteral("S"));
    }
    QCOMPARE(field("edtUsuario")->isEnabled(), userFieldsEnabled);
    QCOMPARE(field("edtSenha")->isEnabled(), userFieldsEnabled);
    QCOMPARE(button("btnOK")->isEnabled(), userFieldsEnabled);
    QCOMPARE(iniValue(), ini);
}

void tst_Login::rememberedCnpjWaitsForTheFieldToBeLeft()
{
    writeIni(QString(QStringLiteral("  ") + ativa + QStringLiteral(" ")));
    open();
    QCOMPARE(m_bench.dialog->caminhoIni(), iniPath());
    QCOMPARE(field("edtCNPJ")->text(), ativa);
    QVERIFY(field("edtCNPJ")->hasFocus());
    QVERIFY(!field("edtUsuario")->isEnabled());
    QVERIFY(!button("btnOK")->isEnabled());

    QTest::keyClick(field("edtCNPJ"), Qt::Key_Tab);
    QVERIFY(field("edtUsuario")->isEnabled());
    QVERIFY(field("edtUsuario")->hasFocus());
    QVERIFY(m_bench.messages->shown.isEmpty());
}

void tst_Login::missingIniGivesAnEmptyField()
{
    open();
    QCOMPARE(field("edtCNPJ")->text(), QString());
    QVERIFY(m_bench.messages->shown.isEmpty());
    QVERIFY(!QFile::exists(iniPath()));
}

void tst_Login::iniKeepsItsOtherContents()
{
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Outros/Chave"), QStringLiteral("valor"));
        ini.setValue(QStringLiteral("Login/CNPJ"), desconhecida);
    }
    open();
    enterCnpj(ativa);
    typeOver(field("edtUsuario"), QStringLiteral("ADMIN"));
    typeOver(field("edtSenha"), QStringLiteral("ADMIN"));
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));

    QSettings ini(iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Login/CNPJ")).toString(), ativa);
    QCOMPARE(ini.value(QStringLiteral("Outros/Chave")).toString(), QStringLiteral("valor"));
}

void tst_Login::unwritableIniKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("blocker");
    // Ways a file can't be written whoever runs the test (root ignores
    // read-only folders): its folder is a file, or its name is a folder.
    QTest::newRow("folder is a file") << QStringLiteral("arquivo/pasta") << QStringLiteral("arquivo");
    QTest::newRow("ini is a folder") << QStringLiteral("pasta") << QStringLiteral("pasta/ul_associacao.ini/");
}

void tst_Login::unwritableIniKeepsTheDialogOpen()
{
    QFETCH(QString, folder);
    QFETCH(QString, blocker);
    const QString blockerPath = m_bench.iniDir->filePath(blocker);
    if (blocker.endsWith(u'/')) {
        QVERIFY(QDir().mkpath(blockerPath));
    } else {
        QFile file(blockerPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString folderPath = m_bench.iniDir->filePath(folder);
    m_bench.dialog = std::make_unique<TfrmLogin>();
    m_bench.dialog->setIniDirectory(folderPath);
    m_bench.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_bench.dialog.get()));

    enterCnpj(ativa);
    typeOver(field("edtUsuario"), QStringLiteral("ADMIN"));
    typeOver(field("edtSenha"), QStringLiteral("ADMIN"));
    // The click whose handling failed counts as not handled.
    QTest::ignoreMessage(QtWarningMsg, "Mouse event \"MouseRelease\" not accepted by receiving widget");
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);

    const QString path = QDir(folderPath).filePath(QStringLiteral("ul_associacao.ini"));
    QCOMPARE(m_bench.messages->texts(), QStringList{QStringLiteral("Unable to write to ") + path});
    QCOMPARE(m_bench.messages->shown.at(0).kind, MessageDialog::Kind::Error);
    QCOMPARE(m_bench.messages->shown.at(0).title, Application::title());
    QVERIFY(m_bench.dialog->isVisible());
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Rejected));
    // The user was already taken; "Entrar" may be pressed again.
    QCOMPARE(UsuarioLogado.id, 10);
    QVERIFY(button("btnOK")->isEnabled());

    // Once the way is free, the next "Entrar" ends the dialog.
    if (blocker.endsWith(u'/'))
        QVERIFY(QDir(blockerPath).removeRecursively());
    else
        QVERIFY(QFile::remove(blockerPath));
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Login/CNPJ")).toString(), ativa);
}

void tst_Login::databaseErrorReachesTheCatchPointAndClosesTheUserFields()
{
    open();
    enterCnpj(ativa);
    QVERIFY(field("edtUsuario")->isEnabled());
    // The administrator ends the program's attachment, and the program can't
    // read the association when it attaches again: on the embedded engine
    // the database file is away, on the server the right to read is.
    const QString path = m_bench.modules->database().path();
    const QString away = path + QStringLiteral(".fora");
    {
        FbConnection owner(m_bench.modules->database().ownerSettings());
        if (TestDatabase::onServer())
            FbStatement(owner, QStringLiteral("revoke select on ASSOCIACAO from user ULMORA")).execute();
        FbStatement(owner, QStringLiteral("delete from mon$attachments where mon$attachment_id <> current_connection"))
            .execute();
    }
    if (!TestDatabase::onServer())
        QVERIFY(QFile::rename(path, away));
    enterCnpj(ativa);
    if (TestDatabase::onServer()) {
        // An attachment keeps the rights it met: the program attaches anew.
        FbConnection owner(m_bench.modules->database().ownerSettings());
        FbStatement(owner, QStringLiteral("grant select on ASSOCIACAO to user ULMORA")).execute();
        FbStatement(owner, QStringLiteral("delete from mon$attachments where mon$attachment_id <> current_connection"))
            .execute();
    } else {
        QVERIFY(QFile::rename(away, path));
    }
    QCOMPARE(m_bench.messages->shown.size(), 1);
    QCOMPARE(m_bench.messages->shown.at(0).kind, MessageDialog::Kind::Error);
    QCOMPARE(m_bench.messages->shown.at(0).title, QStringLiteral("Erro"));
    QVERIFY2(m_bench.messages->shown.at(0).details.contains(QStringLiteral("ASSOCIACAO")),
             qPrintable(m_bench.messages->shown.at(0).details));
    QVERIFY(m_bench.dialog->isVisible());
    QVERIFY(!field("edtUsuario")->isEnabled());
    QVERIFY(!button("btnOK")->isEnabled());

    // The dialog goes on working: the next read attaches again.
    enterCnpj(ativa);
    QVERIFY(field("edtUsuario")->isEnabled());
}

void tst_Login::enterMovesOnAndPressesButtons()
{
    open();
    QTest::keyClicks(field("edtCNPJ"), ativa);
    QTest::keyClick(field("edtCNPJ"), Qt::Key_Return);
    // The check itself puts the focus into the user field.
    QVERIFY(field("edtUsuario")->hasFocus());
    QTest::keyClicks(field("edtUsuario"), QStringLiteral("ADMIN"));
    QTest::keyClick(field("edtUsuario"), Qt::Key_Enter); // the keypad's Enter too
    QVERIFY(field("edtSenha")->hasFocus());
    QTest::keyClicks(field("edtSenha"), QStringLiteral("ADMIN"));
    QTest::keyClick(field("edtSenha"), Qt::Key_Return);
    QVERIFY(button("btnOK")->hasFocus());
    QVERIFY(m_bench.dialog->isVisible());
    QTest::keyClick(button("btnOK"), Qt::Key_Return);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_bench.messages->shown.isEmpty());
}

void tst_Login::enterAfterAnInactiveCnpjRestsOnCancela()
{
    open();
    QTest::keyClicks(field("edtCNPJ"), inativa);
    QTest::keyClick(field("edtCNPJ"), Qt::Key_Return);
    QCOMPARE(m_bench.messages->texts(), QStringList{msgInativo});
    // The user fields are skipped: the next control that can take the focus.
    QVERIFY(button("btnCancela")->hasFocus());
    QTest::keyClick(button("btnCancela"), Qt::Key_Return);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_bench.dialog->isVisible());
}

void tst_Login::escapeCancels()
{
    open();
    QTest::keyClicks(field("edtCNPJ"), ativa);
    QTest::keyClick(field("edtCNPJ"), Qt::Key_Escape);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_bench.dialog->isVisible());
    QVERIFY(!QFile::exists(iniPath()));
}

void tst_Login::cnpjKeepsItsHighlightWhileItsMessageShows()
{
    open();
    const QColor highlight(166, 202, 240);
    QLineEdit *cnpj = field("edtCNPJ");
    const QColor standard = QApplication::palette(cnpj).color(QPalette::Active, QPalette::Base);
    QVERIFY(standard != highlight);
    QCOMPARE(cnpj->palette().color(QPalette::Active, QPalette::Base), highlight);

    QColor duringMessage;
    m_bench.messages->onShow = [&](const MessageDialogHook::Shown &) {
        duringMessage = cnpj->palette().color(QPalette::Active, QPalette::Base);
    };
    QTest::keyClicks(cnpj, inativa);
    QTest::keyClick(cnpj, Qt::Key_Tab);
    QCOMPARE(m_bench.messages->shown.size(), 1);
    QCOMPARE(duringMessage, highlight);
    QCOMPARE(cnpj->palette().color(QPalette::Active, QPalette::Base), standard);

    // Each of the three fields carries it while focused; the buttons never.
    enterCnpj(ativa);
    QLineEdit *usuario = field("edtUsuario");
    QVERIFY(usuario->hasFocus());
    QCOMPARE(usuario->palette().color(QPalette::Active, QPalette::Base), highlight);
    QCOMPARE(cnpj->palette().color(QPalette::Active, QPalette::Base), standard);
    QTest::keyClick(usuario, Qt::Key_Tab);
    QCOMPARE(field("edtSenha")->palette().color(QPalette::Active, QPalette::Base), highlight);
    QCOMPARE(usuario->palette().color(QPalette::Active, QPalette::Base), standard);
    QTest::keyClick(field("edtSenha"), Qt::Key_Tab);
    QCOMPARE(field("edtSenha")->palette().color(QPalette::Active, QPalette::Base), standard);
    QVERIFY(InputConventions::isHighlighted(cnpj));
    QVERIFY(!InputConventions::isHighlighted(button("btnOK")));
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Login test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_login.moc"
