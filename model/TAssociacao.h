#pragma once

#include "EntityList.h"
#include "TFones.h"

#include <QString>

class DataSet;

// The association that logs in; every register of the system belongs to one.
// Owns its phone contacts.
class TAssociacao
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
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
    EntityList<TFones> &fones() { return Ffones; }
    const EntityList<TFones> &fones() const { return Ffones; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
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
    EntityList<TFones> Ffones;
};
