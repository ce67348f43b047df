#include "uCadUsuario.h"

#include "ui_uCadUsuario.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "ListActions.h"
#include "MemTable.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uUsuario.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

TfrmCadUsuario::TfrmCadUsuario(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmCadUsuario>()), m_table(DMds->cdsPesUsuario)
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    // A list window frees itself when closed; the main window, watching for
    // that, enables "Usuários" again.
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);
    // Outside the layout (see the form), and over the grid when the window grows.
    ui->btnNovo->raise();
    ui->btnEdita->raise();

    QTableView *grid = ui->dbgrd1;
    setupBrowseGrid(
        grid, m_table,
        {{u"USU_A_NOM"_s, u"Nome"_s, 300},
         // The stored flag, "S" or "N", as it is.
         {u"USU_A_MST"_s, u"Master"_s, grid->fontMetrics().horizontalAdvance(u"Master"_s) + 12, Qt::AlignCenter}});
    greyInactiveRows(m_table, u"USU_A_ABL");
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnNovo, ui->actNovo);
    bindToAction(ui->btnEdita, ui->actEdita);
    connect(ui->actPesq, &QAction::triggered, this, &TfrmCadUsuario::actPesqExecute);
    connect(ui->actNovo, &QAction::triggered, this, &TfrmCadUsuario::actNovoExecute);
    connect(ui->actEdita, &QAction::triggered, this, &TfrmCadUsuario::actEditaExecute);
    connect(ui->btnFechar, &QPushButton::clicked, this, &TfrmCadUsuario::btnFecharClick);
    openRowOnDoubleClick(grid, ui->actEdita);

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

void TfrmCadUsuario::updateActions()
{
    // With no row there is nothing to edit.
    ui->actEdita->setEnabled(!m_table->isEmpty());
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
