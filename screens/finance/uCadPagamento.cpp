#include "uCadPagamento.h"

#include "ui_uCadPagamento.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "FbError.h"
#include "FbTransaction.h"
#include "Feedback.h"
#include "MessageDialog.h"
#include "Money.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TListaAcdBaixaPag.h"
#include "TListaAcdPagamento.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uBaixaPag.h"
#include "uDM.h"
#include "uDMds.h"
#include "uPagamento.h"

#include <QAction>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// The grid hands a date column over as an ISO date-time; it shows dd/mm/aaaa.
QString dataCurta(const QString &iso)
{
    const QDateTime data = QDateTime::fromString(iso, Qt::ISODate);
    return data.isValid() ? data.date().toString(u"dd/MM/yyyy"_s) : QString();
}

QString dinheiro(const QString &valor)
{
    return Money::text(valor.toDouble());
}

QString situacao(const QString &status)
{
    return status == u"A" ? u"Em aberto"_s : u"Baixado"_s;
}

} // namespace

TfrmCadPagamento::TfrmCadPagamento(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmCadPagamento>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmCadPagamento::actPesqExecute);
    connect(ui->actNovo, &QAction::triggered, this, &TfrmCadPagamento::actNovoExecute);
    connect(ui->actEdita, &QAction::triggered, this, &TfrmCadPagamento::actEditaExecute);
    connect(ui->actExclui, &QAction::triggered, this, &TfrmCadPagamento::actExcluiExecute);
    connect(ui->actBaixa, &QAction::triggered, this, &TfrmCadPagamento::actBaixaExecute);
    connect(ui->actEstorno, &QAction::triggered, this, &TfrmCadPagamento::actEstornoExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnNovo, ui->actNovo);
    bindToAction(ui->btnEdita, ui->actEdita);
    bindToAction(ui->btnExclui, ui->actExclui);
    bindToAction(ui->btnBaixa, ui->actBaixa);
    bindToAction(ui->btnEstorno, ui->actEstorno);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);

    // The current month.
    const QDate hoje = QDate::currentDate();
    for (QDateEdit *data : {ui->dtpInicio, ui->dtpFim})
        data->setDisplayFormat(u"dd/MM/yyyy"_s);
    ui->dtpInicio->setDate(QDate(hoje.year(), hoje.month(), 1));
    ui->dtpFim->setDate(QDate(hoje.year(), hoje.month(), hoje.daysInMonth()));
    ui->cbbTipoData->setCurrentIndex(1);
    UpperCaseValidator::apply(ui->edtParceiro);
    UpperCaseValidator::apply(ui->edtDescricao);
    // Enter in a search field searches.
    connect(ui->edtParceiro, &QLineEdit::returnPressed, this, &TfrmCadPagamento::actPesqExecute);
    connect(ui->edtDescricao, &QLineEdit::returnPressed, this, &TfrmCadPagamento::actPesqExecute);
    connect(ui->cbbGrupo, &QComboBox::currentIndexChanged, this, &TfrmCadPagamento::LeContasDoGrupo);

    MemTable *lista = DMds->cdsPesqPagamento;
    const Qt::Alignment direita = Qt::AlignRight | Qt::AlignVCenter;
    setupBrowseGrid(ui->dbgrdPag, lista,
                    {{u"PAG_D_VNC"_s, u"Vencimento"_s, 75, {}, dataCurta},
                     {u"PAG_A_DSC"_s, u"Descrição"_s, 170},
                     {u"PARCELA"_s, u"Parcela"_s, 50, Qt::AlignCenter},
                     {u"PAR_A_NOM"_s, u"Parceiro"_s, 140},
                     {u"CON_A_DSC"_s, u"Conta"_s, 100},
                     {u"GRP_A_DSC"_s, u"Grupo"_s, 100},
                     {u"PAG_N_DIV"_s, u"Valor"_s, 85, direita, dinheiro},
                     {u"PAG_N_DA"_s, u"Acréscimo/Desconto"_s, 110, direita, dinheiro},
                     {u"PAG_N_PAG"_s, u"Pago"_s, 85, direita, dinheiro},
                     {u"PAG_D_PAG"_s, u"Data do pagamento"_s, 105, {}, dataCurta},
                     {u"PAG_A_STS"_s, u"Situação"_s, 70, {}, situacao}});
    // Several open entries are settled together.
    ui->dbgrdPag->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(ui->dbgrdPag, &QAbstractItemView::doubleClicked, this, &TfrmCadPagamento::actEditaExecute);

    // Open entries past their due date are red.
    const int status = lista->fieldIndex(u"PAG_A_STS");
    const int vencimento = lista->fieldIndex(u"PAG_D_VNC");
    lista->setForegroundRule([lista, status, vencimento](int row) -> QVariant {
        if (lista->value(row, status).toString() == u"A"
            && lista->value(row, vencimento).toDouble() < DateTime::today().days())
            return QColor(Qt::red);
        return {};
    });

    connect(lista, &MemTable::changed, this, &TfrmCadPagamento::dsPesqPagamentoDataChange);
    LeGruposContas();
    // The entries due this month at once.
    actPesqExecute();
    dsPesqPagamentoDataChange();
}

TfrmCadPagamento::~TfrmCadPagamento() = default;

QAction *TfrmCadPagamento::actPesq() const
{
    return ui->actPesq;
}
QAction *TfrmCadPagamento::actNovo() const
{
    return ui->actNovo;
}
QAction *TfrmCadPagamento::actEdita() const
{
    return ui->actEdita;
}
QAction *TfrmCadPagamento::actExclui() const
{
    return ui->actExclui;
}
QAction *TfrmCadPagamento::actBaixa() const
{
    return ui->actBaixa;
}
QAction *TfrmCadPagamento::actEstorno() const
{
    return ui->actEstorno;
}

QString TfrmCadPagamento::totalCreditos() const
{
    return ui->lblCreditos->text();
}
QString TfrmCadPagamento::totalDebitos() const
{
    return ui->lblDebitos->text();
}
QString TfrmCadPagamento::saldo() const
{
    return ui->lblSaldo->text();
}

void TfrmCadPagamento::LeGruposContas()
{
    WaitCursor wait;
    const std::unique_ptr<TListaContaGrupo> grupos = DM->LeContaGrupo(AssociadoAtual->id());
    const qint32 escolhido = ui->cbbGrupo->currentData().toInt();
    QSignalBlocker bloqueio(ui->cbbGrupo);
    ui->cbbGrupo->clear();
    ui->cbbGrupo->addItem(u"(todos)"_s, 0);
    for (const auto &grupo : grupos->lista())
        ui->cbbGrupo->addItem(grupo->descricao(), grupo->id());
    ui->cbbGrupo->setCurrentIndex(std::max(0, ui->cbbGrupo->findData(escolhido)));
    LeContasDoGrupo();
}

void TfrmCadPagamento::LeContasDoGrupo()
{
    WaitCursor wait;
    const qint32 grupo = ui->cbbGrupo->currentData().toInt();
    const qint32 escolhida = ui->cbbConta->currentData().toInt();
    const std::unique_ptr<TListaConta> contas = DM->LeConta(AssociadoAtual->id());
    ui->cbbConta->clear();
    ui->cbbConta->addItem(u"(todas)"_s, 0);
    for (const auto &conta : contas->lista()) {
        if (grupo == 0 || conta->id_pai() == grupo)
            ui->cbbConta->addItem(conta->descricao(), conta->id());
    }
    ui->cbbConta->setCurrentIndex(std::max(0, ui->cbbConta->findData(escolhida)));
}

bool TfrmCadPagamento::emAberto() const
{
    return ui->cbbSituacao->currentIndex() == 0;
}

void TfrmCadPagamento::actPesqExecute()
{
    WaitCursor wait;
    if (ui->dtpFim->date() < ui->dtpInicio->date()) {
        MessageDialog::information(u"A data final do período é anterior à inicial."_s);
        return;
    }
    const TTipoDataPesq tipos[] = {tpLancamento, tpVencimento, tpPagamento};
    const std::unique_ptr<TListaAcdPagamento> lista
        = DM->PesqPagamento(emAberto() ? u"A"_s : u"B"_s, tipos[std::max(0, ui->cbbTipoData->currentIndex())],
                            DateTime::fromDate(ui->dtpInicio->date()), DateTime::fromDate(ui->dtpFim->date()),
                            ui->cbbGrupo->currentData().toInt(), ui->cbbConta->currentData().toInt(),
                            Trim(ui->edtParceiro->text()), Trim(ui->edtDescricao->text()));
    DMds->PopulacdsPesqPagamento(*lista);
}

void TfrmCadPagamento::dsPesqPagamentoDataChange()
{
    const MemTable *lista = DMds->cdsPesqPagamento;
    const bool temLinha = lista->recordCount() > 0;
    const bool aberto = temLinha && lista->text(u"PAG_A_STS") == u"A";
    ui->actEdita->setEnabled(aberto);
    ui->actExclui->setEnabled(aberto);
    ui->actBaixa->setEnabled(aberto);
    ui->actEstorno->setEnabled(temLinha && !aberto);
    Totaliza();
}

void TfrmCadPagamento::Totaliza()
{
    // Open entries add up what they are worth, settled ones what was paid:
    // the totals are those of the column "Valor" or "Pago" of the rows
    // shown, added in cents.
    const MemTable *lista = DMds->cdsPesqPagamento;
    const bool pagos
        = lista->recordCount() > 0 ? lista->value(0, lista->fieldIndex(u"PAG_A_STS")).toString() != u"A" : !emAberto();
    const int valor = lista->fieldIndex(pagos ? u"PAG_N_PAG" : u"PAG_N_DIV");
    const int tipo = lista->fieldIndex(u"GRP_A_TIP");
    qint64 creditos = 0;
    qint64 debitos = 0;
    for (int row = 0; row < lista->recordCount(); ++row) {
        const qint64 centavos = Money::cents(lista->value(row, valor).toDouble());
        if (lista->value(row, tipo).toString() == u"C")
            creditos += centavos;
        else if (lista->value(row, tipo).toString() == u"D")
            debitos += centavos;
    }
    ui->lblTotais->setText(QStringLiteral("%1 lançamento(s) — totais da coluna \"%2\"")
                               .arg(lista->recordCount())
                               .arg(pagos ? u"Pago"_s : u"Valor"_s));
    ui->lblCreditos->setText(u"Créditos: "_s + Money::text(Money::fromCents(creditos)));
    ui->lblDebitos->setText(u"Débitos: "_s + Money::text(Money::fromCents(debitos)));
    ui->lblSaldo->setText(u"Saldo: "_s + Money::text(Money::fromCents(creditos - debitos)));
}

bool TfrmCadPagamento::Grava(const std::vector<std::unique_ptr<TAcdPagamento>> &lancamentos)
{
    // The instalments of an entry are written together or not at all.
    try {
        FbTransaction transacao(DM->connection());
        for (const auto &lancamento : lancamentos) {
            if (!DM->IUacdPagamento(*lancamento)) {
                transacao.rollback();
                return false;
            }
        }
        transacao.commit();
        return true;
    } catch (const FbError &error) {
        MessageDialog::error(u"IUacdPagamento: "_s + error.message());
        return false;
    }
}

void TfrmCadPagamento::actNovoExecute()
{
    std::vector<std::unique_ptr<TAcdPagamento>> lancamentos;
    {
        TfrmPagamento editor(this);
        editor.PreparaNovo();
        if (editor.exec() != QDialog::Accepted)
            return;
        lancamentos = editor.Lancamentos();
    }
    Grava(lancamentos);
    LeGruposContas();
    actPesqExecute();
}

void TfrmCadPagamento::actEditaExecute()
{
    MemTable *lista = DMds->cdsPesqPagamento;
    if (lista->recordCount() == 0)
        return;
    if (lista->text(u"PAG_A_STS") != u"A") {
        MessageDialog::information(u"Este lançamento está baixado: estorne a baixa antes de alterá-lo."_s);
        return;
    }
    const std::unique_ptr<TAcdPagamento> atual = DMds->PopulaObjAcdPagamento();
    std::vector<std::unique_ptr<TAcdPagamento>> lancamentos;
    {
        TfrmPagamento editor(this);
        editor.PreparaEdicao(*atual);
        if (editor.exec() != QDialog::Accepted)
            return;
        lancamentos = editor.Lancamentos();
    }
    // Still open? Another seat may have settled it meanwhile.
    const std::unique_ptr<TListaAcdPagamento> abertos = DM->PesqPagamento(
        u"A"_s, tpVencimento, atual->dt_venc(), atual->dt_venc(), 0, atual->id_conta(), QString(), QString());
    const bool aberto = std::any_of(abertos->lista().begin(), abertos->lista().end(),
                                    [&](const auto &entry) { return entry->id() == atual->id(); });
    if (!aberto)
        MessageDialog::information(u"Este lançamento não está mais em aberto: nada foi alterado."_s);
    else
        Grava(lancamentos);
    actPesqExecute();
}

void TfrmCadPagamento::actExcluiExecute()
{
    MemTable *lista = DMds->cdsPesqPagamento;
    if (lista->recordCount() == 0)
        return;
    if (lista->text(u"PAG_A_STS") != u"A") {
        MessageDialog::information(u"Este lançamento está baixado: estorne a baixa antes de excluí-lo."_s);
        return;
    }
    if (MessageDialog::warning(QStringLiteral("Tem certeza que deseja excluir o lançamento %1 %2?")
                                   .arg(lista->text(u"PAG_A_DSC"), lista->text(u"PARCELA")))
        != QMessageBox::Ok)
        return;
    if (!DM->ExcluirPagamento(lista->integer(u"PAG_I_COD")))
        MessageDialog::information(u"O lançamento não foi excluído: ele não está mais em aberto."_s);
    actPesqExecute();
}

void TfrmCadPagamento::actBaixaExecute()
{
    MemTable *lista = DMds->cdsPesqPagamento;
    if (lista->recordCount() == 0)
        return;
    // The rows chosen, in the grid's order; the current one when none is.
    std::set<int> linhas;
    for (const QModelIndex &index : ui->dbgrdPag->selectionModel()->selectedRows())
        linhas.insert(index.row());
    if (linhas.empty())
        linhas.insert(lista->currentRow());
    std::vector<std::unique_ptr<TAcdPagamento>> lancamentos;
    for (const int linha : linhas) {
        lista->setCurrentRow(linha);
        if (lista->text(u"PAG_A_STS") == u"A")
            lancamentos.push_back(DMds->PopulaObjAcdPagamento());
    }
    if (lancamentos.empty())
        return;

    std::unique_ptr<TListaAcdBaixaPag> baixas;
    {
        TfrmBaixaPag dialogo(lancamentos, this);
        if (dialogo.exec() != QDialog::Accepted)
            return;
        baixas = dialogo.Baixas();
    }
    DM->AcdBaixaPag(*baixas);

    // The settlement stops silently at the first failure: what was settled
    // is read from the database, never assumed.
    // The database dates the settlement by its own clock: a day either side
    // covers a seat whose clock is off around midnight.
    const QDate hoje = QDate::currentDate();
    const std::unique_ptr<TListaAcdPagamento> baixados
        = DM->PesqPagamento(u"B"_s, tpPagamento, DateTime::fromDate(hoje.addDays(-1)),
                            DateTime::fromDate(hoje.addDays(1)), 0, 0, QString(), QString());
    QStringList feitos;
    QStringList naoFeitos;
    for (const auto &lancamento : lancamentos) {
        const bool baixado = std::any_of(baixados->lista().begin(), baixados->lista().end(),
                                         [&](const auto &entry) { return entry->id() == lancamento->id(); });
        const QString nome = QStringLiteral("%1 %2/%3, vencimento %4")
                                 .arg(lancamento->descricao())
                                 .arg(lancamento->parc())
                                 .arg(lancamento->parc_tot())
                                 .arg(lancamento->dt_venc().toDateTime().date().toString(u"dd/MM/yyyy"_s));
        (baixado ? feitos : naoFeitos) << nome;
    }
    actPesqExecute();
    if (naoFeitos.isEmpty()) {
        MessageDialog::information(QStringLiteral("Lançamentos baixados: %1.").arg(feitos.size()));
    } else {
        QString texto = QStringLiteral("Lançamentos baixados: %1 de %2.").arg(feitos.size()).arg(lancamentos.size());
        if (!feitos.isEmpty())
            texto += u"\rBaixados:\r"_s + feitos.join(u'\r');
        texto += u"\rNão baixados:\r"_s + naoFeitos.join(u'\r');
        MessageDialog::error(texto);
    }
}

void TfrmCadPagamento::actEstornoExecute()
{
    MemTable *lista = DMds->cdsPesqPagamento;
    if (lista->recordCount() == 0 || lista->text(u"PAG_A_STS") == u"A")
        return;
    if (MessageDialog::warning(QStringLiteral("Confirma o estorno da baixa do lançamento %1 %2?")
                                   .arg(lista->text(u"PAG_A_DSC"), lista->text(u"PARCELA")))
        != QMessageBox::Ok)
        return;
    TAcdBaixaPag estorno;
    estorno.setId(lista->integer(u"PAG_I_COD"));
    DM->AcdEstornaPag(estorno);
    actPesqExecute();
}
