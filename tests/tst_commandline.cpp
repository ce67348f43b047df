// ulmora --backup as an administrator's scheduled task runs it: no display,
// nothing on standard input; it prints where the copy went and answers 0, or
// prints why not and answers 1. --help lists it.

#include "BackupFolder.h"
#include "FbConnection.h"
#include "TestDatabase.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run ulmora(const QStringList &arguments, const QString &definitions)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // As cron starts it: no display, no platform chosen.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("ULMORA_CONNECTION_DEFS"), definitions);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(ULMORA_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void backupIntoAFolder();
    void backupRefusedSaysWhy();
    void helpListsBackup();
};

void tst_CommandLine::backupIntoAFolder()
{
    if (TestDatabase::onServer())
        QSKIP("on the server the program's user is refused (backupRefusedSaysWhy)");
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    QTemporaryDir folder;
    const Run run = ulmora({QStringLiteral("--backup"), folder.path()}, db.writeDefinitions());
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QList<DatedCopy> copies = BackupFolder(folder.path(), QFileInfo(db.path()).completeBaseName()).copies();
    QCOMPARE(copies.size(), 1);
    QCOMPARE(run.out, QStringLiteral("Cópia de segurança gravada em %1\n").arg(copies.first().path));
    QCOMPARE(run.err, QString());
}

void tst_CommandLine::backupRefusedSaysWhy()
{
    TestDatabase db(TestDatabase::SchemaOnly);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("nao-existe.ini"));
    Run run = ulmora({QStringLiteral("--backup"), folder.path()}, missing);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QStringLiteral("Arquivo de definições de conexão não encontrado: %1\n").arg(missing));
    QCOMPARE(run.out, QString());

    if (!TestDatabase::onServer()) {
        // The embedded engine lets one process hold the file: this one does.
        FbConnection holder(db.settings());
        run = ulmora({QStringLiteral("--backup"), folder.path()}, db.writeDefinitions());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("A cópia de segurança não foi feita: o banco de dados %1 está aberto em "
                                         "outro programa (feche-o e tente de novo). As cópias anteriores foram "
                                         "mantidas.\n")
                              .arg(db.path()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    } else {
        // The program's own user may not back up a server's database.
        run = ulmora({QStringLiteral("--backup"), QFileInfo(db.path()).absolutePath()}, db.writeDefinitions());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("A cópia de segurança não foi feita: o usuário ULMORA não tem "
                                                   "permissão")),
                 qPrintable(run.err));
    }
}

void tst_CommandLine::helpListsBackup()
{
    const Run run = ulmora({QStringLiteral("--help")}, QString());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(QStringLiteral("--backup")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("[PASTA]")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("Opções:")), qPrintable(run.out));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
