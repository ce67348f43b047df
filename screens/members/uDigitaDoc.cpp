#include "uDigitaDoc.h"

#include "ui_uDigitaDoc.h"

#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uRotinas.h"

TfrmDigitaDoc::TfrmDigitaDoc(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmDigitaDoc>())
{
    ui->setupUi(this);
    WindowConventions::fixDialogFrame(this);

    for (QWidget *control : {static_cast<QWidget *>(ui->lbl1), static_cast<QWidget *>(ui->edtDoc),
                             static_cast<QWidget *>(ui->btnOK), static_cast<QWidget *>(ui->btnCancela)})
        control->setFont(WindowConventions::tahoma(14));
    ui->lblValid->setFont(WindowConventions::tahoma(10, true));
    QPalette red = ui->lblValid->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    ui->lblValid->setPalette(red);

    // A CNPJ may hold letters, stored as capitals.
    UpperCaseValidator::apply(ui->edtDoc);
    connect(ui->edtDoc, &QLineEdit::textChanged, this, &TfrmDigitaDoc::edtDocChange);
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmDigitaDoc::~TfrmDigitaDoc() = default;

QString TfrmDigitaDoc::documento() const
{
    return ui->edtDoc->text();
}

void TfrmDigitaDoc::edtDocChange()
{
    const QString texto = ui->edtDoc->text();
    // The check routines skip punctuation and blanks; a document is typed
    // bare, as it is stored.
    ui->lblValid->clear();
    m_valido = false;
    if (texto.size() == 11) {
        m_valido = CPFCompleto(texto);
        if (!m_valido)
            ui->lblValid->setText(QStringLiteral("CPF inválido"));
    } else if (texto.size() == 14) {
        m_valido = CNPJCompleto(texto);
        if (!m_valido)
            ui->lblValid->setText(QStringLiteral("CNPJ inválido"));
    }
    ui->btnOK->setEnabled(m_valido);
}

void TfrmDigitaDoc::done(int result)
{
    if (result == QDialog::Accepted && !m_valido)
        return;
    QDialog::done(result);
}
