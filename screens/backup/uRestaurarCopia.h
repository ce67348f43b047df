#pragma once

#include "ConnectionSettings.h"

class QWidget;

// Puts the backup copy `backupFile` in the place of the database in use:
// restores it into a new file beside the database with its progress shown,
// asks for confirmation naming the copy's date, then points the connection
// definition in `definitionsFile` at the new file, keeping the old one
// renamed with the date, and says that the program will close. Answers true
// when the database was replaced (the program must then end: its windows
// still show the old database). Any refusal (a server, a damaged copy) is
// shown and changes nothing.
bool restaurarCopia(const ConnectionSettings &settings, const QString &backupFile, const QString &definitionsFile,
                    QWidget *parent = nullptr);
