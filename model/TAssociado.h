#pragma once

#include "DateTime.h"
#include "EntityList.h"
#include "TFones.h"

#include <QString>

class DataSet;

// A member of an association. Owns its phone contacts; the mapping leaves
// them alone, the readers fill them row by row.
class TAssociado
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    // The row's version when it was read (0 for a new one): the write
    // brings it back, and the database refuses it when the row changed or
    // was deleted meanwhile.
    qint32 versao() const { return Fversao; }
    void setVersao(qint32 value) { Fversao = value; }
    const QString &cnpj() const { return Fcnpj; }
    void setCnpj(const QString &value) { Fcnpj = value; }
    const QString &ie() const { return Fie; }
    void setIe(const QString &value) { Fie = value; }
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
    const QString &ibge() const { return Fibge; }
    void setIbge(const QString &value) { Fibge = value; }
    const QString &cidade() const { return Fcidade; }
    void setCidade(const QString &value) { Fcidade = value; }
    const QString &uf() const { return Fuf; }
    void setUf(const QString &value) { Fuf = value; }
    const QString &cep() const { return Fcep; }
    void setCep(const QString &value) { Fcep = value; }
    const QString &email() const { return Femail; }
    void setEmail(const QString &value) { Femail = value; }
    const QString &abilitado() const { return Fabilitado; }
    void setAbilitado(const QString &value) { Fabilitado = value; }
    qint32 id_ass() const { return Fid_ass; }
    void setId_ass(qint32 value) { Fid_ass = value; }
    const QString &cnpj_ass() const { return Fcnpj_ass; }
    void setCnpj_ass(const QString &value) { Fcnpj_ass = value; }
    const QString &pct01() const { return Fpct01; }
    void setPct01(const QString &value) { Fpct01 = value; }
    const QString &pct02() const { return Fpct02; }
    void setPct02(const QString &value) { Fpct02 = value; }
    DateTime dt_cad() const { return Fdt_cad; }
    void setDt_cad(DateTime value) { Fdt_cad = value; }
    qint32 id_usu() const { return Fid_usu; }
    void setId_usu(qint32 value) { Fid_usu = value; }
    const QString &nome_usu() const { return Fnome_usu; }
    void setNome_usu(const QString &value) { Fnome_usu = value; }
    EntityList<TFones> &fones() { return Ffones; }
    const EntityList<TFones> &fones() const { return Ffones; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    qint32 Fversao = 0;
    QString Fcnpj;
    QString Fie;
    QString Fnome;
    QString Flogradouro;
    QString Fnumero;
    QString Fcomplemento;
    QString Fbairro;
    QString Fibge;
    QString Fcidade;
    QString Fuf;
    QString Fcep;
    QString Femail;
    QString Fabilitado;
    qint32 Fid_ass = 0;
    QString Fcnpj_ass;
    QString Fpct01;
    QString Fpct02;
    DateTime Fdt_cad;
    qint32 Fid_usu = 0;
    QString Fnome_usu;
    EntityList<TFones> Ffones;
};
