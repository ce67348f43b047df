#include "uDM.h"

#include "FbStatement.h"
#include "Session.h"
#include "SqlText.h"
#include "TListaCidade.h"
#include "TListaParceiro.h"
#include "Trim.h"
#include "uDMFrames.h"

using namespace Qt::StringLiterals;

void TDM::createSearchStatements()
{
    // Their whole text is built before each opening.
    FDPesqAssociado = statement();
    FDPesqCidade = statement();
    FDPesqParceiro = statement();
    FDPesqConsNeg = statement();
}

namespace {

// The condition on the column the typed text is matched against, for the
// member search (prefix "a.acd_a_") or the partner search ("p.par_a_"). The
// text is trimmed and enters only as a quoted pattern.
//
// The name sorts in the Portuguese collation, but is matched as stored (the
// character set's own collation): LIKE in the collation, which ignores case
// and accents, takes four times as long over 100,000 members.
QString textCondition(QStringView alias, QStringView documentColumn, TTipoPesqParceiro tipo, const QString &texto)
{
    QString column;
    switch (tipo) {
    case tpNome:
        column = QStringLiteral("nom collate UTF8");
        break;
    case tpDocumento:
        column = documentColumn.toString();
        break;
    case tpEndereco:
        column = QStringLiteral("lgr");
        break;
    case tpBairro:
        column = QStringLiteral("brr");
        break;
    }
    if (column.isEmpty())
        return QString();
    return QStringLiteral("and (") + alias + column + QStringLiteral(" like ") + SqlText::containing(Trim(texto))
           + QStringLiteral(") ");
}

} // namespace

QString TDM::textoPesqAssociado(qint32 iASS, TTipoPesqParceiro TipoPesquisa, const QString &sTexto)
{
    return QStringLiteral(
               "select a.acd_i_cod, a.acd_a_cnpj, a.acd_a_nom, a.acd_a_lgr, a.acd_a_num, a.acd_a_brr, a.acd_a_abl "
               "from associado a where (a.ass_i_cod = ")
           + QString::number(iASS) + QStringLiteral(") ") + textCondition(u"a.acd_a_", u"cnpj", TipoPesquisa, sTexto)
           + QStringLiteral("order by a.acd_a_nom");
}

QString TDM::textoPesqCidade(TTipoPesqCidade Tipo, const QString &Texto)
{
    QString sql = QStringLiteral("select c.cid_a_cod, c.cid_a_dsc, c.cid_a_uf from CIDADE c ");
    switch (Tipo) {
    case tpIbge:
        sql += QStringLiteral("where (c.cid_a_cod = ") + SqlText::quoted(Trim(Texto)) + QStringLiteral(") ");
        break;
    case tpCidade:
        // By name, the city called exactly what was typed first: "LIMEIRA"
        // offers Limeira before Limeira do Oeste.
        sql += QStringLiteral("where (c.cid_a_dsc like ") + SqlText::containing(Trim(Texto)) + QStringLiteral(") ")
               + QStringLiteral("order by iif(c.cid_a_dsc = ") + SqlText::quoted(Trim(Texto))
               + QStringLiteral(", 0, 1), c.cid_a_dsc, c.cid_a_uf");
        break;
    }
    return sql;
}

QString TDM::textoPesqParceiro(TTipoCadastro TipoCadastro, TTipoPesqParceiro TipoPesquisa, TTipoParceiro TipoParceiro,
                               qint32 iACD, qint32 iASS, const QString &sTexto)
{
    // The active flag greys a row; the owner tells a partner of another
    // member, which is only shown.
    QString sql
        = QStringLiteral("select p.par_i_cod, p.par_a_cnpj_cpf, p.par_a_nom, p.par_a_lgr, p.par_a_num, p.par_a_brr, "
                         "p.par_a_tip, p.par_a_abl, p.acd_i_cod from parceiro p ");
    switch (TipoCadastro) {
    case tpMeus:
        sql += QStringLiteral("where (p.acd_i_cod = ") + QString::number(iACD) + QStringLiteral(") ");
        break;
    case tpTodosCad:
        // A member sees the partners of its own association's members: the
        // customers of another association's members are none of its business.
        sql += QStringLiteral(
                   "where exists (select 1 from associado a where (a.acd_i_cod = p.acd_i_cod) and (a.ass_i_cod = ")
               + QString::number(iASS) + QStringLiteral(")) ");
        break;
    }
    switch (TipoParceiro) {
    case tpCliente:
        sql += QStringLiteral("and (p.par_a_tip = 'C') ");
        break;
    case tpFornecedor:
        sql += QStringLiteral("and (p.par_a_tip = 'F') ");
        break;
    case tpTodosParc:
        break;
    }
    sql += textCondition(u"p.par_a_", u"cnpj_cpf", TipoPesquisa, sTexto);
    sql += QStringLiteral("order by p.par_a_nom");
    return sql;
}

std::unique_ptr<TListaParceiro> TDM::PesqAssociado(TTipoPesqParceiro TipoPesquisa, const QString &sTexto)
{
    return runSearch<TListaParceiro>(*FDPesqAssociado, QStringLiteral("PesqAssociado: "),
                                     textoPesqAssociado(AssociacaoAtual->id(), TipoPesquisa, sTexto),
                                     [](TListaParceiro &holder, const DataSet &row) {
                                         auto item = std::make_unique<TPesqParceiro>();
                                         item->LerAcdDataset(row);
                                         holder.Lista().append(std::move(item));
                                     });
}

std::unique_ptr<TListaCidade> TDM::PesqCidade(TTipoPesqCidade Tipo, const QString &Texto)
{
    return runSearch<TListaCidade>(*FDPesqCidade, QStringLiteral("PesqCidade: "), textoPesqCidade(Tipo, Texto),
                                   [](TListaCidade &holder, const DataSet &row) {
                                       auto city = std::make_unique<TCidade>();
                                       city->setIbge(row.text(u"cid_a_cod"));
                                       city->setCidade(row.text(u"cid_a_dsc"));
                                       city->setUf(row.text(u"cid_a_uf"));
                                       holder.lista().append(std::move(city));
                                   });
}

std::unique_ptr<TListaParceiro> TDM::PesqParceiro(TTipoCadastro TipoCadastro, TTipoPesqParceiro TipoPesquisa,
                                                  TTipoParceiro TipoParceiro, const QString &sTexto)
{
    return runSearch<TListaParceiro>(*FDPesqParceiro, QStringLiteral("PesqParceiro: "),
                                     textoPesqParceiro(TipoCadastro, TipoPesquisa, TipoParceiro, AssociadoAtual->id(),
                                                       AssociacaoAtual->id(), sTexto),
                                     [](TListaParceiro &holder, const DataSet &row) {
                                         auto item = std::make_unique<TPesqParceiro>();
                                         item->LerParcDataset(row);
                                         holder.Lista().append(std::move(item));
                                     });
}

QString TDM::textoPesqConsNegativa(TTipoPesqParceiro TipoPesquisa, qint32 iASS, const QString &sTexto)
{
    // Another association's customers are none of the member's business,
    // except those some member holds on the shared list. The grouping leaves
    // one row per customer however many members sell to it.
    return QStringLiteral(
               "select min(p.par_i_cod) as par_i_cod, p.par_a_cnpj_cpf, min(p.par_a_nom) as par_a_nom, "
               "cast(null as varchar(1)) as par_a_lgr, cast(null as varchar(1)) as par_a_num, "
               "cast(null as varchar(1)) as par_a_brr, cast(null as varchar(1)) as par_a_tip, "
               "cast(null as varchar(1)) as par_a_abl, cast(null as integer) as acd_i_cod from parceiro p "
               "where ((exists (select 1 from parceiro_negativa n where (n.par_i_cod = p.par_i_cod) "
               "and (n.png_a_neg = 'S'))) or (exists (select 1 from associado a where (a.acd_i_cod = p.acd_i_cod) "
               "and (a.ass_i_cod = ")
           + QString::number(iASS) + QStringLiteral(")))) ")
           + (TipoPesquisa == tpDocumento
                  ? QStringLiteral("and (p.par_a_cnpj_cpf = ") + SqlText::quoted(Trim(sTexto)) + QStringLiteral(") ")
                  : textCondition(u"p.par_a_", u"cnpj_cpf", tpNome, sTexto))
           + QStringLiteral("group by p.par_a_cnpj_cpf order by 3");
}

std::unique_ptr<TListaParceiro> TDM::PesqConsNegativa(TTipoPesqParceiro TipoPesquisa, const QString &sTexto)
{
    return runSearch<TListaParceiro>(*FDPesqConsNeg, QStringLiteral("PesqConsNegativa: "),
                                     textoPesqConsNegativa(TipoPesquisa, AssociacaoAtual->id(), sTexto),
                                     [](TListaParceiro &holder, const DataSet &row) {
                                         auto item = std::make_unique<TPesqParceiro>();
                                         item->LerParcDataset(row);
                                         holder.Lista().append(std::move(item));
                                     });
}
