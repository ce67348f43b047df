// The connection definition as a person writes it: every value reaches the
// client library as written (a password may hold any character), Port must
// be a number, and a file that exists but can't be read says so.

#include "ConnectionSettings.h"
#include "FbError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class tst_ConnectionSettings : public QObject
{
    Q_OBJECT

private slots:
    void valuesAsWritten_data();
    void valuesAsWritten();
    void port_data();
    void port();
    void badPort_data();
    void badPort();
    void fileThatCannotBeRead_data();
    void fileThatCannotBeRead();
    void missingFileOrDefinition();
    void writeDatabaseChangesOnlyThatLine_data();
    void writeDatabaseChangesOnlyThatLine();
    void writeDatabaseRefusals();

private:
    QString write(const QString &text);
    QTemporaryDir m_dir;
};

QString tst_ConnectionSettings::write(const QString &text)
{
    const QString file = m_dir.filePath(QStringLiteral("connections.ini"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(file));
    out.write(text.toUtf8());
    return file;
}

void tst_ConnectionSettings::valuesAsWritten_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("password");

    QTest::newRow("semicolon") << QStringLiteral("Password=abc;def") << QStringLiteral("abc;def");
    QTest::newRow("semicolon quoted") << QStringLiteral("Password=\"abc ;def\"") << QStringLiteral("abc ;def");
    QTest::newRow("commas") << QStringLiteral("Password=a,b,c") << QStringLiteral("a,b,c");
    QTest::newRow("backslashes") << QStringLiteral("Password=C:\\n\\t\\\\x\\") << QStringLiteral("C:\\n\\t\\\\x\\");
    QTest::newRow("quotes inside") << QStringLiteral("Password=it's \"ok\"") << QStringLiteral("it's \"ok\"");
    QTest::newRow("quotes inside quoted") << QStringLiteral("Password=\"\"ok\"\"") << QStringLiteral("\"ok\"");
    QTest::newRow("blanks at both ends") << QStringLiteral("Password=\"  pad \t\"") << QStringLiteral("  pad \t");
    QTest::newRow("percent and at") << QStringLiteral("Password=@Variant(%41)") << QStringLiteral("@Variant(%41)");
    QTest::newRow("accents") << QStringLiteral("Password=\"senhação;1\"") << QStringLiteral("senhação;1");
    QTest::newRow("comment after a value")
        << QStringLiteral("Password=segredo   ; the program's password") << QStringLiteral("segredo");
    QTest::newRow("comment after quotes") << QStringLiteral("Password=\"a ; b\"  ; comment") << QStringLiteral("a ; b");
    QTest::newRow("blanks around =") << QStringLiteral("Password = segredo ") << QStringLiteral("segredo");
    QTest::newRow("the README's example")
        << QStringLiteral("Password=\"  a;b, c\\d \"quoted\" \"     ; blanks at both ends and quotes inside")
        << QStringLiteral("  a;b, c\\d \"quoted\" ");
    QTest::newRow("empty") << QStringLiteral("Password=") << QString();
    QTest::newRow("empty quoted") << QStringLiteral("Password=\"\"") << QString();
}

void tst_ConnectionSettings::valuesAsWritten()
{
    QFETCH(QString, line);
    QFETCH(QString, password);

    const QString file = write(QStringLiteral("; the office server\r\n[Ulmora]\r\nDatabase=/srv/ulmora/ulmora.fdb   ; "
                                              "the file\r\nServer=office\r\nUser_Name=ULMORA\r\n")
                               + line + QStringLiteral("\r\nCharacterSet=UTF8\r\n[Outra]\r\nPassword=outra\r\n"));
    const ConnectionSettings settings = ConnectionSettings::load(file, QStringLiteral("Ulmora"));
    QCOMPARE(settings.password, password);
    QCOMPARE(settings.database, QStringLiteral("/srv/ulmora/ulmora.fdb"));
    QCOMPARE(settings.server, QStringLiteral("office"));
    QCOMPARE(settings.userName, QStringLiteral("ULMORA"));
    QCOMPARE(settings.characterSet, QStringLiteral("UTF8"));
}

void tst_ConnectionSettings::port_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("port");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("number") << QStringLiteral("3051") << 3051;
    QTest::newRow("blanks around") << QStringLiteral(" 3050 ") << 3050;
}

void tst_ConnectionSettings::port()
{
    QFETCH(QString, value);
    QFETCH(int, port);

    const QString file
        = write(QStringLiteral("[Ulmora]\nDatabase=/srv/u.fdb\nServer=office\nPort=") + value + QStringLiteral("\n"));
    const ConnectionSettings settings = ConnectionSettings::load(file, QStringLiteral("Ulmora"));
    QCOMPARE(settings.port, port);
    QCOMPARE(settings.attachString(),
             port ? QStringLiteral("office/%1:/srv/u.fdb").arg(port) : QStringLiteral("office:/srv/u.fdb"));
}

void tst_ConnectionSettings::badPort_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("word") << QStringLiteral("padrao");
    QTest::newRow("number and text") << QStringLiteral("3050x");
    QTest::newRow("two numbers") << QStringLiteral("30 50");
    QTest::newRow("negative") << QStringLiteral("-1");
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("too large") << QStringLiteral("70000");
}

void tst_ConnectionSettings::badPort()
{
    QFETCH(QString, value);

    const QString file
        = write(QStringLiteral("[Ulmora]\nDatabase=/srv/u.fdb\nServer=office\nPort=") + value + QStringLiteral("\n"));
    try {
        ConnectionSettings::load(file, QStringLiteral("Ulmora"));
        QFAIL("a bad port was accepted");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("Port")), qPrintable(error.message()));
        QVERIFY2(error.message().contains(value), qPrintable(error.message()));
        QVERIFY2(error.message().contains(file), qPrintable(error.message()));
    }
}

void tst_ConnectionSettings::fileThatCannotBeRead_data()
{
    QTest::addColumn<bool>("folder");

    QTest::newRow("a folder in its place") << true;
    QTest::newRow("no read permission") << false;
}

void tst_ConnectionSettings::fileThatCannotBeRead()
{
    QFETCH(bool, folder);

    QString file;
    if (folder) {
        file = m_dir.filePath(QStringLiteral("pasta.ini"));
        QVERIFY(QDir().mkpath(file));
    } else {
        if (geteuid() == 0)
            QSKIP("root reads every file whatever its permissions");
        file = write(QStringLiteral("[Ulmora]\nDatabase=/srv/u.fdb\n"));
        QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
    }
    try {
        ConnectionSettings::load(file, QStringLiteral("Ulmora"));
        QFAIL("an unreadable file was read");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("não pode ser lido")), qPrintable(error.message()));
        QVERIFY2(!error.message().contains(QStringLiteral("não encontrado")), qPrintable(error.message()));
        QVERIFY2(error.message().contains(file), qPrintable(error.message()));
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void tst_ConnectionSettings::missingFileOrDefinition()
{
    const QString missing = m_dir.filePath(QStringLiteral("nao-existe.ini"));
    try {
        ConnectionSettings::load(missing, QStringLiteral("Ulmora"));
        QFAIL("a missing file was read");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("não encontrado")), qPrintable(error.message()));
    }
    // Another definition only, or one whose quote is never closed.
    for (const QString &text : {QStringLiteral("[Outra]\nDatabase=/srv/u.fdb\n"),
                                QStringLiteral("[Ulmora]\nDatabase=/srv/u.fdb\nPassword=\"aberta\n")}) {
        const QString file = write(text);
        try {
            ConnectionSettings::load(file, QStringLiteral("Ulmora"));
            QFAIL(qPrintable(QStringLiteral("accepted: ") + text));
        } catch (const FbError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("Ulmora")), qPrintable(error.message()));
        }
    }
    // Sections and keys ignore case.
    const ConnectionSettings settings = ConnectionSettings::load(
        write(QStringLiteral("[ULMORA]\ndatabase=/srv/u.fdb\npassword=x\n")), QStringLiteral("Ulmora"));
    QCOMPARE(settings.database, QStringLiteral("/srv/u.fdb"));
    QCOMPARE(settings.password, QStringLiteral("x"));
}

void tst_ConnectionSettings::writeDatabaseChangesOnlyThatLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("database");

    QTest::newRow("comments and other sections stay")
        << QStringLiteral("; the office's database\n[Outra]\nDatabase=/srv/outra.fdb\n\n[Ulmora]\n"
                          "Database=/srv/ulmora/ulmora.fdb   ; path of the database file\nServer=\n"
                          "Password=\"  a;b \"   ; quoted\n")
        << QStringLiteral("; the office's database\n[Outra]\nDatabase=/srv/outra.fdb\n\n[Ulmora]\n"
                          "Database=\"/srv/ulmora/ulmora-restaurado-20261211-180000.fdb\"   ; path of the database "
                          "file\nServer=\n"
                          "Password=\"  a;b \"   ; quoted\n")
        << QStringLiteral("/srv/ulmora/ulmora-restaurado-20261211-180000.fdb");
    QTest::newRow("key and section in other case, CRLF")
        << QStringLiteral("[ULMORA]\r\n  database = velho.fdb\r\nUser_Name=SYSDBA\r\n")
        << QStringLiteral("[ULMORA]\r\nDatabase=\"/var/novo ; com espaço.fdb\"\r\nUser_Name=SYSDBA\r\n")
        << QStringLiteral("/var/novo ; com espaço.fdb");
    QTest::newRow("commented-out database line stays")
        << QStringLiteral("[Ulmora]\n;Database=antigo.fdb\nDatabase=atual.fdb\n")
        << QStringLiteral("[Ulmora]\n;Database=antigo.fdb\nDatabase=\"/dados/novo.fdb\"\n")
        << QStringLiteral("/dados/novo.fdb");
}

void tst_ConnectionSettings::writeDatabaseChangesOnlyThatLine()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, database);
    const QString file = write(before);
    ConnectionSettings::writeDatabase(file, QStringLiteral("Ulmora"), database);
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(in.readAll()), after);
    QCOMPARE(ConnectionSettings::load(file, QStringLiteral("Ulmora")).database, database);
}

void tst_ConnectionSettings::writeDatabaseRefusals()
{
    const QString file = write(QStringLiteral("[Outra]\nDatabase=x.fdb\n"));
    QVERIFY_THROWS_EXCEPTION(
        FbError, ConnectionSettings::writeDatabase(file, QStringLiteral("Ulmora"), QStringLiteral("/a.fdb")));
    QVERIFY_THROWS_EXCEPTION(
        FbError, ConnectionSettings::writeDatabase(file, QStringLiteral("Outra"), QStringLiteral("/a\nb.fdb")));
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), QByteArray("[Outra]\nDatabase=x.fdb\n"));
}

QTEST_GUILESS_MAIN(tst_ConnectionSettings)
#include "tst_connectionsettings.moc"
