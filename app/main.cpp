#include "Application.h"
#include "CommandLine.h"
#include "ProgramFolders.h"
#include "Startup.h"
#include "uLogin.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    // The command line works without a display (a scheduled task).
    if (CommandLine::runsWithoutWindows(argc, argv)) {
        QCoreApplication app(argc, argv);
        return CommandLine::run(QDir(ProgramFolders::iniFolder()).filePath(TfrmLogin::nomeIni()));
    }
    Application app(argc, argv);
    return Startup().run();
}
