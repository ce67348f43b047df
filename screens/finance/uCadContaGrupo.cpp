#include "uCadContaGrupo.h"

#include "ui_uCadContaGrupo.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "Feedback.h"
#include "MessageDialog.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "WindowConventions.h"
#include "uContaGrupo.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The row of `table` whose `keyColumn` is `key`; -1 when none is.
int rowOf(MemTable *table, QStringView keyColumn, qint32 key)
{
    const int column = table->fieldIndex(keyColumn);
    for (int row = 0; row < table->recordCount(); ++row) {
        if (table->value(row, column).toInt() == key)
            return row;
    }
    return -1;
}

// The key a new row took: the highest of the table (keys come from a
// generator that only grows), compared with the keys there were before.
qint32 newKey(MemTable *table, QStringView keyColumn, const QList<qint32> &before)
{
    const int column = table->fieldIndex(keyColumn);
    qint32 found = 0;
    for (int row = 0; row < table->recordCount(); ++row) {
        const qint32 key = table->value(row, column).toInt();
        if (!before.contains(key))
            found = std::max(found, key);
    }
    return found;
}

QList<qint32> keysOf(MemTable *table, QStringView keyColumn)
{
    QList<qint32> keys;
    const int column = table->fieldIndex(keyColumn);
    for (int row = 0; row < table->recordCount(); ++row)
        keys << table->value(row, column).toInt();
    return keys;
}

} // namespace

TfrmCadContaGrupo::TfrmCadContaGrupo(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmCadContaGrupo>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actNovoGrupo, &QAction::triggered, this, &TfrmCadContaGrupo::actNovoGrupoExecute);
    connect(ui->actEditaGrupo, &QAction::triggered, this, &TfrmCadContaGrupo::actEditaGrupoExecute);
    connect(ui->actExcluiGrupo, &QAction::triggered, this, &TfrmCadContaGrupo::actExcluiGrupoExecute);
    connect(ui->actNovaConta, &QAction::triggered, this, &TfrmCadContaGrupo::actNovaContaExecute);
    connect(ui->actEditaConta, &QAction::triggered, this, &TfrmCadContaGrupo::actEditaContaExecute);
    connect(ui->actExcluiConta, &QAction::triggered, this, &TfrmCadContaGrupo::actExcluiContaExecute);
    bindToAction(ui->btnNovoGrupo, ui->actNovoGrupo);
    bindToAction(ui->btnEditaGrupo, ui->actEditaGrupo);
    bindToAction(ui->btnExcluiGrupo, ui->actExcluiGrupo);
    bindToAction(ui->btnNovaConta, ui->actNovaConta);
    bindToAction(ui->btnEditaConta, ui->actEditaConta);
    bindToAction(ui->btnExcluiConta, ui->actExcluiConta);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);

    setupBrowseGrid(ui->dbgrdGrupo, DMds->cdsContaGrupo,
                    {{u"GRP_A_DSC"_s, u"Descrição"_s, 220},
                     {u"GRP_A_TIP"_s, u"Tipo"_s, 80, {}, [](const QString &tipo) {
                          return tipo == u"C" ? u"Crédito"_s : tipo == u"D" ? u"Débito"_s : tipo;
                      }}});
    setupBrowseGrid(ui->dbgrdConta, DMds->cdsConta, {{u"CON_A_DSC"_s, u"Descrição"_s, 300}});
    connect(ui->dbgrdGrupo, &QAbstractItemView::doubleClicked, this, &TfrmCadContaGrupo::actEditaGrupoExecute);
    connect(ui->dbgrdConta, &QAbstractItemView::doubleClicked, this, &TfrmCadContaGrupo::actEditaContaExecute);

    connect(DMds->cdsContaGrupo, &MemTable::currentRowChanged, this, [this] {
        // Only a move to another stored group reads its accounts.
        if (!DMds->cdsContaGrupo->isEditing() && grupoAtual() != m_grupoContas)
            LeContas();
    });
    connect(DMds->cdsContaGrupo, &MemTable::changed, this, &TfrmCadContaGrupo::HabilitaBotoes);
    connect(DMds->cdsConta, &MemTable::changed, this, &TfrmCadContaGrupo::HabilitaBotoes);
    LeGrupos();
}

TfrmCadContaGrupo::~TfrmCadContaGrupo() = default;

QAction *TfrmCadContaGrupo::actNovoGrupo() const
{
    return ui->actNovoGrupo;
}
QAction *TfrmCadContaGrupo::actEditaGrupo() const
{
    return ui->actEditaGrupo;
}
QAction *TfrmCadContaGrupo::actExcluiGrupo() const
{
    return ui->actExcluiGrupo;
}
QAction *TfrmCadContaGrupo::actNovaConta() const
{
    return ui->actNovaConta;
}
QAction *TfrmCadContaGrupo::actEditaConta() const
{
    return ui->actEditaConta;
}
QAction *TfrmCadContaGrupo::actExcluiConta() const
{
    return ui->actExcluiConta;
}

qint32 TfrmCadContaGrupo::grupoAtual() const
{
    const MemTable *grupos = DMds->cdsContaGrupo;
    return grupos->recordCount() > 0 ? grupos->integer(u"GRP_I_COD") : 0;
}

void TfrmCadContaGrupo::HabilitaBotoes()
{
    const bool temGrupo = DMds->cdsContaGrupo->recordCount() > 0;
    const bool temConta = DMds->cdsConta->recordCount() > 0;
    ui->actEditaGrupo->setEnabled(temGrupo);
    ui->actExcluiGrupo->setEnabled(temGrupo);
    ui->actNovaConta->setEnabled(temGrupo);
    ui->actEditaConta->setEnabled(temConta);
    ui->actExcluiConta->setEnabled(temConta);
    ui->lblContas->setText(temGrupo ? u"Contas do grupo "_s + DMds->cdsContaGrupo->text(u"GRP_A_DSC")
                                    : u"Contas do grupo"_s);
}

void TfrmCadContaGrupo::LeGrupos(qint32 grupo)
{
    WaitCursor wait;
    const std::unique_ptr<TListaContaGrupo> grupos = DM->LeContaGrupo(AssociadoAtual->id());
    m_grupoContas = -1;
    DMds->PopulacdsContaGrupo(*grupos);
    const int row = rowOf(DMds->cdsContaGrupo, u"GRP_I_COD", grupo);
    if (row >= 0)
        DMds->cdsContaGrupo->setCurrentRow(row);
    LeContas();
}

void TfrmCadContaGrupo::LeContas(qint32 conta)
{
    WaitCursor wait;
    const qint32 grupo = grupoAtual();
    const std::unique_ptr<TListaConta> contas = DM->LeConta(AssociadoAtual->id());
    DMds->PopulacdsConta(*contas, grupo);
    m_grupoContas = grupo;
    const int row = rowOf(DMds->cdsConta, u"CON_I_COD", conta);
    if (row >= 0)
        DMds->cdsConta->setCurrentRow(row);
    HabilitaBotoes();
}

bool TfrmCadContaGrupo::EditaGrupo(bool novo)
{
    MemTable *grupos = DMds->cdsContaGrupo;
    const QList<qint32> antes = keysOf(grupos, u"GRP_I_COD");
    if (novo) {
        grupos->append();
        grupos->setInteger(u"ACD_I_COD", AssociadoAtual->id());
    } else {
        grupos->edit();
    }
    {
        TfrmContaGrupo editor(TfrmContaGrupo::Tipo::Grupo, this);
        if (editor.exec() != QDialog::Accepted) {
            grupos->cancel();
            return false;
        }
    }
    grupos->post();
    std::unique_ptr<TContaGrupo> grupo = DMds->PopulaObjContaGrupo();
    // The member in work owns what it writes, whatever the row said.
    grupo->setId_pai(AssociadoAtual->id());
    const bool gravou = DM->IUContaGrupo(*grupo);
    LeGrupos(grupo->id());
    // No key is read back: a new group is the one whose key wasn't there.
    if (novo && gravou) {
        const int row = rowOf(grupos, u"GRP_I_COD", newKey(grupos, u"GRP_I_COD", antes));
        if (row >= 0)
            grupos->setCurrentRow(row);
    }
    return gravou;
}

bool TfrmCadContaGrupo::EditaConta(bool novo)
{
    const qint32 grupo = grupoAtual();
    if (grupo == 0)
        return false;
    MemTable *contas = DMds->cdsConta;
    const QList<qint32> antes = keysOf(contas, u"CON_I_COD");
    if (novo) {
        contas->append();
        contas->setInteger(u"GRP_I_COD", grupo);
    } else {
        contas->edit();
    }
    {
        TfrmContaGrupo editor(TfrmContaGrupo::Tipo::Conta, this);
        if (editor.exec() != QDialog::Accepted) {
            contas->cancel();
            return false;
        }
    }
    contas->post();
    std::unique_ptr<TConta> conta = DMds->PopulaObjConta();
    conta->setId_pai(grupo);
    const bool gravou = DM->IUConta(*conta);
    LeContas(conta->id());
    if (novo && gravou) {
        const int row = rowOf(contas, u"CON_I_COD", newKey(contas, u"CON_I_COD", antes));
        if (row >= 0)
            contas->setCurrentRow(row);
    }
    return gravou;
}

void TfrmCadContaGrupo::actNovoGrupoExecute()
{
    EditaGrupo(true);
}

void TfrmCadContaGrupo::actEditaGrupoExecute()
{
    if (DMds->cdsContaGrupo->recordCount() > 0)
        EditaGrupo(false);
}

void TfrmCadContaGrupo::actNovaContaExecute()
{
    EditaConta(true);
}

void TfrmCadContaGrupo::actEditaContaExecute()
{
    if (DMds->cdsConta->recordCount() > 0)
        EditaConta(false);
}

void TfrmCadContaGrupo::actExcluiGrupoExecute()
{
    const qint32 grupo = grupoAtual();
    if (grupo == 0)
        return;
    if (MessageDialog::warning(
            QStringLiteral("Tem certeza que deseja excluir o grupo %1?").arg(DMds->cdsContaGrupo->text(u"GRP_A_DSC")))
        != QMessageBox::Ok)
        return;
    const bool excluiu = DM->ExcluirContaGrupo(grupo);
    const bool temContas = DMds->cdsConta->recordCount() > 0;
    LeGrupos(grupo);
    if (excluiu)
        return;
    // Refused: the group still holds accounts, or it is gone already.
    if (rowOf(DMds->cdsContaGrupo, u"GRP_I_COD", grupo) < 0)
        MessageDialog::information(QStringLiteral("Grupo não localizado."));
    else if (temContas || DMds->cdsConta->recordCount() > 0)
        MessageDialog::information(QStringLiteral("Não é possível excluir este grupo: ele tem contas.\r"
                                                  "Exclua as contas do grupo primeiro."));
}

void TfrmCadContaGrupo::actExcluiContaExecute()
{
    if (DMds->cdsConta->recordCount() == 0)
        return;
    const qint32 conta = DMds->cdsConta->integer(u"CON_I_COD");
    if (MessageDialog::warning(
            QStringLiteral("Tem certeza que deseja excluir a conta %1?").arg(DMds->cdsConta->text(u"CON_A_DSC")))
        != QMessageBox::Ok)
        return;
    const bool excluiu = DM->ExcluirConta(conta);
    LeContas(conta);
    if (excluiu)
        return;
    if (rowOf(DMds->cdsConta, u"CON_I_COD", conta) < 0)
        MessageDialog::information(QStringLiteral("Conta não localizada."));
    else
        MessageDialog::information(QStringLiteral("Não é possível excluir esta conta: há lançamentos nela."));
}
