// Dates on the days daylight saving time began in Brazil, in the time zone of
// São Paulo: their midnight does not exist in local time, and a date built in
// local time became invalid (shown empty) on each of them.

#include "DateTime.h"
#include "FbConnection.h"
#include "FbStatement.h"
#include "MemTable.h"
#include "TestDatabase.h"

#include <QTest>

#include <ctime>

using namespace Qt::StringLiterals;

class tst_Dates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void dstStartDayStaysValid_data();
    void dstStartDayStaysValid();
    void dstStartDayInAMemoryTable_data();
    void dstStartDayInAMemoryTable();
    void dstStartDayThroughTheDatabase_data();
    void dstStartDayThroughTheDatabase();

private:
    void days();

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<FbConnection> m_connection;
};

void tst_Dates::initTestCase()
{
    // Without the zone (no time zone data) the table would prove nothing.
    QVERIFY2(!QDateTime(QDate(2018, 11, 4), QTime(0, 0)).isValid(),
             "TZ=America/Sao_Paulo is not in effect: 4 Nov 2018 00:00 exists in local time");
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    m_connection = std::make_unique<FbConnection>(m_db->settings());
}

void tst_Dates::cleanupTestCase()
{
    m_connection.reset();
    m_db.reset();
}

void tst_Dates::days()
{
    QTest::addColumn<QDate>("day");
    // Read from the time zone data: 00:00 became 01:00 on each.
    const QList<QDate> starts{{2008, 10, 19}, {2009, 10, 18}, {2010, 10, 17}, {2011, 10, 16},
                              {2012, 10, 21}, {2013, 10, 20}, {2014, 10, 19}, {2015, 10, 18},
                              {2016, 10, 16}, {2017, 10, 15}, {2018, 11, 4}};
    for (const QDate &day : starts)
        QTest::newRow(qPrintable(day.toString(Qt::ISODate))) << day;
}

void tst_Dates::dstStartDayStaysValid_data()
{
    days();
}

void tst_Dates::dstStartDayStaysValid()
{
    QFETCH(QDate, day);
    QVERIFY(!QDateTime(day, QTime(0, 0)).isValid()); // the trap itself

    const DateTime date = DateTime::fromDate(day);
    QVERIFY(date.toDateTime().isValid());
    QCOMPARE(date.toDateTime().date(), day);
    QCOMPARE(date.toDateTime().time(), QTime(0, 0));
    QCOMPARE(date.toDateTime().toString(u"dd/MM/yyyy hh:mm:ss"_s), day.toString(u"dd/MM/yyyy"_s) + u" 00:00:00"_s);
    QCOMPARE(date.toShortDateString(), day.toString(u"dd/MM/yyyy"_s));

    // Typed: the day, the day at midnight, and a time of the missing hour.
    const QString typed = day.toString(u"dd/MM/yyyy"_s);
    QCOMPARE(DateTime::fromText(typed), std::optional<DateTime>(date));
    QCOMPARE(DateTime::fromText(QString(typed + u" 00:00:00"_s)), std::optional<DateTime>(date));
    const std::optional<DateTime> halfPast = DateTime::fromText(QString(typed + u" 00:30:00"_s));
    QVERIFY(halfPast);
    QCOMPARE(halfPast->toDateTime().time(), QTime(0, 30));

    // A local reading of that day (a clock at 12:00) keeps its day and time.
    const DateTime noon = DateTime::fromDateTime(QDateTime(day, QTime(12, 0)));
    QCOMPARE(noon.date(), day);
    QCOMPARE(noon.toDateTime().time(), QTime(12, 0));
}

void tst_Dates::dstStartDayInAMemoryTable_data()
{
    days();
}

void tst_Dates::dstStartDayInAMemoryTable()
{
    QFETCH(QDate, day);
    MemTable table({MemTable::Column::dateTime(u"VENCIMENTO"_s)});
    table.append();
    table.setDateTime(u"VENCIMENTO", DateTime::fromDate(day));
    table.post();

    // What a grid shows: a valid date-time of that day, not an empty cell.
    const QVariant shown = table.data(table.index(0, 0), Qt::DisplayRole);
    QVERIFY(shown.toDateTime().isValid());
    QCOMPARE(shown.toDateTime().date(), day);
    QCOMPARE(table.text(u"VENCIMENTO"), day.toString(u"dd/MM/yyyy"_s) + u" 00:00:00"_s);

    // Typed as a day, it is that day at midnight (not at 01:00), and back.
    table.edit();
    table.setText(u"VENCIMENTO", day.addDays(-1).toString(u"dd/MM/yyyy"_s));
    table.setText(u"VENCIMENTO", day.toString(u"dd/MM/yyyy"_s));
    table.post();
    QCOMPARE(table.dateTime(u"VENCIMENTO"), DateTime::fromDate(day));
    table.edit();
    table.setText(u"VENCIMENTO", day.toString(u"dd/MM/yyyy"_s) + u" 00:00:00"_s);
    table.post();
    QCOMPARE(table.dateTime(u"VENCIMENTO"), DateTime::fromDate(day));
}

void tst_Dates::dstStartDayThroughTheDatabase_data()
{
    days();
}

void tst_Dates::dstStartDayThroughTheDatabase()
{
    QFETCH(QDate, day);
    const DateTime date = DateTime::fromDate(day);
    FbStatement read(*m_connection, u"select cast(:D as date) as D, cast(:TS as timestamp) as TS, "
                                    u"cast(:TEXTO as date) as DT from rdb$database"_s);
    read.bindDate(u"D", date);
    read.bindTimestamp(u"TS", date);
    read.bindText(u"TEXTO", day.toString(Qt::ISODate));
    auto rows = read.open();
    QVERIFY(rows->next());
    QCOMPARE(rows->dateTime(u"D"), date);
    QCOMPARE(rows->dateTime(u"TS"), date);
    QCOMPARE(rows->dateTime(u"DT"), date); // the database's own reading of the day
    QCOMPARE(rows->text(u"D"), day.toString(u"dd/MM/yyyy"_s));
    QCOMPARE(rows->text(u"TS"), day.toString(u"dd/MM/yyyy"_s) + u" 00:00:00"_s);
}

int main(int argc, char *argv[])
{
    // Before anything reads the time zone.
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
    QCoreApplication app(argc, argv);
    tst_Dates test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dates.moc"
