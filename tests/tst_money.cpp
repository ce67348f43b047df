#include "Money.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_money : public QObject
{
    Q_OBJECT

private slots:
    void showsTheBrazilianWay_data();
    void showsTheBrazilianWay();
    void parsesWhatIsTyped_data();
    void parsesWhatIsTyped();
    void sumsInCentsAddUp();
    void editTakesBrazilianTyping();
};

void tst_money::showsTheBrazilianWay_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << 0.0 << u"R$ 0,00"_s;
    QTest::newRow("thousands") << 1234.56 << u"R$ 1.234,56"_s;
    QTest::newRow("millions") << 1234567.8 << u"R$ 1.234.567,80"_s;
    QTest::newRow("half cent stored below") << 1.005 << u"R$ 1,01"_s;
    QTest::newRow("negative") << -33.335 << u"-R$ 33,34"_s;
    QTest::newRow("binary sum") << (0.1 + 0.2) << u"R$ 0,30"_s;
}

void tst_money::showsTheBrazilianWay()
{
    QFETCH(double, amount);
    QFETCH(QString, shown);
    QCOMPARE(Money::text(amount), shown);
}

void tst_money::parsesWhatIsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("amount");
    QTest::newRow("grouped") << u"1.234,56"_s << true << 1234.56;
    QTest::newRow("plain") << u"1234,5"_s << true << 1234.5;
    QTest::newRow("whole") << u"1234"_s << true << 1234.0;
    QTest::newRow("with symbol") << u"R$ 1.234,56"_s << true << 1234.56;
    QTest::newRow("more decimals rounds") << u"10,005"_s << true << 10.01;
    QTest::newRow("letters") << u"dez"_s << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
}

void tst_money::parsesWhatIsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(double, amount);
    bool ok = !valid;
    QCOMPARE(Money::parse(typed, &ok), amount);
    QCOMPARE(ok, valid);
}

void tst_money::sumsInCentsAddUp()
{
    // Ten times 0,10 is exactly 1,00 when added in cents.
    qint64 total = 0;
    for (int i = 0; i < 10; ++i)
        total += Money::cents(0.1);
    QCOMPARE(total, qint64(100));
    QCOMPARE(Money::fromCents(total), 1.0);
}

void tst_money::editTakesBrazilianTyping()
{
    MoneyEdit edit;
    edit.show();
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, u"1234,56"_s);
    edit.interpretText();
    QCOMPARE(edit.amount(), 1234.56);
    QCOMPARE(edit.text(), u"1.234,56"_s);
}

QTEST_MAIN(tst_money)
#include "tst_money.moc"
