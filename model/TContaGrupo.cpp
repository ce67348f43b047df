#include "TContaGrupo.h"

#include "DataSet.h"

void TContaGrupo::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"GRP_I_COD");
    Fdescricao = DS.text(u"GRP_A_DSC");
    Ftipo = DS.text(u"GRP_A_TIP");
    Fid_pai = DS.integer(u"ACD_I_COD");
}

void TContaGrupo::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"GRP_I_COD", Fid);
    DS.setText(u"GRP_A_DSC", Fdescricao);
    DS.setText(u"GRP_A_TIP", Ftipo);
    DS.setInteger(u"ACD_I_COD", Fid_pai);
}
