#pragma once

#include "BackupProgress.h"

#include <QString>

// The association's program from start to end (the order ProgramStart
// keeps), with the association's login dialog as its gate and frmPrincipal
// as its main window. Answers 1 when a data module can't be built, 0 when the
// login ends without OK or the main window has closed. Once the person has
// closed the main window, a backup copy is made when the last one is more
// than a day old (copiaAoSair).
class Startup
{
public:
    Startup();

    // Where the login keeps its ini file: ProgramFolders::iniFolder() unless
    // set.
    QString iniDirectory;
    // The clock of the backup made at the end (a test's calendar).
    BackupClock clock;

    QString iniFile() const;
    int run();
};
