#pragma once

#include <QDialog>

#include <memory>

class FieldMapper;

namespace Ui {
class frmUsuario;
}

// The user editor: a modal dialog on the current row of cdsPesUsuario. OK
// writes the fields into the row (which the caller then posts) and checks
// nothing; Cancela and Esc leave the row as it was. The list window decides
// whether "Mostrar Senha" is offered.
class TfrmUsuario : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmUsuario(QWidget *parent = nullptr);
    ~TfrmUsuario() override;

    void setMostrarSenhaVisible(bool visible);

    void FormShow();
    void chkMostrarSenhaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnOKClick();

    std::unique_ptr<Ui::frmUsuario> ui;
    FieldMapper *m_mapper = nullptr;
};
