#pragma once

#include <QWidget>

#include "Selectors.h"

#include <memory>

class QAction;
class TParceiro;

class TfrmParceiro;

namespace Ui {
class frmCadParceiro;
}

// The partner list of the members' program: a child window of the main
// window where the member's customers and suppliers are found, created,
// edited and deleted, as the member list does for members. It searches
// "Meus parceiros" (the member's own) or "Todos cadastrados" (those of
// every member of its association, which open read-only and can't be
// deleted), shows the shared table cdsPesqParceiro and drives the flows:
// document prompt then partner editor for a new partner, the editor alone
// for an edit. Closing it frees it; the main window enables its "Parceiros"
// again when the window is gone.
class TfrmCadParceiro : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCadParceiro(QWidget *parent = nullptr);
    ~TfrmCadParceiro() override;

    // Each runs from its button or its function key while the window is active.
    QAction *actPesq() const;
    QAction *actNovo() const;
    QAction *actEdita() const;
    QAction *actExclui() const;
    QAction *actNegativa() const;

    void actPesqExecute();
    void actNovoExecute();
    void actEditaExecute();
    void actExcluiExecute();
    // Puts the current partner, one of the member's own, on the negative
    // list (package Negativação).
    void actNegativaExecute();

    // What the window's three selectors stand for.
    TTipoPesqParceiro tipoPesquisa() const;
    TTipoParceiro tipoParceiro() const;
    TTipoCadastro tipoCadastro() const;

private:
    void dsPesParceiroDataChange();
    // Writes the partner of the editor's tables (its key to `gravado`);
    // answers whether the editor may close (see TfrmParceiro::setGravacao).
    bool GravaParceiro(TfrmParceiro &editor, qint32 &gravado);
    // Whether the partner (and each stored contact the write would update)
    // is still in the database as one of the member's: a write must never
    // bring back what another seat deleted. Shows "Parceiro não localizado."
    // when not.
    bool ParceiroGravavel(const TParceiro &parceiro);
    void LocalizaParceiro(qint32 id);
    bool doMembro() const;

    std::unique_ptr<Ui::frmCadParceiro> ui;
};
