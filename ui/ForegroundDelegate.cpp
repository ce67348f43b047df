#include "ForegroundDelegate.h"

#include <QBrush>

void ForegroundDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QBrush>())
        option->palette.setBrush(QPalette::HighlightedText, qvariant_cast<QBrush>(foreground));
}
