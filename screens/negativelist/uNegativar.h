#pragma once

#include <QDialog>

#include <memory>

class TParceiro;

namespace Ui {
class frmNegativar;
}

// The registration of one of the member's own partners on the negative list:
// the partner's name and document, the reason ("Motivo", required) and the
// amount owed ("Valor", in reais, above zero). The flow Negativar is the one
// way in, from the partner list and from the main window's menu alike.
class TfrmNegativar : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmNegativar(QWidget *parent = nullptr);
    ~TfrmNegativar() override;

    void Prepara(const TParceiro &parceiro);
    QString motivo() const;
    // Rounded to cents.
    double valor() const;

    // Registers partner iPAR of the member in work: refused without the
    // package, for a partner that is not (or no longer) the member's, and
    // when the member declines to register a partner it already holds on
    // the list; otherwise the dialog, and on OK the registration. True when
    // a registration was written.
    static bool Negativar(qint32 iPAR, QWidget *parent = nullptr);
    // The same after choosing the partner in the partner search (the
    // main window's "Negativar parceiro").
    static bool NegativarParceiro(QWidget *parent = nullptr);

    // The question asked before a second registration of a partner the
    // member registered on `desde` (dd/mm/aaaa).
    static QString textoJaNegativado(const QString &desde);

protected:
    void done(int result) override;

private:
    bool ValidaCampos();

    std::unique_ptr<Ui::frmNegativar> ui;
};
