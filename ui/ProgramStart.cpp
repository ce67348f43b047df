#include "ProgramStart.h"

#include "Application.h"
#include "LanguageControl.h"
#include "QuitOnSignal.h"
#include "Session.h"
#include "WidgetFeedback.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"

#include <QIcon>
#include <QWidget>

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

int ProgramStart::run(const Program &program)
{
    LanguageControl::install();
    WindowConventions::registerFonts();
    Application::setTitle(program.title);
    // Every window of the program, the register windows inside the main one
    // included, carries the logo as its icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    WidgetFeedback feedback;
    // Before the data module: see QuitOnSignal.
    QuitOnSignal quitOnSignal;
    GlobalsReset reset;

    if (ConnectionSettings::definitionsFile().isEmpty() && program.firstRun
        && (!program.firstRun() || quitOnSignal.requested()))
        return 0;

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

    if (quitOnSignal.requested() || !program.gate() || quitOnSignal.requested())
        return 0;

    const std::unique_ptr<QWidget> mainWindow = program.mainWindow();
    mainWindow->show();
    const int status = QCoreApplication::exec();
    if (quitOnSignal.requested())
        return 0;
    if (program.afterMainWindow)
        program.afterMainWindow();
    return quitOnSignal.requested() ? 0 : status;
}
