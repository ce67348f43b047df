// The real executables end cleanly on SIGTERM (a desktop session ending) and
// SIGINT (Ctrl+C): exit status 0 within a second, at the login and in the
// main window, on a database of their own. The client library used to catch
// both signals, shut the connections and leave the program running with
// every statement failing.
//
// At the login they run on the offscreen platform. The main window needs a
// login typed, so those runs (and a login run that first sees its window)
// use a virtual X display (Xvfb) and xdotool; without them they are skipped.

#include "FbConnection.h"
#include "FbStatement.h"
#include "TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

struct Program
{
    QString file;
    QString mainTitle;
    QStringList login; // typed in the login dialog, one field after another
};

const Program association{
    QStringLiteral(ULMORA_PROGRAM), u"Ulmora - Associação v1.0"_s, {u"11222333000181"_s, u"ADMIN"_s, u"ADMIN"_s}};
const Program member{QStringLiteral(ULMORA_ASSOCIADO_PROGRAM),
                     u"Ulmora - Associado v1.0"_s,
                     {u"11222333000181"_s, u"MERCADO"_s, u"MERCADO1"_s}};

} // namespace

class tst_Signals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void endsCleanly_data();
    void endsCleanly();

private:
    // Runs xdotool; its output, or a null string when it failed or took
    // longer than `timeout`.
    QString xdotool(const QStringList &arguments, int timeout = 10000);
    // The visible window of process `pid` titled exactly `title`.
    QString waitForWindow(qint64 pid, const QString &title);

    std::unique_ptr<TestDatabase> m_db;
    QString m_definitions;
    QTemporaryDir m_folder; // copies of the executables: their ini files go there
    QProcess m_xvfb;
    QString m_display;
};

void tst_Signals::initTestCase()
{
    m_db = std::make_unique<TestDatabase>(TestDatabase::WithDemo);
    QVERIFY2(m_db->isValid(), qPrintable(m_db->error()));
    m_definitions = m_db->writeDefinitions();
    QVERIFY(m_folder.isValid());
    for (const Program *program : {&association, &member}) {
        const QString copy = m_folder.filePath(QFileInfo(program->file).fileName());
        QVERIFY2(QFile::copy(program->file, copy), qPrintable(program->file));
    }

    // A display of its own: -displayfd picks a free one and tells its number.
    if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        return;
    m_xvfb.start(u"Xvfb"_s,
                 {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x800x24"_s, u"-nolisten"_s, u"tcp"_s});
    QElapsedTimer waited;
    waited.start();
    while (m_xvfb.state() != QProcess::NotRunning && !m_xvfb.canReadLine() && waited.elapsed() < 10000)
        m_xvfb.waitForReadyRead(100);
    const QString number = QString::fromLatin1(m_xvfb.readLine()).trimmed();
    if (!number.isEmpty())
        m_display = u':' + number;
}

void tst_Signals::cleanupTestCase()
{
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000))
            m_xvfb.kill();
    }
}

QString tst_Signals::xdotool(const QStringList &arguments, int timeout)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    process.setProcessEnvironment(environment);
    process.start(u"xdotool"_s, arguments);
    if (!process.waitForFinished(timeout)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    const QString output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return output.isNull() ? u""_s : output;
}

QString tst_Signals::waitForWindow(qint64 pid, const QString &title)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000) {
        const QString found = xdotool({u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(pid), u"--name"_s,
                                       u'^' + QRegularExpression::escape(title) + u'$'});
        if (!found.isEmpty())
            return found.split(u'\n').constFirst();
        QTest::qWait(100);
    }
    return QString();
}

void tst_Signals::endsCleanly_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("inMainWindow");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("onDisplay");

    for (const Program *program : {&association, &member}) {
        const QString name = QFileInfo(program->file).fileName();
        for (int signalNumber : {SIGTERM, SIGINT}) {
            const char *signalName = signalNumber == SIGTERM ? "SIGTERM" : "SIGINT";
            QTest::addRow("%s, login, offscreen, %s", qPrintable(name), signalName)
                << name << false << signalNumber << false;
            QTest::addRow("%s, login, display, %s", qPrintable(name), signalName)
                << name << false << signalNumber << true;
            QTest::addRow("%s, main window, display, %s", qPrintable(name), signalName)
                << name << true << signalNumber << true;
        }
    }
}

void tst_Signals::endsCleanly()
{
    QFETCH(QString, program);
    QFETCH(bool, inMainWindow);
    QFETCH(int, signalNumber);
    QFETCH(bool, onDisplay);
    if (onDisplay && m_display.isEmpty())
        QSKIP("no Xvfb and xdotool here");
    const Program &which = program == QFileInfo(association.file).fileName() ? association : member;

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"ULMORA_CONNECTION_DEFS"_s, m_definitions);
    if (onDisplay) {
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.insert(u"DISPLAY"_s, m_display);
    } else {
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A fresh copy each time: no CNPJ remembered from the run before.
    QFile::remove(m_folder.filePath(u"ul_associacao.ini"_s));
    QFile::remove(m_folder.filePath(u"ul_associado.ini"_s));
    process.start(m_folder.filePath(program), {});
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    auto stop = qScopeGuard([&] {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    });

    if (onDisplay) {
        const QString login = waitForWindow(process.processId(), u"Login"_s);
        QVERIFY2(!login.isEmpty(), "the login did not show");
        if (inMainWindow) {
            QVERIFY(!xdotool({u"windowfocus"_s, u"--sync"_s, login}).isNull());
            // Enter moves on from field to field, and presses "Entrar" last.
            for (const QString &text : which.login) {
                QVERIFY(!xdotool({u"type"_s, u"--delay"_s, u"20"_s, text}).isNull());
                QVERIFY(!xdotool({u"key"_s, u"Return"_s}).isNull());
            }
            QVERIFY(!xdotool({u"key"_s, u"Return"_s}).isNull());
            QVERIFY2(!waitForWindow(process.processId(), which.mainTitle).isEmpty(), "the main window did not show");
        }
    } else {
        // Offscreen nothing tells when the login is up: the database opens
        // and the dialog shows well within this.
        QTest::qWait(1500);
    }
    QCOMPARE(process.state(), QProcess::Running);

    QElapsedTimer ending;
    ending.start();
    QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
    QVERIFY2(process.waitForFinished(1000), "still running a second after the signal");
    qInfo("ended %lld ms after the signal", qint64(ending.elapsed()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    // It let go of the database: this process can open it now, embedded too.
    FbConnection after(m_db->settings());
    FbStatement check(after, u"select count(*) as N from ASSOCIACAO"_s);
    auto rows = check.open();
    QVERIFY(rows->next());
    QVERIFY(rows->integer(u"N") > 0);
}

QTEST_GUILESS_MAIN(tst_Signals)
#include "tst_signals.moc"
