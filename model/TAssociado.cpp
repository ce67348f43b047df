#include "TAssociado.h"

#include "DataSet.h"

void TAssociado::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"ACD_I_COD");
    Fcnpj = DS.text(u"ACD_A_CNPJ");
    Fie = DS.text(u"ACD_A_IE");
    Fnome = DS.text(u"ACD_A_NOM");
    Flogradouro = DS.text(u"ACD_A_LGR");
    Fnumero = DS.text(u"ACD_A_NUM");
    Fcomplemento = DS.text(u"ACD_A_CPL");
    Fbairro = DS.text(u"ACD_A_BRR");
    Fibge = DS.text(u"CID_A_COD");
    Fcidade = DS.text(u"CID_A_DSC");
    Fuf = DS.text(u"CID_A_UF");
    Fcep = DS.text(u"ACD_A_CEP");
    Femail = DS.text(u"ACD_A_MAIL");
    Fabilitado = DS.text(u"ACD_A_ABL");
    Fid_ass = DS.integer(u"ASS_I_COD");
    Fcnpj_ass = DS.text(u"ASS_A_CNPJ");
    Fpct01 = DS.text(u"ACD_A_PCT1");
    Fpct02 = DS.text(u"ACD_A_PCT2");
    Fdt_cad = DS.dateTime(u"ACD_D_CAD");
    Fid_usu = DS.integer(u"USU_I_COD");
    Fnome_usu = DS.text(u"USU_A_NOM");
    Fversao = DS.integer(u"ACD_I_VER");
}

void TAssociado::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"ACD_I_COD", Fid);
    DS.setText(u"ACD_A_CNPJ", Fcnpj);
    DS.setText(u"ACD_A_IE", Fie);
    DS.setText(u"ACD_A_NOM", Fnome);
    DS.setText(u"ACD_A_LGR", Flogradouro);
    DS.setText(u"ACD_A_NUM", Fnumero);
    DS.setText(u"ACD_A_CPL", Fcomplemento);
    DS.setText(u"ACD_A_BRR", Fbairro);
    DS.setText(u"CID_A_COD", Fibge);
    DS.setText(u"CID_A_DSC", Fcidade);
    DS.setText(u"CID_A_UF", Fuf);
    DS.setText(u"ACD_A_CEP", Fcep);
    DS.setText(u"ACD_A_MAIL", Femail);
    DS.setText(u"ACD_A_ABL", Fabilitado);
    DS.setInteger(u"ASS_I_COD", Fid_ass);
    DS.setText(u"ASS_A_CNPJ", Fcnpj_ass);
    DS.setText(u"ACD_A_PCT1", Fpct01);
    DS.setText(u"ACD_A_PCT2", Fpct02);
    DS.setDateTime(u"ACD_D_CAD", Fdt_cad);
    DS.setInteger(u"USU_I_COD", Fid_usu);
    DS.setText(u"USU_A_NOM", Fnome_usu);
    DS.setInteger(u"ACD_I_VER", Fversao);
}
