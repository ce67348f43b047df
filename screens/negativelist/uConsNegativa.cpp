#include "uConsNegativa.h"

#include "ui_uConsNegativa.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "MessageDialog.h"
#include "PacoteNegativacao.h"
#include "RegisterWindow.h"
#include "TListaConsNegativa.h"
#include "TListaParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uRotinas.h"

#include <QAction>
#include <QRegularExpression>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace {

// A text typed as a document: only the characters a document is written
// with (its digits and letters, dots, slash and dash) and at least one
// digit. Anything else is part of a name.
bool pareceDocumento(const QString &texto)
{
    static const QRegularExpression documento(u"^[0-9A-Za-z./-]*[0-9][0-9A-Za-z./-]*$"_s);
    return documento.match(texto).hasMatch();
}

// A postal code of eight digits as 99999-999; anything else as stored.
QString cep(const QString &valor)
{
    static const QRegularExpression oitoDigitos(u"^[0-9]{8}$"_s);
    return oitoDigitos.match(valor).hasMatch() ? valor.left(5) + u'-' + valor.mid(5) : valor;
}

} // namespace

TfrmConsNegativa *TfrmConsNegativa::cria(QWidget *parent)
{
    if (!PacoteNegativacao::confere())
        return nullptr;
    return new TfrmConsNegativa(parent);
}

TfrmConsNegativa::TfrmConsNegativa(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmConsNegativa>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    setAttribute(Qt::WA_DeleteOnClose);
    placeInWorkArea(this);
    ui->txtAviso->setFont(WindowConventions::tahoma(8, true));

    connect(ui->actPesq, &QAction::triggered, this, &TfrmConsNegativa::actPesqExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    connect(ui->edtPesq, &QLineEdit::returnPressed, this, &TfrmConsNegativa::actPesqExecute);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QWidget::close);
    UpperCaseValidator::apply(ui->edtPesq);
    ui->edtPesq->setMaxLength(100);

    DMds->cdsConsParceiro->empty();
    DMds->cdsConsNegativa->empty();
    setupBrowseGrid(
        ui->dbgrdPar, DMds->cdsConsParceiro,
        {{u"PAR_A_NOM"_s, u"Nome"_s, 300}, {u"PAR_A_CNPJ_CPF"_s, u"Documento"_s, 130, {}, FormataDocumento}});
    setupBrowseGrid(ui->dbgrdNeg, DMds->cdsConsNegativa,
                    {{u"ACD_A_NOM"_s, u"Associado"_s, 150},
                     {u"ASS_A_NOM"_s, u"Associação"_s, 150},
                     {u"ASS_A_LGR"_s, u"Endereço"_s, 120},
                     {u"ASS_A_NUM"_s, u"Número"_s, 50},
                     {u"ASS_A_CPL"_s, u"Complemento"_s, 75},
                     {u"ASS_A_BRR"_s, u"Bairro"_s, 80},
                     {u"CID_A_DSC"_s, u"Cidade"_s, 90},
                     {u"CID_A_UF"_s, u"UF"_s, 25},
                     {u"ASS_A_CEP"_s, u"CEP"_s, 65, {}, cep}});
    connect(DMds->cdsConsParceiro, &MemTable::currentRowChanged, this, &TfrmConsNegativa::ConsultaParceiro);
}

TfrmConsNegativa::~TfrmConsNegativa() = default;

QAction *TfrmConsNegativa::actPesq() const
{
    return ui->actPesq;
}

QString TfrmConsNegativa::aviso() const
{
    return ui->txtAviso->text();
}

QString TfrmConsNegativa::semNegativacao()
{
    return QStringLiteral("Nenhuma negativação ativa para este documento.");
}

void TfrmConsNegativa::actPesqExecute()
{
    const QString texto = Trim(ui->edtPesq->text());
    if (texto.isEmpty()) {
        MessageDialog::information(QStringLiteral("Informe o CPF, o CNPJ ou parte do nome do parceiro."));
        ui->edtPesq->setFocus();
        return;
    }
    const bool documento = pareceDocumento(texto);
    const QString limpo = LimpaDocumento(texto);
    if (documento && !CPFCompleto(limpo) && !CNPJCompleto(limpo)) {
        MessageDialog::information(limpo.size() == 11   ? QStringLiteral("CPF inválido")
                                   : limpo.size() == 14 ? QStringLiteral("CNPJ inválido")
                                                        : QStringLiteral("Documento inválido: informe um CPF de 11 "
                                                                         "dígitos ou um CNPJ de 14 caracteres."));
        ui->edtPesq->setFocus();
        ui->edtPesq->selectAll();
        return;
    }
    const std::unique_ptr<TListaParceiro> lista
        = DM->PesqConsNegativa(documento ? tpDocumento : tpNome, documento ? limpo : texto);
    {
        // One consultation for the row the search leaves current, not one
        // for each move of the cursor while the table fills.
        const QScopedValueRollback enchendo(m_enchendo, true);
        DMds->PopulacdsConsParceiro(*lista);
    }
    if (DMds->cdsConsParceiro->recordCount() == 0) {
        DMds->cdsConsNegativa->empty();
        ui->txtAviso->setText(documento ? semNegativacao() : QStringLiteral("Nenhum parceiro encontrado."));
        return;
    }
    ConsultaParceiro();
}

void TfrmConsNegativa::ConsultaParceiro()
{
    const MemTable *parceiros = DMds->cdsConsParceiro;
    if (m_enchendo || parceiros->recordCount() == 0)
        return;
    const std::unique_ptr<TListaConsNegativa> lista = DM->ConsNegativadoDoc(parceiros->text(u"PAR_A_CNPJ_CPF"));
    DMds->PopulacdsConsNegativa(*lista);
    ui->txtAviso->setText(DMds->cdsConsNegativa->recordCount() == 0 ? semNegativacao() : QString());
}
