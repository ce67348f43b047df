#pragma once

#include <QString>

class DataSet;

// One row of a member or partner search: members fill ativo, partners fill
// tipoparc, ativo and id_acd (the member that owns the partner).
class TPesqParceiro
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    const QString &nome() const { return Fnome; }
    void setNome(const QString &value) { Fnome = value; }
    const QString &endereco() const { return Fendereco; }
    void setEndereco(const QString &value) { Fendereco = value; }
    const QString &bairro() const { return Fbairro; }
    void setBairro(const QString &value) { Fbairro = value; }
    const QString &documento() const { return Fdocumento; }
    void setDocumento(const QString &value) { Fdocumento = value; }
    const QString &numero() const { return Fnumero; }
    void setNumero(const QString &value) { Fnumero = value; }
    const QString &tipoparc() const { return Ftipoparc; }
    void setTipoparc(const QString &value) { Ftipoparc = value; }
    const QString &ativo() const { return Fativo; }
    void setAtivo(const QString &value) { Fativo = value; }
    qint32 id_acd() const { return Fid_acd; }
    void setId_acd(qint32 value) { Fid_acd = value; }

    void LerAcdDataset(const DataSet &DS);
    void GravaAcdDataset(DataSet &DS) const;
    void LerParcDataset(const DataSet &DS);
    void GravaParcDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    QString Fnome;
    QString Fendereco;
    QString Fbairro;
    QString Fdocumento;
    QString Fnumero;
    QString Ftipoparc;
    QString Fativo;
    qint32 Fid_acd = 0;
};
