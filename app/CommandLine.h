#pragma once

#include <QString>

// The association's program's command line. `ulmora --backup [PASTA]` makes
// a verified backup copy of the database the connection definition names
// (with the rotation of the copies) without a window and without a login,
// for an administrator's scheduled task: it prints where it wrote the copy
// and answers 0, or prints the reason and answers 1. `--help` lists the
// options. Anything else starts the program's windows.
namespace CommandLine {

// The arguments ask for the command line (main then builds no windows,
// which need a display).
bool runsWithoutWindows(int argc, char **argv);

// Runs it; needs a QCoreApplication. `iniFile`: the program's ini file
// (with the remembered backup folder).
int run(const QString &iniFile);

} // namespace CommandLine
