#include "Application.h"

#include "DatabaseErrorDialog.h"
#include "FbError.h"
#include "MessageDialog.h"

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
}

namespace {
QString &programTitle()
{
    static QString title = QStringLiteral("Ulmora - Associação v1.0");
    return title;
}
} // namespace

QString Application::title()
{
    return programTitle();
}

void Application::setTitle(const QString &title)
{
    programTitle() = title;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        report(std::current_exception());
        return false;
    }
}

void Application::report(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const FbError &e) {
        DatabaseErrorDialog::show(e);
    } catch (const std::exception &e) {
        MessageDialog::show(QString::fromUtf8(e.what()), MessageDialog::Kind::Error, QMessageBox::Ok, title());
    } catch (...) {
        MessageDialog::show(QStringLiteral("Erro desconhecido."), MessageDialog::Kind::Error, QMessageBox::Ok, title());
    }
}
