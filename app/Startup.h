#pragma once

#include <QString>

// The program from start to end, in its fixed order: the Portuguese dialog
// texts, the data-access module DM (its connection opens while it is built),
// the presentation-tables module DMds, the login dialog as a gate, then the
// main window and the event loop until the main window closes.
//
// A data module that can't be built (connection definition missing, database
// unreachable) is reported and run() answers 1 without showing the login. A
// login that ends without OK answers 0 without the main window. Needs an
// Application (the catch point) to exist.
class Startup
{
public:
    Startup();

    // Where the login keeps its ini file: the executable's folder unless set.
    QString iniDirectory;

    int run();
};
