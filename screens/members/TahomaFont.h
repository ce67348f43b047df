#pragma once

#include <QFont>

// The member windows are laid out in pixels for Tahoma at 96 dots per inch:
// a point size becomes the pixel height it has there, so the layout holds
// whatever the screen's own resolution.
inline QFont tahoma(int points, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}
