#include "StandardTexts.h"

#include <QHash>

QString StandardTexts::title(Kind kind)
{
    switch (kind) {
    case Kind::Warning:
        return QStringLiteral("Atenção");
    case Kind::Error:
        return QStringLiteral("Erro");
    case Kind::Information:
        return QStringLiteral("Informação");
    case Kind::Confirmation:
        return QStringLiteral("Confirmação");
    }
    return QString();
}

QMessageBox::Icon StandardTexts::icon(Kind kind)
{
    switch (kind) {
    case Kind::Warning:
        return QMessageBox::Warning;
    case Kind::Error:
        return QMessageBox::Critical;
    case Kind::Information:
        return QMessageBox::Information;
    case Kind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString StandardTexts::caption(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return QStringLiteral("Sim");
    case QMessageBox::No:
        return QStringLiteral("Não");
    case QMessageBox::Ok:
        return QStringLiteral("Ok");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancelar");
    case QMessageBox::Help:
        return QStringLiteral("Ajuda");
    case QMessageBox::Abort:
        return QStringLiteral("Abortar");
    case QMessageBox::Retry:
        return QStringLiteral("Tentar novamente");
    case QMessageBox::Ignore:
        return QStringLiteral("Ignorar");
    case QMessageBox::YesToAll:
        return QStringLiteral("Sim para todos");
    case QMessageBox::NoToAll:
        return QStringLiteral("Não para todos");
    default:
        return QString();
    }
}

QString StandardTexts::replacement(const QString &standardText)
{
    // The toolkit's standard button texts (context QPlatformTheme), each with
    // the caption of the table above; "All" has no standard button in Qt but
    // is kept so the table stays whole.
    static const QHash<QString, QString> table = {
        {QStringLiteral("&Yes"), QStringLiteral("Sim")},
        {QStringLiteral("&No"), QStringLiteral("Não")},
        {QStringLiteral("OK"), QStringLiteral("Ok")},
        {QStringLiteral("Cancel"), QStringLiteral("Cancelar")},
        {QStringLiteral("Help"), QStringLiteral("Ajuda")},
        {QStringLiteral("&Help"), QStringLiteral("Ajuda")},
        {QStringLiteral("Abort"), QStringLiteral("Abortar")},
        {QStringLiteral("&Abort"), QStringLiteral("Abortar")},
        {QStringLiteral("Retry"), QStringLiteral("Tentar novamente")},
        {QStringLiteral("&Retry"), QStringLiteral("Tentar novamente")},
        {QStringLiteral("Ignore"), QStringLiteral("Ignorar")},
        {QStringLiteral("&Ignore"), QStringLiteral("Ignorar")},
        {QStringLiteral("&All"), QStringLiteral("Todos")},
        {QStringLiteral("N&o to All"), QStringLiteral("Não para todos")},
        {QStringLiteral("Yes to &All"), QStringLiteral("Sim para todos")},
    };
    return table.value(standardText);
}

QString StandardTexts::pacoteNaoContratado(const QString &pacote)
{
    return QStringLiteral("Pacote %1 não contratado. Fale com a sua associação.").arg(pacote);
}
