#include "uDM.h"

#include "FbStatement.h"
#include "SqlText.h"
#include "TConsNegativa.h"
#include "TFones.h"
#include "TListaConsNegativa.h"
#include "TListaNegativa.h"
#include "TNegativa.h"
#include "TParceiro.h"
#include "uDMFrames.h"

void TDM::createPartnerStatements()
{
    FDPesParceiro = statement(QStringLiteral(
        "select p.par_i_cod, p.par_i_ver, p.par_a_tip, p.par_a_pes, p.par_a_cnpj_cpf, p.par_a_ie_rg, p.par_a_nom, "
        "p.par_a_lgr, "
        "p.par_a_num, p.par_a_cpl, p.par_a_brr, p.par_a_cep, p.cid_a_cod, p.par_a_mail, p.par_a_neg, p.par_a_abl, "
        "c.cid_a_dsc, c.cid_a_uf, p.par_d_cad, p.usu_i_cod, au.usu_a_nom, p.acd_i_cod from PARCEIRO p "
        "left join cidade c on (p.cid_a_cod = c.cid_a_cod) "
        "left join associado_usuario au on (au.usu_i_cod = p.usu_i_cod) where (p.par_i_cod = :iPAR)"));
    FDPesParFones = statement(QStringLiteral(
        "select pc.pac_i_cod, pc.pac_i_ver, pc.pac_a_con, pc.pac_a_ddd, pc.pac_a_fon from PARCEIRO_CONTATO pc "
        "where (pc.par_i_cod = :iPAR) order by pc.pac_i_cod"));
    FDPesNegativas = statement();
    // The new partner's key comes back from the insert itself: reading the
    // generator afterwards would give another client's key if one inserted
    // a partner in between.
    FDiuParceiro = statement(QStringLiteral(
        "update or insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, "
        "PAR_A_LGR, PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, "
        "ACD_I_COD, PAR_D_CAD, USU_I_COD, PAR_I_VER) values (:PAR_I_COD, :PAR_A_TIP, :PAR_A_PES, :PAR_A_CNPJ_CPF, "
        ":PAR_A_IE_RG, :PAR_A_NOM, :PAR_A_LGR, :PAR_A_NUM, :PAR_A_CPL, :PAR_A_BRR, :PAR_A_CEP, :CID_A_COD, "
        ":PAR_A_MAIL, :PAR_A_NEG, :PAR_A_ABL, :ACD_I_COD, current_date, :USU_I_COD, :PAR_I_VER) matching (PAR_I_COD) "
        "returning PAR_I_COD, PAR_I_VER"));
    FDiuParFones = statement(
        QStringLiteral("update or insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD, "
                       "PAC_I_VER) values (:PAC_I_COD, :PAC_A_CON, :PAC_A_DDD, :PAC_A_FON, :PAR_I_COD, :PAC_I_VER) "
                       "matching (PAC_I_COD)"));
    FDdelParFones = statement(QStringLiteral("delete from PARCEIRO_CONTATO where (PAC_I_COD = :PAC_I_COD)"));
    FDDelParceiro = statement(QStringLiteral("execute procedure PARCEIRO_DEL (:ID)"));
    FDInsertNeg = statement(QStringLiteral(
        "insert into PARCEIRO_NEGATIVA (PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG, "
        "PNG_D_RET) values (current_timestamp, :VPNG_A_MOT, :VPNG_N_VAL, :VPAR_I_COD, :VACD_I_COD, 'S', null)"));
    FDPositivar = statement(QStringLiteral(
        "update PARCEIRO_NEGATIVA set PNG_A_NEG = 'N', PNG_D_RET = current_timestamp, PNG_A_RET = :VPNG_A_RET "
        "where (PNG_I_COD = :VPNG_I_COD)"));
    // One row per member holding the partner on its list, in the order the
    // members first registered it. The distinct selection is a derived
    // table because Firebird orders a distinct selection only by columns it
    // selects, and the first registration is not one of them.
    FDConsNeg = statement(QStringLiteral(
        "select d.* from (select distinct n.par_i_cod, p.par_a_nom, n.acd_i_cod, a.acd_a_nom, s.ass_i_cod, "
        "s.ass_a_nom, s.ass_a_lgr, s.ass_a_num, s.ass_a_cpl, s.ass_a_brr, s.ass_a_cep, c.cid_a_dsc, c.cid_a_uf "
        "from PARCEIRO_NEGATIVA n left join associado a on (a.acd_i_cod = n.acd_i_cod) "
        "left join associacao s on (s.ass_i_cod = a.ass_i_cod) left join cidade c on (c.cid_a_cod = s.cid_a_cod) "
        "left join parceiro p on (p.par_i_cod = n.par_i_cod) where (n.par_i_cod = :iPAR) and (n.png_a_neg = 'S')) d "
        "order by (select min(f.png_i_cod) from PARCEIRO_NEGATIVA f where (f.par_i_cod = d.par_i_cod) "
        "and (f.acd_i_cod is not distinct from d.acd_i_cod) and (f.png_a_neg = 'S')), d.acd_i_cod"));
    // The same rows for every partner carrying one document, in the order
    // the members first registered the customer.
    FDConsNegDoc = statement(QStringLiteral(
        "select d.* from (select distinct n.par_i_cod, p.par_a_nom, n.acd_i_cod, a.acd_a_nom, s.ass_i_cod, "
        "s.ass_a_nom, s.ass_a_lgr, s.ass_a_num, s.ass_a_cpl, s.ass_a_brr, s.ass_a_cep, c.cid_a_dsc, c.cid_a_uf "
        "from PARCEIRO_NEGATIVA n join parceiro p on (p.par_i_cod = n.par_i_cod) "
        "left join associado a on (a.acd_i_cod = n.acd_i_cod) "
        "left join associacao s on (s.ass_i_cod = a.ass_i_cod) left join cidade c on (c.cid_a_cod = s.cid_a_cod) "
        "where (p.par_a_cnpj_cpf = :sDOC) and (n.png_a_neg = 'S')) d "
        "order by (select min(f.png_i_cod) from PARCEIRO_NEGATIVA f where (f.par_i_cod = d.par_i_cod) "
        "and (f.acd_i_cod is not distinct from d.acd_i_cod) and (f.png_a_neg = 'S')), d.acd_i_cod"));
}

std::unique_ptr<TParceiro> TDM::LeParceiro(qint32 iPAR)
{
    auto result = std::make_unique<TParceiro>();
    FDPesParceiro->bindInteger(u"iPAR", iPAR);
    readWithContacts(*FDPesParceiro, *FDPesParFones, u"iPAR", u"PAR_I_COD", *result, &TFones::LerParDataset);
    return result;
}

QString TDM::textoPesqNegativas(qint32 iSTS, bool bUsaDt, DateTime DtIn, DateTime DtFi, qint32 iACD)
{
    QString sql = QStringLiteral(
        "select pn.PNG_I_COD, pn.PNG_D_REG, pn.PNG_A_MOT, pn.PNG_N_VAL, pn.PAR_I_COD, p.PAR_A_NOM, pn.ACD_I_COD, "
        "pn.PNG_A_NEG, pn.PNG_D_RET, pn.PNG_A_RET from PARCEIRO_NEGATIVA pn "
        "left join parceiro p on (p.par_i_cod = pn.par_i_cod) where (pn.ACD_I_COD = ");
    sql += QString::number(iACD) + QStringLiteral(") ");
    if (iSTS == 1)
        sql += QStringLiteral("and (pn.PNG_A_NEG = 'S') ");
    else if (iSTS == 2)
        sql += QStringLiteral("and (pn.PNG_A_NEG = 'N') ");
    // The registration's day only, so one made late on the last day counts.
    if (bUsaDt) {
        sql += QStringLiteral("and (cast(pn.PNG_D_REG as Date) between ") + SqlText::date(DtIn)
               + QStringLiteral(" and ") + SqlText::date(DtFi) + QStringLiteral(") ");
    }
    sql += QStringLiteral("order by pn.PNG_I_COD");
    return sql;
}

std::unique_ptr<TListaNegativa> TDM::PesqNegativas(qint32 iSTS, bool bUsaDt, DateTime DtIn, DateTime DtFi, qint32 iACD)
{
    return runSearch<TListaNegativa>(*FDPesNegativas, QStringLiteral("PesqNegativas: "),
                                     textoPesqNegativas(iSTS, bUsaDt, DtIn, DtFi, iACD),
                                     [](TListaNegativa &holder, const DataSet &row) {
                                         auto registration = std::make_unique<TNegativa>();
                                         registration->LerDataset(row);
                                         holder.lista().append(std::move(registration));
                                     });
}

bool TDM::IUParceiro(TParceiro &Obj)
{
    return reportingErrors(QStringLiteral("IUParceiro: "), [&] {
        FDiuParceiro->bindKey(u"PAR_I_COD", Obj.id());
        FDiuParceiro->bindText(u"PAR_A_TIP", Obj.tp_par());
        FDiuParceiro->bindText(u"PAR_A_PES", Obj.tp_pes());
        FDiuParceiro->bindText(u"PAR_A_CNPJ_CPF", Obj.cnpj_cpf());
        FDiuParceiro->bindText(u"PAR_A_IE_RG", Obj.ie_rg());
        FDiuParceiro->bindText(u"PAR_A_NOM", Obj.nome());
        FDiuParceiro->bindText(u"PAR_A_LGR", Obj.logradouro());
        FDiuParceiro->bindText(u"PAR_A_NUM", Obj.numero());
        FDiuParceiro->bindText(u"PAR_A_CPL", Obj.complemento());
        FDiuParceiro->bindText(u"PAR_A_BRR", Obj.bairro());
        FDiuParceiro->bindText(u"PAR_A_CEP", Obj.cep());
        FDiuParceiro->bindText(u"CID_A_COD", Obj.ibge());
        FDiuParceiro->bindText(u"PAR_A_MAIL", Obj.email());
        FDiuParceiro->bindText(u"PAR_A_NEG", Obj.negativado());
        FDiuParceiro->bindText(u"PAR_A_ABL", Obj.ativo());
        FDiuParceiro->bindInteger(u"ACD_I_COD", Obj.id_acd());
        FDiuParceiro->bindInteger(u"USU_I_COD", Obj.id_usu());
        bindRowVersion(*FDiuParceiro, u"PAR_I_VER", Obj.id(), Obj.versao());
        FDiuParceiro->execute();
        if (Obj.id() == 0)
            Obj.setId(FDiuParceiro->output().integer(u"PAR_I_COD"));
        Obj.setVersao(FDiuParceiro->output().integer(u"PAR_I_VER"));
    });
}

bool TDM::IUParcFones(const TParceiro &Obj)
{
    bool result = true;
    // The first refusal is the one to tell, whatever the later contacts do.
    WriteRefusal refusal = WriteRefusal::None;
    // A failing contact does not stop the rest; in GravaParceiro the
    // transaction then undoes them all.
    for (const auto &fone : Obj.fones()) {
        if (fone->excluir()) {
            result &= reportingErrors(QStringLiteral("IUParcFones [Delete]: "), [&] {
                FDdelParFones->bindInteger(u"PAC_I_COD", fone->id());
                FDdelParFones->execute();
            });
            if (refusal == WriteRefusal::None)
                refusal = lastWriteRefusal();
        } else {
            result &= reportingErrors(QStringLiteral("IUParcFones [Insert/Update]: "), [&] {
                FDiuParFones->bindKey(u"PAC_I_COD", fone->id());
                FDiuParFones->bindText(u"PAC_A_CON", fone->nome());
                FDiuParFones->bindText(u"PAC_A_DDD", fone->ddd());
                FDiuParFones->bindText(u"PAC_A_FON", fone->fone());
                FDiuParFones->bindInteger(u"PAR_I_COD", Obj.id());
                bindRowVersion(*FDiuParFones, u"PAC_I_VER", fone->id(), fone->versao());
                FDiuParFones->execute();
            });
            if (refusal == WriteRefusal::None)
                refusal = lastWriteRefusal();
        }
    }
    noteWriteRefusal(refusal);
    return result;
}

bool TDM::GravaParceiro(TParceiro &Obj)
{
    return storeTogether(*UlmoraConnection, QStringLiteral("GravaParceiro: "), Obj,
                         [&] { return IUParceiro(Obj) && IUParcFones(Obj); });
}

bool TDM::ExcluirParceiro(qint32 iPAR)
{
    qint32 sts = -1;
    const bool ok = reportingErrors(QStringLiteral("ExcluirParceiro: "), [&] {
        FDDelParceiro->bindInteger(u"ID", iPAR);
        FDDelParceiro->execute();
        sts = FDDelParceiro->output().integer(u"STS");
    });
    return ok && sts == 0;
}

bool TDM::InsertNegativa(const QString &sMotivo, double nValor, qint32 iPAR, qint32 iACD)
{
    return reportingErrors(QStringLiteral("InsertNegativa: "), [&] {
        FDInsertNeg->bindText(u"VPNG_A_MOT", sMotivo);
        FDInsertNeg->bindFloat(u"VPNG_N_VAL", nValor);
        FDInsertNeg->bindInteger(u"VPAR_I_COD", iPAR);
        FDInsertNeg->bindInteger(u"VACD_I_COD", iACD);
        FDInsertNeg->execute();
    });
}

bool TDM::Positivar(qint32 iPNG, const QString &sMotivo)
{
    return reportingErrors(QStringLiteral("Positivar: "), [&] {
        FDPositivar->bindText(u"VPNG_A_RET", sMotivo);
        FDPositivar->bindInteger(u"VPNG_I_COD", iPNG);
        FDPositivar->execute();
    });
}

std::unique_ptr<TListaConsNegativa> TDM::ConsNegativado(qint32 iPAR)
{
    FDConsNeg->bindInteger(u"iPAR", iPAR);
    return runSearch<TListaConsNegativa>(*FDConsNeg, QStringLiteral("ConsNegativado: "),
                                         [](TListaConsNegativa &holder, const DataSet &row) {
                                             auto line = std::make_unique<TConsNegativa>();
                                             line->LerDataset(row);
                                             holder.lista().append(std::move(line));
                                         });
}

std::unique_ptr<TListaConsNegativa> TDM::ConsNegativadoDoc(const QString &sDoc)
{
    FDConsNegDoc->bindText(u"sDOC", sDoc);
    return runSearch<TListaConsNegativa>(*FDConsNegDoc, QStringLiteral("ConsNegativadoDoc: "),
                                         [](TListaConsNegativa &holder, const DataSet &row) {
                                             auto line = std::make_unique<TConsNegativa>();
                                             line->LerDataset(row);
                                             holder.lista().append(std::move(line));
                                         });
}
