#include "TUsuarios.h"

#include "DataSet.h"

// Users of a member.
void TUsuarios::LerAcdDataset(const DataSet &DS)
{
    Fid = DS.integer(u"USU_I_COD");
    Fnome = DS.text(u"USU_A_NOM");
    Fusuario = DS.text(u"USU_A_USU");
    Fsenha = DS.text(u"USU_A_SEN");
    Fmst = DS.text(u"USU_A_MST");
    Fid_pai = DS.integer(u"ACD_I_COD");
    Fabilitado = DS.text(u"USU_A_ABL");
    Fversao = DS.integer(u"USU_I_VER");
}

void TUsuarios::GravaAcdDataset(DataSet &DS) const
{
    DS.setInteger(u"USU_I_COD", Fid);
    DS.setText(u"USU_A_NOM", Fnome);
    DS.setText(u"USU_A_USU", Fusuario);
    DS.setText(u"USU_A_SEN", Fsenha);
    DS.setText(u"USU_A_MST", Fmst);
    DS.setInteger(u"ACD_I_COD", Fid_pai);
    DS.setText(u"USU_A_ABL", Fabilitado);
    DS.setInteger(u"USU_I_VER", Fversao);
}

// Users of an association.
void TUsuarios::LerAssDataset(const DataSet &DS)
{
    Fid = DS.integer(u"USU_I_COD");
    Fnome = DS.text(u"USU_A_NOM");
    Fusuario = DS.text(u"USU_A_USU");
    Fsenha = DS.text(u"USU_A_SEN");
    Fmst = DS.text(u"USU_A_MST");
    Fid_pai = DS.integer(u"ASS_I_COD");
    Fabilitado = DS.text(u"USU_A_ABL");
    Fversao = DS.integer(u"USU_I_VER");
}

void TUsuarios::GravaAssDataset(DataSet &DS) const
{
    DS.setInteger(u"USU_I_COD", Fid);
    DS.setText(u"USU_A_NOM", Fnome);
    DS.setText(u"USU_A_USU", Fusuario);
    DS.setText(u"USU_A_SEN", Fsenha);
    DS.setText(u"USU_A_MST", Fmst);
    DS.setInteger(u"ASS_I_COD", Fid_pai);
    DS.setText(u"USU_A_ABL", Fabilitado);
    DS.setInteger(u"USU_I_VER", Fversao);
}
