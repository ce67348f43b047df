#pragma once

#include <QDialog>

#include <memory>
#include <vector>

class MoneyEdit;
class TAcdPagamento;
class TListaAcdBaixaPag;

namespace Ui {
class frmBaixaPag;
}

// The settlement of one or several open entries: per entry the amount due,
// the interest (+) or discount (−) and the amount paid, which follows due
// plus interest/discount until it is typed. Paying less leaves the rest
// open as an entry of its own (the database makes it).
class TfrmBaixaPag : public QDialog
{
    Q_OBJECT

public:
    TfrmBaixaPag(const std::vector<std::unique_ptr<TAcdPagamento>> &lancamentos, QWidget *parent = nullptr);
    ~TfrmBaixaPag() override;

    // The fields of entry `linha`.
    MoneyEdit *acrescimo(int linha) const;
    MoneyEdit *pago(int linha) const;

    // One element per entry, the amounts rounded to cents.
    std::unique_ptr<TListaAcdBaixaPag> Baixas() const;

    void accept() override;

private:
    void Totaliza();

    struct Linha
    {
        qint32 id;
        double devido;
        MoneyEdit *acrescimo;
        MoneyEdit *pago;
        bool pagoDigitado = false;
    };
    std::vector<Linha> m_linhas;
    std::unique_ptr<Ui::frmBaixaPag> ui;
};
