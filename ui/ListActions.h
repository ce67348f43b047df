#pragma once

class QAbstractItemView;
class QAction;
class QLineEdit;

// What every list window does with the mouse and the keyboard, beside its
// function keys:
//
//     openRowOnDoubleClick(ui->dbgrdAcd, ui->actEdita);   // as F6
//     searchOnEnter(ui->edtPesq, ui->actPesq);            // as F2
//
// A double-click on a row triggers `open`; Enter (or Return) in the search
// text triggers `search`. Neither does anything while its action is
// disabled, exactly as the function key would not.
void openRowOnDoubleClick(QAbstractItemView *grid, QAction *open);
void searchOnEnter(QLineEdit *search, QAction *run);
