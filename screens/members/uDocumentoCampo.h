#pragma once

#include <QString>
#include <QStringView>

class MemTable;
class QLineEdit;

// The document field of an editor (a member's CNPJ / CPF, a partner's),
// bound to `column` of the record's one-row table `tabela`.

// The display mask by the stored document's length (MascaraDocumento: CPF
// for 11 characters, CNPJ otherwise); the field shows the stored digits
// between the mask's punctuation.
void EditaMascaraDocumento(MemTable *tabela, QStringView column, QLineEdit *campo);

// The check a document gets on OK: empty when the field, as OK would store
// it, still holds the stored document; otherwise it is checked as the prompt
// of a new document checks it, as the kind the mask in use asks for, and the
// answer is "CPF inválido" or "CNPJ inválido" when it fails. `alterado` says
// whether the document was changed (so the caller checks its duplicates).
QString ProblemaDocumento(const QString &armazenado, const QLineEdit *campo, bool &alterado);
