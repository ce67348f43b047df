#pragma once

// The members' program's command line, read before any window (so that
// --help and --version need no display): -h/--help prints what the program
// does and its options, -v/--version its version, in Portuguese, and the
// process ends with 0 (with 1 when an unknown option comes with them).
// Without them it answers -1 and the program goes on; the toolkit takes its
// own arguments (-platform, -style, ...) as for any Qt program.
int handleCommandLineAcd(int argc, char *argv[]);
