#pragma once

#include <QString>

class DataSet;

// A payment method; the methods are shared by all members.
class TFormaPagto
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    const QString &descricao() const { return Fdescricao; }
    void setDescricao(const QString &value) { Fdescricao = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    QString Fdescricao;
};
