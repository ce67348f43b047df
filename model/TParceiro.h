#pragma once

#include "DateTime.h"
#include "EntityList.h"
#include "TFones.h"

#include <QString>

class DataSet;

// A customer or supplier of a member. Owns its phone contacts, which the
// partner reader fills; the mapping leaves them alone.
class TParceiro
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    // The row's version when it was read (0 for a new one): the write
    // brings it back, and the database refuses it when the row changed or
    // was deleted meanwhile.
    qint32 versao() const { return Fversao; }
    void setVersao(qint32 value) { Fversao = value; }
    const QString &tp_par() const { return Ftp_par; }
    void setTp_par(const QString &value) { Ftp_par = value; }
    const QString &tp_pes() const { return Ftp_pes; }
    void setTp_pes(const QString &value) { Ftp_pes = value; }
    const QString &cnpj_cpf() const { return Fcnpj_cpf; }
    void setCnpj_cpf(const QString &value) { Fcnpj_cpf = value; }
    const QString &ie_rg() const { return Fie_rg; }
    void setIe_rg(const QString &value) { Fie_rg = value; }
    const QString &nome() const { return Fnome; }
    void setNome(const QString &value) { Fnome = value; }
    const QString &logradouro() const { return Flogradouro; }
    void setLogradouro(const QString &value) { Flogradouro = value; }
    const QString &numero() const { return Fnumero; }
    void setNumero(const QString &value) { Fnumero = value; }
    const QString &complemento() const { return Fcomplemento; }
    void setComplemento(const QString &value) { Fcomplemento = value; }
    const QString &bairro() const { return Fbairro; }
    void setBairro(const QString &value) { Fbairro = value; }
    const QString &cep() const { return Fcep; }
    void setCep(const QString &value) { Fcep = value; }
    const QString &ibge() const { return Fibge; }
    void setIbge(const QString &value) { Fibge = value; }
    const QString &cidade() const { return Fcidade; }
    void setCidade(const QString &value) { Fcidade = value; }
    const QString &uf() const { return Fuf; }
    void setUf(const QString &value) { Fuf = value; }
    const QString &email() const { return Femail; }
    void setEmail(const QString &value) { Femail = value; }
    const QString &negativado() const { return Fnegativado; }
    void setNegativado(const QString &value) { Fnegativado = value; }
    const QString &ativo() const { return Fativo; }
    void setAtivo(const QString &value) { Fativo = value; }
    DateTime dt_cad() const { return Fdt_cad; }
    void setDt_cad(DateTime value) { Fdt_cad = value; }
    qint32 id_usu() const { return Fid_usu; }
    void setId_usu(qint32 value) { Fid_usu = value; }
    const QString &nome_usu() const { return Fnome_usu; }
    void setNome_usu(const QString &value) { Fnome_usu = value; }
    qint32 id_acd() const { return Fid_acd; }
    void setId_acd(qint32 value) { Fid_acd = value; }
    EntityList<TFones> &fones() { return Ffones; }
    const EntityList<TFones> &fones() const { return Ffones; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    qint32 Fversao = 0;
    QString Ftp_par;
    QString Ftp_pes;
    QString Fcnpj_cpf;
    QString Fie_rg;
    QString Fnome;
    QString Flogradouro;
    QString Fnumero;
    QString Fcomplemento;
    QString Fbairro;
    QString Fcep;
    QString Fibge;
    QString Fcidade;
    QString Fuf;
    QString Femail;
    QString Fnegativado;
    QString Fativo;
    DateTime Fdt_cad;
    qint32 Fid_usu = 0;
    QString Fnome_usu;
    qint32 Fid_acd = 0;
    EntityList<TFones> Ffones;
};
