#include "ForegroundDelegate.h"

#include <QBrush>

ForegroundDelegate::ForegroundDelegate(QObject *parent, Qt::Alignment alignment)
    : QStyledItemDelegate(parent), m_alignment(alignment)
{
}

void ForegroundDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QBrush>())
        option->palette.setBrush(QPalette::HighlightedText, qvariant_cast<QBrush>(foreground));
    if (m_alignment)
        option->displayAlignment = m_alignment;
}
