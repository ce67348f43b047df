#include "ContactGrid.h"

#include "BrowseGrid.h"
#include "ForegroundDelegate.h"
#include "GridCursor.h"
#include "MemTable.h"
#include "WindowConventions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTableView>
#include <QToolButton>

namespace {

enum class Glyph { Insert, Post, Cancel, Delete, Undo };

// The contact buttons' pictures: 24 x 24, drawn in their colour when enabled
// and in grey when not.
QPixmap glyphPixmap(Glyph glyph, const QColor &colour)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case Glyph::Insert:
        painter.drawLine(QPointF(12, 4), QPointF(12, 20));
        painter.drawLine(QPointF(4, 12), QPointF(20, 12));
        break;
    case Glyph::Post:
        painter.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case Glyph::Cancel:
        painter.drawLine(QPointF(5, 5), QPointF(19, 19));
        painter.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case Glyph::Delete:
        painter.drawLine(QPointF(4, 12), QPointF(20, 12));
        break;
    case Glyph::Undo: {
        QPainterPath arc;
        arc.moveTo(6, 9);
        arc.cubicTo(QPointF(12, 2), QPointF(22, 6), QPointF(19, 14));
        arc.cubicTo(QPointF(17, 19), QPointF(12, 21), QPointF(8, 19));
        painter.drawPath(arc);
        painter.drawPolyline(QPolygonF({QPointF(5, 3), QPointF(6, 9), QPointF(12, 9)}));
        break;
    }
    }
    return pixmap;
}

QIcon glyphIcon(Glyph glyph, const QColor &colour)
{
    QIcon icon;
    icon.addPixmap(glyphPixmap(glyph, colour), QIcon::Normal);
    icon.addPixmap(glyphPixmap(glyph, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

// The contacts grid's cells: a marked row keeps its grey also when selected,
// an editor takes no more characters than its column holds, and the first
// key typed puts the row into editing, as in a data-aware grid.
class ContactDelegate : public ForegroundDelegate
{
public:
    ContactDelegate(MemTable *table, QObject *parent) : ForegroundDelegate(parent), m_table(table) { }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = ForegroundDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            const int size = m_table->column(index.column()).size;
            if (size > 0)
                line->setMaxLength(size);
            MemTable *table = m_table;
            QObject::connect(line, &QLineEdit::textEdited, table, [table] { table->edit(); });
        }
        return editor;
    }

private:
    MemTable *m_table;
};

} // namespace

ContactGrid *ContactGrid::install(QWidget *editor, MemTable *table, const Columns &columns, QTableView *grid,
                                  const Buttons &buttons)
{
    auto *contacts = new ContactGrid(editor, table, columns, grid);
    contacts->createActions(buttons);
    return contacts;
}

ContactGrid::ContactGrid(QWidget *editor, MemTable *table, const Columns &columns, QTableView *grid)
    : QObject(editor), m_table(table), m_columns(columns), m_grid(grid)
{
    table->setLabel(table->fieldIndex(columns.nome), QStringLiteral("Contato"));
    table->setLabel(table->fieldIndex(columns.ddd), QStringLiteral("DDD"));
    table->setLabel(table->fieldIndex(columns.fone), QStringLiteral("Número"));
    const int excluir = table->fieldIndex(u"Excluir");
    table->setForegroundRule([table, excluir](int row) -> QVariant {
        if (table->value(row, excluir).toBool())
            return WindowConventions::inactiveRowColour();
        return QVariant();
    });

    grid->setModel(table);
    grid->setItemDelegate(new ContactDelegate(table, grid));
    for (const QString &hidden : {columns.key, columns.version, columns.owner, QStringLiteral("Excluir")})
        grid->setColumnHidden(table->fieldIndex(hidden), true);
    grid->setColumnWidth(table->fieldIndex(columns.nome), 85);
    grid->setColumnWidth(table->fieldIndex(columns.ddd), 26);
    grid->setColumnWidth(table->fieldIndex(columns.fone), 71);
    showPlainRows(grid);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    linkGridCursor(grid, table);
}

void ContactGrid::createActions(const Buttons &buttons)
{
    auto *editor = static_cast<QWidget *>(parent());
    const auto action
        = [editor](const QString &hint, Glyph glyph, const QColor &colour, QToolButton *button, const QString &name) {
              auto *act = new QAction(glyphIcon(glyph, colour), hint, editor);
              act->setObjectName(name);
              act->setToolTip(hint);
              button->setDefaultAction(act);
              button->setIconSize(QSize(24, 24));
              // Clicked, the button takes the focus, so a cell being typed in is
              // committed before the action runs.
              button->setFocusPolicy(Qt::StrongFocus);
              return act;
          };
    DatasetInsert1 = action(QStringLiteral("Inserir"), Glyph::Insert, QColor(0, 140, 0), buttons.insert,
                            QStringLiteral("DatasetInsert1"));
    DatasetPost1 = action(QStringLiteral("Gravar"), Glyph::Post, QColor(0, 140, 0), buttons.post,
                          QStringLiteral("DatasetPost1"));
    DatasetCancel1 = action(QStringLiteral("Cancelar"), Glyph::Cancel, QColor(200, 0, 0), buttons.cancel,
                            QStringLiteral("DatasetCancel1"));
    DatasetDelete1 = action(QStringLiteral("Delete"), Glyph::Delete, QColor(200, 0, 0), buttons.remove,
                            QStringLiteral("DatasetDelete1"));
    actEstornaExclusao = action(QStringLiteral("Estorna"), Glyph::Undo, QColor(0, 70, 200), buttons.undo,
                                QStringLiteral("actEstornaExclusao"));

    connect(DatasetInsert1, &QAction::triggered, this, [this] {
        commitCell();
        m_table->insert();
        // The new contact is typed from its name on.
        const QModelIndex nome = m_table->index(m_table->currentRow(), m_table->fieldIndex(m_columns.nome));
        m_grid->setFocus();
        m_grid->setCurrentIndex(nome);
        m_grid->edit(nome);
    });
    connect(DatasetPost1, &QAction::triggered, this, [this] {
        commitCell();
        m_table->post();
    });
    connect(DatasetCancel1, &QAction::triggered, this, [this] {
        // Committed only to be dropped with the rest of the row's changes.
        commitCell();
        m_table->cancel();
    });
    connect(DatasetDelete1, &QAction::triggered, this, [this] {
        commitCell();
        m_table->remove();
    });
    connect(actEstornaExclusao, &QAction::triggered, this, [this] {
        commitCell();
        actEstornaExclusaoExecute();
    });

    connect(m_table, &MemTable::changed, this, &ContactGrid::dsFonesDataChange);
    dsFonesDataChange();
}

void ContactGrid::commitCell()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus != m_grid && m_grid->isAncestorOf(focus))
        m_grid->setFocus();
}

void ContactGrid::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_grid->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                     : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                           | QAbstractItemView::AnyKeyPressed);
    m_grid->setEnabled(!readOnly);
    dsFonesDataChange();
}

void ContactGrid::dsFonesDataChange()
{
    const bool editing = m_table->isEditing();
    DatasetInsert1->setEnabled(!m_readOnly);
    DatasetPost1->setEnabled(!m_readOnly && editing);
    DatasetCancel1->setEnabled(!m_readOnly && editing);
    DatasetDelete1->setEnabled(!m_readOnly && !m_table->isEmpty());
    actEstornaExclusao->setEnabled(false);
    if (!m_readOnly && !DatasetPost1->isEnabled())
        actEstornaExclusao->setEnabled(!m_table->isEmpty() && m_table->boolean(u"Excluir"));
    // A mark changes a hidden column: the row's colour needs a repaint.
    m_grid->viewport()->update();
}

void ContactGrid::actEstornaExclusaoExecute()
{
    if (!m_table->isEditing())
        m_table->edit();
    m_table->setBoolean(u"Excluir", false);
    m_table->post();
}
