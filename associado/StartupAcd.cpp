#include "StartupAcd.h"

#include "FirstRunAssistant.h"
#include "ProgramFolders.h"
#include "ProgramStart.h"
#include "uLoginAcd.h"
#include "uPrincipalAcd.h"
#include "uTrocaSenha.h"

#include <QCoreApplication>

StartupAcd::StartupAcd() : iniDirectory(ProgramFolders::iniFolder())
{
}

int StartupAcd::run()
{
    return ProgramStart::run({.title = titulo(),
                              .gate =
                                  [this] {
                                      TfrmLoginAcd login;
                                      login.setIniDirectory(iniDirectory);
                                      if (login.exec() != QDialog::Accepted)
                                          return false;
                                      if (!login.senhaInicial())
                                          return true;
                                      TfrmTrocaSenha troca;
                                      return troca.exec() == QDialog::Accepted;
                                  },
                              .mainWindow = [] { return std::make_unique<TfrmPrincipalAcd>(); },
                              .firstRun = FirstRunAssistant::run});
}
