#pragma once

#include <QColor>
#include <QFont>

class QDialog;

// The look every window of both programs shares.
namespace WindowConventions {

// The windows are laid out in pixels for Tahoma at 96 dots per inch: a
// point size becomes the pixel height it has there, so the layout holds
// whatever the screen's own resolution.
QFont tahoma(int points, bool bold = false);

// Makes the Tahoma of Debian's fonts-wine known to the program, when it is
// installed; once per process, before the first window.
void registerFonts();

// A dialog keeps the size its form gives it: a fixed frame with a title and
// a close box, no resizing and no maximise box. Call after setupUi.
void fixDialogFrame(QDialog *dialog);

// The text colour of a row that stands for something inactive (a flag "N")
// or marked for deletion.
QColor inactiveRowColour();

} // namespace WindowConventions
