#pragma once

#include "DateTime.h"

#include <QString>

class DataSet;

// One payable or receivable instalment of a member. The descriptions of the
// method, account, group and partner come from their registers and are
// carried for display only.
class TAcdPagamento
{
public:
    qint32 id() const { return Fid; }
    void setId(qint32 value) { Fid = value; }
    qint32 id_fpg() const { return Fid_fpg; }
    void setId_fpg(qint32 value) { Fid_fpg = value; }
    const QString &desc_fpg() const { return Fdesc_fpg; }
    void setDesc_fpg(const QString &value) { Fdesc_fpg = value; }
    qint32 id_conta() const { return Fid_conta; }
    void setId_conta(qint32 value) { Fid_conta = value; }
    const QString &descricao() const { return Fdescricao; }
    void setDescricao(const QString &value) { Fdescricao = value; }
    qint32 parc() const { return Fparc; }
    void setParc(qint32 value) { Fparc = value; }
    qint32 parc_tot() const { return Fparc_tot; }
    void setParc_tot(qint32 value) { Fparc_tot = value; }
    DateTime dt_div() const { return Fdt_div; }
    void setDt_div(DateTime value) { Fdt_div = value; }
    double vlr_parc() const { return Fvlr_parc; }
    void setVlr_parc(double value) { Fvlr_parc = value; }
    DateTime dt_venc() const { return Fdt_venc; }
    void setDt_venc(DateTime value) { Fdt_venc = value; }
    DateTime dt_pag() const { return Fdt_pag; }
    void setDt_pag(DateTime value) { Fdt_pag = value; }
    double vlr_pag() const { return Fvlr_pag; }
    void setVlr_pag(double value) { Fvlr_pag = value; }
    const QString &status() const { return Fstatus; }
    void setStatus(const QString &value) { Fstatus = value; }
    qint32 id_parceiro() const { return Fid_parceiro; }
    void setId_parceiro(qint32 value) { Fid_parceiro = value; }
    qint32 id_acd() const { return Fid_acd; }
    void setId_acd(qint32 value) { Fid_acd = value; }
    const QString &desc_conta() const { return Fdesc_conta; }
    void setDesc_conta(const QString &value) { Fdesc_conta = value; }
    const QString &nome_parceiro() const { return Fnome_parceiro; }
    void setNome_parceiro(const QString &value) { Fnome_parceiro = value; }
    qint32 id_grupo() const { return Fid_grupo; }
    void setId_grupo(qint32 value) { Fid_grupo = value; }
    const QString &desc_grupo() const { return Fdesc_grupo; }
    void setDesc_grupo(const QString &value) { Fdesc_grupo = value; }
    const QString &tipo_grupo() const { return Ftipo_grupo; }
    void setTipo_grupo(const QString &value) { Ftipo_grupo = value; }
    double vlr_da() const { return Fvlr_da; }
    void setVlr_da(double value) { Fvlr_da = value; }

    void LerDataset(const DataSet &DS);
    void GravaDataset(DataSet &DS) const;

private:
    qint32 Fid = 0;
    qint32 Fid_fpg = 0;
    QString Fdesc_fpg;
    qint32 Fid_conta = 0;
    QString Fdescricao;
    qint32 Fparc = 0;
    qint32 Fparc_tot = 0;
    DateTime Fdt_div;
    double Fvlr_parc = 0.0;
    DateTime Fdt_venc;
    DateTime Fdt_pag;
    double Fvlr_pag = 0.0;
    QString Fstatus;
    qint32 Fid_parceiro = 0;
    qint32 Fid_acd = 0;
    QString Fdesc_conta;
    QString Fnome_parceiro;
    qint32 Fid_grupo = 0;
    QString Fdesc_grupo;
    QString Ftipo_grupo;
    double Fvlr_da = 0.0;
};
