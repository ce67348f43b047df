// The Firebird access layer against a real database built from our schema.

#include "FbConnection.h"
#include "FbStatement.h"
#include "FbTransaction.h"
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

    void guardCommitsAllAtOnce();
    void guardRollsBackWhenLeftByAnException();
    void joinedGuardDoesNotCommitEarly_data();
    void joinedGuardDoesNotCommitEarly();
    void failedStatementLeavesTheGuardOpen();
    void readsInsideTheGuardSeeItsWrites();

private:
    void insertAssociation(qint32 key);
    // How many of `keys` another attachment sees (committed rows only).
    int seenElsewhere(QList<qint32> keys);

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

void tst_FbLayer::insertAssociation(qint32 key)
{
    FbStatement insert(*m_connection,
                       QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_NOM) values (:K, 'GUARDA')"));
    insert.bindInteger(u"K", key);
    insert.execute();
}

int tst_FbLayer::seenElsewhere(QList<qint32> keys)
{
    QStringList list;
    for (qint32 key : keys)
        list << QString::number(key);
    FbConnection other(m_db->settings());
    FbStatement count(
        other, QStringLiteral("select count(*) as N from ASSOCIACAO where ASS_I_COD in (%1)").arg(list.join(u',')));
    auto rows = count.open();
    if (!rows->next())
        return -1;
    return rows->integer(u"N");
}

void tst_FbLayer::guardCommitsAllAtOnce()
{
    {
        FbTransaction transaction(*m_connection);
        QVERIFY(!transaction.isJoined());
        insertAssociation(101);
        insertAssociation(102);
        QCOMPARE(seenElsewhere({101, 102}), 0);
        transaction.commit();
        QVERIFY(!transaction.isOpen());
        QCOMPARE(seenElsewhere({101, 102}), 2);
        // After the commit statements commit on their own again, in the scope too.
        insertAssociation(103);
        QCOMPARE(seenElsewhere({103}), 1);
    }
    QCOMPARE(seenElsewhere({101, 102, 103}), 3);
}

void tst_FbLayer::guardRollsBackWhenLeftByAnException()
{
    try {
        FbTransaction transaction(*m_connection);
        insertAssociation(111);
        insertAssociation(112);
        insertAssociation(111); // the key is taken
        transaction.commit();
        QFAIL("a duplicate key was accepted");
    } catch (const FbError &) {
    }
    QCOMPARE(seenElsewhere({111, 112}), 0);
    // The connection is back to committing each statement on its own.
    insertAssociation(113);
    QCOMPARE(seenElsewhere({113}), 1);
}

void tst_FbLayer::joinedGuardDoesNotCommitEarly_data()
{
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    QTest::addColumn<int>("kept");

    QTest::newRow("both commit") << true << true << 2;
    QTest::newRow("outer left without commit") << true << false << 0;
    QTest::newRow("inner left without commit") << false << true << 0;
}

void tst_FbLayer::joinedGuardDoesNotCommitEarly()
{
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    QFETCH(int, kept);
    static qint32 next = 120;
    const qint32 first = next, second = next + 1;
    next += 2;

    // An operation with a guard of its own, run inside a flow's guard.
    const auto operation = [&](qint32 key) {
        FbTransaction transaction(*m_connection);
        QVERIFY(transaction.isJoined());
        insertAssociation(key);
        if (innerCommits)
            transaction.commit();
    };
    bool refused = false;
    {
        FbTransaction flow(*m_connection);
        insertAssociation(first);
        operation(second);
        QCOMPARE(seenElsewhere({first, second}), 0);
        if (outerCommits) {
            try {
                flow.commit();
            } catch (const FbError &error) {
                refused = true;
                QVERIFY(!error.message().isEmpty());
            }
        }
    }
    QCOMPARE(refused, outerCommits && !innerCommits);
    QCOMPARE(seenElsewhere({first, second}), kept);
}

void tst_FbLayer::failedStatementLeavesTheGuardOpen()
{
    // A refused statement undoes only itself; the flow decides about the rest.
    FbTransaction transaction(*m_connection);
    insertAssociation(131);
    QVERIFY_THROWS_EXCEPTION(FbError, insertAssociation(131));
    QVERIFY(transaction.isOpen());
    insertAssociation(132);
    transaction.commit();
    QCOMPARE(seenElsewhere({131, 132}), 2);
}

void tst_FbLayer::readsInsideTheGuardSeeItsWrites()
{
    {
        FbTransaction transaction(*m_connection);
        insertAssociation(141);
        FbStatement read(*m_connection, QStringLiteral("select ASS_A_NOM from ASSOCIACAO where ASS_I_COD = 141"));
        auto rows = read.open();
        QVERIFY(rows->next());
        QCOMPARE(rows->text(u"ASS_A_NOM"), QStringLiteral("GUARDA"));
        rows->close(); // closing the rows commits nothing
        QCOMPARE(seenElsewhere({141}), 0);
    }
    QCOMPARE(seenElsewhere({141}), 0);
}

QTEST_GUILESS_MAIN(tst_FbLayer)
#include "tst_fblayer.moc"
