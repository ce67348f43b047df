#pragma once

#include <QString>

class DataSet;

// A credit ("C") or debit ("D") group of accounts of one member.
class TContaGrupo
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    const QString &descricao() const { return Fdescricao; }
    void setDescricao(const QString &value) { Fdescricao = value; }
    const QString &tipo() const { return Ftipo; }
    void setTipo(const QString &value) { Ftipo = value; }
    qint32 id_pai() const { return Fid_pai; }
    void setId_pai(qint32 value) { Fid_pai = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    QString Fdescricao;
    QString Ftipo;
    qint32 Fid_pai = 0;
};
