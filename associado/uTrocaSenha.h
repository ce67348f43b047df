#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmTrocaSenha;
}

// The first login of a member user whose password is still the initial one
// (the first five characters of the member's document, which anyone who
// knows the document can guess): a new password, typed twice, turned to
// capitals as the login does, at least six characters and not the initial
// one. OK stores it for UsuarioLogado through the member-user write and
// closes; the dialog stays open when a check or the write fails. Cancel
// stores nothing.
class TfrmTrocaSenha : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmTrocaSenha(QWidget *parent = nullptr);
    ~TfrmTrocaSenha() override;

    static int tamanhoMinimo() { return 6; }
    // The column's width: a longer password is refused, never cut.
    static int tamanhoMaximo() { return 100; }

private:
    void btnOKClick();
    bool ValidaSenha(const QString &senha, const QString &confirmacao);

    std::unique_ptr<Ui::frmTrocaSenha> ui;
};
