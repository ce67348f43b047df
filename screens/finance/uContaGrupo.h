#pragma once

#include <QDialog>

#include <memory>

class FieldMapper;
class MemTable;

namespace Ui {
class frmContaGrupo;
}

// The editor of one account group (description and kind, credit or debit)
// or one account (description only): its fields are bound to the current
// row of cdsContaGrupo or cdsConta, which the list window has put into
// editing or inserting. OK checks the description and stores the fields
// in the row; Cancel leaves the row as it was.
class TfrmContaGrupo : public QDialog
{
    Q_OBJECT

public:
    enum class Tipo { Grupo, Conta };
    TfrmContaGrupo(Tipo tipo, QWidget *parent = nullptr);
    ~TfrmContaGrupo() override;

    void accept() override;

private:
    Tipo m_tipo;
    MemTable *m_table;
    FieldMapper *m_mapper = nullptr;
    std::unique_ptr<Ui::frmContaGrupo> ui;
};
