#pragma once

#include <QString>

class DataSet;

// One row of the negative-list consultation of a partner: a member holding it
// on its list, with the member's association and that association's address.
class TConsNegativa
{
public:
    qint32 id_par() const { return Fid_par; }
    void setId_par(qint32 value) { Fid_par = value; }
    const QString &nome_par() const { return Fnome_par; }
    void setNome_par(const QString &value) { Fnome_par = value; }
    qint32 id_acd() const { return Fid_acd; }
    void setId_acd(qint32 value) { Fid_acd = value; }
    const QString &nome_acd() const { return Fnome_acd; }
    void setNome_acd(const QString &value) { Fnome_acd = value; }
    qint32 id_ass() const { return Fid_ass; }
    void setId_ass(qint32 value) { Fid_ass = value; }
    const QString &nome_ass() const { return Fnome_ass; }
    void setNome_ass(const QString &value) { Fnome_ass = value; }
    const QString &logr_ass() const { return Flogr_ass; }
    void setLogr_ass(const QString &value) { Flogr_ass = value; }
    const QString &num_ass() const { return Fnum_ass; }
    void setNum_ass(const QString &value) { Fnum_ass = value; }
    const QString &compl_ass() const { return Fcompl_ass; }
    void setCompl_ass(const QString &value) { Fcompl_ass = value; }
    const QString &bairro_ass() const { return Fbairro_ass; }
    void setBairro_ass(const QString &value) { Fbairro_ass = value; }
    const QString &cep_ass() const { return Fcep_ass; }
    void setCep_ass(const QString &value) { Fcep_ass = value; }
    const QString &cidade_ass() const { return Fcidade_ass; }
    void setCidade_ass(const QString &value) { Fcidade_ass = value; }
    const QString &uf_ass() const { return Fuf_ass; }
    void setUf_ass(const QString &value) { Fuf_ass = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid_par = 0;
    QString Fnome_par;
    qint32 Fid_acd = 0;
    QString Fnome_acd;
    qint32 Fid_ass = 0;
    QString Fnome_ass;
    QString Flogr_ass;
    QString Fnum_ass;
    QString Fcompl_ass;
    QString Fbairro_ass;
    QString Fcep_ass;
    QString Fcidade_ass;
    QString Fuf_ass;
};
