// A desk without a connection definition: the first-run assistant's three
// ways to a database, driven through its widgets (a new database the
// program makes itself, an existing file, a Firebird server tried before
// it is kept), the first association and master user it asks a database
// without one for, and the login that works with them at once.

#include "Application.h"
#include "BackupFolder.h"
#include "Controls.h"
#include "Driver.h"
#include "FbConnection.h"
#include "FbStatement.h"
#include "FirstRunAssistant.h"
#include "KeyTyping.h"
#include "MessageDialogHook.h"
#include "ProgramFolders.h"
#include "Session.h"
#include "Startup.h"
#include "StartupAcd.h"
#include "TAssociacao.h"
#include "TUsuarios.h"
#include "TemporaryUserFolders.h"
#include "TestDatabase.h"
#include "WidgetFeedback.h"
#include "uDM.h"
#include "uLogin.h"
#include "uPrincipal.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

template<typename T>
T *activeModal()
{
    auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
    return dialog && dialog->isActiveWindow() ? dialog : nullptr;
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// The first page's option, then "Avançar >".
inline void choose(FirstRunAssistant *assistant, const char *option)
{
    auto *button = child<QRadioButton>(assistant, option);
    // On the round mark: the button is wider than its text.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
    click(assistant, "btnAvancar");
}

QString pageHeading(FirstRunAssistant *assistant)
{
    auto *pages = assistant->findChild<QStackedWidget *>();
    return pages->currentWidget()->findChild<QLabel *>()->text();
}

struct Association
{
    QString cnpj = u"11.222.333/0001-81"_s;
    QString name = u"ASSOCIAÇÃO COMERCIAL DE ITU"_s;
    QString userName = u"maria souza"_s;
    QString login = u"maria"_s;
    QString password = u"segredo1"_s;
    QString confirmation = u"segredo1"_s;
};

void fillAssociation(FirstRunAssistant *assistant, const Association &a)
{
    typeInto(assistant, "edtCNPJ", a.cnpj);
    typeInto(assistant, "edtNomeAssociacao", a.name);
    typeInto(assistant, "edtNomeUsuario", a.userName);
    typeInto(assistant, "edtLogin", a.login);
    typeInto(assistant, "edtSenha", a.password);
    typeInto(assistant, "edtConfirma", a.confirmation);
    click(assistant, "btnAvancar"); // "Concluir"
}

// The association's login as a person types it: CNPJ, user, password, Enter.
void logIn(TfrmLogin *login, const QString &cnpj, const QString &user, const QString &password)
{
    auto *edit = child(login, "edtCNPJ");
    QTest::keyClicks(edit, cnpj);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), user);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), password);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "Entrar"
}

// The file's permission bits, as ls shows them.
mode_t fileMode(const QString &file)
{
    struct stat info = {};
    return stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(-1);
}

qint32 count(FbConnection &connection, const QString &sql)
{
    FbStatement statement(connection, sql);
    auto rows = statement.open();
    return rows->next() ? rows->integerAt(0) : -1;
}

} // namespace

Q_DECLARE_METATYPE(Association)

class tst_FirstRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newDatabaseThenAssociationThenLogin();
    void cancelWritesNothingAndEndsTheRun_data();
    void cancelWritesNothingAndEndsTheRun();
    void existingFile_data();
    void existingFile();
    void associationRefusals_data();
    void associationRefusals();
    void serverTriedBeforeItIsKept();

private:
    QString definitions() const { return QDir(ProgramFolders::userConfig()).filePath(u"connections.ini"_s); }
    QString newDatabase() const { return QDir(ProgramFolders::userData()).filePath(u"ulmora.fdb"_s); }
    // A database on this computer; `association`: with one association.
    std::unique_ptr<TestDatabase> fileDatabase(bool association);

    TemporaryUserFolders m_userFolders;
};

void tst_FirstRun::initTestCase()
{
    // The user's folders are the test's own (m_userFolders), and nothing
    // beside the test's executable or in /etc may stand in for them.
    QVERIFY(ProgramFolders::userConfig().startsWith(m_userFolders.path()));
    QVERIFY(ProgramFolders::userData().startsWith(m_userFolders.path()));
    qunsetenv("ULMORA_CONNECTION_DEFS");
    // The backup made when the main window closes verifies its copy with
    // the restore's helper, which is not beside the test.
    qputenv("ULMORA_RESTORE_HELPER", ULMORA_RESTORE_HELPER);
    QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(u"connections.ini"_s)));
    if (QFile::exists(u"/etc/ulmora/connections.ini"_s))
        QSKIP("this machine has a system-wide connection definition: no desk here is new");
}

void tst_FirstRun::init()
{
    QDir(ProgramFolders::userConfig()).removeRecursively();
    QDir(ProgramFolders::userData()).removeRecursively();
    QCOMPARE(ConnectionSettings::definitionsFile(), QString());
}

void tst_FirstRun::cleanup()
{
    QDir(ProgramFolders::userConfig()).removeRecursively();
    QDir(ProgramFolders::userData()).removeRecursively();
    QCOMPARE(DM, nullptr);
    QCOMPARE(AssociacaoAtual, nullptr);
}

std::unique_ptr<TestDatabase> tst_FirstRun::fileDatabase(bool association)
{
    auto db = std::make_unique<TestDatabase>(TestDatabase::WithReference);
    if (db->isValid() && association) {
        db->run(u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                "values (1, '11444777000161', 'JÁ EXISTE', 'S');"_s);
    }
    return db;
}

void tst_FirstRun::newDatabaseThenAssociationThenLogin()
{
    if (TestDatabase::onServer())
        QSKIP("a database on this computer: the embedded run covers it");

    QString headingBefore, fileShown;
    Driver assistant(activeModal<FirstRunAssistant>, [&] {
        FirstRunAssistant *a = activeModal<FirstRunAssistant>();
        choose(a, "rbNovo");
        fileShown = child<QLabel>(a, "lblArquivoNovo")->text();
        headingBefore = pageHeading(a);
        click(a, "btnAvancar"); // makes the database, then asks for the association
        fillAssociation(a, Association());
    });
    // The database is made while the assistant's step runs: the later
    // windows get a minute.
    Driver login(
        activeModal<TfrmLogin>, [] { logIn(activeModal<TfrmLogin>(), u"11222333000181"_s, u"maria"_s, u"segredo1"_s); },
        60000);
    QString user, association;
    Driver mainWindow([] { return frmPrincipal && frmPrincipal->isVisible(); },
                      [&] {
                          user = frmPrincipal->panelText(0);
                          association = frmPrincipal->panelText(1);
                          frmPrincipal->actSair()->trigger();
                      },
                      60000);
    MessageDialogHook messages;
    QTemporaryDir ini;
    Startup startup;
    startup.iniDirectory = ini.path();
    QCOMPARE(startup.run(), 0);

    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(u" | "_s)));
    QVERIFY(assistant.done);
    QCOMPARE(headingBefore, u"Criar um banco de dados novo neste computador"_s);
    QCOMPARE(fileShown, QDir::toNativeSeparators(newDatabase()));
    QVERIFY(login.done);
    QVERIFY(mainWindow.done);
    QCOMPARE(user, u"MARIA SOUZA"_s);
    QCOMPARE(association, u"ASSOCIAÇÃO COMERCIAL DE ITU"_s);

    // The definition in the user's folder, for its owner only, names the
    // new database in the user's data folder.
    QCOMPARE(fileMode(definitions()), mode_t(0600));
    const ConnectionSettings settings = ConnectionSettings::load(definitions(), u"Ulmora"_s);
    QVERIFY(settings.isEmbedded());
    QCOMPARE(settings.database, newDatabase());

    // Payment methods and cities, one association and its master user,
    // no demonstration data.
    FbConnection connection(settings);
    QCOMPARE(count(connection, u"select count(*) from CIDADE"_s), 5571);
    QCOMPARE(count(connection, u"select count(*) from PAGAMENTO_FPG"_s), 7);
    QCOMPARE(count(connection, u"select count(*) from ASSOCIADO"_s), 0);
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO where ASS_A_CNPJ = '11222333000181' "
                               "and ASS_A_ABL = 'S'"_s),
             1);
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO_USUARIO where USU_A_USU = 'MARIA' "
                               "and USU_A_SEN = 'SEGREDO1' and USU_A_MST = 'S' and USU_A_ABL = 'S'"_s),
             1);

    // Closing the main window made the new database's first backup copy,
    // beside it; the program's ini file went to the folder it was given.
    QCOMPARE(BackupFolder(BackupFolder::besideDatabase(settings), BackupFolder::databaseName(settings)).copies().size(),
             1);
    QVERIFY(QFile::exists(QDir(ini.path()).filePath(TfrmLogin::nomeIni())));
}

void tst_FirstRun::cancelWritesNothingAndEndsTheRun_data()
{
    QTest::addColumn<bool>("members");
    QTest::newRow("ulmora") << false;
    QTest::newRow("ulmora-associado") << true;
}

void tst_FirstRun::cancelWritesNothingAndEndsTheRun()
{
    QFETCH(bool, members);

    bool loginShown = false;
    Driver cancel(activeModal<FirstRunAssistant>, [] { click(activeModal<FirstRunAssistant>(), "btnCancela"); });
    Driver login([] { return activeModal<QDialog>() && !activeModal<FirstRunAssistant>(); },
                 [&] {
                     loginShown = true;
                     QApplication::activeModalWidget()->close();
                 },
                 3000);
    QTemporaryDir ini;
    int status = -1;
    if (members) {
        StartupAcd startup;
        startup.iniDirectory = ini.path();
        status = startup.run();
    } else {
        Startup startup;
        startup.iniDirectory = ini.path();
        status = startup.run();
    }
    QCOMPARE(status, 0);
    QVERIFY(cancel.done);
    QVERIFY(!loginShown);
    QVERIFY(!QFile::exists(definitions()));
    QVERIFY(!QFile::exists(newDatabase()));
}

void tst_FirstRun::existingFile_data()
{
    QTest::addColumn<bool>("withAssociation");
    QTest::newRow("with an association: straight to the login") << true;
    QTest::newRow("without one: asks for it") << false;
}

void tst_FirstRun::existingFile()
{
    QFETCH(bool, withAssociation);
    if (TestDatabase::onServer())
        QSKIP("a database file on this computer: the embedded run covers it");
    const auto db = fileDatabase(withAssociation);
    QVERIFY2(db->isValid(), qPrintable(db->error()));

    MessageDialogHook messages;
    WidgetFeedback feedback;
    FirstRunAssistant assistant;
    assistant.show();
    choose(&assistant, "rbExistente");
    QCOMPARE(pageHeading(&assistant), u"Usar um banco de dados existente"_s);

    // A file that isn't there is refused where it was typed.
    typeInto(&assistant, "edtArquivo", db->path() + u".x"_s);
    click(&assistant, "btnAvancar");
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.at(0).text.contains(u"não foi encontrado"_s));
    QCOMPARE(pageHeading(&assistant), u"Usar um banco de dados existente"_s);

    typeInto(&assistant, "edtArquivo", db->path());
    click(&assistant, "btnAvancar");
    if (!withAssociation) {
        QVERIFY(assistant.isVisible());
        QCOMPARE(pageHeading(&assistant), u"A associação e o primeiro usuário"_s);
        QVERIFY(!QFile::exists(definitions()));
        fillAssociation(&assistant, Association());
    }
    QCOMPARE(assistant.result(), int(QDialog::Accepted));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(ConnectionSettings::load().database, db->path());
    QCOMPARE(fileMode(definitions()), mode_t(0600));

    FbConnection connection(db->settings());
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO"_s), 1);
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO_USUARIO"_s), withAssociation ? 0 : 1);
}

void tst_FirstRun::associationRefusals_data()
{
    QTest::addColumn<Association>("association");
    QTest::addColumn<QString>("message");

    Association a;
    a.cnpj = u"11.222.333/0001-82"_s;
    QTest::newRow("CNPJ with a wrong check digit") << a << u"CNPJ inválido"_s;
    a = Association();
    a.cnpj = u"11.222.333"_s;
    QTest::newRow("CNPJ cut short") << a << u"CNPJ inválido"_s;
    a = Association();
    a.name = QString();
    QTest::newRow("no name") << a << u"Informe o nome da associação."_s;
    a = Association();
    a.login = QString(31, u'L');
    QTest::newRow("login longer than its column") << a << u"O login deve ter no máximo 30 caracteres."_s;
    a = Association();
    a.confirmation = u"segredo2"_s;
    QTest::newRow("confirmation differs") << a << u"A confirmação não confere com a senha."_s;
    a = Association();
    a.password = a.confirmation = QString();
    QTest::newRow("no password") << a << u"Informe a senha."_s;
}

void tst_FirstRun::associationRefusals()
{
    QFETCH(Association, association);
    QFETCH(QString, message);
    if (TestDatabase::onServer())
        QSKIP("a database file on this computer: the embedded run covers it");
    const auto db = fileDatabase(false);
    QVERIFY2(db->isValid(), qPrintable(db->error()));

    MessageDialogHook messages;
    WidgetFeedback feedback;
    FirstRunAssistant assistant;
    assistant.show();
    choose(&assistant, "rbExistente");
    typeInto(&assistant, "edtArquivo", db->path());
    click(&assistant, "btnAvancar");
    fillAssociation(&assistant, association);

    QCOMPARE(messages.texts(), QStringList{message});
    QVERIFY(assistant.isVisible());
    QCOMPARE(pageHeading(&assistant), u"A associação e o primeiro usuário"_s);
    QVERIFY(!QFile::exists(definitions()));
    assistant.reject();
    FbConnection connection(db->settings());
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO"_s), 0);
    QCOMPARE(count(connection, u"select count(*) from ASSOCIACAO_USUARIO"_s), 0);
}

void tst_FirstRun::serverTriedBeforeItIsKept()
{
    if (!TestDatabase::onServer())
        QSKIP("needs the Firebird server: tst_firstrun_server runs it");
    const auto db = fileDatabase(false);
    QVERIFY2(db->isValid(), qPrintable(db->error()));
    const ConnectionSettings server = db->settings();

    MessageDialogHook messages;
    WidgetFeedback feedback;
    FirstRunAssistant assistant;
    assistant.show();
    choose(&assistant, "rbServidor");
    typeInto(&assistant, "edtServidor", server.server);
    typeInto(&assistant, "spnPorta", QString::number(server.port));
    typeInto(&assistant, "edtBanco", server.database);
    QCOMPARE(child(&assistant, "edtUsuarioBanco")->text(), u"ULMORA"_s);
    typeInto(&assistant, "edtSenhaBanco", server.password + u"x"_s);
    click(&assistant, "btnAvancar");

    // Refused, and nothing kept.
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.at(0).kind, MessageDialog::Kind::Error);
    QVERIFY2(messages.shown.at(0).text.startsWith(u"Não foi possível conectar ao servidor: "_s),
             qPrintable(messages.shown.at(0).text));
    QCOMPARE(pageHeading(&assistant), u"Conectar a um servidor"_s);
    QVERIFY(!QFile::exists(definitions()));

    typeInto(&assistant, "edtSenhaBanco", server.password);
    click(&assistant, "btnAvancar");
    QCOMPARE(messages.shown.size(), 1);
    // The database has no association yet: the program's user stores it.
    QCOMPARE(pageHeading(&assistant), u"A associação e o primeiro usuário"_s);
    fillAssociation(&assistant, Association());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(assistant.result(), int(QDialog::Accepted));

    QCOMPARE(fileMode(definitions()), mode_t(0600));
    const ConnectionSettings saved = ConnectionSettings::load();
    QCOMPARE(saved.server, server.server);
    QCOMPARE(saved.port, server.port);
    QCOMPARE(saved.database, server.database);
    QCOMPARE(saved.userName, u"ULMORA"_s);
    QCOMPARE(saved.password, server.password);

    // The first master user logs in through the saved definition.
    TDM dm(saved);
    QVERIFY(dm.LeAssociacao(u"11222333000181"_s));
    QVERIFY(dm.LeUsuarioLogin(AssociacaoAtual->id(), u"MARIA"_s, u"SEGREDO1"_s) != nullptr);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_FirstRun test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_firstrun.moc"
