#include "Application.h"
#include "CommandLineAcd.h"
#include "StartupAcd.h"

int main(int argc, char *argv[])
{
    if (const int status = handleCommandLineAcd(argc, argv); status >= 0)
        return status;
    Application app(argc, argv);
    return StartupAcd().run();
}
