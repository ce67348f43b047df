#include "Application.h"
#include "StartupAcd.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    return StartupAcd().run();
}
