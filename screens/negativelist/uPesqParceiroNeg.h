#pragma once

#include <QDialog>

#include <memory>

class QAction;

namespace Ui {
class frmPesqParceiroNeg;
}

// The partner search that comes before a registration made from the main
// window's menu: the member's own partners, by name or by document, in
// cdsPesqNegParceiro. OK (or a double-click, or Enter on the grid) takes the
// current row.
class TfrmPesqParceiroNeg : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPesqParceiroNeg(QWidget *parent = nullptr);
    ~TfrmPesqParceiroNeg() override;

    QAction *actPesq() const;
    void actPesqExecute();

    // The key of the partner chosen; 0 when none.
    qint32 parceiro() const;

protected:
    void done(int result) override;

private:
    std::unique_ptr<Ui::frmPesqParceiroNeg> ui;
};
