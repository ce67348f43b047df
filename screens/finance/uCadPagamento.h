#pragma once

#include <QWidget>

#include <memory>

class QAction;
class TAcdPagamento;

namespace Ui {
class frmCadPagamento;
}

// "Lançamentos": the member's payables and receivables, one row per
// instalment, found by situation (open or settled), by one of the three
// dates in a period (the current month at first), group, account, part of
// the partner's name and part of the description. Open entries past their
// due date are red; the footer holds the totals of credits, debits and
// their balance for the rows shown. New (in instalments), edit and delete
// of an open entry, settlement of one or several open entries and the
// reversal of a settled one.
class TfrmCadPagamento : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCadPagamento(QWidget *parent = nullptr);
    ~TfrmCadPagamento() override;

    QAction *actPesq() const;
    QAction *actNovo() const;
    QAction *actEdita() const;
    QAction *actExclui() const;
    QAction *actBaixa() const;
    QAction *actEstorno() const;

    void actPesqExecute();
    void actNovoExecute();
    void actEditaExecute();
    void actExcluiExecute();
    void actBaixaExecute();
    void actEstornoExecute();

    // The footer's texts: credits, debits, balance.
    QString totalCreditos() const;
    QString totalDebitos() const;
    QString saldo() const;

private:
    void LeGruposContas();
    void LeContasDoGrupo();
    void dsPesqPagamentoDataChange();
    void Totaliza();
    bool emAberto() const;
    // Writes the entries in one go; false after the first refusal.
    bool Grava(const std::vector<std::unique_ptr<TAcdPagamento>> &lancamentos);

    std::unique_ptr<Ui::frmCadPagamento> ui;
};
