#pragma once

#include <QString>

class DataSet;

// A login user, of an association or of a member: id_pai is the owner's key
// in either register, so each register has its own pair of mappings.
class TUsuarios
{
public:
    const QString &nome() const { return Fnome; }
    void setNome(const QString &value) { Fnome = value; }
    const QString &usuario() const { return Fusuario; }
    void setUsuario(const QString &value) { Fusuario = value; }
    const QString &senha() const { return Fsenha; }
    void setSenha(const QString &value) { Fsenha = value; }
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    // The row's version when it was read (0 for a new one): the write
    // brings it back, and the database refuses it when the row changed or
    // was deleted meanwhile.
    qint32 versao() const { return Fversao; }
    void setVersao(qint32 value) { Fversao = value; }
    const QString &mst() const { return Fmst; }
    void setMst(const QString &value) { Fmst = value; }
    qint32 id_pai() const { return Fid_pai; }
    void setId_pai(qint32 value) { Fid_pai = value; }
    const QString &abilitado() const { return Fabilitado; }
    void setAbilitado(const QString &value) { Fabilitado = value; }

    void LerAcdDataset(const DataSet &DS);
    void GravaAcdDataset(DataSet &DS) const;
    void LerAssDataset(const DataSet &DS);
    void GravaAssDataset(DataSet &DS) const;

private:
    QString Fnome;
    QString Fusuario;
    QString Fsenha;
    qint32 Fid = 0;
    qint32 Fversao = 0;
    QString Fmst;
    qint32 Fid_pai = 0;
    QString Fabilitado;
};
