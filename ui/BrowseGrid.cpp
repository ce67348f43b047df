#include "BrowseGrid.h"

#include "ForegroundDelegate.h"
#include "GridCursor.h"
#include "MemTable.h"
#include "WindowConventions.h"

#include <QHeaderView>
#include <QTableView>

namespace {

class FormattingDelegate : public ForegroundDelegate
{
public:
    FormattingDelegate(QObject *parent, Qt::Alignment alignment, std::function<QString(const QString &)> format)
        : ForegroundDelegate(parent, alignment), m_format(std::move(format))
    {
    }

    QString displayText(const QVariant &value, const QLocale &) const override { return m_format(value.toString()); }

private:
    std::function<QString(const QString &)> m_format;
};

} // namespace

void setupBrowseGrid(QTableView *grid, MemTable *table, const QList<BrowseColumn> &columns)
{
    grid->setModel(table);
    grid->setItemDelegate(new ForegroundDelegate(grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    showPlainRows(grid);

    for (int column = 0; column < table->fieldCount(); ++column)
        grid->setColumnHidden(column, true);
    QHeaderView *header = grid->horizontalHeader();
    for (int position = 0; position < columns.size(); ++position) {
        const BrowseColumn &shown = columns.at(position);
        const int column = table->fieldIndex(shown.name);
        table->setLabel(column, shown.title);
        grid->setColumnHidden(column, false);
        grid->setColumnWidth(column, shown.width);
        if (shown.format)
            grid->setItemDelegateForColumn(column, new FormattingDelegate(grid, shown.alignment, shown.format));
        else if (shown.alignment)
            grid->setItemDelegateForColumn(column, new ForegroundDelegate(grid, shown.alignment));
        header->moveSection(header->visualIndex(column), position);
    }
    linkGridCursor(grid, table);
}

void showPlainRows(QTableView *grid)
{
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
}

void greyInactiveRows(MemTable *table, QStringView flagColumn)
{
    const int flag = table->fieldIndex(flagColumn);
    table->setForegroundRule([table, flag](int row) -> QVariant {
        if (table->value(row, flag).toString() == u"N")
            return WindowConventions::inactiveRowColour();
        return QVariant();
    });
}
