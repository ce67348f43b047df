#pragma once

#include <QDataWidgetMapper>

class QCheckBox;
class QComboBox;
class QLineEdit;

// How an edit dialog binds its fields to one row of a table model (a
// MemTable): a QDataWidgetMapper with manual submit. The fields show the
// row's values when the mapping is made and whenever the model changes one
// of them (a city looked up, a flag set by code), as stored: a field's
// validator applies to what is typed, not to what is shown. What the user
// types stays in the fields until the dialog calls submit(), normally once
// when it closes with OK, so Cancel leaves the row untouched.
//
//     m_mapper = new FieldMapper(this);
//     m_mapper->setModel(DMds->cdsCadAssociado);
//     m_mapper->addMapping(ui->dbedtACD_A_NOM, table->columnIndex(u"ACD_A_NOM"));
//     m_mapper->addLookup(ui->dblkcbbACD_A_ABL, table->columnIndex(u"ACD_A_ABL"),
//                         DMds->cdsAtivo, 0 /* ID */, 1 /* DESCRICAO */);
//     m_mapper->addFlag(ui->chkPct01, table->columnIndex(u"ACD_A_PCT1"));
//     m_mapper->setCurrentIndex(table->currentRow());
//     ...
//     m_mapper->submit();   // on OK
//
// What each kind of field stores:
// - a text field: its text; a field with an input mask stores only its
//   letters and digits (the mask's punctuation and blanks are display);
// - a pick list made with addLookup: the key of the chosen entry;
// - a check box made with addFlag: "S" when ticked, "N" when not;
// - a label: nothing (display only);
// - others: the widget's user property, as Qt's mapper does.
// A value equal to the row's is not written, so submitting an untouched
// dialog leaves the row as it was (not even in editing).
//
// The mapper leaves the keyboard alone: Tab, Enter and Esc stay with the
// dialog and its input conventions.
class FieldMapper : public QDataWidgetMapper
{
    Q_OBJECT

public:
    explicit FieldMapper(QObject *parent = nullptr);

    // A pick list over a lookup table: shows `textColumn` of each row of
    // `list` (copied once: lookup tables don't change) and stores the
    // chosen row's `keyColumn` in `section`.
    void addLookup(QComboBox *combo, int section, const QAbstractItemModel *list, int keyColumn, int textColumn);

    // A check box over a flag column: ticked for "S", unticked for anything
    // else; it stores "S" or "N" when the box was changed.
    void addFlag(QCheckBox *box, int section);

    // What submit() stores from a text field, for a dialog that checks the
    // value before it is written.
    static QString storedText(const QLineEdit *field);
};
