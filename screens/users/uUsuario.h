#pragma once

#include <QDialog>

#include <memory>

class FieldMapper;

namespace Ui {
class frmUsuario;
}

// The user editor: a modal dialog on the current row of cdsPesUsuario. OK
// requires a name, a user name and a password (blanks alone count as none),
// then writes the fields into the row, which the caller posts; Cancela and
// Esc leave the row as it was. The list window decides
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
    bool ValidaCampos();

    std::unique_ptr<Ui::frmUsuario> ui;
    FieldMapper *m_mapper = nullptr;
};
