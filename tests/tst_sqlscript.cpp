// The program's own runner of isql scripts: how a script is cut into
// statements (terminators, SET TERM, strings, quoted names, comments), and
// how it runs them as isql does (schema statements committed at once, data
// statements up to COMMIT, the first failure stopping the run), and a new
// database made from our scripts or not at all.

#include "FbConnection.h"
#include "FbError.h"
#include "FbStatement.h"
#include "NewDatabase.h"
#include "SqlScript.h"
#include "SqlScriptRunner.h"
#include "TestDatabase.h"

#include <QFile>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_SqlScript : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void split_data();
    void split();
    void linesOfStatements();
    void ourScriptsSplitIntoWholeStatements_data();
    void ourScriptsSplitIntoWholeStatements();

    void schemaStatementsCommitAtOnceDataStatementsAtCommit();
    void procedureBodiesRunUnderSetTerm();
    void isqlSettings_data();
    void isqlSettings();
    void failureNamesTheScriptAndLine();
    void newDatabaseNeverTouchesAFileAndLeavesNothingHalfMade();

private:
    qint32 integer(const QString &sql);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<FbConnection> m_connection;
};

void tst_SqlScript::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    // The owner: the runner makes tables and procedures.
    m_connection = std::make_unique<FbConnection>(m_db->ownerSettings());
}

void tst_SqlScript::cleanupTestCase()
{
    m_connection.reset();
    m_db.reset();
}

qint32 tst_SqlScript::integer(const QString &sql)
{
    FbStatement statement(*m_connection, sql);
    auto rows = statement.open();
    return rows->next() ? rows->integerAt(0) : -1;
}

void tst_SqlScript::split_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("two statements, blanks and no final terminator")
        << u"  select 1 from rdb$database;\n\n select 2 from rdb$database"_s
        << QStringList{u"select 1 from rdb$database"_s, u"select 2 from rdb$database"_s};
    QTest::newRow("terminators inside strings and quoted names")
        << u"insert into T values ('a;b', 'it''s;'); select \"odd;name\" from T;"_s
        << QStringList{u"insert into T values ('a;b', 'it''s;')"_s, u"select \"odd;name\" from T"_s};
    QTest::newRow("comments between statements are skipped")
        << u"/* header; with a terminator */\n-- a line; comment\ncommit;\n/* tail */"_s << QStringList{u"commit"_s};
    QTest::newRow("comments inside a statement stay")
        << u"select 1 /* one; */ from rdb$database -- the end;\n;"_s
        << QStringList{u"select 1 /* one; */ from rdb$database -- the end;"_s};
    QTest::newRow("set term, in any case, for a body")
        << u"SET TERM ^ ;\ncreate procedure P as begin exit; end^\nset term ; ^\ncommit;"_s
        << QStringList{u"create procedure P as begin exit; end"_s, u"commit"_s};
    QTest::newRow("a terminator of two characters") << u"set term !! ;\na; b!!c!!"_s << QStringList{u"a; b"_s, u"c"_s};
    QTest::newRow("empty statements") << u";;  ;\n"_s << QStringList{};
    QTest::newRow("a string that never closes")
        << u"select 'open; from x; y"_s << QStringList{u"select 'open; from x; y"_s};
}

void tst_SqlScript::split()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);

    QStringList texts;
    for (const SqlScriptStatement &statement : splitSqlScript(script))
        texts << statement.text;
    QCOMPARE(texts, statements);
}

void tst_SqlScript::linesOfStatements()
{
    const QList<SqlScriptStatement> statements = splitSqlScript(u"/* one\n two */\nselect 1\n  from x;\n\n'a\nb';c;"_s);
    QCOMPARE(statements.size(), 3);
    QCOMPARE(statements.at(0).line, 3);
    QCOMPARE(statements.at(1).line, 6);
    QCOMPARE(statements.at(2).line, 7);
}

void tst_SqlScript::ourScriptsSplitIntoWholeStatements_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("procedureBodies");

    QTest::newRow("schema") << u"data/schema.sql"_s << 5;
    QTest::newRow("grants") << u"data/grants.sql"_s << 1;
    QTest::newRow("cidades") << u"data/cidades.sql"_s << 0;
}

void tst_SqlScript::ourScriptsSplitIntoWholeStatements()
{
    QFETCH(QString, file);
    QFETCH(int, procedureBodies);

    QFile in(TestDatabase::sourceFile(file));
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QList<SqlScriptStatement> statements = splitSqlScript(QString::fromUtf8(in.readAll()));
    int bodies = 0;
    for (const SqlScriptStatement &statement : statements) {
        // No statement swallowed a SET TERM, began inside a comment, or
        // lost its end.
        QVERIFY2(!statement.text.contains(u"set term"_s, Qt::CaseInsensitive), qPrintable(statement.text));
        QVERIFY2(!statement.text.startsWith(u"/*"_s) && !statement.text.startsWith(u"--"_s),
                 qPrintable(statement.text));
        QVERIFY2(!statement.text.endsWith(u';') && !statement.text.endsWith(u'^'), qPrintable(statement.text));
        if (statement.text.endsWith(u"end"_s, Qt::CaseInsensitive) && statement.text.contains(u"begin"_s))
            ++bodies;
    }
    QVERIFY(bodies >= procedureBodies);
    if (file.endsWith(u"cidades.sql"_s))
        QCOMPARE(statements.size(), 5571 + 1); // the cities and the commit
}

void tst_SqlScript::schemaStatementsCommitAtOnceDataStatementsAtCommit()
{
    // The rows before COMMIT stay; the table made by a schema statement
    // stays although the data after it fail (isql's AUTODDL), and so do
    // none of the rows of that failing stretch.
    const QString script = u"create table RUN_T (A integer not null, B varchar(3));\n"
                           "insert into RUN_T (A, B) values (1, 'um');\n"
                           "commit;\n"
                           "insert into RUN_T (A, B) values (2, 'doi');\n"
                           "insert into RUN_T (A, B) values (3, 'longo demais');\n"_s;
    try {
        runSqlText(*m_connection, script, u"teste.sql"_s);
        QFAIL("an over-long text was taken");
    } catch (const FbError &error) {
        QVERIFY2(error.message().startsWith(u"teste.sql, linha 5: "_s), qPrintable(error.message()));
        QCOMPARE(error.statement(), u"insert into RUN_T (A, B) values (3, 'longo demais')"_s);
    }
    QCOMPARE(integer(u"select count(*) from RUN_T"_s), 1);
    QCOMPARE(integer(u"select A from RUN_T"_s), 1);

    // Without a COMMIT the end of the script commits.
    runSqlText(*m_connection, u"insert into RUN_T (A, B) values (4, 'fim')"_s, u"fim.sql"_s);
    QCOMPARE(integer(u"select count(*) from RUN_T"_s), 2);
    // ROLLBACK undoes what came since the last COMMIT.
    runSqlText(*m_connection, u"insert into RUN_T (A) values (5); rollback; insert into RUN_T (A) values (6);"_s,
               u"volta.sql"_s);
    QCOMPARE(integer(u"select count(*) from RUN_T where A in (5, 6)"_s), 1);
    QCOMPARE(integer(u"select max(A) from RUN_T"_s), 6);
}

void tst_SqlScript::procedureBodiesRunUnderSetTerm()
{
    runSqlText(*m_connection,
               u"set term ^ ;\n"
               "create procedure RUN_DOBRO (X integer) returns (Y integer) as\n"
               "begin\n  Y = :X * 2; /* a variable, not a parameter */\n  suspend;\nend^\n"
               "execute block as declare v integer; begin v = 1; end^\n"
               "set term ; ^\n"
               "commit;"_s,
               u"psql.sql"_s);
    QCOMPARE(integer(u"select Y from RUN_DOBRO(21)"_s), 42);
}

void tst_SqlScript::isqlSettings_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("taken");

    QTest::newRow("list") << u"set list on"_s << true;
    QTest::newRow("echo") << u"SET ECHO OFF"_s << true;
    QTest::newRow("autoddl") << u"set autoddl on"_s << true;
    QTest::newRow("names utf8") << u"set names UTF8"_s << true;
    QTest::newRow("dialect 3") << u"set sql dialect 3"_s << true;
    QTest::newRow("names win1252") << u"set names WIN1252"_s << false;
    QTest::newRow("dialect 1") << u"set sql dialect 1"_s << false;
    QTest::newRow("autoddl off") << u"set autoddl off"_s << false;
}

void tst_SqlScript::isqlSettings()
{
    QFETCH(QString, statement);
    QFETCH(bool, taken);

    bool ran = true;
    try {
        runSqlText(*m_connection, statement + u";\nexecute block as begin end;"_s, u"config.sql"_s);
    } catch (const FbError &error) {
        ran = false;
        QVERIFY2(error.message().contains(statement), qPrintable(error.message()));
    }
    QCOMPARE(ran, taken);
}

void tst_SqlScript::failureNamesTheScriptAndLine()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"quebrado.sql"_s);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("/* comment */\ncreate table RUN_OK (A integer);\n\ncreate table RUN_OK (A integer);\n");
    out.close();
    try {
        runSqlScript(*m_connection, file);
        QFAIL("a table was made twice");
    } catch (const FbError &error) {
        QVERIFY2(error.message().startsWith(u"quebrado.sql, linha 4: "_s), qPrintable(error.message()));
    }
    QVERIFY_THROWS_EXCEPTION(FbError, runSqlScript(*m_connection, dir.filePath(u"nao-existe.sql"_s)));
}

void tst_SqlScript::newDatabaseNeverTouchesAFileAndLeavesNothingHalfMade()
{
    if (TestDatabase::onServer())
        QSKIP("a database file on this computer: the embedded run covers it");
    QTemporaryDir dir;
    ConnectionSettings settings;
    settings.database = dir.filePath(u"ulmora.fdb"_s);

    // A file that is there already stays as it is.
    QFile existing(settings.database);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("not a database");
    existing.close();
    QVERIFY_THROWS_EXCEPTION(FbError, createNewDatabase(settings, TestDatabase::sourceFile(u"data"_s)));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("not a database"));
    existing.close();
    QVERIFY(existing.remove());

    // A script that fails half-way: no database is left behind.
    QTemporaryDir scripts;
    for (const QString &name : {u"reference.sql"_s, u"cidades.sql"_s})
        QVERIFY(QFile::copy(TestDatabase::sourceFile(u"data/"_s + name), scripts.filePath(name)));
    QFile schema(scripts.filePath(u"schema.sql"_s));
    QVERIFY(schema.open(QIODevice::WriteOnly));
    schema.write("create table A (X integer);\ncreate table A (X integer);\n");
    schema.close();
    try {
        createNewDatabase(settings, scripts.path());
        QFAIL("a broken schema made a database");
    } catch (const FbError &error) {
        QVERIFY2(error.message().startsWith(u"schema.sql, linha 2: "_s), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(settings.database));

    // A folder without the scripts is named.
    try {
        createNewDatabase(settings, dir.filePath(u"nada"_s));
        QFAIL("a database without scripts");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(u"schema.sql"_s), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(settings.database));
}

QTEST_GUILESS_MAIN(tst_SqlScript)
#include "tst_sqlscript.moc"
