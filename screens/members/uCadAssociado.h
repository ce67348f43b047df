#pragma once

#include <QWidget>

#include "Selectors.h"

#include <memory>

class QAction;

namespace Ui {
class frmCadAssociado;
}

// The member list: a child window of the main window where the association's
// members are found, created, edited and deleted. It shows the shared table
// cdsPesqAssociado (so it opens with the rows of the last search of the run)
// and drives the two dialog flows: document prompt then member editor for a
// new member, member editor alone for an edit. Closing it frees it; the
// main window enables its "Associados" again when the window is gone.
class TfrmCadAssociado : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCadAssociado(QWidget *parent = nullptr);
    ~TfrmCadAssociado() override;

    // Each runs from its button or its function key while the window is active.
    QAction *actPesq() const;
    QAction *actNovo() const;
    QAction *actEdita() const;
    QAction *actExclui() const;
    QAction *actExporta() const;
    QAction *actImprime() const;

    void actPesqExecute();
    void actNovoExecute();
    void actEditaExecute();
    void actExcluiExecute();
    // The rows the grid shows, in its order: to an XLSX or CSV file, or printed.
    void actExportaExecute();
    void actImprimeExecute();

    // The search type the window's search-type list stands for.
    TTipoPesqParceiro tipoPesquisa() const;

private:
    void dsPesAssociadoDataChange();
    void btnFecharClick();

    std::unique_ptr<Ui::frmCadAssociado> ui;
};
