#pragma once

#include <QString>

// The members' program from start to end (the order ProgramStart keeps): its
// gate is the member login and, for a password still the initial one, the
// change of password; its main window frmPrincipalAcd. Answers 1 when a data
// module can't be built, 0 when the login or the change ends without OK or
// the main window has closed.
class StartupAcd
{
public:
    StartupAcd();

    // Where the login keeps its ini file: ProgramFolders::iniFolder() unless
    // set.
    QString iniDirectory;

    int run();

    static QString titulo() { return QStringLiteral("Ulmora - Associado v1.0"); }
};
