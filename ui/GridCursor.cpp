#include "GridCursor.h"

#include "MemTable.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

void linkGridCursor(QTableView *grid, MemTable *table)
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
    QObject::connect(table, &MemTable::currentRowChanged, grid, follow);
    follow(table->currentRow());
}
