#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmRetirar;
}

// Asks why a registration of the negative list is withdrawn ("Motivo da
// retirada", required) for the partner it names.
class TfrmRetirar : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmRetirar(const QString &parceiro, QWidget *parent = nullptr);
    ~TfrmRetirar() override;

    QString motivo() const;

protected:
    void done(int result) override;

private:
    std::unique_ptr<Ui::frmRetirar> ui;
};
