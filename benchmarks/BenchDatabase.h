#pragma once

#include <QString>

// The database the benchmarks run on: our own schema with the payment
// methods, the cities and benchmarks/members.sql (five associations,
// 300,000 members). Built once in the folder given; a later run finds it
// there and uses it as it is, unless the scripts it was built from have
// changed since (a new index must be measured, not the old database).
class BenchDatabase
{
public:
    explicit BenchDatabase(const QString &folder);

    // Builds the database when the folder has none, or one built from other
    // scripts; false with error() when that fails. A build that fails
    // half-way leaves nothing behind that a later run would take for a
    // finished database.
    bool ensure();

    QString path() const { return m_path; }
    QString error() const { return m_error; }
    // Whether ensure() had to build it (and how long that took).
    bool built() const { return m_built; }
    double buildSeconds() const { return m_buildSeconds; }

private:
    bool run(const QString &program, const QStringList &arguments, int timeoutMs);
    // A digest of the scripts the database is built from.
    static QByteArray sourcesDigest();
    QString stampPath() const { return m_path + QStringLiteral(".sources"); }

    QString m_folder;
    QString m_path;
    QString m_error;
    bool m_built = false;
    double m_buildSeconds = 0.0;
};
