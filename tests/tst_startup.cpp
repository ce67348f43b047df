// The program from start to end: the order of start-up, a database that
// can't be opened, a cancelled login, a login that leads to the main
// window until it is closed, and the backup copy made at the end when the
// last one is more than a day old.

#include "Application.h"
#include "BackupFolder.h"
#include "BackupPlace.h"
#include "Driver.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "Startup.h"
#include "TestDatabase.h"
#include "WidgetFeedback.h"
#include "uDM.h"
#include "uLogin.h"
#include "uPrincipal.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

#include "uDMds.h"

namespace {

TfrmLogin *activeLogin()
{
    auto *login = qobject_cast<TfrmLogin *>(QApplication::activeModalWidget());
    return login && login->isActiveWindow() ? login : nullptr;
}

// The master user ADMIN logs in to the association, as typed.
void typeAdminLogin()
{
    TfrmLogin *dialog = activeLogin();
    auto *cnpj = dialog->findChild<QLineEdit *>(QStringLiteral("edtCNPJ"));
    QTest::keyClicks(cnpj, QStringLiteral("11222333000181"));
    QTest::keyClick(cnpj, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("admin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("admin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "Entrar"
}

const QDateTime backupClock(QDate(2026, 12, 11), QTime(18, 0));

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void databaseThatCannotBeOpenedEndsWithoutLogin_data();
    void databaseThatCannotBeOpenedEndsWithoutLogin();
    void modulesComeBeforeTheLoginAndCancelEndsTheRun();
    void loginLeadsToTheMainWindowUntilItCloses();
    void backupAtTheEndWhenTheLastCopyIsADayOld();

private:
    std::unique_ptr<TestDatabase> m_db;
    QString m_definitions;
};

void tst_Startup::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    QVERIFY(m_db->run(QStringLiteral(
        "insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', "
        "'ASSOCIAÇÃO COMERCIAL', 'S');"
        "insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, "
        "USU_A_MST) values (10, 'ADMINISTRADOR', 'ADMIN', 'ADMIN', 'S', 1, 'S');")));
    m_definitions = m_db->writeDefinitions();
}

void tst_Startup::cleanup()
{
    qunsetenv("ULMORA_CONNECTION_DEFS");
    // Nothing of a run outlives it.
    QCOMPARE(DM, nullptr);
    QCOMPARE(AssociacaoAtual, nullptr);
    QCOMPARE(frmPrincipal, nullptr);
    QCOMPARE(UsuarioLogado.id, 0);
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!dynamic_cast<WidgetFeedback *>(&Feedback::current()));
}

void tst_Startup::databaseThatCannotBeOpenedEndsWithoutLogin_data()
{
    QTest::addColumn<QString>("definitions");
    QTest::addColumn<QString>("inMessage");

    QTest::newRow("no definitions file") << QStringLiteral("nao-existe.ini") << QStringLiteral("nao-existe.ini");
    QTest::newRow("no Ulmora definition") << QStringLiteral("[Outra]\nDatabase=x.fdb\n") << QStringLiteral("Ulmora");
    QTest::newRow("unreachable database")
        << QStringLiteral("[Ulmora]\nDatabase=pasta-que-nao-existe/ulmora.fdb\nUser_Name=SYSDBA\n")
        << QStringLiteral("pasta-que-nao-existe");
}

void tst_Startup::databaseThatCannotBeOpenedEndsWithoutLogin()
{
    QFETCH(QString, definitions);
    QFETCH(QString, inMessage);

    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("connections.ini"));
    if (definitions.endsWith(QStringLiteral(".ini"))) {
        file = dir.filePath(definitions);
    } else {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(definitions.toUtf8());
    }
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(file));

    MessageDialogHook messages;
    bool loginShown = false;
    Driver watch([] { return QApplication::activeModalWidget() != nullptr; },
                 [&] {
                     loginShown = true;
                     QApplication::activeModalWidget()->close();
                 });
    Startup startup;
    startup.iniDirectory = dir.path();
    QCOMPARE(startup.run(), 1);

    QVERIFY(!loginShown);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.at(0).kind, MessageDialog::Kind::Error);
    QVERIFY2(messages.shown.at(0).text.contains(inMessage), qPrintable(messages.shown.at(0).text));
    QVERIFY(!QFile::exists(dir.filePath(TfrmLogin::nomeIni())));
}

void tst_Startup::modulesComeBeforeTheLoginAndCancelEndsTheRun()
{
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(m_definitions));
    QTemporaryDir dir;

    bool modulesReady = false, languageReady = false, feedbackReady = false, mainWindowBefore = true;
    Driver cancel(activeLogin, [&] {
        modulesReady = DM && AssociacaoAtual && AssociadoAtual && DMds;
        languageReady = LanguageControl::isInstalled();
        feedbackReady = dynamic_cast<WidgetFeedback *>(&Feedback::current()) != nullptr;
        mainWindowBefore = frmPrincipal != nullptr;
        TfrmLogin *login = activeLogin();
        // A CNPJ typed and checked, then "Cancela".
        auto *cnpj = login->findChild<QLineEdit *>(QStringLiteral("edtCNPJ"));
        QTest::keyClicks(cnpj, QStringLiteral("11222333000181"));
        QTest::keyClick(cnpj, Qt::Key_Return);
        QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("btnCancela")), Qt::LeftButton);
    });
    Startup startup;
    startup.iniDirectory = dir.path();
    QCOMPARE(startup.run(), 0);

    QVERIFY(cancel.done);
    QVERIFY(modulesReady);
    QVERIFY(languageReady);
    QVERIFY(feedbackReady);
    QVERIFY(!mainWindowBefore);
    QVERIFY(!QFile::exists(dir.filePath(TfrmLogin::nomeIni())));
}

void tst_Startup::loginLeadsToTheMainWindowUntilItCloses()
{
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(m_definitions));
    QTemporaryDir dir;

    // A backup copy of this hour: the end makes none.
    const QString copies = dir.filePath(QStringLiteral("copias"));
    const BackupFolder folder(copies, QFileInfo(m_db->path()).completeBaseName());
    QVERIFY(QDir().mkpath(copies));
    BackupPlace::remember(dir.filePath(TfrmLogin::nomeIni()), copies);
    QFile(folder.copyPath(backupClock.addSecs(-3600))).open(QIODevice::WriteOnly);

    Driver login(activeLogin, typeAdminLogin);
    QString user, association;
    bool maximised = false, loginGone = false;
    Driver leave([] { return frmPrincipal && frmPrincipal->isVisible(); },
                 [&] {
                     user = frmPrincipal->panelText(0);
                     association = frmPrincipal->panelText(1);
                     maximised = frmPrincipal->windowState() & Qt::WindowMaximized;
                     const QWidgetList windows = QApplication::topLevelWidgets();
                     loginGone = std::none_of(windows.cbegin(), windows.cend(),
                                              [](QWidget *w) { return qobject_cast<TfrmLogin *>(w) != nullptr; });
                     frmPrincipal->actSair()->trigger();
                 });
    Startup startup;
    startup.iniDirectory = dir.path();
    startup.clock = [] { return backupClock; };
    QCOMPARE(startup.run(), 0);

    QVERIFY(login.done);
    QVERIFY(leave.done);
    QCOMPARE(folder.copies().size(), 1);
    QCOMPARE(user, QStringLiteral("ADMINISTRADOR"));
    QCOMPARE(association, QStringLiteral("ASSOCIAÇÃO COMERCIAL"));
    QVERIFY(maximised);
    QVERIFY(loginGone);
    QCOMPARE(QSettings(dir.filePath(TfrmLogin::nomeIni()), QSettings::IniFormat)
                 .value(QStringLiteral("Login/CNPJ"))
                 .toString(),
             QStringLiteral("11222333000181"));
}

void tst_Startup::backupAtTheEndWhenTheLastCopyIsADayOld()
{
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(m_definitions));
    qputenv("ULMORA_RESTORE_HELPER", ULMORA_RESTORE_HELPER);
    QTemporaryDir dir;
    const QString copies = dir.filePath(QStringLiteral("copias"));
    const BackupFolder folder(copies, QFileInfo(m_db->path()).completeBaseName());
    QVERIFY(QDir().mkpath(copies));
    BackupPlace::remember(dir.filePath(TfrmLogin::nomeIni()), copies);
    QFile(folder.copyPath(backupClock.addSecs(-25 * 3600))).open(QIODevice::WriteOnly);

    Driver login(activeLogin, typeAdminLogin);
    Driver leave([] { return frmPrincipal && frmPrincipal->isVisible(); }, [] { frmPrincipal->actSair()->trigger(); });
    MessageDialogHook messages;
    Startup startup;
    startup.iniDirectory = dir.path();
    startup.clock = [] { return backupClock; };
    QCOMPARE(startup.run(), 0);
    qunsetenv("ULMORA_RESTORE_HELPER");

    QVERIFY(leave.done);
    QCOMPARE(messages.texts(), QStringList());
    if (TestDatabase::onServer()) {
        // A desk on a server leaves the copies to the administrator.
        QCOMPARE(folder.copies().size(), 1);
        return;
    }
    QCOMPARE(folder.copies().size(), 2);
    QVERIFY(QFileInfo(folder.copyPath(backupClock)).size() > 0);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Startup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
