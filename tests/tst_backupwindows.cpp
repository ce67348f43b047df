// The backup windows of the association's program: the backup dialog makes a
// copy into the folder it remembers, the backup at the end runs only when the
// last copy is more than a day old, the restore asks before it replaces the
// database and leaves everything as it was when refused or answered no, and
// only a master user reaches any of it.

#include "BackupFolder.h"
#include "BackupPlace.h"
#include "ConnectionSettings.h"
#include "DataModules.h"
#include "FbConnection.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "TableCounts.h"
#include "VerifiedBackup.h"
#include "uCopiaAutomatica.h"
#include "uCopiaSeguranca.h"
#include "uDM.h"
#include "uPrincipal.h"
#include "uRestaurarCopia.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime now(QDate(2026, 12, 11), QTime(18, 0));

QString readAll(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

} // namespace

class tst_BackupWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dialogMakesACopyInTheRememberedFolder();
    void backupAtTheEndOnlyWhenDue_data();
    void backupAtTheEndOnlyWhenDue();
    void restoreAnsweredNoOrRefusedChangesNothing_data();
    void restoreAnsweredNoOrRefusedChangesNothing();
    void restoreAnsweredYesReplacesTheDatabase();
    void masterUsersOnly_data();
    void masterUsersOnly();

private:
    QTemporaryDir m_dir;
    QString m_ini;
};

void tst_BackupWindows::initTestCase()
{
    if (!qEnvironmentVariableIsSet("ULMORA_RESTORE_HELPER"))
        qputenv("ULMORA_RESTORE_HELPER", ULMORA_RESTORE_HELPER);
    QVERIFY(m_dir.isValid());
}

void tst_BackupWindows::init()
{
    m_ini = m_dir.filePath(QStringLiteral("%1.ini").arg(QString::fromLatin1(QTest::currentTestFunction())));
    QFile::remove(m_ini);
}

void tst_BackupWindows::dialogMakesACopyInTheRememberedFolder()
{
    if (TestDatabase::onServer())
        QSKIP("the program's user may not back up on the server (tst_backup)");
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = m_dir.filePath(QStringLiteral("copias-do-dialogo"));

    {
        TfrmCopiaSeguranca dialog(db.settings(), m_ini);
        QCOMPARE(dialog.pasta(), QFileInfo(db.path()).absolutePath()); // beside the database at first
        QCOMPARE(dialog.ultimaCopia(), QStringLiteral("Última cópia: nenhuma nesta pasta"));
        dialog.setPasta(folder);
    }
    QCOMPARE(BackupPlace::folder(m_ini, db.settings()), folder);

    TfrmCopiaSeguranca dialog(db.settings(), m_ini);
    QCOMPARE(dialog.pasta(), folder);
    dialog.show();
    MessageDialogHook messages;
    QTest::mouseClick(dialog.btnCopiar(), Qt::LeftButton);
    const QList<DatedCopy> copies = BackupFolder(folder, QFileInfo(db.path()).completeBaseName()).copies();
    QCOMPARE(copies.size(), 1);
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Cópia de segurança gravada e conferida em %1.").arg(copies.first().path)});
    QCOMPARE(messages.shown.first().kind, MessageDialog::Kind::Information);
    QCOMPARE(dialog.pbCopia()->value(), 100);
    QCOMPARE(dialog.ultimaCopia(),
             QStringLiteral("Última cópia: %1").arg(copies.first().taken.toString(QStringLiteral("dd/MM/yyyy HH:mm"))));
    QVERIFY(dialog.btnCopiar()->isEnabled());

    // A folder that can't be made: said in plain Portuguese.
    messages.clear();
    const QString blocker = m_dir.filePath(QStringLiteral("um-arquivo"));
    QFile(blocker).open(QIODevice::WriteOnly);
    dialog.setPasta(blocker + QStringLiteral("/copias"));
    QTest::mouseClick(dialog.btnCopiar(), Qt::LeftButton);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().kind, MessageDialog::Kind::Error);
    QVERIFY2(messages.shown.first().text.startsWith(QStringLiteral("A cópia de segurança não foi feita: a pasta ")),
             qPrintable(messages.shown.first().text));
}

void tst_BackupWindows::backupAtTheEndOnlyWhenDue_data()
{
    QTest::addColumn<int>("hoursSinceLastCopy");
    QTest::addColumn<bool>("made");
    QTest::newRow("never") << -1 << true;
    QTest::newRow("this morning") << 10 << false;
    QTest::newRow("a day and an hour ago") << 25 << true;
}

void tst_BackupWindows::backupAtTheEndOnlyWhenDue()
{
    QFETCH(int, hoursSinceLastCopy);
    QFETCH(bool, made);
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = m_dir.filePath(QStringLiteral("fim-%1").arg(hoursSinceLastCopy));
    QDir().mkpath(folder);
    BackupPlace::remember(m_ini, folder);
    const BackupFolder copies(folder, QFileInfo(db.path()).completeBaseName());
    if (hoursSinceLastCopy >= 0)
        QFile(copies.copyPath(now.addSecs(-3600 * hoursSinceLastCopy))).open(QIODevice::WriteOnly);
    const qsizetype before = copies.copies().size();

    MessageDialogHook messages;
    const bool attempted = copiaAoSair(db.settings(), m_ini, [] { return now; });
    if (TestDatabase::onServer()) {
        // On a server the copies are the administrator's.
        QVERIFY(!attempted);
        QCOMPARE(copies.copies().size(), before);
        return;
    }
    QCOMPARE(attempted, made);
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(copies.copies().size(), before + (made ? 1 : 0));
    if (made)
        QCOMPARE(copies.copies().constLast().taken, now);
}

void tst_BackupWindows::restoreAnsweredNoOrRefusedChangesNothing_data()
{
    QTest::addColumn<bool>("cut");
    QTest::newRow("answered no") << false;
    QTest::newRow("cut copy") << true;
}

void tst_BackupWindows::restoreAnsweredNoOrRefusedChangesNothing()
{
    if (TestDatabase::onServer())
        QSKIP("the program restores only on the embedded engine");
    QFETCH(bool, cut);
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = m_dir.filePath(QStringLiteral("restaurar-%1").arg(cut));
    const VerifiedBackup::Result copy = VerifiedBackup(db.settings(), folder).run();
    QVERIFY2(copy.ok, qPrintable(copy.message));
    if (cut)
        QVERIFY(QFile(copy.file).resize(QFileInfo(copy.file).size() / 2));
    const QString definitions = db.writeDefinitions();
    const QString written = readAll(definitions);
    const QStringList beside = QDir(QFileInfo(db.path()).absolutePath()).entryList(QDir::Files);

    MessageDialogHook messages;
    messages.queueAnswer(QMessageBox::No);
    QVERIFY(!restaurarCopia(db.settings(), copy.file, definitions));
    QCOMPARE(messages.shown.size(), 1);
    if (cut) {
        QCOMPARE(messages.shown.first().kind, MessageDialog::Kind::Error);
        QVERIFY2(messages.shown.first().text.endsWith(QStringLiteral("Nada foi alterado.")),
                 qPrintable(messages.shown.first().text));
    } else {
        QCOMPARE(messages.shown.first().kind, MessageDialog::Kind::Confirmation);
        QVERIFY2(messages.shown.first().text.contains(
                     BackupFolder::takenAt(copy.file).toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm"))),
                 qPrintable(messages.shown.first().text));
    }
    QCOMPARE(readAll(definitions), written);
    QCOMPARE(QDir(QFileInfo(db.path()).absolutePath()).entryList(QDir::Files), beside);
}

void tst_BackupWindows::restoreAnsweredYesReplacesTheDatabase()
{
    if (TestDatabase::onServer())
        QSKIP("the program restores only on the embedded engine");
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString definitions = db.writeDefinitions();
    qputenv("ULMORA_CONNECTION_DEFS", definitions.toUtf8());
    const QString folder = m_dir.filePath(QStringLiteral("restaurar-sim"));
    const VerifiedBackup::Result copy = VerifiedBackup(db.settings(), folder).run();
    QVERIFY2(copy.ok, qPrintable(copy.message));

    // The main window, as a master user, with the database open.
    TDM dm(db.settings());
    DM = &dm;
    UsuarioLogado = TUsuarioLogado();
    UsuarioLogado.nome = QStringLiteral("ADMINISTRADOR");
    UsuarioLogado.mst = QStringLiteral("S");
    {
        TfrmPrincipal principal;
        principal.show();
        MessageDialogHook messages;
        messages.queueAnswer(QMessageBox::Yes);
        principal.restaurar(copy.file);
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown.at(1).kind, MessageDialog::Kind::Information);
        QVERIFY2(messages.shown.at(1).text.endsWith(QStringLiteral("O programa será fechado: abra-o novamente.")),
                 qPrintable(messages.shown.at(1).text));
        QVERIFY(principal.bancoSubstituido());
        QVERIFY(!principal.isVisible());
    }
    DM = nullptr;
    qunsetenv("ULMORA_CONNECTION_DEFS");
    UsuarioLogado = TUsuarioLogado();

    const ConnectionSettings pointed = ConnectionSettings::load(definitions, QStringLiteral("Ulmora"));
    QVERIFY(pointed.database != db.path());
    QCOMPARE(QFileInfo(pointed.database).absolutePath(), QFileInfo(db.path()).absolutePath());
    QCOMPARE(countRows(pointed).value(QStringLiteral("ASSOCIADO")), 8);
    const QStringList kept
        = QDir(QFileInfo(db.path()).absolutePath()).entryList({QStringLiteral("test-substituido-*.fdb")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(!QFileInfo::exists(db.path()));
}

void tst_BackupWindows::masterUsersOnly_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("Cópia de segurança") << false;
    QTest::newRow("Restaurar") << true;
}

void tst_BackupWindows::masterUsersOnly()
{
    QFETCH(bool, restore);
    DataModules modules(QString(), DataModules::DataAccess, TestDatabase::SchemaOnly);
    QVERIFY2(modules.isValid(), qPrintable(modules.error()));
    UsuarioLogado = TUsuarioLogado();
    UsuarioLogado.nome = QStringLiteral("OPERADOR");
    UsuarioLogado.mst = QStringLiteral("N");
    TfrmPrincipal principal;
    principal.setIniFile(m_ini);
    MessageDialogHook messages;
    QAction *action = restore ? principal.actRestaurar() : principal.actCopiaSeguranca();
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("OPERADOR, você não tem permissão para essa ação.")});
    QVERIFY(!QApplication::activeModalWidget());
    UsuarioLogado = TUsuarioLogado();
}

QTEST_MAIN(tst_BackupWindows)
#include "tst_backupwindows.moc"
