#include "TConta.h"

#include "DataSet.h"

void TConta::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"CON_I_COD");
    Fdescricao = DS.text(u"CON_A_DSC");
    Fid_pai = DS.integer(u"GRP_I_COD");
}

void TConta::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"CON_I_COD", Fid);
    DS.setText(u"CON_A_DSC", Fdescricao);
    DS.setInteger(u"GRP_I_COD", Fid_pai);
}
