#pragma once

#include "BackupRotation.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct ConnectionSettings;

// The folder that holds a database's backup copies, each named after the
// database and the moment it was taken ("ulmora-20261211-134012.fbk"). Only
// files named so are copies: a copy is written under another name and takes
// its own only once it has been verified, so every copy here is a good one.
class BackupFolder
{
public:
    BackupFolder(QString folder, QString databaseName);
    // The folder beside the database of `settings`, and the copies' name.
    static QString besideDatabase(const ConnectionSettings &settings);
    static QString databaseName(const ConnectionSettings &settings);

    const QString &path() const { return m_folder; }

    // Where the copy taken at `taken` goes.
    QString copyPath(const QDateTime &taken) const;
    // The copies in the folder, dated by their names.
    QList<DatedCopy> copies() const;
    // When the newest copy was taken; nothing when there is none.
    std::optional<QDateTime> lastCopy() const;

    // The moment in a copy's file name (any database's); invalid when the
    // name is not one of a copy.
    static QDateTime takenAt(const QString &fileName);

private:
    QString m_folder;
    QString m_databaseName;
};
