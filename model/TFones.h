#pragma once

#include <QString>

class DataSet;

// One phone contact of an association, a member or a partner. excluir marks a
// contact the user deleted in an editor: the next write of the owner's
// contacts deletes its row. telefone is not mapped anywhere.
class TFones
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    // The row's version when it was read (0 for a new one): the write
    // brings it back, and the database refuses it when the row changed or
    // was deleted meanwhile.
    qint32 versao() const { return Fversao; }
    void setVersao(qint32 value) { Fversao = value; }
    const QString &nome() const { return Fnome; }
    void setNome(const QString &value) { Fnome = value; }
    const QString &ddd() const { return Fddd; }
    void setDdd(const QString &value) { Fddd = value; }
    const QString &fone() const { return Ffone; }
    void setFone(const QString &value) { Ffone = value; }
    const QString &telefone() const { return Ftelefone; }
    void setTelefone(const QString &value) { Ftelefone = value; }
    bool excluir() const { return Fexcluir; }
    void setExcluir(bool value) { Fexcluir = value; }

    void LerAcdDataset(const DataSet &DS);
    void GravaAcdDataset(DataSet &DS) const;
    void LerAssDataset(const DataSet &DS);
    void GravaAssDataset(DataSet &DS) const;
    void LerParDataset(const DataSet &DS);
    void GravaParDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    qint32 Fversao = 0;
    QString Fnome;
    QString Fddd;
    QString Ffone;
    QString Ftelefone;
    bool Fexcluir = false;
};
