#include "uBaixaPag.h"

#include "ui_uBaixaPag.h"

#include "InputConventions.h"
#include "MessageDialog.h"
#include "Money.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TListaAcdBaixaPag.h"
#include "WindowConventions.h"

#include <QHeaderView>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmBaixaPag::TfrmBaixaPag(const std::vector<std::unique_ptr<TAcdPagamento>> &lancamentos, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmBaixaPag>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);
    ui->btnBotoes->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    ui->btnBotoes->button(QDialogButtonBox::Cancel)->setText(u"Cancelar"_s);
    connect(ui->btnBotoes, &QDialogButtonBox::accepted, this, &TfrmBaixaPag::accept);
    connect(ui->btnBotoes, &QDialogButtonBox::rejected, this, &TfrmBaixaPag::reject);

    QTableWidget *grade = ui->grdBaixa;
    const QStringList titulos{
        u"Vencimento"_s, u"Descrição"_s, u"Parcela"_s, u"Valor devido"_s, u"Acréscimo (+) / Desconto (−)"_s,
        u"Valor pago"_s};
    grade->setColumnCount(int(titulos.size()));
    grade->setHorizontalHeaderLabels(titulos);
    grade->setRowCount(int(lancamentos.size()));
    grade->verticalHeader()->hide();
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionMode(QAbstractItemView::NoSelection);
    const int larguras[] = {75, 190, 55, 90, 160, 100};
    for (int i = 0; i < int(titulos.size()); ++i)
        grade->setColumnWidth(i, larguras[i]);

    for (int linha = 0; linha < int(lancamentos.size()); ++linha) {
        const TAcdPagamento &lancamento = *lancamentos.at(std::size_t(linha));
        const double devido = Money::rounded(lancamento.vlr_parc());
        auto item = [&](int coluna, const QString &texto, Qt::Alignment alinhamento = Qt::AlignLeft) {
            auto *celula = new QTableWidgetItem(texto);
            celula->setTextAlignment(alinhamento | Qt::AlignVCenter);
            grade->setItem(linha, coluna, celula);
        };
        item(0, lancamento.dt_venc().toDateTime().date().toString(u"dd/MM/yyyy"_s));
        item(1, lancamento.descricao());
        item(2, QStringLiteral("%1/%2").arg(lancamento.parc()).arg(lancamento.parc_tot()), Qt::AlignHCenter);
        item(3, Money::text(devido), Qt::AlignRight);
        auto *acrescimo = new MoneyEdit(grade);
        acrescimo->setMinimum(-devido);
        acrescimo->setAmount(lancamento.vlr_da());
        auto *pago = new MoneyEdit(grade);
        pago->setAmount(devido + Money::rounded(lancamento.vlr_da()));
        grade->setCellWidget(linha, 4, acrescimo);
        grade->setCellWidget(linha, 5, pago);
        m_linhas.push_back({lancamento.id(), devido, acrescimo, pago});

        const std::size_t indice = std::size_t(linha);
        connect(acrescimo, &QDoubleSpinBox::valueChanged, this, [this, indice] {
            Linha &l = m_linhas[indice];
            if (!l.pagoDigitado) {
                const QSignalBlocker bloqueio(l.pago);
                l.pago->setAmount(Money::fromCents(Money::cents(l.devido) + Money::cents(l.acrescimo->amount())));
            }
            Totaliza();
        });
        connect(pago, &QDoubleSpinBox::valueChanged, this, [this, indice] {
            m_linhas[indice].pagoDigitado = true;
            Totaliza();
        });
    }
    InputConventions::install(this);
    Totaliza();
}

TfrmBaixaPag::~TfrmBaixaPag() = default;

MoneyEdit *TfrmBaixaPag::acrescimo(int linha) const
{
    return m_linhas.at(std::size_t(linha)).acrescimo;
}

MoneyEdit *TfrmBaixaPag::pago(int linha) const
{
    return m_linhas.at(std::size_t(linha)).pago;
}

void TfrmBaixaPag::Totaliza()
{
    qint64 total = 0;
    for (const Linha &linha : m_linhas)
        total += Money::cents(linha.pago->amount());
    ui->lblTotal->setText(u"Total pago: "_s + Money::text(Money::fromCents(total)));
}

void TfrmBaixaPag::accept()
{
    for (const Linha &linha : m_linhas) {
        if (Money::cents(linha.pago->amount()) <= 0) {
            MessageDialog::information(u"Informe o valor pago de cada lançamento."_s);
            linha.pago->setFocus();
            return;
        }
    }
    QDialog::accept();
}

std::unique_ptr<TListaAcdBaixaPag> TfrmBaixaPag::Baixas() const
{
    auto baixas = std::make_unique<TListaAcdBaixaPag>();
    for (const Linha &linha : m_linhas) {
        auto baixa = std::make_unique<TAcdBaixaPag>();
        baixa->setId(linha.id);
        baixa->setVlrdiv(linha.devido);
        baixa->setVlrda(linha.acrescimo->amount());
        baixa->setVlrpago(linha.pago->amount());
        baixas->lista().append(std::move(baixa));
    }
    return baixas;
}
