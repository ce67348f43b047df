#include "ListActions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>

namespace {

void triggerIfEnabled(QAction *action)
{
    if (action->isEnabled())
        action->trigger();
}

} // namespace

void openRowOnDoubleClick(QAbstractItemView *grid, QAction *open)
{
    // A double-click below the last row hits no row: nothing opens.
    QObject::connect(grid, &QAbstractItemView::doubleClicked, open, [open](const QModelIndex &index) {
        if (index.isValid())
            triggerIfEnabled(open);
    });
}

void searchOnEnter(QLineEdit *search, QAction *run)
{
    QObject::connect(search, &QLineEdit::returnPressed, run, [run] { triggerIfEnabled(run); });
}
