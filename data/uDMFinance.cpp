#include "uDM.h"

#include "FbStatement.h"
#include "SqlText.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TFormaPagto.h"
#include "TListaAcdBaixaPag.h"
#include "TListaAcdPagamento.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "TListaDRE.h"
#include "TListaFormaPagto.h"
#include "Trim.h"
#include "uDMFrames.h"

void TDM::createFinanceStatements()
{
    FDPesContaGrupo = statement(
        QStringLiteral("select cg.grp_i_cod, cg.grp_a_dsc, cg.grp_a_tip, cg.acd_i_cod from ASSOCIADO_CONTA_GRP cg "
                       "where (cg.acd_i_cod = :iACD) order by cg.grp_a_dsc"));
    FDPesConta = statement(QStringLiteral("select c.con_i_cod, c.con_a_dsc, c.grp_i_cod from ASSOCIADO_CONTA c "
                                          "left join associado_conta_grp cg on (cg.grp_i_cod = c.grp_i_cod) "
                                          "where (cg.acd_i_cod = :iACD) order by c.con_a_dsc"));
    FDPesFPagto = statement(QStringLiteral("select FPG_I_COD, FPG_A_DSC from PAGAMENTO_FPG order by FPG_I_COD"));
    FDPesAcdPagamento = statement();
    FDiuContaGrupo = statement(
        QStringLiteral("update or insert into ASSOCIADO_CONTA_GRP (GRP_I_COD, GRP_A_DSC, GRP_A_TIP, ACD_I_COD) "
                       "values (:GRP_I_COD, :GRP_A_DSC, :GRP_A_TIP, :ACD_I_COD) matching (GRP_I_COD)"));
    FDiuConta = statement(QStringLiteral("update or insert into ASSOCIADO_CONTA (CON_I_COD, CON_A_DSC, GRP_I_COD) "
                                         "values (:CON_I_COD, :CON_A_DSC, :GRP_I_COD) matching (CON_I_COD)"));
    FDiuAcdPag = statement(QStringLiteral(
        "update or insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, "
        "PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_N_DA, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, "
        "ACD_I_COD) values (:PAG_I_COD, :FPG_I_COD, :CON_I_COD, :PAG_A_DSC, :PAG_I_PAR, :PAG_I_TPAR, :PAG_D_DIV, "
        ":PAG_N_DIV, :PAG_N_DA, :PAG_D_VNC, :PAG_D_PAG, :PAG_N_PAG, :PAG_A_STS, :PAR_I_COD, :ACD_I_COD) "
        "matching (PAG_I_COD)"));
    FDBaixaPag = statement(QStringLiteral("execute procedure ACD_BAIXA_PAG (:ID, :VLRDIV, :VLRDA, :VLRPAGO)"));
    FDEstornaPag = statement(QStringLiteral("execute procedure ACD_ESTORNA_PAG (:ID)"));
    FDDelContaGrupo = statement(QStringLiteral("execute procedure CONTA_GRP_DEL (:ID)"));
    FDDelConta = statement(QStringLiteral("execute procedure CONTA_DEL (:ID)"));
    FDDelAcdPag = statement(QStringLiteral("execute procedure ACD_PAGAMENTO_DEL (:ID)"));
    FDDREop = statement(QStringLiteral("select d.* from dre_op(:iACD, :dtIn, :dtFi) d"));
    FDDREfi = statement(QStringLiteral("select d.* from dre_fi(:iACD, :dtIn, :dtFi) d"));
}

std::unique_ptr<TListaContaGrupo> TDM::LeContaGrupo(qint32 iACD)
{
    FDPesContaGrupo->bindInteger(u"iACD", iACD);
    return readList<TListaContaGrupo, TContaGrupo>(*FDPesContaGrupo);
}

std::unique_ptr<TListaConta> TDM::LeConta(qint32 iACD)
{
    FDPesConta->bindInteger(u"iACD", iACD);
    return readList<TListaConta, TConta>(*FDPesConta);
}

std::unique_ptr<TListaFormaPagto> TDM::LeFormaPagto()
{
    return readList<TListaFormaPagto, TFormaPagto>(*FDPesFPagto);
}

QString TDM::textoPesqPagamento(const QString &StatusPag, TTipoDataPesq TipoData, DateTime DtIn, DateTime DtFi,
                                qint32 iGrupo, qint32 iConta, const QString &sNomeParceiro, const QString &sDescricao)
{
    const QString parceiro = Trim(sNomeParceiro);
    const QString descricao = Trim(sDescricao);

    QString sql = QStringLiteral(
        "select ap.pag_i_cod, ap.fpg_i_cod, fp.fpg_a_dsc, ap.con_i_cod, ap.pag_a_dsc, ap.pag_i_par, ap.pag_i_tpar, "
        "ap.pag_d_div, ap.pag_n_div, ap.pag_d_vnc, ap.pag_d_pag, ap.pag_n_pag, ap.pag_a_sts, ap.par_i_cod, "
        "p.par_a_nom, ap.acd_i_cod, ac.grp_i_cod, ac.con_a_dsc, g.grp_a_dsc, g.grp_a_tip, ap.pag_n_da "
        "from ASSOCIADO_PAGAMENTO ap left join pagamento_fpg fp on (fp.fpg_i_cod = ap.fpg_i_cod) "
        "left join parceiro p on (p.par_i_cod = ap.par_i_cod) "
        "left join associado_conta ac on (ac.con_i_cod = ap.con_i_cod) "
        "left join associado_conta_grp g on (g.grp_i_cod = ac.grp_i_cod) where (ap.pag_a_sts = ");
    sql += SqlText::quoted(StatusPag) + QStringLiteral(") ");

    switch (TipoData) {
    case tpLancamento:
        sql += QStringLiteral("and (ap.pag_d_div between ");
        break;
    case tpVencimento:
        sql += QStringLiteral("and (ap.pag_d_vnc between ");
        break;
    case tpPagamento:
        sql += QStringLiteral("and (ap.pag_d_pag between ");
        break;
    }
    sql += SqlText::date(DtIn) + QStringLiteral(" and ") + SqlText::date(DtFi) + QStringLiteral(") ");

    if (iGrupo > 0)
        sql += QStringLiteral("and (ac.grp_i_cod = ") + QString::number(iGrupo) + QStringLiteral(") ");
    if (iConta > 0)
        sql += QStringLiteral("and (ap.con_i_cod = ") + QString::number(iConta) + QStringLiteral(") ");
    if (!parceiro.isEmpty())
        sql += QStringLiteral("and (p.par_a_nom like ") + SqlText::containing(parceiro) + QStringLiteral(") ");
    if (!descricao.isEmpty())
        sql += QStringLiteral("and (ap.pag_a_dsc like ") + SqlText::containing(descricao) + QStringLiteral(") ");
    sql += QStringLiteral("Order by ap.pag_i_cod");
    return sql;
}

std::unique_ptr<TListaAcdPagamento> TDM::PesqPagamento(const QString &StatusPag, TTipoDataPesq TipoData, DateTime DtIn,
                                                       DateTime DtFi, qint32 iGrupo, qint32 iConta,
                                                       const QString &sNomeParceiro, const QString &sDescricao)
{
    return runSearch<TListaAcdPagamento>(
        *FDPesAcdPagamento, QStringLiteral("PesqPagamento: "),
        textoPesqPagamento(StatusPag, TipoData, DtIn, DtFi, iGrupo, iConta, sNomeParceiro, sDescricao),
        [](TListaAcdPagamento &holder, const DataSet &row) {
            auto entry = std::make_unique<TAcdPagamento>();
            entry->LerDataset(row);
            holder.lista().append(std::move(entry));
        });
}

bool TDM::IUContaGrupo(const TContaGrupo &Obj)
{
    return reportingErrors(QStringLiteral("IUContaGrupo: "), [&] {
        FDiuContaGrupo->bindKey(u"GRP_I_COD", Obj.id());
        FDiuContaGrupo->bindText(u"GRP_A_DSC", Obj.descricao());
        FDiuContaGrupo->bindText(u"GRP_A_TIP", Obj.tipo());
        FDiuContaGrupo->bindInteger(u"ACD_I_COD", Obj.id_pai());
        FDiuContaGrupo->execute();
    });
}

bool TDM::IUConta(const TConta &Obj)
{
    return reportingErrors(QStringLiteral("IUConta: "), [&] {
        FDiuConta->bindKey(u"CON_I_COD", Obj.id());
        FDiuConta->bindText(u"CON_A_DSC", Obj.descricao());
        FDiuConta->bindInteger(u"GRP_I_COD", Obj.id_pai());
        FDiuConta->execute();
    });
}

bool TDM::IUacdPagamento(const TAcdPagamento &Obj)
{
    return reportingErrors(QStringLiteral("IUacdPagamento: "), [&] {
        FDiuAcdPag->bindKey(u"PAG_I_COD", Obj.id());
        FDiuAcdPag->bindInteger(u"FPG_I_COD", Obj.id_fpg());
        FDiuAcdPag->bindInteger(u"CON_I_COD", Obj.id_conta());
        FDiuAcdPag->bindText(u"PAG_A_DSC", Obj.descricao());
        FDiuAcdPag->bindInteger(u"PAG_I_PAR", Obj.parc());
        FDiuAcdPag->bindInteger(u"PAG_I_TPAR", Obj.parc_tot());
        FDiuAcdPag->bindDate(u"PAG_D_DIV", Obj.dt_div());
        FDiuAcdPag->bindFloat(u"PAG_N_DIV", Obj.vlr_parc());
        FDiuAcdPag->bindFloat(u"PAG_N_DA", Obj.vlr_da());
        FDiuAcdPag->bindDate(u"PAG_D_VNC", Obj.dt_venc());
        // An open entry has no payment date, and neither has an entry whose
        // payment date is empty: that is no day, not 30 December 1899.
        if (Obj.status() == u"A" || Obj.dt_pag().isEmpty())
            FDiuAcdPag->bindNull(u"PAG_D_PAG");
        else
            FDiuAcdPag->bindDate(u"PAG_D_PAG", Obj.dt_pag());
        FDiuAcdPag->bindFloat(u"PAG_N_PAG", Obj.vlr_pag());
        FDiuAcdPag->bindText(u"PAG_A_STS", Obj.status());
        FDiuAcdPag->bindInteger(u"PAR_I_COD", Obj.id_parceiro());
        FDiuAcdPag->bindInteger(u"ACD_I_COD", Obj.id_acd());
        FDiuAcdPag->execute();
    });
}

bool TDM::AcdBaixaPag(const TListaAcdBaixaPag &Obj)
{
    return runWaiting([&] {
        try {
            for (const auto &baixa : Obj.lista()) {
                if (baixa->vlrpago() <= 0)
                    continue;
                FDBaixaPag->bindInteger(u"ID", baixa->id());
                FDBaixaPag->bindFloat(u"VLRDIV", baixa->vlrdiv());
                FDBaixaPag->bindFloat(u"VLRDA", baixa->vlrda());
                FDBaixaPag->bindFloat(u"VLRPAGO", baixa->vlrpago());
                FDBaixaPag->execute();
            }
        } catch (const FbError &) {
            // Silent by design: the caller decides what to tell. The entries
            // before the failing one stay settled, each call having committed.
            return false;
        }
        return true;
    });
}

bool TDM::AcdEstornaPag(const TAcdBaixaPag &Obj)
{
    qint32 sts = 0;
    const bool ok = reportingErrors(QStringLiteral("AcdEstornaPag: "), [&] {
        FDEstornaPag->bindInteger(u"ID", Obj.id());
        FDEstornaPag->execute();
        sts = FDEstornaPag->output().integer(u"STS");
    });
    if (!ok)
        return false;
    if (sts > 0) {
        // The rest left open by this settlement was settled in turn; that
        // entry (its key is the answer) must be reversed first. Nothing was
        // reversed, so the answer is false.
        Feedback::current().showMessage(Feedback::Kind::Information,
                                        QStringLiteral("Não foi possível estornar este débito.\r"
                                                       "O valor da diferença já esta baixado.\r"
                                                       "Por favor estorne o débito ID nº ")
                                            + QString::number(sts) + QStringLiteral(" primeiro."));
        return false;
    }
    return true;
}

namespace {

// Runs a deletion procedure and gives its answer STS.
qint32 deletionAnswer(FbStatement &procedure, qint32 key)
{
    procedure.bindInteger(u"ID", key);
    procedure.execute();
    return procedure.output().integer(u"STS");
}

} // namespace

bool TDM::ExcluirContaGrupo(qint32 iGRP)
{
    qint32 sts = -1;
    const bool ok
        = reportingErrors(QStringLiteral("ExcluirContaGrupo: "), [&] { sts = deletionAnswer(*FDDelContaGrupo, iGRP); });
    return ok && sts == 0;
}

bool TDM::ExcluirConta(qint32 iCON)
{
    qint32 sts = -1;
    const bool ok = reportingErrors(QStringLiteral("ExcluirConta: "), [&] { sts = deletionAnswer(*FDDelConta, iCON); });
    return ok && sts == 0;
}

// Unlike the other deletions, ACD_PAGAMENTO_DEL answers above 0 for done.
bool TDM::ExcluirPagamento(qint32 iPAG)
{
    qint32 sts = 0;
    const bool ok
        = reportingErrors(QStringLiteral("ExcluirPagamento: "), [&] { sts = deletionAnswer(*FDDelAcdPag, iPAG); });
    return ok && sts > 0;
}

namespace {

std::unique_ptr<TListaDRE> readDRE(FbStatement &statement, const QString &prefix, qint32 iACD, DateTime dtIn,
                                   DateTime dtFi)
{
    statement.bindInteger(u"iACD", iACD);
    statement.bindDate(u"dtIn", dtIn);
    statement.bindDate(u"dtFi", dtFi);
    return runSearch<TListaDRE>(statement, prefix, [](TListaDRE &holder, const DataSet &row) {
        auto line = std::make_unique<TDRE>();
        line->LerDataset(row);
        holder.lista().append(std::move(line));
    });
}

} // namespace

std::unique_ptr<TListaDRE> TDM::ConsDREop(qint32 iACD, DateTime dtIn, DateTime dtFi)
{
    return readDRE(*FDDREop, QStringLiteral("ConsDREop: "), iACD, dtIn, dtFi);
}

std::unique_ptr<TListaDRE> TDM::ConsDREfi(qint32 iACD, DateTime dtIn, DateTime dtFi)
{
    return readDRE(*FDDREfi, QStringLiteral("ConsDREfi: "), iACD, dtIn, dtFi);
}
