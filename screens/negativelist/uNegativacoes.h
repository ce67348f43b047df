#pragma once

#include <QWidget>

#include <memory>

class QAction;

namespace Ui {
class frmNegativacoes;
}

// "Minhas negativações": the registrations the member in work made on the
// negative list (cdsNegativas), standing ones, withdrawn ones or both,
// optionally those registered within a period (both days included). A
// withdrawn row is grey; under the grid, the total of the standing amounts
// shown. Retirar (F6) withdraws the standing registration of the current
// row with a reason. A child window of the main window, freed when closed.
class TfrmNegativacoes : public QWidget
{
    Q_OBJECT

public:
    // The window's entry point: null, after saying why, for a member
    // without the package Negativação.
    static TfrmNegativacoes *cria(QWidget *parent = nullptr);
    ~TfrmNegativacoes() override;

    QAction *actPesq() const;
    QAction *actRetirar() const;

    void actPesqExecute();
    void actRetirarExecute();

    // The text under the grid: "R$ 1.234,56".
    QString total() const;

private:
    explicit TfrmNegativacoes(QWidget *parent);
    void dsNegativasDataChange();
    void LocalizaNegativa(qint32 id);
    // Whether registration id of the member in work still stands.
    bool AindaAtiva(qint32 id);

    std::unique_ptr<Ui::frmNegativacoes> ui;
};
