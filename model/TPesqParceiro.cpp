#include "TPesqParceiro.h"

#include "DataSet.h"

// Member rows.
void TPesqParceiro::LerAcdDataset(const DataSet &DS)
{
    Fid = DS.integer(u"acd_i_cod");
    Fnome = DS.text(u"acd_a_nom");
    Fdocumento = DS.text(u"acd_a_cnpj");
    Fendereco = DS.text(u"acd_a_lgr");
    Fnumero = DS.text(u"acd_a_num");
    Fbairro = DS.text(u"acd_a_brr");
    Fativo = DS.text(u"acd_a_abl");
}

void TPesqParceiro::GravaAcdDataset(DataSet &DS) const
{
    DS.setInteger(u"acd_i_cod", Fid);
    DS.setText(u"acd_a_nom", Fnome);
    DS.setText(u"acd_a_cnpj", Fdocumento);
    DS.setText(u"acd_a_lgr", Fendereco);
    DS.setText(u"acd_a_num", Fnumero);
    DS.setText(u"acd_a_brr", Fbairro);
    DS.setText(u"acd_a_abl", Fativo);
}

// Partner rows.
void TPesqParceiro::LerParcDataset(const DataSet &DS)
{
    Fid = DS.integer(u"par_i_cod");
    Fnome = DS.text(u"par_a_nom");
    Fdocumento = DS.text(u"par_a_cnpj_cpf");
    Fendereco = DS.text(u"par_a_lgr");
    Fnumero = DS.text(u"par_a_num");
    Fbairro = DS.text(u"par_a_brr");
    Ftipoparc = DS.text(u"par_a_tip");
    Fativo = DS.text(u"par_a_abl");
    Fid_acd = DS.integer(u"acd_i_cod");
}

void TPesqParceiro::GravaParcDataset(DataSet &DS) const
{
    DS.setInteger(u"par_i_cod", Fid);
    DS.setText(u"par_a_nom", Fnome);
    DS.setText(u"par_a_cnpj_cpf", Fdocumento);
    DS.setText(u"par_a_lgr", Fendereco);
    DS.setText(u"par_a_num", Fnumero);
    DS.setText(u"par_a_brr", Fbairro);
    DS.setText(u"par_a_tip", Ftipoparc);
    DS.setText(u"par_a_abl", Fativo);
    DS.setInteger(u"acd_i_cod", Fid_acd);
}
