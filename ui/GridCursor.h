#pragma once

class MemTable;
class QTableView;

// Keeps the current row of a grid showing `table` and the table's cursor in
// step, as a data-aware grid does: clicking or walking the grid moves the
// cursor (completing a row being edited, by the table's rules), and a cursor
// moved by code moves the grid's current row. Link once the grid shows the
// table and its hidden columns are hidden (setupBrowseGrid does, for a
// browse grid):
//
//     ui->grdFone->setModel(DMds->cdsCadFoneAcd);
//     ui->grdFone->setColumnHidden(0, true);
//     linkGridCursor(ui->grdFone, DMds->cdsCadFoneAcd);
void linkGridCursor(QTableView *grid, MemTable *table);
