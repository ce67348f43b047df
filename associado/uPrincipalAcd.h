#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class WorkArea;

namespace Ui {
class frmPrincipalAcd;
}

// The main window of the members' program: an MDI frame whose windows live
// in its work area (WorkArea), "Parceiros" under "Cadastros", the two
// packages under "Pacotes", and a status bar naming the user, the member and
// the association. A package's item is enabled only when the member has that
// package ("Pacote Financeiro" ACD_A_PCT1, "Pacote Negativação" ACD_A_PCT2,
// as read at login: a change the association makes applies from the next
// login); a disabled one says why in its tooltip and status tip. Each action
// is disabled while the window it opened exists.
class TfrmPrincipalAcd : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmPrincipalAcd(QWidget *parent = nullptr);
    ~TfrmPrincipalAcd() override;

    QAction *actParceiro() const;
    QAction *actNegativacao() const;
    // The items of the "Negativação" menu.
    QAction *actNegativar() const;
    QAction *actMinhasNegativacoes() const;
    QAction *actConsNegativado() const;
    QAction *actFinanceiro() const;
    QAction *actSair() const;
    QMdiArea *mdiArea() const;
    // The text of status bar panel 0 (user), 1 (member) or 2 (association).
    QString panelText(int panel) const;

    void actParceiroExecute();
    void actPacoteExecute();
    void actNegativarExecute();
    void actMinhasNegativacoesExecute();
    void actConsNegativadoExecute();
    void actSairExecute();

    // What a disabled package item says.
    static QString pacoteNaoContratado(const QString &pacote);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void HabilitaPacotes();
    void MontaMenuNegativacao();

    std::unique_ptr<Ui::frmPrincipalAcd> ui;
    QLabel *m_panels[3] = {nullptr, nullptr, nullptr};
    WorkArea *m_workArea = nullptr;
};
