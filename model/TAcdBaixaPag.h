#pragma once

#include <QString>

class DataSet;

// The amounts with which one entry is settled (or the entry whose settlement
// is reversed). The caller of the settlement builds these, so only reading is
// needed.
class TAcdBaixaPag
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    double vlrdiv() const { return Fvlrdiv; }
    void setVlrdiv(double value) { Fvlrdiv = value; }
    double vlrda() const { return Fvlrda; }
    void setVlrda(double value) { Fvlrda = value; }
    double vlrpago() const { return Fvlrpago; }
    void setVlrpago(double value) { Fvlrpago = value; }

    void LerDataset(const DataSet &DS);

private:
    qint32 Fid = 0;
    double Fvlrdiv = 0.0;
    double Fvlrda = 0.0;
    double Fvlrpago = 0.0;
};
