#pragma once

#include <QString>

class MemTable;
class QLineEdit;
class QWidget;

// The city of a record being edited (a member, a partner) by its IBGE code:
// the editor's code field and the city search. `destino` is the record's
// one-row table with the columns CID_A_COD, CID_A_DSC and CID_A_UF; a city
// found or chosen goes into its current row (put into editing when it is
// not), so the editor's bound fields show it.

// Looks the code up (PesqCidade by IBGE code, into cdsPesqCidade); false
// when no city has it.
bool BuscaCidade(MemTable *destino, const QString &codigo);

// The city search; false when it is cancelled. It opens beside the editor,
// as a child of `janela` (the editor's parent), not inside the editor: the
// editor's Enter-as-Tab would reach into a dialog it owns, and Enter must
// confirm the search.
bool SelecionaCidade(MemTable *destino, QWidget *janela);

// What leaving the code field does: an empty code opens the city search, an
// unknown one too after its look-up; the focus goes back to the field when
// no city was found or chosen.
void SaiCodigoCidade(MemTable *destino, QLineEdit *campo, QWidget *janela);
