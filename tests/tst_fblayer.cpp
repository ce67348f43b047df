// The Firebird access layer against a real database built from our schema.

#include "FbConnection.h"
#include "FbStatement.h"
#include "TestDatabase.h"

#include <QTest>

class tst_FbLayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void nullKeyTakesTriggerKeyAndReturningGivesItBack();
    void explicitKeyIsKept();
    void overlongTextIsAnErrorNotACut();
    void accentedTextRoundTrips();
    void nullReadsAsEmptyValues();
    void namedParametersIgnoreCaseAndRepeat();
    void procedureOutputIsRead();
    void errorCarriesStatementAndValues();
    void resultSetKeepsItsOwnTransaction();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<FbConnection> m_connection;
};

void tst_FbLayer::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    QVERIFY(m_db->run(QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, "
                                     "'11222333000181', 'A', 'S');")));
    m_connection = std::make_unique<FbConnection>(m_db->settings());
}

void tst_FbLayer::cleanupTestCase()
{
    m_connection.reset();
}

void tst_FbLayer::nullKeyTakesTriggerKeyAndReturningGivesItBack()
{
    FbStatement insert(*m_connection, QStringLiteral("update or insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, "
                                                     "ASS_I_COD) values (:USU_I_COD, :USU_A_NOM, "
                                                     ":ASS_I_COD) matching (USU_I_COD) returning USU_I_COD"));
    insert.bindKey(u"USU_I_COD", 0);
    insert.bindText(u"USU_A_NOM", QStringLiteral("PRIMEIRO"));
    insert.bindInteger(u"ASS_I_COD", 1);
    insert.execute();
    const qint32 first = insert.output().integer(u"USU_I_COD");
    QVERIFY(first > 0);

    insert.bindText(u"USU_A_NOM", QStringLiteral("SEGUNDO"));
    insert.execute();
    QCOMPARE(insert.output().integer(u"usu_i_cod"), first + 1);

    FbStatement read(*m_connection, QStringLiteral("select USU_A_NOM from ASSOCIACAO_USUARIO where USU_I_COD = :ID"));
    read.bindInteger(u"ID", first);
    auto rows = read.open();
    QVERIFY(rows->next());
    QCOMPARE(rows->text(u"USU_A_NOM"), QStringLiteral("PRIMEIRO"));
    QVERIFY(!rows->next());
}

void tst_FbLayer::explicitKeyIsKept()
{
    FbStatement insert(*m_connection, QStringLiteral("insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, ASS_I_COD) "
                                                     "values (:K, 'X', 1) returning USU_I_COD"));
    insert.bindKey(u"K", 5000);
    insert.execute();
    QCOMPARE(insert.output().integer(u"USU_I_COD"), 5000);
}

void tst_FbLayer::overlongTextIsAnErrorNotACut()
{
    FbStatement insert(*m_connection,
                       QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ) values (:K, :CNPJ)"));
    insert.bindInteger(u"K", 77);
    insert.bindText(u"CNPJ", QStringLiteral("112223330001810")); // 15 characters in VARCHAR(14)
    try {
        insert.execute();
        QFAIL("an over-long text was accepted");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("truncation")), qPrintable(error.message()));
    }
    FbStatement count(*m_connection, QStringLiteral("select count(*) as N from ASSOCIACAO where ASS_I_COD = 77"));
    auto rows = count.open();
    QVERIFY(rows->next());
    QCOMPARE(rows->integer(u"N"), 0);
}

void tst_FbLayer::accentedTextRoundTrips()
{
    // Fourteen accented characters fill VARCHAR(14) although they take more bytes.
    const QString text = QStringLiteral("ÁÉÍÓÚÇÃÕâêôàüç");
    QCOMPARE(text.size(), 14);
    FbStatement insert(
        *m_connection,
        QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM) values (78, :CNPJ, :NOM)"));
    insert.bindText(u"CNPJ", text);
    insert.bindText(u"NOM", QStringLiteral("ASSOCIAÇÃO D'OESTE"));
    insert.execute();
    FbStatement read(*m_connection,
                     QStringLiteral("select ASS_A_CNPJ, ASS_A_NOM from ASSOCIACAO where ASS_I_COD = 78"));
    auto rows = read.open();
    QVERIFY(rows->next());
    QCOMPARE(rows->text(u"ASS_A_CNPJ"), text);
    QCOMPARE(rows->text(u"ASS_A_NOM"), QStringLiteral("ASSOCIAÇÃO D'OESTE"));
}

void tst_FbLayer::nullReadsAsEmptyValues()
{
    FbStatement read(
        *m_connection,
        QStringLiteral("select cast(null as integer) as I, cast(null as varchar(10)) as T, cast(null as char(7)) as C, "
                       "cast(null as double precision) as F, cast(null as date) as D, cast(null as timestamp) as TS, "
                       "cast(null as boolean) as B, cast('AB' as char(7)) as PADDED from rdb$database"));
    auto rows = read.open();
    QVERIFY(rows->next());
    QVERIFY(rows->isNull(u"I"));
    QCOMPARE(rows->integer(u"I"), 0);
    QCOMPARE(rows->text(u"T"), QString());
    QCOMPARE(rows->text(u"C"), QString());
    QCOMPARE(rows->number(u"F"), 0.0);
    QVERIFY(rows->dateTime(u"D").isEmpty());
    QVERIFY(rows->dateTime(u"TS").isEmpty());
    QCOMPARE(rows->boolean(u"B"), false);
    QCOMPARE(rows->text(u"PADDED"), QStringLiteral("AB"));
    QVERIFY_THROWS_EXCEPTION(DataSetError, rows->integer(u"MISSING"));
}

void tst_FbLayer::namedParametersIgnoreCaseAndRepeat()
{
    FbStatement read(*m_connection, QStringLiteral("select cast(:Valor as integer) + 1 as A, cast(:VALOR as integer) * "
                                                   "2 as B, ':naoParametro' as C, cast(:d as date) as D, "
                                                   "cast(:ts as timestamp) as TS from rdb$database"));
    QCOMPARE(read.parameterNames(), (QStringList{QStringLiteral("VALOR"), QStringLiteral("VALOR"), QStringLiteral("D"),
                                                 QStringLiteral("TS")}));
    read.bindInteger(u"valor", 20);
    const DateTime day = DateTime::fromDate(QDate(2019, 3, 1));
    const DateTime moment = DateTime::fromDateTime(QDateTime(QDate(2019, 3, 1), QTime(23, 59, 30)));
    read.bindDate(u"D", moment); // a date keeps the day only
    read.bindTimestamp(u"TS", moment);
    auto rows = read.open();
    QVERIFY(rows->next());
    QCOMPARE(rows->integer(u"A"), 21);
    QCOMPARE(rows->integer(u"B"), 40);
    QCOMPARE(rows->text(u"C"), QStringLiteral(":naoParametro"));
    QCOMPARE(rows->dateTime(u"D"), day);
    QCOMPARE(rows->dateTime(u"TS").toDateTime(), moment.toDateTime());
}

void tst_FbLayer::procedureOutputIsRead()
{
    // A deletion procedure answers its status in STS.
    FbStatement proc(*m_connection, QStringLiteral("execute procedure CONTA_DEL(:ID)"));
    proc.bindInteger(u"ID", 123456);
    proc.execute();
    QVERIFY(!proc.output().isNull(u"STS"));
}

void tst_FbLayer::errorCarriesStatementAndValues()
{
    FbStatement insert(
        *m_connection,
        QStringLiteral("insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, ASS_I_COD) values (:K, :NOM, :ASS)"));
    insert.bindKey(u"K", 0);
    insert.bindText(u"NOM", QStringLiteral("ÓRFÃO"));
    insert.bindInteger(u"ASS", 999); // no such association
    try {
        insert.execute();
        QFAIL("a missing association was accepted");
    } catch (const FbError &error) {
        QCOMPARE(error.statement(), insert.sql());
        QCOMPARE(error.parameters(), (QStringList{QStringLiteral("K = NULL"), QStringLiteral("NOM = 'ÓRFÃO'"),
                                                  QStringLiteral("ASS = 999")}));
        QVERIFY(error.sqlCode() != 0);
        QVERIFY(!error.errorCodes().isEmpty());
        QVERIFY(error.details().contains(insert.sql()));
    }
}

void tst_FbLayer::resultSetKeepsItsOwnTransaction()
{
    // While one result set is open, other statements run and commit apart.
    FbStatement read(*m_connection, QStringLiteral("select ASS_I_COD from ASSOCIACAO order by ASS_I_COD"));
    auto rows = read.open();
    QVERIFY(rows->next());
    FbStatement insert(*m_connection,
                       QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_NOM) values (90, 'OUTRA')"));
    insert.execute();
    rows->close();

    FbConnection other(m_db->settings());
    FbStatement check(other, QStringLiteral("select ASS_A_NOM from ASSOCIACAO where ASS_I_COD = 90"));
    auto seen = check.open();
    QVERIFY(seen->next());
    QCOMPARE(seen->text(u"ASS_A_NOM"), QStringLiteral("OUTRA"));
}

QTEST_GUILESS_MAIN(tst_FbLayer)
#include "tst_fblayer.moc"
