#include "TNegativa.h"

#include "DataSet.h"

void TNegativa::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"PNG_I_COD");
    Fdt_reg = DS.dateTime(u"PNG_D_REG");
    Fmotivo = DS.text(u"PNG_A_MOT");
    Fvalor = DS.number(u"PNG_N_VAL");
    Fid_par = DS.integer(u"PAR_I_COD");
    Fnome_par = DS.text(u"PAR_A_NOM");
    Fid_acd = DS.integer(u"ACD_I_COD");
    Fdt_ret = DS.dateTime(u"PNG_D_RET");
    Fmotivo_ret = DS.text(u"PNG_A_RET");
    Fsts = DS.text(u"PNG_A_NEG");
}

void TNegativa::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"PNG_I_COD", Fid);
    DS.setDateTime(u"PNG_D_REG", Fdt_reg);
    DS.setText(u"PNG_A_MOT", Fmotivo);
    DS.setFloat(u"PNG_N_VAL", Fvalor);
    DS.setInteger(u"PAR_I_COD", Fid_par);
    DS.setText(u"PAR_A_NOM", Fnome_par);
    DS.setInteger(u"ACD_I_COD", Fid_acd);
    DS.setDateTime(u"PNG_D_RET", Fdt_ret);
    DS.setText(u"PNG_A_RET", Fmotivo_ret);
    DS.setText(u"PNG_A_NEG", Fsts);
}
