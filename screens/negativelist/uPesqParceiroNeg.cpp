#include "uPesqParceiroNeg.h"

#include "ui_uPesqParceiroNeg.h"

#include "ActionButton.h"
#include "BrowseGrid.h"
#include "Feedback.h"
#include "MessageDialog.h"
#include "TListaParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uDMds.h"
#include "uRotinas.h"

#include <QAction>

using namespace Qt::StringLiterals;

TfrmPesqParceiroNeg::TfrmPesqParceiroNeg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPesqParceiroNeg>())
{
    ui->setupUi(this);
    setFont(WindowConventions::tahoma(8));
    WindowConventions::fixDialogFrame(this);
    UpperCaseValidator::apply(ui->edtPesq);

    connect(ui->actPesq, &QAction::triggered, this, &TfrmPesqParceiroNeg::actPesqExecute);
    bindToAction(ui->btnPesq, ui->actPesq);
    // Enter in the search field searches; on the grid it chooses.
    connect(ui->edtPesq, &QLineEdit::returnPressed, this, &TfrmPesqParceiroNeg::actPesqExecute);
    connect(ui->dbgrdPar, &QAbstractItemView::activated, this, &QDialog::accept);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);

    MemTable *lista = DMds->cdsPesqNegParceiro;
    lista->empty();
    setupBrowseGrid(ui->dbgrdPar, lista,
                    {{u"PAR_A_NOM"_s, u"Nome"_s, 260},
                     {u"PAR_A_CNPJ_CPF"_s, u"Documento"_s, 120, {}, FormataDocumento},
                     {u"PAR_A_BRR"_s, u"Bairro"_s, 110}});
    greyInactiveRows(lista, u"PAR_A_ABL");
    ui->edtPesq->setFocus();
}

TfrmPesqParceiroNeg::~TfrmPesqParceiroNeg() = default;

QAction *TfrmPesqParceiroNeg::actPesq() const
{
    return ui->actPesq;
}

void TfrmPesqParceiroNeg::actPesqExecute()
{
    WaitCursor wait;
    const bool documento = ui->cbbTipoPesq->currentIndex() == 1;
    QString texto = Trim(ui->edtPesq->text());
    if (documento)
        texto = LimpaDocumento(texto);
    const std::unique_ptr<TListaParceiro> lista
        = DM->PesqParceiro(tpMeus, documento ? tpDocumento : tpNome, tpTodosParc, texto);
    DMds->PopulacdsPesqNegParceiro(*lista);
    if (DMds->cdsPesqNegParceiro->recordCount() > 0)
        ui->dbgrdPar->setFocus();
}

qint32 TfrmPesqParceiroNeg::parceiro() const
{
    const MemTable *lista = DMds->cdsPesqNegParceiro;
    return lista->recordCount() > 0 ? lista->integer(u"PAR_I_COD") : 0;
}

void TfrmPesqParceiroNeg::done(int result)
{
    if (result == QDialog::Accepted && parceiro() == 0) {
        MessageDialog::information(QStringLiteral("Escolha um parceiro da lista."));
        ui->edtPesq->setFocus();
        return;
    }
    QDialog::done(result);
}
