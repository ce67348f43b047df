#pragma once

#include <QObject>
#include <QString>

class MemTable;
class QAction;
class QTableView;
class QToolButton;

// The phone contacts of an editor (the member's, a partner's): a grid that
// edits its contact table in place and five picture buttons under it,
// "Inserir", "Gravar", "Cancelar", "Delete" and "Estorna". The table's own
// rules mark a stored contact that is deleted instead of removing it; the
// grid draws a marked row grey, and "Estorna" takes the mark back. One call
// in the editor's constructor, after setupUi:
//
//     m_contatos = ContactGrid::install(this, DMds->cdsCadFoneAcd,
//                                       {u"ACC_I_COD"_s, u"ACC_A_CON"_s, u"ACC_A_DDD"_s, u"ACC_A_FON"_s,
//                                       u"ACD_I_COD"_s}, ui->grdFone, {ui->btnInsert, ui->btnGravar, ui->btnCancelar,
//                                       ui->btnExcluir,
//                                                     ui->btnEstorna});
//
// Columns "Contato", "DDD" and "Número" are shown (85, 26 and 71 pixels);
// the key, the owner and the mark are hidden. "Gravar" and "Cancelar" are
// enabled while a row is being edited or inserted, "Delete" while there is a
// row, "Estorna" only on a marked row and while no row is being edited.
class ContactGrid : public QObject
{
    Q_OBJECT

public:
    // The table's columns: key, contact person, area code, number, owner.
    struct Columns
    {
        QString key, nome, ddd, fone, owner, version;
    };
    struct Buttons
    {
        QToolButton *insert, *post, *cancel, *remove, *undo;
    };

    static ContactGrid *install(QWidget *editor, MemTable *table, const Columns &columns, QTableView *grid,
                                const Buttons &buttons);

    // The buttons' actions (object names DatasetInsert1, DatasetPost1,
    // DatasetCancel1, DatasetDelete1, actEstornaExclusao).
    QAction *DatasetInsert1 = nullptr;
    QAction *DatasetPost1 = nullptr;
    QAction *DatasetCancel1 = nullptr;
    QAction *DatasetDelete1 = nullptr;
    QAction *actEstornaExclusao = nullptr;

    // Makes the grid and the buttons read-only (a record only shown), or
    // editable again.
    void setReadOnly(bool readOnly);

private:
    ContactGrid(QWidget *editor, MemTable *table, const Columns &columns, QTableView *grid);
    void createActions(const Buttons &buttons);
    void dsFonesDataChange();
    void actEstornaExclusaoExecute();
    // A cell still being typed in is committed first, as leaving it would.
    void commitCell();

    MemTable *m_table;
    Columns m_columns;
    QTableView *m_grid;
    bool m_readOnly = false;
};
