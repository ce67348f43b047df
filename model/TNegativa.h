#pragma once

#include "DateTime.h"

#include <QString>

class DataSet;

// One registration of a partner on the negative list by a member. Taking the
// partner off the list keeps the row: sts turns to "N" and dt_ret/motivo_ret
// record when and why.
class TNegativa
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    DateTime dt_reg() const { return Fdt_reg; }
    void setDt_reg(DateTime value) { Fdt_reg = value; }
    const QString &motivo() const { return Fmotivo; }
    void setMotivo(const QString &value) { Fmotivo = value; }
    double valor() const { return Fvalor; }
    void setValor(double value) { Fvalor = value; }
    qint32 id_par() const { return Fid_par; }
    void setId_par(qint32 value) { Fid_par = value; }
    qint32 id_acd() const { return Fid_acd; }
    void setId_acd(qint32 value) { Fid_acd = value; }
    const QString &sts() const { return Fsts; }
    void setSts(const QString &value) { Fsts = value; }
    DateTime dt_ret() const { return Fdt_ret; }
    void setDt_ret(DateTime value) { Fdt_ret = value; }
    const QString &motivo_ret() const { return Fmotivo_ret; }
    void setMotivo_ret(const QString &value) { Fmotivo_ret = value; }
    const QString &nome_par() const { return Fnome_par; }
    void setNome_par(const QString &value) { Fnome_par = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    DateTime Fdt_reg;
    QString Fmotivo;
    double Fvalor = 0.0;
    qint32 Fid_par = 0;
    qint32 Fid_acd = 0;
    QString Fsts;
    DateTime Fdt_ret;
    QString Fmotivo_ret;
    QString Fnome_par;
};
