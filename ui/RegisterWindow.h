#pragma once

#include "Selectors.h"

class QComboBox;
class QWidget;

// A register window (a list window: members, users, ...) lives in the main
// window's work area, a QMdiSubWindow of its QMdiArea. One call in the
// window's constructor, after setupUi, while its size is still the one its
// form gives it (the design size):
//
//     ui->setupUi(this);
//     placeInWorkArea(this);
//
// Inside a work area the frame has a title, a system menu, a minimise box
// and a close box, but no maximise box; the first time the window is shown
// there, the frame takes the design size as its client area and the middle
// of the work area. Resizing from there is the window's layout's business.
// Outside a work area (a window shown on its own) nothing changes.
void placeInWorkArea(QWidget *window);

// The field a register window's "search by" list chooses; its entries are,
// in order, name, document, address and district. A text typed over the
// list that names no entry searches by name.
TTipoPesqParceiro chosenSearchField(const QComboBox *list);
