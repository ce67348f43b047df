// Backup copies: a verified copy restores to the same rows, a cut copy is
// refused at restore and changes nothing, the rotation keeps 7 daily and 4
// weekly copies over two months, and a failed backup keeps every older copy.

#include "BackupFolder.h"
#include "BackupRotation.h"
#include "ConnectionSettings.h"
#include "DatabaseRestore.h"
#include "FbConnection.h"
#include "FbError.h"
#include "FbStatement.h"
#include "TableCounts.h"
#include "TestDatabase.h"
#include "VerifiedBackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A member, a contact, a partner, a negative-list row come with the demo
// data; the finance tables get an entry of their own.
const auto financeRows = QStringLiteral(
    "insert into ASSOCIADO_CONTA_GRP (GRP_A_DSC, GRP_A_TIP, ACD_I_COD) select 'VENDAS', 'C', min(ACD_I_COD) from "
    "ASSOCIADO;\n"
    "insert into ASSOCIADO_CONTA (CON_A_DSC, GRP_I_COD) select 'BALCÃO', max(GRP_I_COD) from ASSOCIADO_CONTA_GRP;\n"
    "insert into ASSOCIADO_PAGAMENTO (CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, "
    "PAG_D_VNC, PAG_A_STS, ACD_I_COD) select max(c.CON_I_COD), 'VENDA À VISTA', 1, 1, current_date, 150.25, "
    "current_date, 'A', max(g.ACD_I_COD) from ASSOCIADO_CONTA c join ASSOCIADO_CONTA_GRP g on g.GRP_I_COD = "
    "c.GRP_I_COD;\n");

const QDateTime calendarStart(QDate(2026, 10, 1), QTime(18, 30));

// One copy a day at the same hour, as the program's end makes them.
QDateTime day(int n)
{
    return calendarStart.addDays(n);
}

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class tst_Backup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void backupThenRestoreKeepsEveryRow();
    void cutCopyIsRefusedAndChangesNothing_data();
    void cutCopyIsRefusedAndChangesNothing();
    void restoreOnServerIsRefused();
    void reportedCountsOfLargeTables();
    void rotationOverTwoMonths();
    void rotationKeepsNewestOfADay();
    void rotationAfterAVerifiedCopyOnly();
    void failedBackupKeepsOlderCopies();
    void dueWhenLastCopyIsOlderThanADay_data();
    void dueWhenLastCopyIsOlderThanADay();

private:
    // SYSDBA on the server: the program's user may not back up there.
    ConnectionSettings backupSettings(const TestDatabase &db) const;
    // Where a backup of `db` may go: the engine writes it.
    QString backupFolder(const TestDatabase &db, const QString &name) const;
    QTemporaryDir m_dir;
    mutable QStringList m_serverFolders;
};

void tst_Backup::initTestCase()
{
    if (!qEnvironmentVariableIsSet("ULMORA_RESTORE_HELPER"))
        qputenv("ULMORA_RESTORE_HELPER", ULMORA_RESTORE_HELPER);
    QVERIFY(m_dir.isValid());
}

void tst_Backup::cleanup()
{
    for (const QString &folder : std::as_const(m_serverFolders))
        QDir(folder).removeRecursively();
    m_serverFolders.clear();
}

ConnectionSettings tst_Backup::backupSettings(const TestDatabase &db) const
{
    return TestDatabase::onServer() ? db.ownerSettings() : db.settings();
}

QString tst_Backup::backupFolder(const TestDatabase &db, const QString &name) const
{
    // The server process writes into its own data folder; this test (root)
    // may list, rename and remove there.
    const QString base = TestDatabase::onServer()
                             ? QFileInfo(db.path()).absolutePath() + u'/' + QFileInfo(db.path()).completeBaseName()
                             : m_dir.path();
    const QString folder = base + u'-' + name;
    QDir().mkpath(folder);
    if (TestDatabase::onServer())
        m_serverFolders << folder;
    if (TestDatabase::onServer())
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    return folder;
}

void tst_Backup::backupThenRestoreKeepsEveryRow()
{
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    QVERIFY2(db.run(financeRows), qPrintable(db.error()));
    // A temporary table comes back empty, as it went.
    QVERIFY2(db.run(QStringLiteral("create global temporary table RASCUNHO (X integer) on commit preserve rows;")),
             qPrintable(db.error()));
    const QString folder = backupFolder(db, QStringLiteral("copias"));

    const TableCounts before = countRows(backupSettings(db));
    for (const char16_t *table : {u"ASSOCIADO", u"ASSOCIADO_CONTATO", u"PARCEIRO", u"PARCEIRO_CONTATO",
                                  u"ASSOCIADO_PAGAMENTO", u"PARCEIRO_NEGATIVA"})
        QVERIFY2(before.value(QString::fromUtf16(table)) > 0, qPrintable(QString::fromUtf16(table)));

    QList<int> percents;
    VerifiedBackup backup(backupSettings(db), folder);
    backup.setClock([] { return day(0); });
    backup.setProgress([&](int percent, const QString &) { percents << percent; });
    const VerifiedBackup::Result made = backup.run();
    QVERIFY2(made.ok, qPrintable(made.message));
    QCOMPARE(made.file, BackupFolder(folder, QFileInfo(db.path()).completeBaseName()).copyPath(day(0)));
    QVERIFY(QFileInfo(made.file).size() > 0);
    // Only the copy: no provisional file, no scratch database.
    QCOMPARE(fileNames(folder), QStringList{QFileInfo(made.file).fileName()});
    QVERIFY(std::is_sorted(percents.cbegin(), percents.cend()));
    QCOMPARE(percents.last(), 100);

    if (TestDatabase::onServer())
        return; // the program restores only on the embedded engine

    // A member registered after the copy is gone once the copy is restored.
    {
        FbConnection connection(db.settings());
        FbStatement insert(connection, QStringLiteral("insert into ASSOCIADO (ACD_A_NOM, ASS_I_COD) select "
                                                      "'MEMBRO DEPOIS DA CÓPIA', min(ASS_I_COD) from ASSOCIACAO"));
        insert.execute();
    }
    QCOMPARE(countRows(db.settings()).value(QStringLiteral("ASSOCIADO")),
             before.value(QStringLiteral("ASSOCIADO")) + 1);

    DatabaseRestore restore(db.settings());
    restore.setClock([] { return day(1); });
    const QString prepared = restore.prepare(made.file);
    QCOMPARE(QFileInfo(prepared).absolutePath(), QFileInfo(db.path()).absolutePath());
    ConnectionSettings restored = db.settings();
    restored.database = prepared;
    QCOMPARE(countRows(restored), before);

    const QString definitions = db.writeDefinitions();
    QFile file(definitions);
    QVERIFY(file.open(QIODevice::Append));
    file.write("; the office's database\n[Outra]\nDatabase=/srv/outra.fdb\n");
    file.close();
    const QString kept = restore.replaceCurrent(prepared, definitions);
    QVERIFY(QFileInfo::exists(kept));
    QVERIFY(!QFileInfo::exists(db.path()));
    QVERIFY(kept.contains(day(1).toString(QStringLiteral("yyyyMMdd"))));
    QCOMPARE(ConnectionSettings::load(definitions, QStringLiteral("Ulmora")).database, prepared);
    QCOMPARE(ConnectionSettings::load(definitions, QStringLiteral("Outra")).database, QStringLiteral("/srv/outra.fdb"));
    QCOMPARE(ConnectionSettings::load(definitions, QStringLiteral("Ulmora")).userName, db.settings().userName);
    // The old file, renamed, still holds the member registered after the copy.
    ConnectionSettings old = db.settings();
    old.database = kept;
    QCOMPARE(countRows(old).value(QStringLiteral("ASSOCIADO")), before.value(QStringLiteral("ASSOCIADO")) + 1);
}

void tst_Backup::cutCopyIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<double>("kept");
    QTest::newRow("header only") << 0.001;
    QTest::newRow("half") << 0.5;
    QTest::newRow("all but the end") << 0.97;
}

void tst_Backup::cutCopyIsRefusedAndChangesNothing()
{
    if (TestDatabase::onServer())
        QSKIP("the program restores only on the embedded engine");
    QFETCH(double, kept);
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = backupFolder(db, QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
    VerifiedBackup backup(db.settings(), folder);
    const VerifiedBackup::Result made = backup.run();
    QVERIFY2(made.ok, qPrintable(made.message));

    QFile copy(made.file);
    QVERIFY(copy.resize(qMax<qint64>(1, qint64(double(copy.size()) * kept))));
    const QStringList beside = fileNames(QFileInfo(db.path()).absolutePath());

    DatabaseRestore restore(db.settings());
    try {
        restore.prepare(made.file);
        QFAIL("a cut copy was restored");
    } catch (const FbError &error) {
        QVERIFY2(error.message().startsWith(
                     QStringLiteral("A cópia %1 não pôde ser restaurada: ").arg(QFileInfo(made.file).fileName())),
                 qPrintable(error.message()));
        QVERIFY2(error.message().endsWith(QStringLiteral("Nada foi alterado.")), qPrintable(error.message()));
    }
    QCOMPARE(fileNames(QFileInfo(db.path()).absolutePath()), beside);
    QCOMPARE(countRows(db.settings()).value(QStringLiteral("ASSOCIADO")), 8);
}

void tst_Backup::restoreOnServerIsRefused()
{
    ConnectionSettings server;
    server.server = QStringLiteral("127.0.0.1");
    server.database = QStringLiteral("/srv/ulmora/ulmora.fdb");
    const QString copy = m_dir.filePath(QStringLiteral("ulmora-20261001-183000.fbk"));
    touch(copy);
    try {
        DatabaseRestore(server).prepare(copy);
        QFAIL("restored through a server");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("conectado a um servidor")), qPrintable(error.message()));
    }
}

void tst_Backup::reportedCountsOfLargeTables()
{
    // As the engine reports a table of 25,000 rows, an empty one and one
    // restored after it.
    const QStringList backup{QStringLiteral("gbak:    writing data for table ASSOCIADO "),
                             QStringLiteral("gbak:10000 records written"),
                             QStringLiteral("gbak:20000 records written"),
                             QStringLiteral("gbak:25000 records written "),
                             QStringLiteral("gbak:    writing data for table ASSOCIADO_CONTA "),
                             QStringLiteral("gbak:0 records written "),
                             QStringLiteral("gbak:writing indexes")};
    QCOMPARE(reportedCounts(backup),
             (TableCounts{{QStringLiteral("ASSOCIADO"), 25000}, {QStringLiteral("ASSOCIADO_CONTA"), 0}}));
    const QStringList restore{
        QStringLiteral("gbak:restoring data for table PARCEIRO "), QStringLiteral("gbak:   10000 records restored"),
        QStringLiteral("gbak:   13000 records restored "), QStringLiteral("gbak:    restoring index PK_PARCEIRO ")};
    QCOMPARE(reportedCounts(restore), (TableCounts{{QStringLiteral("PARCEIRO"), 13000}}));
    // Tables a restore leaves out are empty ones; a backup names them all.
    QCOMPARE(countDifferences(reportedCounts(restore), {{QStringLiteral("PARCEIRO"), 13000}, {QStringLiteral("X"), 0}},
                              true),
             QStringList());
    QCOMPARE(countDifferences(reportedCounts(backup), {{QStringLiteral("ASSOCIADO"), 25000}}, false),
             QStringList{QStringLiteral("tabela ASSOCIADO_CONTA não foi restaurada")});
    QCOMPARE(countDifferences(reportedCounts(backup),
                              {{QStringLiteral("ASSOCIADO"), 24999}, {QStringLiteral("ASSOCIADO_CONTA"), 0}}, false),
             QStringList{QStringLiteral("tabela ASSOCIADO: 25000 linhas na cópia, 24999 restauradas")});
}

void tst_Backup::rotationOverTwoMonths()
{
    // Sixty days of one copy a day, the rotation run after each new copy.
    QList<DatedCopy> folder;
    for (int n = 0; n < 60; ++n) {
        folder << DatedCopy{QString::number(n), day(n)};
        const QStringList removed = copiesToRemove(folder, day(n));
        folder.removeIf([&](const DatedCopy &c) { return removed.contains(c.path); });
        QVERIFY(!removed.contains(QString::number(n)));
    }
    QCOMPARE(folder.size(), 11);
    std::sort(folder.begin(), folder.end(), [](const DatedCopy &a, const DatedCopy &b) { return a.taken < b.taken; });
    // The last seven days...
    for (int i = 0; i < 7; ++i)
        QCOMPARE(folder.at(4 + i).taken, day(53 + i));
    // ...and before them the newest copy of each of four weeks: the calendar
    // starts on a Thursday, so the weeks end on days 52, 45, 38 and 31.
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(folder.at(i).taken, day(31 + 7 * i));
        QCOMPARE(folder.at(i).taken.date().dayOfWeek(), int(Qt::Sunday));
    }
}

void tst_Backup::rotationKeepsNewestOfADay()
{
    const QList<DatedCopy> copies{{QStringLiteral("morning"), day(0).addSecs(-8 * 3600)},
                                  {QStringLiteral("evening"), day(0)},
                                  {QStringLiteral("future"), day(30)}};
    QCOMPARE(copiesToRemove(copies, day(0)), QStringList{QStringLiteral("morning")});
}

void tst_Backup::rotationAfterAVerifiedCopyOnly()
{
    // Fifty-nine days of copies (empty files: the rotation reads only the
    // names), then the sixtieth made for real on the simulated calendar.
    TestDatabase db(TestDatabase::WithDemo);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = backupFolder(db, QStringLiteral("rotacao"));
    const BackupFolder copies(folder, QFileInfo(db.path()).completeBaseName());
    for (int n = 0; n < 59; ++n)
        touch(copies.copyPath(day(n)));
    touch(QDir(folder).filePath(QStringLiteral("leia-me.txt"))); // not a copy: never removed
    // What a run cut off halfway left behind does not stop this one (on the
    // server such files are the server's own, not this test's to make).
    if (!TestDatabase::onServer()) {
        touch(copies.copyPath(day(59)) + QStringLiteral(".parcial"));
        touch(QDir(folder).filePath(QFileInfo(copies.copyPath(day(59))).completeBaseName()
                                    + QStringLiteral("-verificacao.fdb")));
    }

    VerifiedBackup backup(backupSettings(db), folder);
    backup.setClock([] { return day(59); });
    const VerifiedBackup::Result made = backup.run();
    QVERIFY2(made.ok, qPrintable(made.message));
    QCOMPARE(made.removed.size(), 49);
    QCOMPARE(copies.copies().size(), 11);
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("leia-me.txt"))));
    QCOMPARE(fileNames(folder).size(), 12);
    QVERIFY(QFileInfo::exists(copies.copyPath(day(59))));
    QVERIFY(QFileInfo::exists(copies.copyPath(day(53))));
    QVERIFY(QFileInfo::exists(copies.copyPath(day(52)))); // the newest of its week
    QVERIFY(!QFileInfo::exists(copies.copyPath(day(51))));
    QVERIFY(QFileInfo::exists(copies.copyPath(day(31))));
    QVERIFY(!QFileInfo::exists(copies.copyPath(day(30))));
}

void tst_Backup::failedBackupKeepsOlderCopies()
{
    TestDatabase db(TestDatabase::SchemaOnly);
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    const QString folder = backupFolder(db, QStringLiteral("falha"));
    const BackupFolder copies(folder, QStringLiteral("sumido"));
    for (int n = 0; n < 30; ++n)
        touch(copies.copyPath(day(n)));

    // A database that is not there any more (on the server: one the
    // program's user may not back up).
    ConnectionSettings gone = db.settings();
    if (!TestDatabase::onServer())
        gone.database = QFileInfo(db.path()).dir().filePath(QStringLiteral("sumido.fdb"));
    else
        gone.database = QFileInfo(gone.database).dir().filePath(QStringLiteral("sumido.fdb"));
    VerifiedBackup backup(gone, folder);
    backup.setClock([] { return day(30); });
    const VerifiedBackup::Result failed = backup.run();
    QVERIFY(!failed.ok);
    QVERIFY2(failed.message.startsWith(QStringLiteral("A cópia de segurança não foi feita: ")),
             qPrintable(failed.message));
    QVERIFY2(failed.message.endsWith(QStringLiteral("As cópias anteriores foram mantidas.")),
             qPrintable(failed.message));
    QCOMPARE(copies.copies().size(), 30);
    QCOMPARE(fileNames(folder).size(), 30);

    if (TestDatabase::onServer()) {
        // The program's own user on the server is told why, in Portuguese.
        VerifiedBackup refused(db.settings(), folder);
        const VerifiedBackup::Result result = refused.run();
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(QStringLiteral("não tem permissão")), qPrintable(result.message));
        QCOMPARE(fileNames(folder).size(), 30);
    }
}

void tst_Backup::dueWhenLastCopyIsOlderThanADay_data()
{
    QTest::addColumn<int>("hoursAgo");
    QTest::addColumn<bool>("due");
    QTest::newRow("no copy") << -1 << true;
    QTest::newRow("an hour ago") << 1 << false;
    QTest::newRow("23 hours ago") << 23 << false;
    QTest::newRow("25 hours ago") << 25 << true;
    QTest::newRow("a week ago") << 24 * 7 << true;
}

void tst_Backup::dueWhenLastCopyIsOlderThanADay()
{
    QFETCH(int, hoursAgo);
    QFETCH(bool, due);
    QTemporaryDir folder;
    ConnectionSettings settings;
    settings.database = folder.filePath(QStringLiteral("ulmora.fdb"));
    const BackupFolder copies(folder.path(), QStringLiteral("ulmora"));
    touch(copies.copyPath(day(0).addDays(-30)));
    if (hoursAgo >= 0)
        touch(copies.copyPath(day(0).addSecs(-3600 * hoursAgo)));
    else
        QFile::remove(copies.copyPath(day(0).addDays(-30)));
    // Another database's copy in the same folder counts for nothing.
    touch(BackupFolder(folder.path(), QStringLiteral("outro")).copyPath(day(0)));

    VerifiedBackup backup(settings, folder.path());
    backup.setClock([] { return day(0); });
    QCOMPARE(backup.isDue(), due);
}

QTEST_GUILESS_MAIN(tst_Backup)
#include "tst_backup.moc"
