#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmPesqCidade;
}

// The city search: finds cities by a fragment of their name and lets the
// user pick one. It shows the shared table cdsPesqCidade, so it opens with
// the rows of the last search or code lookup of the run; on OK the chosen
// city is that table's current row.
class TfrmPesqCidade : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPesqCidade(QWidget *parent = nullptr);
    ~TfrmPesqCidade() override;

    void actPesqExecute();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dsPesCidDataChange();

    std::unique_ptr<Ui::frmPesqCidade> ui;
};
