#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// What both programs do from process start to end, in one fixed order: the
// Portuguese dialog texts, the Tahoma font, the program's title and icon, the
// data layer's messages and wait cursor on screen, the data-access module DM
// (its connection opens while it is built), the presentation-tables module
// DMds, then the program's gate (its login dialog, and whatever else must
// pass before work starts) and, once the gate lets the person in, the
// program's main window and the event loop until that window closes.
//
// Where no connection definition is found at all (a new desk), the
// program's first run comes before the data module: it writes one, or the
// run ends with 0. A data module that can't be built (a definition that
// names no Ulmora definition, a database unreachable) is reported and run()
// answers 1 without the gate. A gate that
// answers false ends the run with 0 and no main window. SIGTERM or SIGINT
// ends the run with 0 wherever it is (QuitOnSignal). However the run ends,
// DM, DMds and UsuarioLogado are as at process start afterwards. Needs an
// Application (the catch point) to exist.
class ProgramStart
{
public:
    struct Program
    {
        // The main window's caption, also the title of the error box of an
        // error that escapes an action.
        QString title;
        // Modal dialogs that let the person in: true goes on.
        std::function<bool()> gate;
        // The main window, made once the gate has passed.
        std::function<std::unique_ptr<QWidget>()> mainWindow;
        // What the program does once the person has closed the main window
        // (not after a signal), with the data modules still there; may be
        // empty.
        std::function<void()> afterMainWindow = {};
        // Writes a connection definition where ConnectionSettings finds it
        // (the first-run assistant): true goes on. Without it a desk with
        // no definition is reported as a data module that can't be built.
        std::function<bool()> firstRun = {};
    };

    static int run(const Program &program);
};
