#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class ContactGrid;
class FieldMapper;
class TParceiro;

namespace Ui {
class frmParceiro;
}

// The partner editor of the members' program: one partner (customer or
// supplier) of the member in work and its phone contacts, as the member
// editor edits a member. It edits the presentation tables cdsCadParceiro
// (one row, bound through a FieldMapper: what is typed reaches the row on OK
// only) and cdsCadFoneParc (the contacts, with the member editor's
// mark-and-undo deletion); the caller saves them after OK.
//
// The person kind (Física / Jurídica) follows the document's length. A
// document changed in the editor is checked on OK as the prompt of a new
// one checks it, and against the member's other partners. A partner of
// another member is only shown: its fields, contacts and OK are disabled.
class TfrmParceiro : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmParceiro(QWidget *parent = nullptr);
    ~TfrmParceiro() override;

    // A new partner of the member in work with the checked document
    // `documento`: a customer, active, written by the logged-in user; no
    // contacts. The document cannot be changed.
    void PreparaNovo(const QString &documento);
    // An edit of `parceiro`, as read; `somenteLeitura` for a partner of
    // another member.
    void PreparaEdicao(const TParceiro &parceiro, bool somenteLeitura);

    ContactGrid *contatos() const { return m_contatos; }

    // What OK stores, once the field checks passed and the typed values are
    // in the tables: answers whether the dialog may close. A store that
    // fails has shown why; the dialog stays open with what was typed (or
    // with what the store put in its place, a partner read again).
    void setGravacao(std::function<bool()> grava) { m_grava = std::move(grava); }

    // Closing with OK runs the field checks, then the store; a failed one
    // keeps the dialog open.
    void done(int result) override;

private:
    void EditaMascara();
    void MostraPessoa();
    bool ValidaCampos();
    bool validaDocumento();

    std::unique_ptr<Ui::frmParceiro> ui;
    FieldMapper *m_mapper = nullptr;
    ContactGrid *m_contatos = nullptr;
    std::function<bool()> m_grava;
    QString m_titulo; // the caption without the registration's date and user
};
