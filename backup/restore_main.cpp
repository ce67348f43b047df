// ulmora-restauracao BACKUP DATABASE: restores a backup copy into a new
// database file in a process of its own. The embedded engine restores inside
// the process that asks, and a cut or damaged copy can bring that process
// down; here it brings down only this one, and the program reports it.
//
// The engine is the embedded one unless ULMORA_RESTORE_SERVER names a
// server (ULMORA_RESTORE_PORT); ULMORA_RESTORE_USER and
// ULMORA_RESTORE_PASSWORD log in, so that no password shows on a command
// line. The engine's output goes to standard output line by line; a failure
// ends with its message on standard error and status 1.

#include "FbError.h"
#include "FbServices.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

// Ends the process at once once the engine has done its work: the engine
// unloads itself on the way out of a normal exit while a thread of the
// finished restore may still be running, which now and then ends the
// process with a crash after a restore that succeeded. Everything the
// restore wrote is in its file by now (the engine detached from it).
[[noreturn]] void endNow(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "uso: ulmora-restauracao COPIA BANCO\n";
        return 2;
    }
    ConnectionSettings engine;
    engine.server = qEnvironmentVariable("ULMORA_RESTORE_SERVER");
    engine.port = qEnvironmentVariableIntValue("ULMORA_RESTORE_PORT");
    if (qEnvironmentVariableIsSet("ULMORA_RESTORE_USER"))
        engine.userName = qEnvironmentVariable("ULMORA_RESTORE_USER");
    engine.password = qEnvironmentVariable("ULMORA_RESTORE_PASSWORD");
    try {
        FbServices::restore(engine, arguments.at(1), arguments.at(2), [](const QString &line) {
            std::fputs(line.toUtf8().constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
    } catch (const FbError &error) {
        err << error.message() << '\n';
        err.flush();
        endNow(1);
    }
    endNow(0);
}
