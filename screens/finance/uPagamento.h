#pragma once

#include <QDate>
#include <QDialog>

#include <memory>
#include <vector>

class TAcdPagamento;

namespace Ui {
class frmPagamento;
}

// The editor of an entry: "Novo lançamento" takes a description, the
// account (whose group makes it a credit or a debit), an optional partner
// of the member found through the partner search, the payment method, the
// total amount, the posting date, the first due date and the number of
// instalments, and gives one entry per instalment (1/N ... N/N, due monthly,
// the amount split in cents). Editing an open entry changes that one entry.
class TfrmPagamento : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPagamento(QWidget *parent = nullptr);
    ~TfrmPagamento() override;

    void PreparaNovo();
    void PreparaEdicao(const TAcdPagamento &entry);

    // What OK gives: the instalments of a new entry, or the edited entry,
    // each with its amount in cents and owned by the member in work.
    std::vector<std::unique_ptr<TAcdPagamento>> Lancamentos() const;

    // `total` split into `parcelas` amounts in cents: equal ones, the
    // remainder in the last, so they add up to the total exactly.
    static QList<qint64> DivideEmCentavos(qint64 total, int parcelas);
    // The due date of instalment `indice` (0 = the first): `primeiro` so
    // many months later, on the same day or the month's last day.
    static QDate Vencimento(const QDate &primeiro, int indice);

    void accept() override;

private:
    void LeContas();
    void PesquisaParceiros();
    void MostraTipo();

    std::unique_ptr<Ui::frmPagamento> ui;
    std::unique_ptr<TAcdPagamento> m_editado;
    QHash<qint32, QString> m_tipoConta;
};
