#include "Startup.h"

#include "Application.h"
#include "LanguageControl.h"
#include "Session.h"
#include "WidgetFeedback.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uLogin.h"
#include "uPrincipal.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

// Leaves the globals as they were at process start when the run ends, however
// it ends.
struct GlobalsReset
{
    ~GlobalsReset()
    {
        DMds = nullptr;
        DM = nullptr;
        UsuarioLogado = TUsuarioLogado();
    }
};

} // namespace

Startup::Startup() : iniDirectory(QCoreApplication::applicationDirPath())
{
}

int Startup::run()
{
    LanguageControl::install();
    WindowConventions::registerFonts();
    // Every window of the program, the register windows inside the main one
    // included, carries the logo as its icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    WidgetFeedback feedback;
    GlobalsReset reset;

    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>();
    } catch (...) {
        Application::report(std::current_exception());
        return 1;
    }
    DM = dm.get();

    std::unique_ptr<TDMds> dmds;
    try {
        dmds = std::make_unique<TDMds>();
    } catch (...) {
        Application::report(std::current_exception());
        return 1;
    }
    DMds = dmds.get();

    auto login = std::make_unique<TfrmLogin>();
    login->setIniDirectory(iniDirectory);
    if (login->exec() != QDialog::Accepted)
        return 0;
    login.reset();

    TfrmPrincipal principal;
    principal.show();
    return QCoreApplication::exec();
}
