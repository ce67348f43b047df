#pragma once

#include "ConnectionSettings.h"

#include <QString>
#include <QTemporaryDir>

// A fresh database in a temporary folder, built from our own scripts with
// isql-fb before the code under test opens it (the embedded engine lets one
// process hold a file at a time, so fixtures are loaded before, not while).
class TestDatabase
{
public:
    enum Content { SchemaOnly, WithReference, WithDemo };

    explicit TestDatabase(Content content = SchemaOnly);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString path() const { return m_path; }
    ConnectionSettings settings() const;

    // Runs SQL through isql-fb (statements end with ';'; a COMMIT is added).
    // Only while no connection of this process holds the database.
    bool run(const QString &sql);
    bool runFile(const QString &file);

    // A connection definition file naming this database as "Ulmora".
    QString writeDefinitions() const;

    static QString sourceFile(const QString &relative);

private:
    bool isql(const QStringList &arguments, const QByteArray &input = QByteArray());

    QTemporaryDir m_dir;
    QString m_path;
    QString m_error;
};
