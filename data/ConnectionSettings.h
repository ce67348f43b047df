#pragma once

#include <QString>

// A named connection definition: an ini file section with Database, Server,
// Port, User_Name, Password and CharacterSet. An empty Server means the
// embedded engine on a local database file.
struct ConnectionSettings
{
    QString database;
    QString server;
    int port = 0;
    QString userName = QStringLiteral("SYSDBA");
    QString password;
    QString characterSet = QStringLiteral("UTF8");

    bool isEmbedded() const { return server.isEmpty(); }

    // The string the client library attaches to.
    QString attachString() const;

    // The file that holds the definitions for the running program
    // (ProgramFolders::connectionDefinition); empty on a new desk.
    static QString definitionsFile();

    // Reads the definition `name` from definitionsFile(); throws FbError
    // naming the file when the file is missing or can't be read, the section
    // is missing, or Port is not a port number. Values are taken as written:
    // a value in double quotes is everything between the first and the last
    // quote of its line; an unquoted one ends at a ';' after a blank (a
    // comment). Nothing is unescaped; keys and sections ignore case.
    static ConnectionSettings load(const QString &name = QStringLiteral("Ulmora"));
    static ConnectionSettings load(const QString &file, const QString &name);

    // Writes this definition as section `name` of a new `file` (its folder
    // made when missing) readable by its owner only, every value as load()
    // reads it back. Throws FbError naming the file when it can't be
    // written, or when a value holds a line break (no line can carry it).
    void save(const QString &file, const QString &name = QStringLiteral("Ulmora")) const;

    // Points the definition `name` in `file` at another database: only its
    // Database line changes (the new path between double quotes, a comment
    // after the old one kept), every other line, comments included, stays
    // as it was. Throws FbError when the file can't be read or written or
    // has no such section.
    static void writeDatabase(const QString &file, const QString &name, const QString &database);
};
