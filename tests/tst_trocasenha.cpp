// The first login of a member user still on its initial password: the
// start-up asks for a new one before the main window, refuses weak or
// mismatched ones, stores it, and from then on only the new one logs in.

#include "Application.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Session.h"
#include "StartupAcd.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "WidgetFeedback.h"
#include "uDM.h"
#include "uLoginAcd.h"
#include "uPrincipalAcd.h"
#include "uTrocaSenha.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString cnpj = QStringLiteral("11222333000181");

// MARIA still has the initial password (the first five characters of her
// member's CPF); MERCADO chose its own long ago.
const char fixture[] = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO ATIVA', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (10, '45123456000187', 'MERCADO BOA VISTA', 1, 'S', 'S', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2) values (15, '93541134780', 'MARIA SOUZA', 1, 'S', 'N', 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (100, 'CARLOS PEREIRA', 'MERCADO', 'MERCADO1', 'S', 10, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (106, 'MARIA APARECIDA', 'MARIA', '93541', 'S', 15, 'N');
)";

// Whether `senha` logs MARIA in, and whether it is the initial one.
bool logsIn(const QString &usuario, const QString &senha, bool *inicial = nullptr)
{
    TUsuarios user;
    bool isInitial = false;
    const bool ok = DM->LeLoginAssociado(cnpj, usuario, senha, user, isInitial);
    if (inicial)
        *inicial = isInitial;
    return ok;
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

} // namespace

class tst_TrocaSenha : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void refused_data();
    void refused();
    void storedAndTheOldOneNoLongerLogsIn();
    void startupAsksBeforeTheMainWindow_data();
    void startupAsksBeforeTheMainWindow();

private:
    void loginAsMaria();
    // Types the two fields of the dialog and clicks OK.
    static void answer(QDialog *dialog, const QString &nova, const QString &confirma);

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<TestDatabase> m_startupDatabase;
};

void tst_TrocaSenha::initTestCase()
{
    LanguageControl::install();
}

void tst_TrocaSenha::cleanupTestCase()
{
    m_feedback.reset();
    m_modules.reset();
    m_startupDatabase.reset();
}

void tst_TrocaSenha::init()
{
    // The start-up runs open their own modules.
    if (QByteArray(QTest::currentTestFunction()) == "startupAsksBeforeTheMainWindow")
        return;
    if (!m_modules) {
        m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture));
        QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
        m_feedback = std::make_unique<WidgetFeedback>();
    }
    // Each case starts from MARIA on her initial password.
    TUsuarios maria;
    maria.setId(106);
    maria.setNome(QStringLiteral("MARIA APARECIDA"));
    maria.setUsuario(QStringLiteral("MARIA"));
    maria.setSenha(QStringLiteral("93541"));
    maria.setAbilitado(QStringLiteral("S"));
    maria.setMst(QStringLiteral("N"));
    maria.setId_pai(15);
    // Written over the row as it is now (the case before may have changed it).
    const auto users = DM->LeUsuario(15);
    for (const auto &stored : users->Lista()) {
        if (stored->id() == maria.id())
            maria.setVersao(stored->versao());
    }
    QVERIFY(DM->IUAcdUsuarios(maria));
    UsuarioLogado = TUsuarioLogado();
}

void tst_TrocaSenha::loginAsMaria()
{
    TUsuarios user;
    bool inicial = false;
    QVERIFY(DM->LeLoginAssociado(cnpj, QStringLiteral("MARIA"), QStringLiteral("93541"), user, inicial));
    QVERIFY(inicial);
    UsuarioLogado.id = user.id();
    UsuarioLogado.nome = user.nome();
    UsuarioLogado.usuario = user.usuario();
    UsuarioLogado.id_pai = user.id_pai();
    UsuarioLogado.mst = user.mst();
    UsuarioLogado.abl = user.abilitado();
}

void tst_TrocaSenha::answer(QDialog *dialog, const QString &nova, const QString &confirma)
{
    typeInto(dialog->findChild<QLineEdit *>(QStringLiteral("edtNovaSenha")), nova);
    typeInto(dialog->findChild<QLineEdit *>(QStringLiteral("edtConfirma")), confirma);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
}

void tst_TrocaSenha::refused_data()
{
    QTest::addColumn<QString>("nova");
    QTest::addColumn<QString>("confirma");
    QTest::addColumn<QString>("message");

    QTest::newRow("the initial password again") << "93541"
                                                << "93541"
                                                << "A nova senha não pode ser a senha inicial.";
    QTest::newRow("too short") << "abc12"
                               << "abc12"
                               << "A nova senha deve ter pelo menos 6 caracteres.";
    QTest::newRow("blanks only") << "       "
                                 << "       "
                                 << "A nova senha deve ter pelo menos 6 caracteres.";
    QTest::newRow("short once the blanks are gone") << "  ab12  "
                                                    << "  ab12  "
                                                    << "A nova senha deve ter pelo menos 6 caracteres.";
    QTest::newRow("confirmation differs") << "segredo1"
                                          << "segredo2"
                                          << "A confirmação não confere com a nova senha.";
    QTest::newRow("confirmation empty") << "segredo1"
                                        << ""
                                        << "A confirmação não confere com a nova senha.";
    QTest::newRow("longer than the column")
        << QString(101, u'X') << QString(101, u'X') << "A nova senha deve ter no máximo 100 caracteres.";
}

void tst_TrocaSenha::refused()
{
    QFETCH(QString, nova);
    QFETCH(QString, confirma);
    QFETCH(QString, message);
    loginAsMaria();

    MessageDialogHook messages;
    TfrmTrocaSenha dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    answer(&dialog, nova, confirma);
    QCOMPARE(messages.texts(), QStringList{message});
    QVERIFY(dialog.isVisible());
    // Nothing was stored: the initial password still logs in.
    bool inicial = false;
    QVERIFY(logsIn(QStringLiteral("MARIA"), QStringLiteral("93541"), &inicial));
    QVERIFY(inicial);
}

void tst_TrocaSenha::storedAndTheOldOneNoLongerLogsIn()
{
    loginAsMaria();
    MessageDialogHook messages;
    TfrmTrocaSenha dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Turned to capitals as typed, as the login types it.
    answer(&dialog, QStringLiteral("segredo1"), QStringLiteral("segredo1"));
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    QVERIFY(!logsIn(QStringLiteral("MARIA"), QStringLiteral("93541")));
    bool inicial = true;
    QVERIFY(logsIn(QStringLiteral("MARIA"), QStringLiteral("SEGREDO1"), &inicial));
    QVERIFY(!inicial);
    // The rest of the user is as it was.
    const auto users = DM->LeUsuario(15);
    QCOMPARE(users->Lista().count(), 1);
    const TUsuarios &maria = *users->Lista().at(0);
    QCOMPARE(maria.id(), 106);
    QCOMPARE(maria.nome(), QStringLiteral("MARIA APARECIDA"));
    QCOMPARE(maria.usuario(), QStringLiteral("MARIA"));
    QCOMPARE(maria.abilitado(), QStringLiteral("S"));
    QCOMPARE(maria.mst(), QStringLiteral("N"));
}

void tst_TrocaSenha::startupAsksBeforeTheMainWindow_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("changed"); // answers the change with a new password, else Cancela
    QTest::addColumn<bool>("mainWindow");

    // One database for the three runs, the one that changes the password last.
    QTest::newRow("initial password, cancelled") << "maria"
                                                 << "93541" << true << false << false;
    QTest::newRow("a password of its own") << "mercado"
                                           << "mercado1" << false << false << true;
    QTest::newRow("initial password, changed") << "maria"
                                               << "93541" << true << true << true;
}

void tst_TrocaSenha::startupAsksBeforeTheMainWindow()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(bool, asked);
    QFETCH(bool, changed);
    QFETCH(bool, mainWindow);

    // The start-up builds its own modules from the connection definition.
    m_feedback.reset();
    m_modules.reset();
    if (!m_startupDatabase) {
        m_startupDatabase = std::make_unique<TestDatabase>();
        QVERIFY2(m_startupDatabase->isValid(), qPrintable(m_startupDatabase->error()));
        QVERIFY(m_startupDatabase->run(QString::fromUtf8(fixture)));
    }
    TestDatabase &database = *m_startupDatabase;
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(database.writeDefinitions()));
    QTemporaryDir iniDir;

    QList<ModalAnswer::Answer> answers{[&](QDialog *login) {
        auto edit = [login](const char *name) { return login->findChild<QLineEdit *>(QLatin1StringView(name)); };
        typeInto(edit("edtCNPJ"), cnpj);
        typeInto(edit("edtUsuario"), usuario);
        typeInto(edit("edtSenha"), senha);
        QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
    }};
    if (asked) {
        answers << [&](QDialog *troca) {
            if (changed)
                answer(troca, QStringLiteral("segredo1"), QStringLiteral("segredo1"));
            else
                QTest::mouseClick(troca->findChild<QPushButton *>(QStringLiteral("btnCancela")), Qt::LeftButton);
        };
    }
    ModalAnswer modals(answers);
    // Once the main window is up, note it and leave through "Sair".
    bool mainWindowShown = false;
    QTimer leave;
    connect(&leave, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *principal = qobject_cast<TfrmPrincipalAcd *>(w); principal && principal->isVisible()) {
                mainWindowShown = true;
                principal->actSair()->trigger();
            }
        }
    });
    leave.start(20);
    // A run nobody drives ends after a while instead of hanging (a timer of
    // this case only: a later case must not be cut short by it).
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, &QApplication::closeAllWindows);
    giveUp.start(30000);

    StartupAcd startup;
    startup.iniDirectory = iniDir.path();
    QCOMPARE(startup.run(), 0);
    qunsetenv("ULMORA_CONNECTION_DEFS");
    QVERIFY(modals.answered());
    QCOMPARE(modals.dialogClasses().size(), asked ? 2 : 1);
    if (asked)
        QCOMPARE(modals.dialogClasses().at(1), QStringLiteral("TfrmTrocaSenha"));
    QCOMPARE(mainWindowShown, mainWindow);

    // What was stored, seen through the program's own login read.
    TDM dm(database.settings());
    DM = &dm;
    const bool initialLogsIn = logsIn(QStringLiteral("MARIA"), QStringLiteral("93541"));
    const bool newLogsIn = logsIn(QStringLiteral("MARIA"), QStringLiteral("SEGREDO1"));
    DM = nullptr;
    if (asked) {
        QCOMPARE(initialLogsIn, !changed);
        QCOMPARE(newLogsIn, changed);
    }
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_TrocaSenha test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trocasenha.moc"
