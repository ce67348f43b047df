#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

class MemTable;
class QTableView;

// A column a browse grid shows: the table's column `name` under `title`,
// `width` pixels wide, its values aligned by `alignment` (the style's
// default when none is given) and shown through `format` when one is given
// (a stored code as its word, a document with its punctuation); the table
// keeps the stored value.
struct BrowseColumn
{
    QString name;
    QString title;
    int width;
    Qt::Alignment alignment = {};
    std::function<QString(const QString &)> format = {};
};

// Sets up `grid` as a read-only browse grid over `table` (a list window's
// or a search's result):
//
//     setupBrowseGrid(ui->dbgrdAcd, DMds->cdsPesqAssociado,
//                     {{u"ACD_A_NOM"_s, u"Nome"_s, 200}, {u"ACD_A_CNPJ"_s, u"Documento"_s, 100}});
//     greyInactiveRows(DMds->cdsPesqAssociado, u"ACD_A_ABL");
//
// Only `columns` are shown, in their order, with their titles, widths and
// alignment; rows are selected whole, one at a time; Tab leaves the grid
// instead of walking its cells; there are no row numbers, and rows are as
// high as the font plus 6 pixels. A row's text colour (the table's
// foreground rule) holds in the selected row too, and the grid's current
// row and the table's cursor move together (linkGridCursor).
void setupBrowseGrid(QTableView *grid, MemTable *table, const QList<BrowseColumn> &columns);

// How every grid of the system shows its rows: no row numbers, each row as
// high as the grid's font plus 6 pixels. Part of setupBrowseGrid; for an
// editable grid (a contacts grid) on its own.
void showPlainRows(QTableView *grid);

// Rows whose `flagColumn` holds "N" are drawn in the inactive colour
// (WindowConventions), in every column. The table outlives the windows that
// show it; the rule holds nothing else.
void greyInactiveRows(MemTable *table, QStringView flagColumn);
