#include "uDM.h"

#include "FbStatement.h"
#include "Session.h"
#include "TAssociado.h"
#include "TFones.h"
#include "uDMFrames.h"

#include <QHash>

namespace {

// The keys as LISTA_CHAVES takes them: '12,7,431'.
QString keyList(const QList<qint32> &keys)
{
    QString list;
    for (qint32 key : keys) {
        if (!list.isEmpty())
            list += u',';
        list += QString::number(key);
    }
    return list;
}

} // namespace

std::vector<std::unique_ptr<TAssociado>> TDM::LeAssociadosIDs(const QList<qint32> &ids)
{
    return runWaiting([&] {
        std::vector<std::unique_ptr<TAssociado>> result;
        if (ids.isEmpty())
            return result;
        const QString keys = keyList(ids);
        auto members = statement(QStringLiteral(
            "select acd.acd_i_cod, acd.acd_i_ver, acd.acd_a_cnpj, acd.acd_a_ie, acd.acd_a_nom, acd.acd_a_lgr, "
            "acd.acd_a_num, acd.acd_a_cpl, acd.acd_a_brr, acd.acd_a_cep, acd.cid_a_cod, cd.cid_a_dsc, cd.cid_a_uf, "
            "acd.acd_a_mail, acd.ass_i_cod, acd.acd_a_abl, acd.acd_a_pct1, acd.acd_a_pct2, acd.acd_d_cad, "
            "acd.usu_i_cod, cast(null as varchar(14)) as ass_a_cnpj, cast(null as varchar(100)) as usu_a_nom "
            "from LISTA_CHAVES(:CHAVES) k join ASSOCIADO acd on (acd.acd_i_cod = k.id) "
            "left join cidade cd on (cd.cid_a_cod = acd.cid_a_cod) "
            "where (acd.ass_i_cod = :ASS_I_COD)"));
        members->bindText(u"CHAVES", keys);
        // Only the members of the logged-in association, whatever keys the
        // caller passes.
        members->bindInteger(u"ASS_I_COD", AssociacaoAtual->id());
        QHash<qint32, TAssociado *> byKey;
        std::vector<std::unique_ptr<TAssociado>> read;
        {
            auto rows = members->open();
            while (rows->next()) {
                auto member = std::make_unique<TAssociado>();
                member->LerDataset(*rows);
                byKey.insert(member->id(), member.get());
                read.push_back(std::move(member));
            }
        }
        if (!read.empty()) {
            auto contacts = statement(QStringLiteral(
                "select ac.acc_i_cod, ac.acc_i_ver, ac.acc_a_con, ac.acc_a_ddd, ac.acc_a_fon, ac.acd_i_cod "
                "from LISTA_CHAVES(:CHAVES) k join associado_contato ac on (ac.acd_i_cod = k.id) "
                "order by ac.acd_i_cod, ac.acc_i_cod"));
            contacts->bindText(u"CHAVES", keys);
            auto rows = contacts->open();
            rows->addCalculatedBoolean(QStringLiteral("excluir"), false);
            while (rows->next()) {
                TAssociado *owner = byKey.value(rows->integer(u"acd_i_cod"));
                if (!owner)
                    continue;
                auto contact = std::make_unique<TFones>();
                contact->LerAcdDataset(*rows);
                owner->fones().append(std::move(contact));
            }
        }
        // In the order asked for; a key no longer there (deleted since) is left out.
        std::vector<std::unique_ptr<TAssociado>> ordered;
        ordered.reserve(read.size());
        QHash<qint32, std::size_t> position;
        for (std::size_t i = 0; i < read.size(); ++i)
            position.insert(read[i]->id(), i);
        for (qint32 key : ids) {
            const auto found = position.constFind(key);
            if (found != position.constEnd() && read[*found])
                ordered.push_back(std::move(read[*found]));
        }
        return ordered;
    });
}
