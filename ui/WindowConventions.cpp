#include "WindowConventions.h"

#include <QDialog>
#include <QFileInfo>
#include <QFontDatabase>

namespace WindowConventions {

QFont tahoma(int points, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

void registerFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const QString &file :
         {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"), QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")}) {
        if (QFileInfo::exists(file))
            QFontDatabase::addApplicationFont(file);
    }
}

void fixDialogFrame(QDialog *dialog)
{
    dialog->setFixedSize(dialog->size());
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
}

QColor inactiveRowColour()
{
    return QColor(128, 128, 128);
}

} // namespace WindowConventions
