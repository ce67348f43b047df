#pragma once

#include <QWidget>

#include <memory>

class QAction;

namespace Ui {
class frmConsNegativa;
}

// The consultation of the shared negative list: the member types a CPF or
// CNPJ (check digits checked; the CNPJ may carry letters) or part of a name
// and sees the partners found (cdsConsParceiro: every partner some member
// holds on the list, and those of its own association's members, one row
// per document); for the current one, every member of any association that
// holds that document on the list, with its association's address
// (cdsConsNegativa). Who registered is all it shows: the amounts and
// reasons are the registering member's business. No standing registration
// is said in the window itself. A child window of the main window.
class TfrmConsNegativa : public QWidget
{
    Q_OBJECT

public:
    // Null, after saying why, for a member without the package Negativação.
    static TfrmConsNegativa *cria(QWidget *parent = nullptr);
    ~TfrmConsNegativa() override;

    QAction *actPesq() const;
    void actPesqExecute();

    // The notice under the grids ("Nenhuma negativação ativa para este
    // documento.", ...); empty while the grid shows registrations.
    QString aviso() const;

    static QString semNegativacao();

private:
    explicit TfrmConsNegativa(QWidget *parent);
    // The registrations of the current partner's document.
    void ConsultaParceiro();

    std::unique_ptr<Ui::frmConsNegativa> ui;
    bool m_enchendo = false;
};
