#pragma once

#include <QStyledItemDelegate>

// Lets a row's text colour (the model's Qt::ForegroundRole, e.g. the grey of
// an inactive member) hold in the selected row too. Qt's own delegate draws
// a selected cell with the palette's highlighted-text colour, whatever the
// model answers; this one hands the model's colour to both roles, so the
// selection keeps its background and only the text colour changes.
//
//     ui->dbgrdAcd->setItemDelegate(new ForegroundDelegate(ui->dbgrdAcd));
//
// Given an alignment, it draws the values of its cells that way.
class ForegroundDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ForegroundDelegate(QObject *parent = nullptr, Qt::Alignment alignment = {});

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    Qt::Alignment m_alignment;
};
