#include "TFormaPagto.h"

#include "DataSet.h"

void TFormaPagto::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"FPG_I_COD");
    Fdescricao = DS.text(u"FPG_A_DSC");
}

void TFormaPagto::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"FPG_I_COD", Fid);
    DS.setText(u"FPG_A_DSC", Fdescricao);
}
