#include "TParceiro.h"

#include "DataSet.h"

void TParceiro::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"PAR_I_COD");
    Ftp_par = DS.text(u"PAR_A_TIP");
    Ftp_pes = DS.text(u"PAR_A_PES");
    Fcnpj_cpf = DS.text(u"PAR_A_CNPJ_CPF");
    Fie_rg = DS.text(u"PAR_A_IE_RG");
    Fnome = DS.text(u"PAR_A_NOM");
    Flogradouro = DS.text(u"PAR_A_LGR");
    Fnumero = DS.text(u"PAR_A_NUM");
    Fcomplemento = DS.text(u"PAR_A_CPL");
    Fbairro = DS.text(u"PAR_A_BRR");
    Fibge = DS.text(u"CID_A_COD");
    Fcidade = DS.text(u"CID_A_DSC");
    Fuf = DS.text(u"CID_A_UF");
    Fcep = DS.text(u"PAR_A_CEP");
    Femail = DS.text(u"PAR_A_MAIL");
    Fativo = DS.text(u"PAR_A_ABL");
    Fnegativado = DS.text(u"PAR_A_NEG");
    Fdt_cad = DS.dateTime(u"PAR_D_CAD");
    Fid_usu = DS.integer(u"USU_I_COD");
    Fnome_usu = DS.text(u"USU_A_NOM");
    Fid_acd = DS.integer(u"ACD_I_COD");
    Fversao = DS.integer(u"PAR_I_VER");
}

void TParceiro::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"PAR_I_COD", Fid);
    DS.setText(u"PAR_A_TIP", Ftp_par);
    DS.setText(u"PAR_A_PES", Ftp_pes);
    DS.setText(u"PAR_A_CNPJ_CPF", Fcnpj_cpf);
    DS.setText(u"PAR_A_IE_RG", Fie_rg);
    DS.setText(u"PAR_A_NOM", Fnome);
    DS.setText(u"PAR_A_LGR", Flogradouro);
    DS.setText(u"PAR_A_NUM", Fnumero);
    DS.setText(u"PAR_A_CPL", Fcomplemento);
    DS.setText(u"PAR_A_BRR", Fbairro);
    DS.setText(u"CID_A_COD", Fibge);
    DS.setText(u"CID_A_DSC", Fcidade);
    DS.setText(u"CID_A_UF", Fuf);
    DS.setText(u"PAR_A_CEP", Fcep);
    DS.setText(u"PAR_A_MAIL", Femail);
    DS.setText(u"PAR_A_ABL", Fativo);
    DS.setText(u"PAR_A_NEG", Fnegativado);
    DS.setDateTime(u"PAR_D_CAD", Fdt_cad);
    DS.setInteger(u"USU_I_COD", Fid_usu);
    DS.setText(u"USU_A_NOM", Fnome_usu);
    DS.setInteger(u"ACD_I_COD", Fid_acd);
    DS.setInteger(u"PAR_I_VER", Fversao);
}
