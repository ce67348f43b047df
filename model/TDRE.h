#pragma once

#include <QString>

class DataSet;

// One line of a result statement.
class TDRE
{
public:
    const QString &descricao() const { return Fdescricao; }
    void setDescricao(const QString &value) { Fdescricao = value; }
    double valor() const { return Fvalor; }
    void setValor(double value) { Fvalor = value; }
    double porc() const { return Fporc; }
    void setPorc(double value) { Fporc = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    QString Fdescricao;
    double Fvalor = 0.0;
    double Fporc = 0.0;
};
