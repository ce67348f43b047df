#pragma once

#include "TableExport.h"
#include "TablePrint.h"

#include <QList>

#include <memory>
#include <vector>

class MemTable;
class TAssociado;

// The member register as it leaves the program: the rows a member search
// found (the list window's table), in the list's order, with every column
// of the member a user needs and the member's phones in one column. The
// members are read again from the database as the rows are written, a
// batch at a time, so the file shows what is stored now; a member deleted
// since the search keeps the row the list showed.
class TAssociadosExportacao : public ExportRows
{
public:
    explicit TAssociadosExportacao(const MemTable &lista);
    ~TAssociadosExportacao() override;

    QList<ExportColumn> columns() const override;
    qsizetype rowCount() const override;
    QVariantList row(qsizetype index) override;

private:
    void readBatch(qsizetype first);

    const MemTable &m_lista;
    QList<qint32> m_ids;
    qsizetype m_batchStart = 0;
    std::vector<std::unique_ptr<TAssociado>> m_batch;
    std::vector<TAssociado *> m_batchRows; // one per key of the batch, null when gone
};

// The printed member list of the same rows: the association's name, the date
// and time, the search used (`pesquisa`), one line per member with name,
// document, address, city/UF and phones.
PrintReport RelatorioAssociados(const MemTable &lista, const QString &pesquisa);

// The member's phones as one text: "(19) 34510000 (João) / (19) 999990000".
QString FonesAssociado(const TAssociado &associado);
