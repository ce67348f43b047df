#include "uNegativar.h"

#include "ui_uNegativar.h"

#include "InputConventions.h"
#include "MessageDialog.h"
#include "Money.h"
#include "PacoteNegativacao.h"
#include "Session.h"
#include "TListaNegativa.h"
#include "TNegativa.h"
#include "TParceiro.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uPesqParceiroNeg.h"
#include "uRotinas.h"

#include <QLabel>

using WindowConventions::tahoma;

namespace {

// The reason column's size in PARCEIRO_NEGATIVA: a longer text is refused
// at the keyboard, never cut on the way to the database.
constexpr int tamanhoMotivo = 200;

} // namespace

TfrmNegativar::TfrmNegativar(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmNegativar>())
{
    ui->setupUi(this);
    setFont(tahoma(8));
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(u"txt"))
            label->setFont(tahoma(8, true));
    }
    WindowConventions::fixDialogFrame(this);
    ui->edtPNG_A_MOT->setMaxLength(tamanhoMotivo);
    UpperCaseValidator::apply(ui->edtPNG_A_MOT);
    InputConventions::install(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmNegativar::~TfrmNegativar() = default;

void TfrmNegativar::Prepara(const TParceiro &parceiro)
{
    ui->txtPAR_A_NOM->setText(parceiro.nome());
    ui->txtPAR_A_CNPJ_CPF->setText(FormataDocumento(parceiro.cnpj_cpf()));
    ui->edtPNG_A_MOT->clear();
    ui->edtPNG_N_VAL->setAmount(0);
    ui->edtPNG_A_MOT->setFocus();
}

QString TfrmNegativar::motivo() const
{
    return Trim(ui->edtPNG_A_MOT->text());
}

double TfrmNegativar::valor() const
{
    return ui->edtPNG_N_VAL->amount();
}

QString TfrmNegativar::textoJaNegativado(const QString &desde)
{
    return QStringLiteral("Este parceiro já está negativado por você desde %1. Registrar outra negativação?")
        .arg(desde);
}

bool TfrmNegativar::ValidaCampos()
{
    if (motivo().isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo motivo tem que ser preenchido."));
        ui->edtPNG_A_MOT->setFocus();
        return false;
    }
    // What is typed but not yet taken by the field counts.
    ui->edtPNG_N_VAL->interpretText();
    if (Money::cents(valor()) <= 0) {
        MessageDialog::information(QStringLiteral("O campo valor tem que ser maior que zero."));
        ui->edtPNG_N_VAL->setFocus();
        ui->edtPNG_N_VAL->selectAll();
        return false;
    }
    return true;
}

void TfrmNegativar::done(int result)
{
    if (result == QDialog::Accepted && !ValidaCampos())
        return;
    QDialog::done(result);
}

bool TfrmNegativar::Negativar(qint32 iPAR, QWidget *parent)
{
    if (!PacoteNegativacao::confere())
        return false;
    const std::unique_ptr<TParceiro> parceiro = DM->LeParceiro(iPAR);
    // Only the member's own partners: another member's customer is that
    // member's to register.
    if (parceiro->id() == 0 || parceiro->id_acd() != AssociadoAtual->id()) {
        MessageDialog::information(QStringLiteral("Parceiro não localizado."));
        return false;
    }

    const std::unique_ptr<TListaNegativa> ativas
        = DM->PesqNegativas(1, false, DateTime(), DateTime(), AssociadoAtual->id());
    const TNegativa *primeira = nullptr;
    for (const auto &negativa : ativas->lista()) {
        if (negativa->id_par() == iPAR && (!primeira || negativa->dt_reg().days() < primeira->dt_reg().days()))
            primeira = negativa.get();
    }
    if (primeira
        && MessageDialog::show(textoJaNegativado(primeira->dt_reg().toShortDateString()),
                               MessageDialog::Kind::Confirmation, QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return false;

    QString motivo;
    double valor = 0;
    {
        TfrmNegativar dialog(parent);
        dialog.Prepara(*parceiro);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        motivo = dialog.motivo();
        valor = dialog.valor();
    }
    if (!DM->InsertNegativa(motivo, valor, iPAR, AssociadoAtual->id()))
        return false;
    MessageDialog::information(QStringLiteral("Parceiro negativado."));
    return true;
}

bool TfrmNegativar::NegativarParceiro(QWidget *parent)
{
    if (!PacoteNegativacao::confere())
        return false;
    qint32 iPAR = 0;
    {
        TfrmPesqParceiroNeg pesquisa(parent);
        if (pesquisa.exec() != QDialog::Accepted)
            return false;
        iPAR = pesquisa.parceiro();
    }
    return Negativar(iPAR, parent);
}
