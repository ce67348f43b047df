#include "uDocumentoCampo.h"

#include "FieldMapper.h"
#include "MemTable.h"
#include "uRotinas.h"

#include <QLineEdit>

void EditaMascaraDocumento(MemTable *tabela, QStringView column, QLineEdit *campo)
{
    const int index = tabela->fieldIndex(column);
    const QString documento = tabela->textAt(index);
    const QString mascara = MascaraDocumento(documento);
    tabela->setEditMask(index, mascara);
    // A new mask empties the field: the stored digits go back in, placed
    // between the mask's punctuation.
    campo->setInputMask(MascaraQt(mascara));
    campo->setText(documento);
}

QString ProblemaDocumento(const QString &armazenado, const QLineEdit *campo, bool &alterado)
{
    // What OK would store: the mask's punctuation and blanks are display.
    const QString documento = FieldMapper::storedText(campo);
    // A stored document written with punctuation is the same document.
    alterado = documento != LimpaDocumento(armazenado);
    if (!alterado)
        return QString();
    // The mask lets in letters of any alphabet; those are refused here.
    const bool cpf = armazenado.size() == 11;
    if (cpf ? CPFCompleto(documento) : CNPJCompleto(documento))
        return QString();
    return cpf ? QStringLiteral("CPF inválido") : QStringLiteral("CNPJ inválido");
}
