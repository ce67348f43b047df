#include "uCadUsuario.h"

#include "ui_uCadUsuario.h"

#include "ActionButton.h"
#include "ForegroundDelegate.h"
#include "GridCursor.h"
#include "MemTable.h"
#include "Session.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "uDM.h"
#include "uDMds.h"
#include "uUsuario.h"

#include <QAction>
#include <QBrush>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QShowEvent>

using namespace Qt::StringLiterals;

namespace {

// The "Master" column shows its flag centred.
class CentredDelegate : public ForegroundDelegate
{
public:
    using ForegroundDelegate::ForegroundDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        ForegroundDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
    }
};

} // namespace

TfrmCadUsuario::TfrmCadUsuario(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmCadUsuario>()), m_table(DMds->cdsPesUsuario)
{
    ui->setupUi(this);
    // The layout is given in pixels for Tahoma 8 point.
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
    // A list window frees itself when closed; the main window, watching for
    // that, enables "Usuários" again.
    setAttribute(Qt::WA_DeleteOnClose);

    m_designSize = size();
    m_pesq = ui->btnPesq->geometry();
    m_fechar = ui->btnFechar->geometry();
    m_grid = ui->dbgrd1->geometry();

    setupGrid();

    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnNovo, ui->actNovo);
    bindToAction(ui->btnEdita, ui->actEdita);
    connect(ui->actPesq, &QAction::triggered, this, &TfrmCadUsuario::actPesqExecute);
    connect(ui->actNovo, &QAction::triggered, this, &TfrmCadUsuario::actNovoExecute);
    connect(ui->actEdita, &QAction::triggered, this, &TfrmCadUsuario::actEditaExecute);
    connect(ui->btnFechar, &QPushButton::clicked, this, &TfrmCadUsuario::btnFecharClick);

    connect(m_table, &MemTable::changed, this, &TfrmCadUsuario::updateActions);
    connect(m_table, &QAbstractItemModel::modelReset, this, &TfrmCadUsuario::updateActions);
    updateActions();
}

TfrmCadUsuario::~TfrmCadUsuario() = default;

QAction *TfrmCadUsuario::actPesq() const
{
    return ui->actPesq;
}

QAction *TfrmCadUsuario::actNovo() const
{
    return ui->actNovo;
}

QAction *TfrmCadUsuario::actEdita() const
{
    return ui->actEdita;
}

QSize TfrmCadUsuario::sizeHint() const
{
    return m_designSize;
}

void TfrmCadUsuario::setupGrid()
{
    // The table lives on after the window, so the rule holds no reference to it.
    MemTable *table = m_table;
    table->setForegroundRule([table](int row) { return dbgrd1DrawColumnCell(*table, row); });

    QTableView *grid = ui->dbgrd1;
    grid->setModel(table);
    const int nome = table->fieldIndex(u"USU_A_NOM");
    const int master = table->fieldIndex(u"USU_A_MST");
    for (int column = 0; column < table->fieldCount(); ++column)
        grid->setColumnHidden(column, column != nome && column != master);
    table->setLabel(nome, u"Nome"_s);
    table->setLabel(master, u"Master"_s);

    grid->setItemDelegate(new ForegroundDelegate(grid));
    grid->setItemDelegateForColumn(master, new CentredDelegate(grid));
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setColumnWidth(nome, 300);
    grid->setColumnWidth(master, grid->fontMetrics().horizontalAdvance(u"Master"_s) + 12);
    linkGridCursor(grid, table);
}

void TfrmCadUsuario::updateActions()
{
    // With no row there is nothing to edit.
    ui->actEdita->setEnabled(!m_table->isEmpty());
}

QVariant TfrmCadUsuario::dbgrd1DrawColumnCell(const MemTable &table, int row)
{
    if (table.value(row, table.fieldIndex(u"USU_A_ABL")).toString() == u"N")
        return QBrush(QColor(128, 128, 128));
    return QVariant();
}

bool TfrmCadUsuario::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) {
        // In the main window: a close box and a minimise box, no maximise box.
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
            frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    return QWidget::event(event);
}

void TfrmCadUsuario::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        placeInFrame();
    }
}

void TfrmCadUsuario::placeInFrame()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame || !frame->mdiArea())
        return;
    // The frame takes the designed client area and the middle of the work area.
    frame->resize(frame->size() - size() + m_designSize);
    const QSize area = frame->mdiArea()->viewport()->size();
    frame->move(std::max(0, (area.width() - frame->width()) / 2), std::max(0, (area.height() - frame->height()) / 2));
}

void TfrmCadUsuario::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Anchors: "[F2] Pesquisa" keeps its distance to the right edge, "&Fechar"
    // to the right and bottom edges, and the grid grows with the window.
    const QSize grow = size() - m_designSize;
    ui->btnPesq->move(m_pesq.x() + grow.width(), m_pesq.y());
    ui->btnFechar->move(m_fechar.x() + grow.width(), m_fechar.y() + grow.height());
    ui->dbgrd1->setGeometry(m_grid.adjusted(0, 0, grow.width(), grow.height()));
}

void TfrmCadUsuario::btnFecharClick()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void TfrmCadUsuario::actPesqExecute()
{
    const std::unique_ptr<TListaUsuarios> lista = DM->LeUsuarioASS(AssociacaoAtual->id());
    DMds->PopulacdsPesUsuario(*lista);
}

template<typename Edit>
void TfrmCadUsuario::editThenSearch(Edit edit)
{
    // The list is read again whatever the editor and the write did, so it
    // shows what is stored.
    try {
        edit();
    } catch (...) {
        actPesqExecute();
        throw;
    }
    actPesqExecute();
}

void TfrmCadUsuario::actNovoExecute()
{
    editThenSearch([this] {
        TfrmUsuario editor(this);
        m_table->append();
        m_table->setInteger(u"USU_I_COD", 0);
        m_table->setText(u"USU_A_ABL", u"S"_s);
        m_table->setText(u"USU_A_MST", u"N"_s);
        m_table->setInteger(u"ASS_I_COD", AssociacaoAtual->id());
        editor.setMostrarSenhaVisible(true);
        runEditor(editor);
    });
}

void TfrmCadUsuario::actEditaExecute()
{
    if (m_table->isEmpty())
        return;
    editThenSearch([this] {
        TfrmUsuario editor(this);
        // Only the logged-in user may look at his own password.
        editor.setMostrarSenhaVisible(m_table->integer(u"USU_I_COD") == UsuarioLogado.id);
        runEditor(editor);
    });
}

void TfrmCadUsuario::runEditor(TfrmUsuario &editor)
{
    if (editor.exec() != QDialog::Accepted) {
        m_table->cancel();
        return;
    }
    m_table->post();
    const std::unique_ptr<TUsuarios> usuario = DMds->PopulaObjUsuario();
    // A failed write shows its own message; the search that follows shows
    // what is stored.
    DM->IUUsuariosASS(*usuario);
}
