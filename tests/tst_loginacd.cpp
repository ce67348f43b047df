// The members' program's login against a real database: which user of which
// member of which association gets in, the one message for every refusal,
// three refusals closing the dialog, and the program's own ini file. Driven
// with the keyboard and the mouse as a person would.

#include "Application.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "LoginBench.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "TUsuarios.h"
#include "WidgetFeedback.h"
#include "uDM.h"
#include "uLoginAcd.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ativa = QStringLiteral("11222333000181");
const QString inativa = QStringLiteral("11444777000161");
const QString alfanumerica = QStringLiteral("12ABC34501DE35");

// Association 1 active, 2 inactive, 3 active with a CNPJ of letters.
// Members 10 (active, initial passwords changed), 11 (inactive) and 15
// (active, still on its initial password) of association 1; 12 of the
// inactive association; 13 of association 3.
const char fixture[] = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO ATIVA', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '11444777000161', 'ASSOCIAÇÃO INATIVA', 'N');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (3, '12ABC34501DE35', 'ASSOCIAÇÃO NOVA', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (10, '45123456000187', 'MERCADO BOA VISTA', 1, 'S', 'S', 'N');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (11, '08472163000189', 'PADARIA INATIVA', 1, 'N', 'S', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (12, '27365914000102', 'FERRAGENS DO VALE', 2, 'S', 'S', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (13, '33652147000115', 'LOJA NOVA', 3, 'S', 'N', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (15, '93541134780', 'MARIA SOUZA', 1, 'S', 'N', 'S');
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (1, 'CARLOS', '19', '34562010', 10);
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (100, 'CARLOS PEREIRA', 'MERCADO', 'MERCADO1', 'S', 10, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (101, 'ANA INATIVA', 'ANA', 'ANA12345', 'N', 10, 'N');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (102, 'ROBERTO', 'PADARIA', 'PADARIA1', 'S', 11, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (103, 'PAULO', 'VALE', 'VALE1234', 'S', 12, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (104, 'LUCAS', 'NOVA', 'NOVA1234', 'S', 13, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (105, 'COM BRANCO', 'BRANCO', 'SENHA1 ', 'S', 10, 'N');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (106, 'MARIA APARECIDA', 'MARIA', '93541', 'S', 15, 'S');
)";

} // namespace

class tst_LoginAcd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void logins_data();
    void logins();
    void readsNoStoredPassword();
    void initialPasswordIsTold_data();
    void initialPasswordIsTold();
    void thirdRefusalInARowClosesTheDialog();
    void emptyFieldsAreNoAttempt_data();
    void emptyFieldsAreNoAttempt();
    void iniOfItsOwn();
    void enterMovesOnAndEscapeCancels();

private:
    void open();
    QLineEdit *field(const char *name) const { return m_bench.dialog->findChild<QLineEdit *>(QLatin1StringView(name)); }
    QPushButton *button(const char *name) const
    {
        return m_bench.dialog->findChild<QPushButton *>(QLatin1StringView(name));
    }
    // Fills the three fields and clicks "Entrar".
    void attempt(const QString &cnpj, const QString &usuario, const QString &senha);
    QString iniPath(const QString &name) const { return m_bench.iniDir->filePath(name); }

    LoginBench<TfrmLoginAcd> m_bench;
};

void tst_LoginAcd::initTestCase()
{
    const QString error = m_bench.setUp(QString::fromUtf8(fixture));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void tst_LoginAcd::cleanupTestCase()
{
    m_bench.tearDown();
}

void tst_LoginAcd::init()
{
    m_bench.begin();
}

void tst_LoginAcd::cleanup()
{
    m_bench.end();
}

void tst_LoginAcd::open()
{
    QVERIFY(m_bench.open());
}

void tst_LoginAcd::attempt(const QString &cnpj, const QString &usuario, const QString &senha)
{
    typeOver(field("edtCNPJ"), cnpj);
    typeOver(field("edtUsuario"), usuario);
    typeOver(field("edtSenha"), senha);
    QTest::mouseClick(button("btnOK"), Qt::LeftButton);
}

void tst_LoginAcd::logins_data()
{
    QTest::addColumn<QString>("cnpj");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<int>("user"); // 0: refused
    QTest::addColumn<int>("member");
    QTest::addColumn<int>("association");

    QTest::newRow("right user and password") << ativa << "MERCADO"
                                             << "MERCADO1" << 100 << 10 << 1;
    QTest::newRow("typed in lower case") << ativa << "mercado"
                                         << "mercado1" << 100 << 10 << 1;
    QTest::newRow("blanks around what is typed") << QString(u' ' + ativa) << " MERCADO "
                                                 << "MERCADO1 " << 100 << 10 << 1;
    QTest::newRow("punctuated CNPJ") << "11.222.333/0001-81"
                                     << "MERCADO"
                                     << "MERCADO1" << 100 << 10 << 1;
    QTest::newRow("alphanumeric CNPJ in lower case, punctuated") << "12.abc.345/01de-35"
                                                                 << "NOVA"
                                                                 << "NOVA1234" << 104 << 13 << 3;
    QTest::newRow("alphanumeric CNPJ as stored") << alfanumerica << "NOVA"
                                                 << "NOVA1234" << 104 << 13 << 3;
    QTest::newRow("wrong password") << ativa << "MERCADO"
                                    << "MERCADO2" << 0 << 0 << 0;
    QTest::newRow("password of another user") << ativa << "MERCADO"
                                              << "NOVA1234" << 0 << 0 << 0;
    QTest::newRow("unknown user") << ativa << "NINGUEM"
                                  << "MERCADO1" << 0 << 0 << 0;
    QTest::newRow("inactive user") << ativa << "ANA"
                                   << "ANA12345" << 0 << 0 << 0;
    QTest::newRow("inactive member") << ativa << "PADARIA"
                                     << "PADARIA1" << 0 << 0 << 0;
    QTest::newRow("member of another association") << ativa << "NOVA"
                                                   << "NOVA1234" << 0 << 0 << 0;
    QTest::newRow("inactive association") << inativa << "VALE"
                                          << "VALE1234" << 0 << 0 << 0;
    QTest::newRow("unknown association") << "99888777000166"
                                         << "MERCADO"
                                         << "MERCADO1" << 0 << 0 << 0;
    QTest::newRow("part of the CNPJ") << "1122233300018"
                                      << "MERCADO"
                                      << "MERCADO1" << 0 << 0 << 0;
    QTest::newRow("stored password ends in a blank") << ativa << "BRANCO"
                                                     << "SENHA1" << 0 << 0 << 0;
    QTest::newRow("longer than the columns") << ativa << QString(31, u'M') << QString(101, u'X') << 0 << 0 << 0;
}

void tst_LoginAcd::logins()
{
    QFETCH(QString, cnpj);
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(int, user);
    QFETCH(int, member);
    QFETCH(int, association);

    const qint32 memberBefore = AssociadoAtual->id();
    const qint32 associationBefore = AssociacaoAtual->id();
    open();
    attempt(cnpj, usuario, senha);

    if (user == 0) {
        // One message, whichever of the three was wrong; nothing is kept.
        QCOMPARE(m_bench.messages->texts(),
                 QStringList{QStringLiteral("Usuário ou senha inválidos, ou acesso não ativo.")});
        QCOMPARE(m_bench.messages->shown.at(0).kind, MessageDialog::Kind::Information);
        QVERIFY(m_bench.dialog->isVisible());
        QCOMPARE(UsuarioLogado.id, 0);
        QCOMPARE(AssociadoAtual->id(), memberBefore);
        QCOMPARE(AssociacaoAtual->id(), associationBefore);
        QVERIFY(!QFile::exists(iniPath(TfrmLoginAcd::nomeIni())));
        return;
    }
    QCOMPARE(m_bench.messages->texts(), QStringList());
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(UsuarioLogado.id, user);
    QCOMPARE(UsuarioLogado.id_pai, member);
    QCOMPARE(UsuarioLogado.senha, QString());
    QCOMPARE(AssociadoAtual->id(), member);
    QCOMPARE(AssociacaoAtual->id(), association);
    QCOMPARE(AssociacaoAtual->abilitado(), QStringLiteral("S"));
}

void tst_LoginAcd::readsNoStoredPassword()
{
    // The login's statement answers with the user but not its password, and
    // the member comes with its packages and contacts.
    TUsuarios user;
    bool inicial = true;
    QVERIFY(DM->LeLoginAssociado(ativa, QStringLiteral("MERCADO"), QStringLiteral("MERCADO1"), user, inicial));
    QCOMPARE(user.id(), 100);
    QCOMPARE(user.nome(), QStringLiteral("CARLOS PEREIRA"));
    QCOMPARE(user.usuario(), QStringLiteral("MERCADO"));
    QCOMPARE(user.senha(), QString());
    QCOMPARE(user.abilitado(), QStringLiteral("S"));
    QCOMPARE(user.mst(), QStringLiteral("S"));
    QCOMPARE(user.id_pai(), 10);
    QVERIFY(!inicial);
    QCOMPARE(AssociadoAtual->nome(), QStringLiteral("MERCADO BOA VISTA"));
    QCOMPARE(AssociadoAtual->pct01(), QStringLiteral("S"));
    QCOMPARE(AssociadoAtual->pct02(), QStringLiteral("N"));
    QCOMPARE(AssociadoAtual->fones().count(), 1);
    QCOMPARE(AssociacaoAtual->nome(), QStringLiteral("ASSOCIAÇÃO ATIVA"));
}

void tst_LoginAcd::initialPasswordIsTold_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<bool>("inicial");

    QTest::newRow("first five characters of the document") << "MARIA"
                                                           << "93541" << true;
    QTest::newRow("a password of its own") << "MERCADO"
                                           << "MERCADO1" << false;
}

void tst_LoginAcd::initialPasswordIsTold()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(bool, inicial);

    open();
    attempt(ativa, usuario, senha);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_bench.dialog->senhaInicial(), inicial);
}

void tst_LoginAcd::thirdRefusalInARowClosesTheDialog()
{
    open();
    for (int i = 1; i <= 2; ++i) {
        attempt(ativa, QStringLiteral("MERCADO"), QStringLiteral("ERRADA"));
        QVERIFY(m_bench.dialog->isVisible());
    }
    attempt(inativa, QStringLiteral("VALE"), QStringLiteral("VALE1234"));
    QVERIFY(!m_bench.dialog->isVisible());
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_bench.messages->shown.size(), 3);
    QCOMPARE(UsuarioLogado.id, 0);
}

void tst_LoginAcd::emptyFieldsAreNoAttempt_data()
{
    QTest::addColumn<QString>("cnpj");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("CNPJ") << ""
                          << "MERCADO"
                          << "MERCADO1"
                          << "O campo \"CNPJ\" deve ser preenchido!"
                          << "edtCNPJ";
    QTest::newRow("user") << ativa << ""
                          << "MERCADO1"
                          << "O campo \"Usuário\" deve ser preenchido!"
                          << "edtUsuario";
    QTest::newRow("user of blanks") << ativa << "   "
                                    << "MERCADO1"
                                    << "O campo \"Usuário\" deve ser preenchido!"
                                    << "edtUsuario";
    QTest::newRow("password") << ativa << "MERCADO"
                              << ""
                              << "O campo \"Senha\" deve ser preenchido!"
                              << "edtSenha";
}

void tst_LoginAcd::emptyFieldsAreNoAttempt()
{
    QFETCH(QString, cnpj);
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    open();
    attempt(ativa, QStringLiteral("MERCADO"), QStringLiteral("ERRADA"));
    attempt(ativa, QStringLiteral("MERCADO"), QStringLiteral("ERRADA"));
    m_bench.messages->clear();
    // Two refusals, then a field left empty: its message, the field gets the
    // focus, and the count of refusals stays where it was.
    attempt(cnpj, usuario, senha);
    QCOMPARE(m_bench.messages->texts(), QStringList{message});
    QVERIFY(m_bench.dialog->isVisible());
    QCOMPARE(QApplication::focusWidget(), field(focus.toLatin1().constData()));
    attempt(ativa, QStringLiteral("MERCADO"), QStringLiteral("MERCADO1"));
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
}

void tst_LoginAcd::iniOfItsOwn()
{
    // The last CNPJ, as typed, in ul_associado.ini; the association's
    // program's file is not touched.
    QSettings(iniPath(QStringLiteral("ul_associacao.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("Login/CNPJ"), inativa);
    open();
    QCOMPARE(field("edtCNPJ")->text(), QString());
    attempt(QStringLiteral("11.222.333/0001-81"), QStringLiteral("MERCADO"), QStringLiteral("MERCADO1"));
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_bench.dialog->caminhoIni(), iniPath(QStringLiteral("ul_associado.ini")));
    QCOMPARE(QSettings(iniPath(QStringLiteral("ul_associado.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("Login/CNPJ"))
                 .toString(),
             QStringLiteral("11.222.333/0001-81"));
    QCOMPARE(QSettings(iniPath(QStringLiteral("ul_associacao.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("Login/CNPJ"))
                 .toString(),
             inativa);

    // The next start offers it.
    m_bench.dialog = std::make_unique<TfrmLoginAcd>();
    m_bench.dialog->setIniDirectory(m_bench.iniDir->path());
    m_bench.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_bench.dialog.get()));
    QCOMPARE(field("edtCNPJ")->text(), QStringLiteral("11.222.333/0001-81"));
}

void tst_LoginAcd::enterMovesOnAndEscapeCancels()
{
    open();
    QCOMPARE(QApplication::focusWidget(), field("edtCNPJ"));
    QTest::keyClicks(field("edtCNPJ"), ativa);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), field("edtUsuario"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("mercado"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), field("edtSenha"));
    QCOMPARE(field("edtSenha")->echoMode(), QLineEdit::Password);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("mercado1"));
    QCOMPARE(field("edtSenha")->text(), QStringLiteral("MERCADO1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button("btnOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(m_bench.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(UsuarioLogado.id, 0);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_LoginAcd test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_loginacd.moc"
