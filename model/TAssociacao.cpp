#include "TAssociacao.h"

#include "DataSet.h"

void TAssociacao::LerDataset(const DataSet &DS)
{
    Fid = DS.integer(u"ASS_I_COD");
    Fcnpj = DS.text(u"ASS_A_CNPJ");
    Fie = DS.text(u"ASS_A_IE");
    Fnome = DS.text(u"ASS_A_NOM");
    Flogradouro = DS.text(u"ASS_A_LGR");
    Fnumero = DS.text(u"ASS_A_NUM");
    Fcomplemento = DS.text(u"ASS_A_CPL");
    Fbairro = DS.text(u"ASS_A_BRR");
    Fibge = DS.text(u"CID_A_COD");
    Fcidade = DS.text(u"CID_A_DSC");
    Fuf = DS.text(u"CID_A_UF");
    Fcep = DS.text(u"ASS_A_CEP");
    Femail = DS.text(u"ASS_A_MAIL");
    Fabilitado = DS.text(u"ASS_A_ABL");
}

void TAssociacao::GravaDataset(DataSet &DS) const
{
    DS.setInteger(u"ASS_I_COD", Fid);
    DS.setText(u"ASS_A_CNPJ", Fcnpj);
    DS.setText(u"ASS_A_IE", Fie);
    DS.setText(u"ASS_A_NOM", Fnome);
    DS.setText(u"ASS_A_LGR", Flogradouro);
    DS.setText(u"ASS_A_NUM", Fnumero);
    DS.setText(u"ASS_A_CPL", Fcomplemento);
    DS.setText(u"ASS_A_BRR", Fbairro);
    DS.setText(u"CID_A_COD", Fibge);
    DS.setText(u"CID_A_DSC", Fcidade);
    DS.setText(u"CID_A_UF", Fuf);
    DS.setText(u"ASS_A_CEP", Fcep);
    DS.setText(u"ASS_A_MAIL", Femail);
    DS.setText(u"ASS_A_ABL", Fabilitado);
}
