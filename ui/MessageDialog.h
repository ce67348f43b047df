#pragma once

#include "StandardTexts.h"

#include <QMessageBox>
#include <QString>

#include <memory>

// The one message dialog of the system: a modal box showing a text, titled by
// its kind ("Atenção", "Erro", "Informação", "Confirmação"), with the kind's
// icon and the requested buttons under the Portuguese captions; it answers
// with the button pressed. Every window goes through it, e.g.
//
//     MessageDialog::information(QStringLiteral("Login inválido!"));
//     if (MessageDialog::warning(text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok) ...
//
// While the wait cursor is up, the box shows the normal arrow. Tests answer
// it through MessageDialogHook instead of a real box.
class MessageDialog
{
public:
    using Kind = StandardTexts::Kind;

    // `title` replaces the kind's title (the error box of an error that
    // escaped an action carries the application's title); `details` adds
    // the toolkit's details button showing them.
    static QMessageBox::StandardButton show(const QString &text, Kind kind,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            const QString &title = QString(), const QString &details = QString());

    static QMessageBox::StandardButton information(const QString &text) { return show(text, Kind::Information); }
    static QMessageBox::StandardButton error(const QString &text) { return show(text, Kind::Error); }
    static QMessageBox::StandardButton warning(const QString &text, QMessageBox::StandardButtons buttons
                                                                    = QMessageBox::Ok | QMessageBox::Cancel)
    {
        return show(text, Kind::Warning, buttons);
    }

    // The box show() runs, not yet shown (for tests and special callers).
    static std::unique_ptr<QMessageBox> build(const QString &text, Kind kind,
                                              QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                              const QString &title = QString(), const QString &details = QString(),
                                              QWidget *parent = nullptr);
};
