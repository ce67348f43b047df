#pragma once

#include <QDialog>

#include <memory>

class FieldMapper;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace Ui {
class frmAssociado;
}

// The member editor: one member's data, its phone contacts, its two service
// packages and, for a new member, the name and user of its login user. It
// edits the presentation tables its caller filled (cdsCadAssociado, one row;
// cdsCadFoneAcd, the contacts) and the caller saves them after OK.
//
// Binding: the member fields are bound to the current row of
// cdsCadAssociado through a FieldMapper (ui/; a QDataWidgetMapper with
// manual submit). The fields show the row as it was when the dialog was
// made and follow every change the code makes to the row (the city found by
// its code); what the user types is written into the row when the dialog
// closes with OK, and only then, so Cancel leaves the row untouched. The
// contacts grid edits cdsCadFoneAcd in place, as any grid on a MemTable.
//
// A document changed in the editor (the edit flow enables the field) is
// checked on OK like the prompt of a new member checks it, and against the
// association's other members.
class TfrmAssociado : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAssociado(QWidget *parent = nullptr);
    ~TfrmAssociado() override;

    // What the caller prepares and reads.
    QLineEdit *dbedtACD_A_CNPJ() const;
    QGroupBox *grpUsu() const;
    QCheckBox *chkPct01() const;
    QCheckBox *chkPct02() const;
    QLineEdit *edtNomeUsu() const;
    QLineEdit *edtUsuario() const;

    // The document mask by the stored document's length (CPF for 11
    // characters, CNPJ otherwise); the field shows the stored digits.
    void EditaMascara();

    // The contact buttons' actions.
    QAction *DatasetInsert1 = nullptr;
    QAction *DatasetPost1 = nullptr;
    QAction *DatasetCancel1 = nullptr;
    QAction *DatasetDelete1 = nullptr;
    QAction *actEstornaExclusao = nullptr;

    // Closing with OK runs the field checks; a failed one keeps the dialog open.
    void done(int result) override;

    bool ValidaCampos();
    bool BuscaCidade(const QString &codigo);
    bool SelecionaCidade();

private:
    void dbedtCID_A_CODExit();
    void dsFonesDataChange();
    void actEstornaExclusaoExecute();
    bool validaDocumento();
    void setupContacts();

    std::unique_ptr<Ui::frmAssociado> ui;
    FieldMapper *m_mapper = nullptr;
};
