#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class frmDigitaDoc;
}

// The document prompt of a new member: asks for the CPF or CNPJ before
// anything else is filled in. "OK" is enabled only for eleven (CPF) or
// fourteen (CNPJ) digits with right check digits, so the text handed back
// is always a clean, valid document.
class TfrmDigitaDoc : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmDigitaDoc(QWidget *parent = nullptr);
    ~TfrmDigitaDoc() override;

    // The entry field's text exactly as typed.
    QString documento() const;

    void done(int result) override;

private:
    void edtDocChange();

    std::unique_ptr<Ui::frmDigitaDoc> ui;
    bool m_valido = false;
};
