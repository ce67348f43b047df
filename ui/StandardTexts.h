#pragma once

#include <QMessageBox>
#include <QString>

// The Portuguese titles and button captions every message dialog of the
// system shows. None of the captions carries an accelerator mark.
class StandardTexts
{
public:
    enum class Kind { Warning, Error, Information, Confirmation };

    static QString title(Kind kind);
    static QMessageBox::Icon icon(Kind kind);

    // Empty for a button the table has no caption for.
    static QString caption(QMessageBox::StandardButton button);

    // The caption that replaces one of the toolkit's own standard texts, or
    // an empty string when the text is not one of them.
    static QString replacement(const QString &standardText);

    // What a member is told about a package ("Financeiro", "Negativação")
    // it has not contracted.
    static QString pacoteNaoContratado(const QString &pacote);
};
