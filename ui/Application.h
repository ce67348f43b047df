#pragma once

#include <QApplication>

#include <exception>

// The application object, and the one place where errors that escape the
// handling of a user action are caught: a database error goes to the database
// error dialog, any other error to an error box titled with the application's
// title; the program goes on with the event it was handling dropped.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The program's title: the main window's caption and the title of the
    // error box. "Ulmora - Associação v1.0" unless the program sets its own.
    static QString title();
    static void setTitle(const QString &title);

    // Shows `error` as the catch point does (also for errors met before the
    // event loop runs, such as a database that can't be opened).
    static void report(std::exception_ptr error);
};
