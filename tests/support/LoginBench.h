#pragma once

#include "DataModules.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "WidgetFeedback.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What the tests of a login dialog share: the data modules over a fixture,
// the messages shown as real message boxes (answered through the hook), and
// for each test function no one logged in, a fresh ini folder and a dialog
// shown on it. A test's initTestCase, cleanupTestCase, init and cleanup call
// setUp, tearDown, begin and end.
template<typename Dialog>
struct LoginBench
{
    std::unique_ptr<DataModules> modules;
    std::unique_ptr<WidgetFeedback> feedback;
    std::unique_ptr<QTemporaryDir> iniDir;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<MessageDialogHook> messages;

    // Empty when the database was built, else what went wrong.
    QString setUp(const QString &fixture)
    {
        LanguageControl::install();
        modules = std::make_unique<DataModules>(fixture);
        if (!modules->isValid())
            return modules->error();
        feedback = std::make_unique<WidgetFeedback>();
        return QString();
    }

    void tearDown()
    {
        feedback.reset();
        modules.reset();
    }

    void begin()
    {
        UsuarioLogado = TUsuarioLogado();
        iniDir = std::make_unique<QTemporaryDir>();
        messages = std::make_unique<MessageDialogHook>();
    }

    void end()
    {
        dialog.reset();
        messages.reset();
        iniDir.reset();
    }

    // A new dialog on the ini folder, shown; false when it does not become
    // the active window.
    bool open()
    {
        dialog = std::make_unique<Dialog>();
        dialog->setIniDirectory(iniDir->path());
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get());
    }
};
