#pragma once

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

// Keeps the current row of a grid showing `table` and the table's cursor in
// step, as a data-aware grid does: clicking or walking the grid moves the
// cursor (completing a row being edited, by the table's rules), and a cursor
// moved by code moves the grid's current row. Link once the grid shows the
// table and its hidden columns are hidden:
//
//     ui->dbgrdAcd->setModel(DMds->cdsPesqAssociado);
//     ui->dbgrdAcd->setColumnHidden(0, true);
//     linkGridCursor(ui->dbgrdAcd, DMds->cdsPesqAssociado);
//
// `Table` is a MemTable (present/); a template so this library needs no
// link to it.
template<typename Table>
void linkGridCursor(QTableView *grid, Table *table)
{
    const auto follow = [grid, table](int row) {
        if (row < 0 || row >= table->rowCount())
            return;
        // Stay in the column the user is in; otherwise the first one shown.
        int column = grid->currentIndex().column();
        const QHeaderView *header = grid->horizontalHeader();
        for (int visual = 0; (column < 0 || grid->isColumnHidden(column)) && visual < header->count(); ++visual)
            column = header->logicalIndex(visual);
        const QModelIndex target = table->index(row, column);
        if (grid->currentIndex() != target)
            grid->setCurrentIndex(target);
    };
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, table,
                     [table](const QModelIndex &current) {
                         if (current.isValid())
                             table->setCurrentRow(current.row());
                     });
    QObject::connect(table, &Table::currentRowChanged, grid, follow);
    follow(table->currentRow());
}
