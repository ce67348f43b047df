#pragma once

#include <QList>
#include <QString>

// An isql script cut into the statements isql would send one at a time:
// each ends at the terminator (';' until a SET TERM changes it), which is
// not part of it; a terminator inside a string, a quoted name or a comment
// ends nothing. Comments and blanks between statements are skipped; those
// inside a statement (a procedure's body) stay in its text. SET TERM itself
// is consumed here and never given out. What follows the last terminator
// is a statement too.
struct SqlScriptStatement
{
    QString text;
    int line = 0; // of the statement's first character, counted from 1
};

QList<SqlScriptStatement> splitSqlScript(const QString &script);
