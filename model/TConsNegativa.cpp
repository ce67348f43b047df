#include "TConsNegativa.h"

#include "DataSet.h"

void TConsNegativa::LerDataset(const DataSet &DS)
{
    Fid_par = DS.integer(u"PAR_I_COD");
    Fnome_par = DS.text(u"PAR_A_NOM");
    Fid_acd = DS.integer(u"ACD_I_COD");
    Fnome_acd = DS.text(u"ACD_A_NOM");
    Fid_ass = DS.integer(u"ASS_I_COD");
    Fnome_ass = DS.text(u"ASS_A_NOM");
    Flogr_ass = DS.text(u"ASS_A_LGR");
    Fnum_ass = DS.text(u"ASS_A_NUM");
    Fcompl_ass = DS.text(u"ASS_A_CPL");
    Fbairro_ass = DS.text(u"ASS_A_BRR");
    Fcep_ass = DS.text(u"ASS_A_CEP");
    Fcidade_ass = DS.text(u"CID_A_DSC");
    Fuf_ass = DS.text(u"CID_A_UF");
}

void TConsNegativa::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"PAR_I_COD", Fid_par);
    DS.setText(u"PAR_A_NOM", Fnome_par);
    DS.setInteger(u"ACD_I_COD", Fid_acd);
    DS.setText(u"ACD_A_NOM", Fnome_acd);
    DS.setInteger(u"ASS_I_COD", Fid_ass);
    DS.setText(u"ASS_A_NOM", Fnome_ass);
    DS.setText(u"ASS_A_LGR", Flogr_ass);
    DS.setText(u"ASS_A_NUM", Fnum_ass);
    DS.setText(u"ASS_A_CPL", Fcompl_ass);
    DS.setText(u"ASS_A_BRR", Fbairro_ass);
    DS.setText(u"ASS_A_CEP", Fcep_ass);
    DS.setText(u"CID_A_DSC", Fcidade_ass);
    DS.setText(u"CID_A_UF", Fuf_ass);
}
