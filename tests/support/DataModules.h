#pragma once

#include "TestDatabase.h"

#include <QString>
#include <QStringList>

#include <memory>

class TDM;
class TDMds;

// The program's data modules over a fresh test database: the data-access
// module, and the presentation tables when asked for, installed as the
// globals DM and DMds while the object lives and cleared again, presentation
// first, when it goes. Everything is loaded before the module connects: the
// embedded engine lets one process hold a database file at a time.
class DataModules
{
public:
    enum Modules { DataAccess, WithPresentation };

    // Loads `content`, then `scripts` (more of our own, paths from the source
    // folder), then `fixture` (SQL statements, each ending with ';').
    explicit DataModules(const QString &fixture, Modules modules = DataAccess,
                         TestDatabase::Content content = TestDatabase::SchemaOnly, const QStringList &scripts = {});
    ~DataModules();
    DataModules(const DataModules &) = delete;
    DataModules &operator=(const DataModules &) = delete;

    // A constructor cannot fail a test: the caller checks.
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    TestDatabase &database() { return m_database; }
    // The data-access module; only on a valid object.
    TDM &dm() const { return *m_dm; }

private:
    TestDatabase m_database;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TDMds> m_dmds;
    QString m_error;
};
