// Where the programs find their connection definition and keep their ini
// files, from a build folder (everything beside the executable) and
// installed (an executable folder the user can't write): temporary folders
// stand for the executable's folder and the user's configuration folder.

#include "ConnectionSettings.h"
#include "FbError.h"
#include "ProgramFolders.h"
#include "RememberedValue.h"
#include "TemporaryUserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void writeDefinition(const QString &file, const QString &database)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(file));
    out.write(u"[Ulmora]\nDatabase=%1\n"_s.arg(database).toUtf8());
}

// Runs `check` as an ordinary user when the tests run as root, who may
// write in any folder: the permissions under test are an office user's.
// The real user changes too (access() asks about it); root stays the saved
// one, so the test becomes root again afterwards.
template<typename F>
auto asOrdinaryUser(F check)
{
    const bool root = geteuid() == 0;
    if (root && setresuid(65534, 65534, 0) != 0)
        qFatal("setresuid failed");
    const auto result = check();
    if (root && setresuid(0, 0, 0) != 0)
        qFatal("setresuid back failed");
    return result;
}

// The file's permission bits, as ls shows them.
mode_t fileMode(const QString &file)
{
    struct stat info = {};
    return stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(-1);
}

} // namespace

class tst_ProgramFolders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void definitionSearchOrder_data();
    void definitionSearchOrder();
    void environmentNamesTheOnlyFile();
    void noDefinitionAnywhere();
    void iniBesideAWritableExecutableElseInTheUserFolder_data();
    void iniBesideAWritableExecutableElseInTheUserFolder();
    void savedDefinitionReadsBackOwnerOnly_data();
    void savedDefinitionReadsBackOwnerOnly();
    void savedDefinitionRefusesALineBreak();

private:
    // A folder standing for the executable's: the test's own folder is
    // shared with the other tests.
    QString executable() const { return m_executable.path(); }
    QString beside() const { return m_executable.filePath(u"connections.ini"_s); }
    QString inUserFolder() const { return QDir(ProgramFolders::userConfig()).filePath(u"connections.ini"_s); }

    TemporaryUserFolders m_userFolders;
    QTemporaryDir m_executable;
};

void tst_ProgramFolders::initTestCase()
{
    // The user's folders are the test's own (m_userFolders).
    QVERIFY(ProgramFolders::userConfig().startsWith(m_userFolders.path()));
    qunsetenv("ULMORA_CONNECTION_DEFS");
    QVERIFY2(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(u"connections.ini"_s)),
             "the test's folder must not hold a connections.ini");
}

void tst_ProgramFolders::cleanup()
{
    qunsetenv("ULMORA_CONNECTION_DEFS");
    QFile::remove(beside());
    QDir(ProgramFolders::userConfig()).removeRecursively();
}

void tst_ProgramFolders::definitionSearchOrder_data()
{
    QTest::addColumn<bool>("environment");
    QTest::addColumn<bool>("besideExecutable");
    QTest::addColumn<bool>("userFolder");
    QTest::addColumn<QString>("found");

    QTest::newRow("all three: the environment's") << true << true << true << u"env.fdb"_s;
    QTest::newRow("beside the executable before the user's") << false << true << true << u"beside.fdb"_s;
    QTest::newRow("the user's folder") << false << false << true << u"user.fdb"_s;
}

void tst_ProgramFolders::definitionSearchOrder()
{
    QFETCH(bool, environment);
    QFETCH(bool, besideExecutable);
    QFETCH(bool, userFolder);
    QFETCH(QString, found);

    QTemporaryDir other;
    if (environment) {
        const QString file = other.filePath(u"elsewhere.ini"_s);
        writeDefinition(file, u"/x/env.fdb"_s);
        qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(file));
    }
    if (besideExecutable)
        writeDefinition(beside(), u"/x/beside.fdb"_s);
    if (userFolder)
        writeDefinition(inUserFolder(), u"/x/user.fdb"_s);

    const QString file = ProgramFolders::connectionDefinition(executable());
    QCOMPARE(QFileInfo(ConnectionSettings::load(file, u"Ulmora"_s).database).fileName(), found);
    const QStringList candidates = ProgramFolders::connectionDefinitionCandidates(executable());
    if (!environment) {
        QCOMPARE(candidates, QStringList({beside(), inUserFolder(), u"/etc/ulmora/connections.ini"_s}));
    }
}

void tst_ProgramFolders::environmentNamesTheOnlyFile()
{
    // A file the environment names is the one, also when it is missing:
    // the definitions elsewhere are not taken in its place.
    writeDefinition(inUserFolder(), u"/x/user.fdb"_s);
    QTemporaryDir other;
    const QString missing = other.filePath(u"missing.ini"_s);
    qputenv("ULMORA_CONNECTION_DEFS", QFile::encodeName(missing));
    QCOMPARE(ConnectionSettings::definitionsFile(), missing);
    QVERIFY_THROWS_EXCEPTION(FbError, ConnectionSettings::load());
}

void tst_ProgramFolders::noDefinitionAnywhere()
{
    if (QFile::exists(u"/etc/ulmora/connections.ini"_s))
        QSKIP("this machine has a system-wide connection definition");
    QCOMPARE(ConnectionSettings::definitionsFile(), QString());
    try {
        ConnectionSettings::load();
        QFAIL("load() found a definition");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(inUserFolder()), qPrintable(error.message()));
    }
}

void tst_ProgramFolders::iniBesideAWritableExecutableElseInTheUserFolder_data()
{
    QTest::addColumn<int>("permissions");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable: a build folder") << 0777 << true;
    QTest::newRow("read-only: installed") << 0555 << false;
}

void tst_ProgramFolders::iniBesideAWritableExecutableElseInTheUserFolder()
{
    QFETCH(int, permissions);
    QFETCH(bool, beside);

    QTemporaryDir executable;
    QCOMPARE(chmod(QFile::encodeName(executable.path()).constData(), mode_t(permissions)), 0);
    const QString folder = asOrdinaryUser([&] { return ProgramFolders::iniFolder(executable.path()); });
    chmod(QFile::encodeName(executable.path()).constData(), 0700);
    QCOMPARE(folder, beside ? executable.path() : ProgramFolders::userConfig());

    // Written and read in that one place; the user's folder is made when
    // it is missing.
    const QString ini = QDir(folder).filePath(u"ul_associacao.ini"_s);
    writeRememberedValue(ini, u"Login/CNPJ"_s, u"11222333000181"_s);
    QCOMPARE(readRememberedValue(ini, u"Login/CNPJ"_s), u"11222333000181"_s);
    QCOMPARE(QFile::exists(executable.filePath(u"ul_associacao.ini"_s)), beside);
}

void tst_ProgramFolders::savedDefinitionReadsBackOwnerOnly_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("password");

    QTest::newRow("local file") << QString() << 0 << u"/home/escritório/dados/ulmora.fdb"_s << QString();
    QTest::newRow("server, awkward password")
        << u"servidor"_s << 3051 << u"/srv/ulmora/ulmora.fdb"_s << u"  a;b \"c\" ; d "_s;
}

void tst_ProgramFolders::savedDefinitionReadsBackOwnerOnly()
{
    QFETCH(QString, server);
    QFETCH(int, port);
    QFETCH(QString, database);
    QFETCH(QString, password);

    ConnectionSettings settings;
    settings.server = server;
    settings.port = port;
    settings.database = database;
    settings.userName = server.isEmpty() ? u"SYSDBA"_s : u"ULMORA"_s;
    settings.password = password;
    settings.save(inUserFolder());

    QCOMPARE(fileMode(inUserFolder()), mode_t(0600));
    QCOMPARE(fileMode(ProgramFolders::userConfig()), mode_t(0700));
    const ConnectionSettings read = ConnectionSettings::load();
    QCOMPARE(read.server, server);
    QCOMPARE(read.port, port);
    QCOMPARE(read.database, database);
    QCOMPARE(read.userName, settings.userName);
    QCOMPARE(read.password, password);
    QCOMPARE(read.characterSet, u"UTF8"_s);
}

void tst_ProgramFolders::savedDefinitionRefusesALineBreak()
{
    ConnectionSettings settings;
    settings.database = u"/x/ulmora.fdb"_s;
    settings.password = u"a\nb"_s;
    QVERIFY_THROWS_EXCEPTION(FbError, settings.save(inUserFolder()));
    QVERIFY(!QFile::exists(inUserFolder()));
}

QTEST_GUILESS_MAIN(tst_ProgramFolders)
#include "tst_programfolders.moc"
