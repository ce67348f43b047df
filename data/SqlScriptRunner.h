#pragma once

#include <QString>

class FbConnection;

// Runs an isql script (see splitSqlScript) through the client library, as
// isql runs it with its defaults: data statements in one transaction that a
// COMMIT (or the end of the script) commits and a ROLLBACK undoes; each
// schema statement (create, alter, drop, grant ...) in a transaction of its
// own, committed at once (isql's AUTODDL). isql's display settings (SET
// LIST, SET ECHO ...) change nothing here and are passed over; SET NAMES
// and SET SQL DIALECT are taken when they ask for what the connection
// already is (UTF8, dialect 3) and refused otherwise. Nothing is printed: a
// statement that returns rows (a select) fails as any other error does.
//
// The first failing statement stops the run: what it had not committed yet
// is rolled back, and FbError carries the database's message prefixed with
// the script's name and the statement's line, and the statement's text.
void runSqlScript(FbConnection &connection, const QString &file);
void runSqlText(FbConnection &connection, const QString &script, const QString &origin);
