// A process killed in the middle of registering members leaves no member
// half-written: a child (tests/tools/killwriter.cpp) stores new members
// through the member editor's store flow, each with two contacts and its
// login user, and is killed with SIGKILL at random moments, many times over.
// Afterwards every member has both its contacts and its login user, and the
// database file validates clean.

#include "FbConnection.h"
#include "FbStatement.h"
#include "TestDatabase.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_KillLoop : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesWholeMembers();
};

namespace {

qint32 integer(FbConnection &connection, const QString &sql)
{
    FbStatement statement(connection, sql);
    auto rows = statement.open();
    return rows->next() ? rows->integerAt(0) : -1;
}

} // namespace

void tst_KillLoop::killedWriterLeavesWholeMembers()
{
    TestDatabase db;
    QVERIFY2(db.isValid(), qPrintable(db.error()));
    QVERIFY2(db.run(u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                    u"values (1, '11222333000181', 'ASSOCIAÇÃO DE TESTE', 'S');"_s),
             qPrintable(db.error()));
    const QString definitions = db.writeDefinitions();

    // Each run is killed after a random time; the first moments of a run
    // (attaching, preparing) are kills too, but most fall while members are
    // being written.
    constexpr int runs = 30;
    int stored = 0;
    int killedWhileWriting = 0;
    QRandomGenerator random(20261210);
    for (int run = 0; run < runs; ++run) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start(QStringLiteral(KILLWRITER), {definitions, u"1"_s});
        QVERIFY2(writer.waitForStarted(5000), qPrintable(writer.errorString()));
        // Wait for the first member of the run, then a little more.
        QByteArray output;
        while (!output.contains("stored") && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(5000);
            output += writer.readAllStandardOutput();
        }
        QVERIFY2(writer.state() == QProcess::Running,
                 qPrintable(u"the writer ended on its own: "_s + QString::fromUtf8(writer.readAllStandardError())));
        QTest::qWait(int(random.bounded(10, 120)));
        writer.kill(); // SIGKILL
        QVERIFY(writer.waitForFinished(5000));
        output += writer.readAllStandardOutput();
        stored += int(output.count("stored"));
        ++killedWhileWriting;
    }
    QCOMPARE(killedWhileWriting, runs);

    {
        FbConnection connection(db.settings());
        const qint32 members = integer(connection, u"select count(*) from ASSOCIADO"_s);
        // Every member a run said it stored is there; a run may have
        // committed one more before it could say so.
        QVERIFY2(members >= stored && members <= stored + runs,
                 qPrintable(u"%1 members, %2 reported stored"_s.arg(members).arg(stored)));
        QCOMPARE(integer(connection, u"select count(*) from ASSOCIADO a where "
                                     u"(select count(*) from ASSOCIADO_CONTATO c where c.ACD_I_COD = a.ACD_I_COD) <> 2 "
                                     u"or (select count(*) from ASSOCIADO_USUARIO u where u.ACD_I_COD = a.ACD_I_COD) "
                                     u"<> 1"_s),
                 0);
        // Nothing that belongs to no member.
        QCOMPARE(integer(connection, u"select count(*) from ASSOCIADO_CONTATO c where not exists "
                                     u"(select 1 from ASSOCIADO a where a.ACD_I_COD = c.ACD_I_COD)"_s),
                 0);
    }

    // The file itself. A full validation finds no error; what a killed
    // process may leave is an orphan page (a page it had allocated and not
    // yet linked: space lost, no data), which the validation counts as a
    // page warning, or a pointer page whose free-space marks lag behind its
    // data pages (a pointer page warning): neither loses or changes a row.
    const ConnectionSettings owner = db.ownerSettings();
    auto validate = [&owner](QString &report) {
        QProcess gfix;
        gfix.setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments{u"-v"_s, u"-full"_s, u"-user"_s, owner.userName};
        if (!owner.password.isEmpty())
            arguments << u"-password"_s << owner.password;
        arguments << owner.attachString();
        gfix.start(u"gfix"_s, arguments);
        const bool finished = gfix.waitForFinished(60000);
        report = QString::fromLocal8Bit(gfix.readAll()).trimmed();
        return finished && gfix.exitStatus() == QProcess::NormalExit && gfix.exitCode() == 0;
    };
    // Only page warnings, never an error, on the first validation and again
    // on a second one (which releases what the first found, though not
    // always every orphan page).
    auto onlyPageWarnings = [](const QString &report) {
        static const QRegularExpression count(u"Number of (.+?)\\s*:\\s*(\\d+)"_s);
        for (auto it = count.globalMatch(report); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString what = m.captured(1).trimmed();
            if (what != u"database page warnings"_s && what != u"pointer page warnings"_s && m.captured(2).toInt() != 0)
                return false;
        }
        return true;
    };
    QString report;
    QVERIFY2(validate(report), qPrintable(report));
    QVERIFY2(onlyPageWarnings(report), qPrintable(report));
    const QString first = report;
    QVERIFY2(validate(report), qPrintable(report));
    QVERIFY2(onlyPageWarnings(report), qPrintable(first + u"\n-- then --\n"_s + report));
}

QTEST_GUILESS_MAIN(tst_KillLoop)
#include "tst_killloop.moc"
