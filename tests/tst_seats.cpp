// Several seats on one Firebird server: two attachments writing at the same
// moment, and a session that outlives a server stop. Runs on the server back
// end only (ULMORA_TEST_BACKEND=server, the test tst_seats_server).

#include "FbConnection.h"
#include "FbStatement.h"
#include "MessageRecorder.h"
#include "Session.h"
#include "TAssociado.h"
#include "TListaParceiro.h"
#include "TestDatabase.h"
#include "uDM.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <latch>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

class tst_Seats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void twoSeatsInsertAtTheSameMoment();
    void lostAttachmentIsAttachedAgainOnce();
    void statementCutOffInTheMiddleIsNotRepeated();
    void serverStopsInTheMiddleOfASession();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

constexpr int association = 1;

// A second module in this process: another seat with its own attachment.
// A module creates the session objects when it is built and frees them when
// it goes; the first module's stay the session's.
std::unique_ptr<TDM> anotherSeat(const ConnectionSettings &settings)
{
    TAssociacao *associacao = AssociacaoAtual;
    TAssociado *associado = AssociadoAtual;
    auto seat = std::make_unique<TDM>(settings);
    delete AssociacaoAtual;
    delete AssociadoAtual;
    AssociacaoAtual = associacao;
    AssociadoAtual = associado;
    return seat;
}

// A new member (key 0) of the test association, with a document of its
// own (one document per association).
void fillMember(TAssociado &member, const QString &name)
{
    member.setNome(name);
    member.setCnpj(QString::number(qHash(name) % 100000000000000ULL).rightJustified(14, u'0'));
    member.setId_ass(association);
    member.setAbilitado(u"S"_s);
    member.setPct01(u"N"_s);
    member.setPct02(u"N"_s);
}

QString memberName(const QString &prefix, int i)
{
    return prefix + u' ' + QString::number(i).rightJustified(3, u'0');
}

QSet<QString> namesFound(TDM &seat, const QString &text)
{
    QSet<QString> names;
    const auto found = seat.PesqAssociado(tpNome, text);
    for (const auto &row : found->Lista())
        names.insert(row->nome());
    return names;
}

qint32 integer(FbConnection &connection, const QString &sql)
{
    FbStatement statement(connection, sql);
    auto rows = statement.open();
    return rows->next() ? rows->integerAt(0) : -1;
}

// scripts/firebird-server.sh ACTION, bounded in time: its exit code, or -1.
int serverScript(const QString &action)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedChannels);
    script.start(u"bash"_s, {TestDatabase::sourceFile(u"scripts/firebird-server.sh"_s), action});
    if (!script.waitForFinished(90000)) {
        script.kill();
        script.waitForFinished();
        return -1;
    }
    return script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
}

} // namespace

void tst_Seats::initTestCase()
{
    if (!TestDatabase::onServer())
        QSKIP("several seats need the Firebird server: run tst_seats_server (ULMORA_TEST_BACKEND=server)");
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    QVERIFY2(m_db->run(u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                       u"values (1, '11222333000181', 'ASSOCIAÇÃO DE TESTE', 'S');"_s),
             qPrintable(m_db->error()));
}

void tst_Seats::twoSeatsInsertAtTheSameMoment()
{
    // The two seats run in two threads started together, so their inserts
    // really meet on the server: a key learnt from the generator after the
    // insert would then often be the other seat's.
    constexpr int perSeat = 150;
    auto first = std::make_unique<TDM>(m_db->settings());
    auto second = anotherSeat(m_db->settings());
    AssociacaoAtual->setId(association);

    struct Seat
    {
        TDM *module;
        QString prefix;
        QList<qint32> keys;
        QStringList failures;
    };
    Seat seats[] = {{first.get(), u"PRIMEIRA MESA"_s, {}, {}}, {second.get(), u"SEGUNDA MESA"_s, {}, {}}};

    std::latch start(2);
    auto insertAll = [&start, perSeat](Seat &seat) {
        start.arrive_and_wait();
        for (int i = 0; i < perSeat; ++i) {
            TAssociado member;
            fillMember(member, memberName(seat.prefix, i));
            if (seat.module->IUAssociado(member))
                seat.keys << member.id();
            else
                seat.failures << member.nome();
        }
    };
    std::thread other(insertAll, std::ref(seats[1]));
    insertAll(seats[0]);
    other.join();

    QSet<qint32> allKeys;
    for (const Seat &seat : seats) {
        QVERIFY2(seat.failures.isEmpty(), qPrintable(seat.failures.join(u", ")));
        QCOMPARE(seat.keys.size(), perSeat);
        for (qint32 key : seat.keys)
            allKeys.insert(key);
    }
    QCOMPARE(allKeys.size(), 2 * perSeat);

    // Each entity holds the key of its own row: read back by key, the row
    // carries the name the seat wrote under that key.
    for (const Seat &seat : seats) {
        for (int i = 0; i < perSeat; ++i) {
            const auto stored = seat.module->LeAssociadoID(seat.keys[i]);
            QCOMPARE(stored->nome(), memberName(seat.prefix, i));
        }
    }

    // The rows of the two seats were written in turns, not one seat after
    // the other (otherwise this test would not show what it claims).
    const auto [firstMin, firstMax] = std::minmax_element(seats[0].keys.cbegin(), seats[0].keys.cend());
    const auto [secondMin, secondMax] = std::minmax_element(seats[1].keys.cbegin(), seats[1].keys.cend());
    QVERIFY2(*firstMin < *secondMax && *secondMin < *firstMax, "the two seats did not write at the same time");

    // Each seat sees the other's members in its search.
    QCOMPARE(namesFound(*first, u"SEGUNDA MESA"_s).size(), perSeat);
    QCOMPARE(namesFound(*second, u"PRIMEIRA MESA"_s).size(), perSeat);
}

void tst_Seats::lostAttachmentIsAttachedAgainOnce()
{
    // The server ends an idle attachment (an administrator, a restart of the
    // network): the next statement finds it lost before anything ran, so it
    // attaches again and runs once, without an error.
    QVERIFY(m_db->run(u"create table SEAT_IDLE (ID integer);"_s));

    FbConnection seat(m_db->settings());
    FbConnection admin(m_db->ownerSettings());
    const qint32 attachment = integer(seat, u"select current_connection from rdb$database"_s);
    const quint64 generation = seat.generation();

    FbStatement kill(admin, u"delete from mon$attachments where mon$attachment_id = :ID"_s);
    kill.bindInteger(u"ID", attachment);
    kill.execute();

    FbStatement insert(seat, u"insert into SEAT_IDLE (ID) values (1)"_s);
    insert.execute();
    QCOMPARE(seat.generation(), generation + 1);
    QVERIFY(integer(seat, u"select current_connection from rdb$database"_s) != attachment);
    QCOMPARE(integer(admin, u"select count(*) from SEAT_IDLE"_s), 1);
}

void tst_Seats::statementCutOffInTheMiddleIsNotRepeated()
{
    // The attachment is ended while a statement runs. What the statement did
    // before (here, a row committed on its own) may already be in the
    // database, so the error is reported and the statement is not run again
    // on a new attachment; the statement after it attaches again.
    QVERIFY(m_db->run(u"create table SEAT_DONE (ID integer);\n"
                      u"create table SEAT_LOCK (ID integer);\n"
                      u"insert into SEAT_LOCK (ID) values (1);"_s));

    FbConnection seat(m_db->settings());
    FbConnection holder(m_db->settings());
    FbConnection admin(m_db->ownerSettings());
    const qint32 attachment = integer(seat, u"select current_connection from rdb$database"_s);

    // The other thread holds the lock on the row, so that the statement below
    // waits in the middle; it ends the statement's attachment once the
    // statement is seen running, and lets the row go after that: a statement
    // run again would then go through, and its row would be counted twice.
    std::latch rowLocked(1);
    QString otherError;
    std::thread other([&] {
        std::unique_ptr<FbResultSet> locked;
        try {
            FbStatement lock(holder, u"select ID from SEAT_LOCK where ID = 1 with lock"_s);
            locked = lock.open();
            locked->next();
            rowLocked.count_down();

            FbStatement running(admin, u"select count(*) from mon$statements where mon$attachment_id = :ID and "
                                       u"mon$state = 1"_s);
            running.bindInteger(u"ID", attachment);
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 20000) {
                auto rows = running.open();
                if (rows->next() && rows->integerAt(0) > 0)
                    break;
                rows.reset();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            FbStatement kill(admin, u"delete from mon$attachments where mon$attachment_id = :ID"_s);
            kill.bindInteger(u"ID", attachment);
            kill.execute();
            // Time for a wrongly repeated statement to start waiting again.
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            locked.reset();
        } catch (const FbError &error) {
            otherError = error.message();
            locked.reset();
            rowLocked.count_down();
        }
    });
    rowLocked.wait();

    FbStatement work(seat, u"execute block as begin "
                           u"in autonomous transaction do insert into SEAT_DONE (ID) values (1); "
                           u"update SEAT_LOCK set ID = 1 where ID = 1; "
                           u"end"_s);
    std::optional<FbError> failure;
    try {
        work.execute();
    } catch (const FbError &error) {
        failure = error;
    }
    other.join();
    QVERIFY2(otherError.isEmpty(), qPrintable(otherError));
    QCOMPARE(integer(admin, u"select count(*) from SEAT_DONE"_s), 1);
    QVERIFY2(failure, "a statement cut off by the end of its attachment was reported as done");
    QVERIFY2(failure->isConnectionLost(), qPrintable(failure->message()));

    // The same connection goes on.
    QCOMPARE(integer(seat, u"select count(*) from SEAT_DONE"_s), 1);
}

void tst_Seats::serverStopsInTheMiddleOfASession()
{
    if (serverScript(u"owned"_s) != 0)
        QSKIP("the running Firebird server was not started by scripts/firebird-server.sh: not ours to stop");

    MessageRecorder recorder;
    auto seat = std::make_unique<TDM>(m_db->settings());
    AssociacaoAtual->setId(association);

    TAssociado before;
    fillMember(before, u"ANTES DA PARADA"_s);
    QVERIFY(seat->IUAssociado(before));

    QCOMPARE(serverScript(u"stop"_s), 0);
    // From here on the server must come back, whatever the checks say.
    struct Restart
    {
        ~Restart()
        {
            if (!started)
                serverScript(u"start"_s);
        }
        bool started = false;
    } restart;

    // Each operation while the server is away is reported the usual way and
    // the program goes on: writes and searches by their message, readers by
    // their error (the event loop's database error dialog).
    TAssociado during;
    fillMember(during, u"DURANTE A PARADA"_s);
    QVERIFY(!seat->IUAssociado(during));
    QCOMPARE(during.id(), 0);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].kind, Feedback::Kind::Error);
    QVERIFY2(recorder.messages[0].text.startsWith(u"IUAssociado: "_s), qPrintable(recorder.messages[0].text));

    QVERIFY(seat->PesqAssociado(tpNome, QString())->Lista().count() == 0);
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY2(recorder.messages[1].text.startsWith(u"PesqAssociado: "_s), qPrintable(recorder.messages[1].text));

    QVERIFY_THROWS_EXCEPTION(FbError, seat->LeAssociadoID(before.id()));
    QVERIFY(!seat->IUAssociado(during));
    QCOMPARE(recorder.messages.size(), 3);

    QCOMPARE(serverScript(u"start"_s), 0);
    restart.started = true;
    recorder.clear();

    // Back: the same module works again.
    TAssociado after;
    fillMember(after, u"DEPOIS DA PARADA"_s);
    QVERIFY(seat->IUAssociado(after));
    QVERIFY(after.id() > before.id());
    QCOMPARE(seat->LeAssociadoID(after.id())->nome(), u"DEPOIS DA PARADA"_s);
    QCOMPARE(namesFound(*seat, u"PARADA"_s), (QSet<QString>{u"ANTES DA PARADA"_s, u"DEPOIS DA PARADA"_s}));
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join(u'\n')));
}

QTEST_GUILESS_MAIN(tst_Seats)
#include "tst_seats.moc"
