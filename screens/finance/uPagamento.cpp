#include "uPagamento.h"

#include "ui_uPagamento.h"

#include "Feedback.h"
#include "InputConventions.h"
#include "MessageDialog.h"
#include "Money.h"
#include "Session.h"
#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TFormaPagto.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "TListaFormaPagto.h"
#include "TListaParceiro.h"
#include "TPesqParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"

#include <QPushButton>

TfrmPagamento::TfrmPagamento(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmPagamento>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);
    ui->btnBotoes->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    ui->btnBotoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(ui->btnBotoes, &QDialogButtonBox::accepted, this, &TfrmPagamento::accept);
    connect(ui->btnBotoes, &QDialogButtonBox::rejected, this, &TfrmPagamento::reject);

    ui->edtDescricao->setMaxLength(100);
    UpperCaseValidator::apply(ui->edtDescricao);
    UpperCaseValidator::apply(ui->edtPesqParceiro);
    ui->edtPesqParceiro->setPlaceholderText(QStringLiteral("nome ou parte"));
    ui->dtpLancamento->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    ui->dtpVencimento->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    ui->edtValor->setMaximum(999999999.99);

    LeContas();
    const std::unique_ptr<TListaFormaPagto> formas = DM->LeFormaPagto();
    ui->cbbFormaPagto->addItem(QStringLiteral("(não informada)"), 0);
    for (const auto &forma : formas->lista())
        ui->cbbFormaPagto->addItem(forma->descricao(), forma->id());
    PesquisaParceiros();

    connect(ui->cbbConta, &QComboBox::currentIndexChanged, this, &TfrmPagamento::MostraTipo);
    // Enter in the partner field moves on to the list, which then holds
    // the member's partners whose name contains what was typed.
    connect(InputConventions::install(this), &InputConventions::left, this, [this](QWidget *control) {
        if (control == ui->edtPesqParceiro)
            PesquisaParceiros();
    });
    MostraTipo();
}

TfrmPagamento::~TfrmPagamento() = default;

void TfrmPagamento::LeContas()
{
    WaitCursor wait;
    const qint32 membro = AssociadoAtual->id();
    const std::unique_ptr<TListaContaGrupo> grupos = DM->LeContaGrupo(membro);
    const std::unique_ptr<TListaConta> contas = DM->LeConta(membro);
    ui->cbbConta->clear();
    for (const auto &grupo : grupos->lista()) {
        for (const auto &conta : contas->lista()) {
            if (conta->id_pai() != grupo->id())
                continue;
            ui->cbbConta->addItem(grupo->descricao() + QStringLiteral(" / ") + conta->descricao(), conta->id());
            m_tipoConta.insert(conta->id(), grupo->tipo());
        }
    }
    ui->cbbConta->setCurrentIndex(-1);
}

void TfrmPagamento::MostraTipo()
{
    const QString tipo = m_tipoConta.value(ui->cbbConta->currentData().toInt());
    ui->lblTipo->setText(tipo == u"C"   ? QStringLiteral("Crédito (a receber)")
                         : tipo == u"D" ? QStringLiteral("Débito (a pagar)")
                                        : QString());
}

void TfrmPagamento::PesquisaParceiros()
{
    WaitCursor wait;
    const qint32 escolhido = ui->cbbParceiro->currentData().toInt();
    const std::unique_ptr<TListaParceiro> parceiros
        = DM->PesqParceiro(tpMeus, tpNome, tpTodosParc, Trim(ui->edtPesqParceiro->text()));
    ui->cbbParceiro->clear();
    ui->cbbParceiro->addItem(QStringLiteral("(sem parceiro)"), 0);
    for (const auto &parceiro : parceiros->Lista())
        ui->cbbParceiro->addItem(parceiro->nome(), parceiro->id());
    const int linha = ui->cbbParceiro->findData(escolhido);
    // One partner found: that is the one meant.
    ui->cbbParceiro->setCurrentIndex(linha > 0 ? linha : parceiros->Lista().count() == 1 ? 1 : 0);
}

void TfrmPagamento::PreparaNovo()
{
    setWindowTitle(QStringLiteral("Novo lançamento"));
    m_editado.reset();
    ui->dtpLancamento->setDate(QDate::currentDate());
    ui->dtpVencimento->setDate(QDate::currentDate());
    ui->spnParcelas->setValue(1);
    ui->spnParcelas->setEnabled(true);
    ui->lblValor->setText(QStringLiteral("&Valor total"));
    ui->lblVencimento->setText(QStringLiteral("Primeiro ve&ncimento"));
}

void TfrmPagamento::PreparaEdicao(const TAcdPagamento &entry)
{
    m_editado = std::make_unique<TAcdPagamento>(entry);
    setWindowTitle(QStringLiteral("Edita lançamento %1/%2").arg(entry.parc()).arg(entry.parc_tot()));
    ui->edtDescricao->setText(entry.descricao());
    ui->cbbConta->setCurrentIndex(ui->cbbConta->findData(entry.id_conta()));
    const int parceiro = ui->cbbParceiro->findData(entry.id_parceiro());
    if (parceiro < 0 && entry.id_parceiro() != 0)
        ui->cbbParceiro->addItem(entry.nome_parceiro(), entry.id_parceiro());
    ui->cbbParceiro->setCurrentIndex(ui->cbbParceiro->findData(entry.id_parceiro()));
    ui->cbbFormaPagto->setCurrentIndex(std::max(0, ui->cbbFormaPagto->findData(entry.id_fpg())));
    ui->edtValor->setAmount(entry.vlr_parc());
    ui->dtpLancamento->setDate(entry.dt_div().toDateTime().date());
    ui->dtpVencimento->setDate(entry.dt_venc().toDateTime().date());
    ui->spnParcelas->setValue(1);
    ui->spnParcelas->setEnabled(false);
    ui->lblValor->setText(QStringLiteral("&Valor da parcela"));
    ui->lblVencimento->setText(QStringLiteral("Ve&ncimento"));
    MostraTipo();
}

QList<qint64> TfrmPagamento::DivideEmCentavos(qint64 total, int parcelas)
{
    QList<qint64> partes;
    if (parcelas < 1)
        return partes;
    const qint64 parte = total / parcelas;
    for (int i = 0; i < parcelas; ++i)
        partes << parte;
    partes.last() += total - parte * parcelas;
    return partes;
}

QDate TfrmPagamento::Vencimento(const QDate &primeiro, int indice)
{
    // Counted from the first due date each time, so 31 January gives the
    // last day of February and then 31 March again.
    return primeiro.addMonths(indice);
}

void TfrmPagamento::accept()
{
    if (Trim(ui->edtDescricao->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("Informe a descrição."));
        ui->edtDescricao->setFocus();
        return;
    }
    if (ui->cbbConta->currentIndex() < 0) {
        MessageDialog::information(ui->cbbConta->count() == 0
                                       ? QStringLiteral("Cadastre antes um grupo e uma conta em \"Grupos e contas\".")
                                       : QStringLiteral("Informe a conta."));
        ui->cbbConta->setFocus();
        return;
    }
    if (Money::cents(ui->edtValor->amount()) <= 0) {
        MessageDialog::information(QStringLiteral("Informe o valor."));
        ui->edtValor->setFocus();
        return;
    }
    if (Money::cents(ui->edtValor->amount()) < ui->spnParcelas->value()) {
        MessageDialog::information(QStringLiteral("O valor não dá um centavo por parcela."));
        ui->spnParcelas->setFocus();
        return;
    }
    QDialog::accept();
}

std::vector<std::unique_ptr<TAcdPagamento>> TfrmPagamento::Lancamentos() const
{
    std::vector<std::unique_ptr<TAcdPagamento>> lancamentos;
    const int parcelas = m_editado ? 1 : ui->spnParcelas->value();
    const QList<qint64> valores = DivideEmCentavos(Money::cents(ui->edtValor->amount()), parcelas);
    for (int i = 0; i < parcelas; ++i) {
        auto entry = m_editado ? std::make_unique<TAcdPagamento>(*m_editado) : std::make_unique<TAcdPagamento>();
        if (!m_editado) {
            entry->setParc(i + 1);
            entry->setParc_tot(parcelas);
            entry->setStatus(QStringLiteral("A"));
        }
        entry->setDescricao(Trim(ui->edtDescricao->text()));
        entry->setId_conta(ui->cbbConta->currentData().toInt());
        entry->setId_parceiro(ui->cbbParceiro->currentData().toInt());
        entry->setId_fpg(ui->cbbFormaPagto->currentData().toInt());
        entry->setVlr_parc(Money::fromCents(valores.at(i)));
        entry->setDt_div(DateTime::fromDate(ui->dtpLancamento->date()));
        entry->setDt_venc(DateTime::fromDate(Vencimento(ui->dtpVencimento->date(), i)));
        entry->setId_acd(AssociadoAtual->id());
        lancamentos.push_back(std::move(entry));
    }
    return lancamentos;
}
