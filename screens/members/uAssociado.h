#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class ContactGrid;
class FieldMapper;
class QAction;
class TAssociado;
class TUsuarios;

namespace Ui {
class frmAssociado;
}

// The member editor: one member's data, its phone contacts, its two service
// packages and, for a new member, the name and user of its login user. It
// fills and edits the presentation tables cdsCadAssociado (one row) and
// cdsCadFoneAcd (the contacts), prepared for a new member or an edit; the
// caller saves them after OK.
//
// Binding: the member fields, the active flag and the two package boxes are
// bound to the current row of cdsCadAssociado through a FieldMapper (ui/; a
// QDataWidgetMapper with manual submit). The fields show the row as it was
// prepared and follow every change the code makes to it (the city found by
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

    // For a new member with the checked document `documento`: the member
    // row holds the document, the address of the session's member, the
    // logged-in association and user, active with both packages; no
    // contacts. The document cannot be changed; the login user is asked for.
    void PreparaNovo(const QString &documento);
    // For an edit of `associado`, as read: its row and its contacts, the
    // date and user of its registration in the caption. The document may
    // be changed; no login user is asked for.
    void PreparaEdicao(const TAssociado &associado);

    // The new member's login user as typed, after OK: a master user, active,
    // with the first five characters of the document as password. The
    // caller gives it the member's key once the member is stored.
    TUsuarios usuarioLogin() const;

    // The contact buttons' actions.
    QAction *DatasetInsert1 = nullptr;
    QAction *DatasetPost1 = nullptr;
    QAction *DatasetCancel1 = nullptr;
    QAction *DatasetDelete1 = nullptr;
    QAction *actEstornaExclusao = nullptr;

    // What OK stores, once the field checks passed and the typed values are
    // in the tables: answers whether the dialog may close. A store that
    // fails has shown why; the dialog stays open with what was typed (or
    // with what the store put in its place, a member read again).
    void setGravacao(std::function<bool()> grava) { m_grava = std::move(grava); }

    // Closing with OK runs the field checks, then the store; a failed one
    // keeps the dialog open.
    void done(int result) override;

    bool ValidaCampos();
    bool BuscaCidade(const QString &codigo);
    bool SelecionaCidade();

private:
    // The document mask by the stored document's length (CPF for 11
    // characters, CNPJ otherwise); the field shows the stored digits.
    void EditaMascara();
    void dbedtCID_A_CODExit();
    bool validaDocumento();
    void setupContacts();

    std::unique_ptr<Ui::frmAssociado> ui;
    FieldMapper *m_mapper = nullptr;
    ContactGrid *m_contatos = nullptr;
    std::function<bool()> m_grava;
    QString m_titulo; // the caption without the registration's date and user
};
