#include "Startup.h"

#include "FbConnection.h"
#include "FirstRunAssistant.h"
#include "ProgramFolders.h"
#include "ProgramStart.h"
#include "uCopiaAutomatica.h"
#include "uDM.h"
#include "uLogin.h"
#include "uPrincipal.h"

#include <QCoreApplication>
#include <QDir>

Startup::Startup() : iniDirectory(ProgramFolders::iniFolder())
{
}

QString Startup::iniFile() const
{
    return QDir(iniDirectory).filePath(TfrmLogin::nomeIni());
}

int Startup::run()
{
    TfrmPrincipal *principal = nullptr;
    return ProgramStart::run({.title = QStringLiteral("Ulmora - Associação v1.0"),
                              .gate =
                                  [this] {
                                      TfrmLogin login;
                                      login.setIniDirectory(iniDirectory);
                                      return login.exec() == QDialog::Accepted;
                                  },
                              .mainWindow =
                                  [this, &principal] {
                                      auto window = std::make_unique<TfrmPrincipal>();
                                      window->setIniFile(iniFile());
                                      principal = window.get();
                                      return window;
                                  },
                              .afterMainWindow =
                                  [this, &principal] {
                                      // A database replaced by a restore is no longer the one in use.
                                      if (principal && !principal->bancoSubstituido())
                                          copiaAoSair(DM->connection().settings(), iniFile(), clock);
                                  },
                              .firstRun = FirstRunAssistant::run});
}
