#include "LanguageControl.h"

#include "StandardTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const char objectName[] = "ulmoraStandardTexts";

// Answers only the toolkit's standard button texts; everything else falls
// through to Qt's own translation.
class StandardTextsTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QPlatformTheme") != 0 || !sourceText)
            return QString();
        return StandardTexts::replacement(QString::fromUtf8(sourceText));
    }

    bool isEmpty() const override { return false; }
};

} // namespace

bool LanguageControl::isInstalled()
{
    return QCoreApplication::instance()
           && QCoreApplication::instance()->findChild<QTranslator *>(QLatin1StringView(objectName),
                                                                     Qt::FindDirectChildrenOnly);
}

void LanguageControl::install()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || isInstalled())
        return;

    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brazil);

    auto *qtTranslation = new QTranslator(app);
    if (qtTranslation->load(brazil, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslation);
    else
        delete qtTranslation; // Without Qt's translation the rest still reads in Portuguese.

    // Installed last, so it is asked first.
    auto *ours = new StandardTextsTranslator(app);
    ours->setObjectName(QLatin1StringView(objectName));
    QCoreApplication::installTranslator(ours);
}
