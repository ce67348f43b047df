#include "uRetirar.h"

#include "ui_uRetirar.h"

#include "InputConventions.h"
#include "MessageDialog.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"

#include <QLabel>

using WindowConventions::tahoma;

TfrmRetirar::TfrmRetirar(const QString &parceiro, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmRetirar>())
{
    ui->setupUi(this);
    setFont(tahoma(8));
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(u"txt"))
            label->setFont(tahoma(8, true));
    }
    WindowConventions::fixDialogFrame(this);
    ui->txtPAR_A_NOM->setText(parceiro);
    // The size of PNG_A_RET: a longer reason is refused at the keyboard.
    ui->edtPNG_A_RET->setMaxLength(200);
    UpperCaseValidator::apply(ui->edtPNG_A_RET);
    InputConventions::install(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
    ui->edtPNG_A_RET->setFocus();
}

TfrmRetirar::~TfrmRetirar() = default;

QString TfrmRetirar::motivo() const
{
    return Trim(ui->edtPNG_A_RET->text());
}

void TfrmRetirar::done(int result)
{
    if (result == QDialog::Accepted && motivo().isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo motivo da retirada tem que ser preenchido."));
        ui->edtPNG_A_RET->setFocus();
        return;
    }
    QDialog::done(result);
}
