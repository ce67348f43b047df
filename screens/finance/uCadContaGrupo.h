#pragma once

#include <QWidget>

#include <memory>

class QAction;

namespace Ui {
class frmCadContaGrupo;
}

// "Grupos e contas" of the members' program: a child window of the main
// window with the member's account groups (Descrição, Tipo: Crédito or
// Débito) and, beside them, the accounts of the chosen group. New, edit and
// delete for both, through the editor TfrmContaGrupo; a deletion the
// database refuses (a group that still has accounts, an account with
// entries) says why. Everything read and written is the member in work's.
class TfrmCadContaGrupo : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCadContaGrupo(QWidget *parent = nullptr);
    ~TfrmCadContaGrupo() override;

    QAction *actNovoGrupo() const;
    QAction *actEditaGrupo() const;
    QAction *actExcluiGrupo() const;
    QAction *actNovaConta() const;
    QAction *actEditaConta() const;
    QAction *actExcluiConta() const;

    void actNovoGrupoExecute();
    void actEditaGrupoExecute();
    void actExcluiGrupoExecute();
    void actNovaContaExecute();
    void actEditaContaExecute();
    void actExcluiContaExecute();

    // Reads the member's groups again and stays on the group `grupo` (the
    // first when 0 or gone).
    void LeGrupos(qint32 grupo = 0);
    // Reads the accounts of the current group again, staying on `conta`.
    void LeContas(qint32 conta = 0);

private:
    qint32 grupoAtual() const;
    void HabilitaBotoes();
    bool EditaGrupo(bool novo);
    bool EditaConta(bool novo);

    std::unique_ptr<Ui::frmCadContaGrupo> ui;
    qint32 m_grupoContas = -1;
};
