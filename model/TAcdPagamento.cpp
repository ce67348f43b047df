#include "TAcdPagamento.h"

#include "DataSet.h"

void TAcdPagamento::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"PAG_I_COD");
    Fid_fpg = DS.integer(u"FPG_I_COD");
    Fdesc_fpg = DS.text(u"FPG_A_DSC");
    Fid_conta = DS.integer(u"CON_I_COD");
    Fdesc_conta = DS.text(u"CON_A_DSC");
    Fdescricao = DS.text(u"PAG_A_DSC");
    Fparc = DS.integer(u"PAG_I_PAR");
    Fparc_tot = DS.integer(u"PAG_I_TPAR");
    Fdt_div = DS.dateTime(u"PAG_D_DIV");
    Fvlr_parc = DS.number(u"PAG_N_DIV");
    Fdt_venc = DS.dateTime(u"PAG_D_VNC");
    Fdt_pag = DS.dateTime(u"PAG_D_PAG");
    Fvlr_da = DS.number(u"PAG_N_DA");
    Fvlr_pag = DS.number(u"PAG_N_PAG");
    Fstatus = DS.text(u"PAG_A_STS");
    Fid_parceiro = DS.integer(u"PAR_I_COD");
    Fnome_parceiro = DS.text(u"PAR_A_NOM");
    Fid_acd = DS.integer(u"ACD_I_COD");
    Fid_grupo = DS.integer(u"GRP_I_COD");
    Fdesc_grupo = DS.text(u"GRP_A_DSC");
    Ftipo_grupo = DS.text(u"GRP_A_TIP");
}

void TAcdPagamento::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"PAG_I_COD", Fid);
    DS.setInteger(u"FPG_I_COD", Fid_fpg);
    DS.setText(u"FPG_A_DSC", Fdesc_fpg);
    DS.setInteger(u"CON_I_COD", Fid_conta);
    DS.setText(u"CON_A_DSC", Fdesc_conta);
    DS.setText(u"PAG_A_DSC", Fdescricao);
    DS.setInteger(u"PAG_I_PAR", Fparc);
    DS.setInteger(u"PAG_I_TPAR", Fparc_tot);
    DS.setDateTime(u"PAG_D_DIV", Fdt_div);
    DS.setFloat(u"PAG_N_DIV", Fvlr_parc);
    DS.setDateTime(u"PAG_D_VNC", Fdt_venc);
    DS.setDateTime(u"PAG_D_PAG", Fdt_pag);
    DS.setFloat(u"PAG_N_DA", Fvlr_da);
    DS.setFloat(u"PAG_N_PAG", Fvlr_pag);
    DS.setText(u"PAG_A_STS", Fstatus);
    DS.setInteger(u"PAR_I_COD", Fid_parceiro);
    DS.setText(u"PAR_A_NOM", Fnome_parceiro);
    DS.setInteger(u"ACD_I_COD", Fid_acd);
    DS.setInteger(u"GRP_I_COD", Fid_grupo);
    DS.setText(u"GRP_A_DSC", Fdesc_grupo);
    DS.setText(u"GRP_A_TIP", Ftipo_grupo);
}
