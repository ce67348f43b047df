#include "TDRE.h"

#include "DataSet.h"

void TDRE::LerDataset(const DataSet &DS)
{
    Fdescricao = DS.text(u"DESCRICAO");
    Fvalor = DS.number(u"VALOR");
    Fporc = DS.number(u"PORC");
}

void TDRE::GravaDataset(DataSet &DS) const
{
    DS.setText(u"DESCRICAO", Fdescricao);
    DS.setFloat(u"VALOR", Fvalor);
    DS.setFloat(u"PORC", Fporc);
}
