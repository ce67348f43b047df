#include "uDMds.h"

#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TListaAcdPagamento.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "TListaDRE.h"

using namespace Qt::StringLiterals;

using Column = MemTable::Column;

MemTable *TDMds::financeTable(FinanceTable table, QObject *parent)
{
    switch (table) {
    case FinanceTable::ContaGrupo:
        return new MemTable({Column::integer(u"GRP_I_COD"_s), Column::text(u"GRP_A_DSC"_s, 50),
                             Column::text(u"GRP_A_TIP"_s, 1), Column::integer(u"ACD_I_COD"_s)},
                            parent);
    case FinanceTable::Conta:
        return new MemTable(
            {Column::integer(u"CON_I_COD"_s), Column::text(u"CON_A_DSC"_s, 50), Column::integer(u"GRP_I_COD"_s)},
            parent);
    case FinanceTable::Pagamento:
        return new MemTable({Column::integer(u"PAG_I_COD"_s, true), Column::integer(u"FPG_I_COD"_s),
                             Column::text(u"FPG_A_DSC"_s, 50),      Column::integer(u"CON_I_COD"_s),
                             Column::text(u"CON_A_DSC"_s, 50),      Column::text(u"PAG_A_DSC"_s, 100),
                             Column::integer(u"PAG_I_PAR"_s),       Column::integer(u"PAG_I_TPAR"_s),
                             Column::dateTime(u"PAG_D_DIV"_s),      Column::number(u"PAG_N_DIV"_s),
                             Column::dateTime(u"PAG_D_VNC"_s),      Column::dateTime(u"PAG_D_PAG"_s),
                             Column::number(u"PAG_N_DA"_s),         Column::number(u"PAG_N_PAG"_s),
                             Column::text(u"PAG_A_STS"_s, 1),       Column::integer(u"PAR_I_COD"_s),
                             Column::text(u"PAR_A_NOM"_s, 100),     Column::integer(u"ACD_I_COD"_s),
                             Column::integer(u"GRP_I_COD"_s),       Column::text(u"GRP_A_DSC"_s, 50),
                             Column::text(u"GRP_A_TIP"_s, 1),       Column::text(u"PARCELA"_s, 23)},
                            parent);
    case FinanceTable::DRE:
        return new MemTable({Column::text(u"DESCRICAO"_s, 100), Column::number(u"VALOR"_s), Column::number(u"PORC"_s)},
                            parent);
    case FinanceTable::TipoConta: {
        auto *lookup = new MemTable({Column::text(u"ID"_s, 1), Column::text(u"DESCRICAO"_s, 20)}, parent);
        for (const auto &[id, text] : {std::pair{u"C"_s, u"Crédito"_s}, std::pair{u"D"_s, u"Débito"_s}}) {
            lookup->append();
            lookup->setText(u"ID", id);
            lookup->setText(u"DESCRICAO", text);
            lookup->post();
        }
        lookup->first();
        return lookup;
    }
    }
    return nullptr;
}

namespace {

// Fills `table` with one row per entity, through the entity's own mapping,
// and leaves the cursor on the first row.
template<typename List, typename Keep>
void fillTable(MemTable &table, const List &list, Keep keep)
{
    MemTable::BulkLoad bulk(table);
    table.empty();
    for (const auto &entity : list.lista()) {
        if (!keep(*entity))
            continue;
        table.append();
        entity->GravaDataset(table);
        table.post();
    }
    table.first();
}

template<typename Entity>
std::unique_ptr<Entity> fromCurrentRow(const MemTable &table)
{
    auto entity = std::make_unique<Entity>();
    if (table.recordCount() > 0)
        entity->LerDataset(table);
    return entity;
}

} // namespace

void TDMds::PopulacdsContaGrupo(const TListaContaGrupo &obj)
{
    fillTable(*cdsContaGrupo, obj, [](const TContaGrupo &) { return true; });
}

void TDMds::PopulacdsConta(const TListaConta &obj, qint32 iGrupo)
{
    fillTable(*cdsConta, obj, [iGrupo](const TConta &conta) { return conta.id_pai() == iGrupo; });
}

void TDMds::PopulacdsPesqPagamento(const TListaAcdPagamento &obj)
{
    fillTable(*cdsPesqPagamento, obj, [](const TAcdPagamento &) { return true; });
    // The instalment as the grid shows it: "2/5".
    const int parc = cdsPesqPagamento->fieldIndex(u"PAG_I_PAR");
    const int total = cdsPesqPagamento->fieldIndex(u"PAG_I_TPAR");
    const int shown = cdsPesqPagamento->fieldIndex(u"PARCELA");
    MemTable::BulkLoad bulk(*cdsPesqPagamento);
    for (int row = 0; row < cdsPesqPagamento->recordCount(); ++row) {
        cdsPesqPagamento->setCurrentRow(row);
        cdsPesqPagamento->edit();
        const QString parcela = QString::number(cdsPesqPagamento->value(row, parc).toInt()) + u'/'
                                + QString::number(cdsPesqPagamento->value(row, total).toInt());
        cdsPesqPagamento->setValue(shown, parcela);
        cdsPesqPagamento->post();
    }
    cdsPesqPagamento->first();
}

void TDMds::PopulacdsDRE(const TListaDRE &obj)
{
    fillTable(*cdsDRE, obj, [](const TDRE &) { return true; });
}

std::unique_ptr<TContaGrupo> TDMds::PopulaObjContaGrupo()
{
    return fromCurrentRow<TContaGrupo>(*cdsContaGrupo);
}

std::unique_ptr<TConta> TDMds::PopulaObjConta()
{
    return fromCurrentRow<TConta>(*cdsConta);
}

std::unique_ptr<TAcdPagamento> TDMds::PopulaObjAcdPagamento()
{
    return fromCurrentRow<TAcdPagamento>(*cdsPesqPagamento);
}
