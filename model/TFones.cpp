#include "TFones.h"

#include "DataSet.h"

// Member contacts. The deletion mark comes from the editor's table (or an
// always-false column of the query) and is never written back.
void TFones::LerAcdDataset(const DataSet &DS)
{
    Fid = DS.integer(u"ACC_I_COD");
    Fnome = DS.text(u"ACC_A_CON");
    Fddd = DS.text(u"ACC_A_DDD");
    Ffone = DS.text(u"ACC_A_FON");
    Fexcluir = DS.boolean(u"excluir");
    Fversao = DS.integer(u"ACC_I_VER");
}

void TFones::GravaAcdDataset(DataSet &DS) const
{
    DS.setInteger(u"ACC_I_COD", Fid);
    DS.setText(u"ACC_A_CON", Fnome);
    DS.setText(u"ACC_A_DDD", Fddd);
    DS.setText(u"ACC_A_FON", Ffone);
    DS.setInteger(u"ACC_I_VER", Fversao);
}

// Association contacts carry no deletion mark, so excluir is left as it is.
void TFones::LerAssDataset(const DataSet &DS)
{
    Fid = DS.integer(u"ASC_I_COD");
    Fnome = DS.text(u"ASC_A_CON");
    Fddd = DS.text(u"ASC_A_DDD");
    Ffone = DS.text(u"ASC_A_FON");
}

void TFones::GravaAssDataset(DataSet &DS) const
{
    DS.setInteger(u"ASC_I_COD", Fid);
    DS.setText(u"ASC_A_CON", Fnome);
    DS.setText(u"ASC_A_DDD", Fddd);
    DS.setText(u"ASC_A_FON", Ffone);
}

// Partner contacts, with the deletion mark as for member contacts.
void TFones::LerParDataset(const DataSet &DS)
{
    Fid = DS.integer(u"PAC_I_COD");
    Fnome = DS.text(u"PAC_A_CON");
    Fddd = DS.text(u"PAC_A_DDD");
    Ffone = DS.text(u"PAC_A_FON");
    Fexcluir = DS.boolean(u"excluir");
    Fversao = DS.integer(u"PAC_I_VER");
}

void TFones::GravaParDataset(DataSet &DS) const
{
    DS.setInteger(u"PAC_I_COD", Fid);
    DS.setText(u"PAC_A_CON", Fnome);
    DS.setText(u"PAC_A_DDD", Fddd);
    DS.setText(u"PAC_A_FON", Ffone);
    DS.setInteger(u"PAC_I_VER", Fversao);
}
