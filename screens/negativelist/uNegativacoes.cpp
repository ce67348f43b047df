#include "uNegativacoes.h"

#include "ui_uNegativacoes.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "MessageDialog.h"
#include "Money.h"
#include "PacoteNegativacao.h"
#include "RegisterWindow.h"
#include "Session.h"
#include "TListaNegativa.h"
#include "TNegativa.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uRetirar.h"

#include <QAction>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The grid's formats: the table keeps the stored values, a date-time as the
// view's text of a QDateTime and an amount as the shortest text of a double.
QString dia(const QString &valor)
{
    const QDateTime dataHora = QDateTime::fromString(valor, Qt::ISODateWithMs);
    return dataHora.isValid() ? dataHora.date().toString(u"dd/MM/yyyy"_s) : QString();
}

QString quantia(const QString &valor)
{
    return valor.isEmpty() ? QString() : Money::amountText(valor.toDouble());
}

QString situacao(const QString &sts)
{
    return sts == u"S" ? u"Ativa"_s : sts == u"N" ? u"Retirada"_s : sts;
}

} // namespace

TfrmNegativacoes *TfrmNegativacoes::cria(QWidget *parent)
{
    if (!PacoteNegativacao::confere())
        return nullptr;
    return new TfrmNegativacoes(parent);
}

TfrmNegativacoes::TfrmNegativacoes(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmNegativacoes>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmNegativacoes::actPesqExecute);
    connect(ui->actRetirar, &QAction::triggered, this, &TfrmNegativacoes::actRetirarExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    bindToAction(ui->btnRetirar, ui->actRetirar);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);

    // The period is the current month up to today until the member changes it.
    const QDate hoje = QDate::currentDate();
    ui->dtpInicio->setDate(QDate(hoje.year(), hoje.month(), 1));
    ui->dtpFim->setDate(hoje);
    const auto periodo = [this](bool usa) {
        ui->dtpInicio->setEnabled(usa);
        ui->dtpFim->setEnabled(usa);
    };
    connect(ui->chkPeriodo, &QCheckBox::toggled, this, periodo);
    periodo(false);

    MemTable *lista = DMds->cdsNegativas;
    setupBrowseGrid(ui->dbgrdNeg, lista,
                    {{u"PNG_D_REG"_s, u"Data"_s, 75, {}, dia},
                     {u"PAR_A_NOM"_s, u"Parceiro"_s, 180},
                     {u"PNG_A_MOT"_s, u"Motivo"_s, 150},
                     {u"PNG_N_VAL"_s, u"Valor (R$)"_s, 85, Qt::AlignRight | Qt::AlignVCenter, quantia},
                     {u"PNG_A_NEG"_s, u"Situação"_s, 60, {}, situacao},
                     {u"PNG_D_RET"_s, u"Data da retirada"_s, 95, {}, dia},
                     {u"PNG_A_RET"_s, u"Motivo da retirada"_s, 150}});
    greyInactiveRows(lista, u"PNG_A_NEG");
    connect(lista, &MemTable::changed, this, &TfrmNegativacoes::dsNegativasDataChange);

    actPesqExecute();
}

TfrmNegativacoes::~TfrmNegativacoes() = default;

QAction *TfrmNegativacoes::actPesq() const
{
    return ui->actPesq;
}

QAction *TfrmNegativacoes::actRetirar() const
{
    return ui->actRetirar;
}

QString TfrmNegativacoes::total() const
{
    return ui->txtTotal->text();
}

void TfrmNegativacoes::actPesqExecute()
{
    if (ui->chkPeriodo->isChecked() && ui->dtpInicio->date() > ui->dtpFim->date()) {
        MessageDialog::information(QStringLiteral("A data inicial não pode ser maior que a data final."));
        ui->dtpInicio->setFocus();
        return;
    }
    int sts = 0;
    switch (ui->cbbSituacao->currentIndex()) {
    case 0:
        sts = 1;
        break;
    case 1:
        sts = 2;
        break;
    default:
        break;
    }
    const std::unique_ptr<TListaNegativa> lista
        = DM->PesqNegativas(sts, ui->chkPeriodo->isChecked(), DateTime::fromDate(ui->dtpInicio->date()),
                            DateTime::fromDate(ui->dtpFim->date()), AssociadoAtual->id());
    DMds->PopulacdsNegativas(*lista);
    dsNegativasDataChange();
}

void TfrmNegativacoes::dsNegativasDataChange()
{
    const MemTable *lista = DMds->cdsNegativas;
    ui->actRetirar->setEnabled(lista->recordCount() > 0 && lista->text(u"PNG_A_NEG") == u"S");
    // Added in cents, so the total is the sum of the amounts the rows show.
    qint64 centavos = 0;
    const int sts = lista->fieldIndex(u"PNG_A_NEG");
    const int valor = lista->fieldIndex(u"PNG_N_VAL");
    for (int row = 0; row < lista->recordCount(); ++row) {
        if (lista->value(row, sts).toString() == u"S")
            centavos += Money::cents(lista->value(row, valor).toDouble());
    }
    ui->txtTotal->setText(Money::text(Money::fromCents(centavos)));
}

void TfrmNegativacoes::LocalizaNegativa(qint32 id)
{
    MemTable *lista = DMds->cdsNegativas;
    const int column = lista->fieldIndex(u"PNG_I_COD");
    for (int row = 0; row < lista->recordCount(); ++row) {
        if (lista->value(row, column).toInt() == id) {
            lista->setCurrentRow(row);
            return;
        }
    }
}

bool TfrmNegativacoes::AindaAtiva(qint32 id)
{
    // Another seat may have withdrawn it since the list was read: its
    // reason and time are not written over.
    const std::unique_ptr<TListaNegativa> ativas
        = DM->PesqNegativas(1, false, DateTime(), DateTime(), AssociadoAtual->id());
    const auto &lista = ativas->lista();
    return std::any_of(lista.begin(), lista.end(), [id](const auto &negativa) { return negativa->id() == id; });
}

void TfrmNegativacoes::actRetirarExecute()
{
    const MemTable *lista = DMds->cdsNegativas;
    if (lista->recordCount() == 0 || lista->text(u"PNG_A_NEG") != u"S"
        || lista->integer(u"ACD_I_COD") != AssociadoAtual->id())
        return;
    const qint32 id = lista->integer(u"PNG_I_COD");
    QString motivo;
    {
        TfrmRetirar dialog(lista->text(u"PAR_A_NOM"), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        motivo = dialog.motivo();
    }
    if (!AindaAtiva(id))
        MessageDialog::information(QStringLiteral("Esta negativação já foi retirada."));
    else if (DM->Positivar(id, motivo))
        MessageDialog::information(QStringLiteral("Negativação retirada."));
    actPesqExecute();
    LocalizaNegativa(id);
}
