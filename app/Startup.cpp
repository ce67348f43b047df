#include "Startup.h"

#include "FirstRunAssistant.h"
#include "ProgramFolders.h"
#include "ProgramStart.h"
#include "uLogin.h"
#include "uPrincipal.h"

#include <QCoreApplication>

Startup::Startup() : iniDirectory(ProgramFolders::iniFolder())
{
}

int Startup::run()
{
    return ProgramStart::run({QStringLiteral("Ulmora - Associação v1.0"),
                              [this] {
                                  TfrmLogin login;
                                  login.setIniDirectory(iniDirectory);
                                  return login.exec() == QDialog::Accepted;
                              },
                              [] { return std::make_unique<TfrmPrincipal>(); }, FirstRunAssistant::run});
}
