#pragma once

#include "ConnectionSettings.h"

#include <QString>
#include <QTemporaryDir>

// A fresh database built from our own scripts with isql-fb, on one of the
// two back ends, chosen by the environment variable ULMORA_TEST_BACKEND:
//
// - embedded (default): a file in a temporary folder, opened by the embedded
//   engine. The engine lets one process hold a file at a time, so fixtures
//   are loaded before the code under test opens it, not while.
// - server: a file on the Firebird server at 127.0.0.1:3050 (see
//   scripts/firebird-server.sh), created and loaded as SYSDBA, with the
//   program's rights granted (data/grants.sql); the code under test connects
//   as the program's user ULMORA. Dropped again when the object goes.
//
// With ULMORA_TEST_BUILDER=program (embedded only) the schema, payment
// methods and cities are loaded by the program's own script runner
// (createNewDatabase) instead of isql-fb, so that the checks of a test run
// on a database exactly as a new desk makes it; the demo data and the
// fixtures still go through isql-fb.
class TestDatabase
{
public:
    enum Content { SchemaOnly, WithReference, WithDemo };

    explicit TestDatabase(Content content = SchemaOnly);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    // True when ULMORA_TEST_BACKEND asks for the server.
    static bool onServer();
    // True when ULMORA_TEST_BUILDER asks for the program's own builder.
    static bool builtByProgram();

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The database's path: on this machine, or on the server.
    QString path() const { return m_path; }
    // How the code under test connects: SYSDBA on the embedded engine, the
    // program's user on the server.
    ConnectionSettings settings() const;
    // SYSDBA on the same back end: for what only the administrator does.
    ConnectionSettings ownerSettings() const;

    // Runs SQL through isql-fb as SYSDBA (statements end with ';'; a COMMIT is
    // added). Embedded: only while no connection of this process holds the
    // database; on the server: at any time, and what it creates gets the
    // program's rights (data/grants.sql).
    bool run(const QString &sql);
    bool runFile(const QString &file);

    // A connection definition file naming this database as "Ulmora".
    QString writeDefinitions() const;

    static QString sourceFile(const QString &relative);

private:
    void createEmbedded();
    void createByProgram();
    void createOnServer();
    QString target() const;
    bool isql(const QStringList &arguments, const QByteArray &input = QByteArray());

    bool m_server = false;
    QTemporaryDir m_dir;
    QString m_path;
    QString m_error;
    QString m_ownerPassword; // SYSDBA's, on the server
    QString m_userPassword; // the program user's, on the server
};
