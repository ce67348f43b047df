#include "TAcdBaixaPag.h"

#include "DataSet.h"

void TAcdBaixaPag::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"PAG_I_COD");
    Fvlrdiv = DS.number(u"PAG_N_DIV");
    Fvlrda = DS.number(u"PAG_N_DA");
    Fvlrpago = DS.number(u"PAG_N_PAG");
}
