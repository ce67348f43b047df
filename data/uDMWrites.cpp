#include "uDM.h"

#include "FbStatement.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TUsuarios.h"
#include "uDMFrames.h"

void TDM::createWriteStatements()
{
    // The new member's key comes back from the insert itself: reading the
    // generator afterwards would give another client's key when two clients
    // insert at the same time. Each row goes with the version it was read
    // with (NULL for a new one): the database refuses the write when another
    // seat changed or deleted the row since (see "Row versions" in the
    // schema).
    FDiuAssociado = statement(QStringLiteral(
        "update or insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, "
        "ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, "
        "ACD_D_CAD, USU_I_COD, ACD_I_VER) values (:ACD_I_COD, :ACD_A_CNPJ, :ACD_A_IE, :ACD_A_NOM, :ACD_A_LGR, "
        ":ACD_A_NUM, :ACD_A_CPL, :ACD_A_BRR, :ACD_A_CEP, :CID_A_COD, :ACD_A_MAIL, :ASS_I_COD, :ACD_A_ABL, "
        ":ACD_A_PCT1, :ACD_A_PCT2, current_timestamp, :USU_I_COD, :ACD_I_VER) matching (ACD_I_COD) "
        "returning ACD_I_COD, ACD_I_VER"));
    FDiuAcdFones = statement(QStringLiteral(
        "update or insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD, ACC_I_VER) "
        "values (:ACC_I_COD, :ACC_A_CON, :ACC_A_DDD, :ACC_A_FON, :ACD_I_COD, :ACC_I_VER) matching (ACC_I_COD)"));
    FDdelAcdFones = statement(QStringLiteral("delete from ASSOCIADO_CONTATO where (ACC_I_COD = :ACC_I_COD)"));
    FDiuAcdUsuarios = statement(QStringLiteral(
        "update or insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, "
        "ACD_I_COD, USU_A_MST, USU_I_VER) values (:USU_I_COD, :USU_A_NOM, :USU_A_USU, :USU_A_SEN, :USU_A_ABL, "
        ":ACD_I_COD, :USU_A_MST, :USU_I_VER) matching (USU_I_COD)"));
    FDiuUsuariosASS = statement(QStringLiteral(
        "update or insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, "
        "ASS_I_COD, USU_A_MST, USU_I_VER) values (:USU_I_COD, :USU_A_NOM, :USU_A_USU, :USU_A_SEN, :USU_A_ABL, "
        ":ASS_I_COD, :USU_A_MST, :USU_I_VER) matching (USU_I_COD)"));
    FDDelAssociado = statement(QStringLiteral("execute procedure ASSOCIADO_DEL(:ID)"));
}

bool TDM::IUAssociado(TAssociado &Obj)
{
    const bool stored = reportingErrors(QStringLiteral("IUAssociado: "), [&] {
        FbStatement &s = *FDiuAssociado;
        s.bindKey(u"ACD_I_COD", Obj.id());
        s.bindText(u"ACD_A_CNPJ", Obj.cnpj());
        s.bindText(u"ACD_A_IE", Obj.ie());
        s.bindText(u"ACD_A_NOM", Obj.nome());
        s.bindText(u"ACD_A_LGR", Obj.logradouro());
        s.bindText(u"ACD_A_NUM", Obj.numero());
        s.bindText(u"ACD_A_CPL", Obj.complemento());
        s.bindText(u"ACD_A_BRR", Obj.bairro());
        s.bindText(u"ACD_A_CEP", Obj.cep());
        s.bindText(u"CID_A_COD", Obj.ibge());
        s.bindText(u"ACD_A_MAIL", Obj.email());
        s.bindText(u"ACD_A_ABL", Obj.abilitado());
        s.bindInteger(u"ASS_I_COD", Obj.id_ass());
        s.bindInteger(u"USU_I_COD", Obj.id_usu());
        s.bindText(u"ACD_A_PCT1", Obj.pct01());
        s.bindText(u"ACD_A_PCT2", Obj.pct02());
        bindRowVersion(s, u"ACD_I_VER", Obj.id(), Obj.versao());
        s.execute();
    });
    if (!stored)
        return false;
    // Outside the report: like the key read it replaces, a failure here is
    // not the write's and goes to the caller.
    if (Obj.id() == 0)
        Obj.setId(FDiuAssociado->output().integer(u"ACD_I_COD"));
    // The entity now stands for the row as written, so writing it again
    // updates that row.
    Obj.setVersao(FDiuAssociado->output().integer(u"ACD_I_VER"));
    return true;
}

bool TDM::IUAcdFones(const TAssociado &Obj)
{
    // A failing contact is reported and the others still run; in
    // GravaAssociado the transaction then undoes them all.
    bool result = true;
    // The first refusal is the one to tell, whatever the later contacts do.
    WriteRefusal refusal = WriteRefusal::None;
    for (const auto &fone : Obj.fones()) {
        if (fone->excluir()) {
            result &= reportingErrors(QStringLiteral("IUAcdFones [Delete]: "), [&] {
                FDdelAcdFones->bindInteger(u"ACC_I_COD", fone->id());
                FDdelAcdFones->execute();
            });
        } else {
            result &= reportingErrors(QStringLiteral("IUAcdFones [Insert/Update]: "), [&] {
                FDiuAcdFones->bindKey(u"ACC_I_COD", fone->id());
                FDiuAcdFones->bindText(u"ACC_A_CON", fone->nome());
                FDiuAcdFones->bindText(u"ACC_A_DDD", fone->ddd());
                FDiuAcdFones->bindText(u"ACC_A_FON", fone->fone());
                FDiuAcdFones->bindInteger(u"ACD_I_COD", Obj.id());
                bindRowVersion(*FDiuAcdFones, u"ACC_I_VER", fone->id(), fone->versao());
                FDiuAcdFones->execute();
            });
        }
        if (refusal == WriteRefusal::None)
            refusal = lastWriteRefusal();
    }
    noteWriteRefusal(refusal);
    return result;
}

namespace {

// The two user registers differ only in the owner's column.
void bindUser(FbStatement &s, const TUsuarios &Obj, QStringView ownerColumn)
{
    s.bindKey(u"USU_I_COD", Obj.id());
    s.bindText(u"USU_A_NOM", Obj.nome());
    s.bindText(u"USU_A_USU", Obj.usuario());
    s.bindText(u"USU_A_SEN", Obj.senha());
    s.bindText(u"USU_A_ABL", Obj.abilitado());
    s.bindText(u"USU_A_MST", Obj.mst());
    s.bindInteger(ownerColumn, Obj.id_pai());
    bindRowVersion(s, u"USU_I_VER", Obj.id(), Obj.versao());
}

} // namespace

bool TDM::IUAcdUsuarios(const TUsuarios &Obj)
{
    return reportingErrors(QStringLiteral("IUUsuarios: "), [&] {
        bindUser(*FDiuAcdUsuarios, Obj, u"ACD_I_COD");
        FDiuAcdUsuarios->execute();
    });
}

bool TDM::IUUsuariosASS(const TUsuarios &Obj)
{
    return reportingErrors(QStringLiteral("IUUsuariosASS: "), [&] {
        bindUser(*FDiuUsuariosASS, Obj, u"ASS_I_COD");
        FDiuUsuariosASS->execute();
    });
}

bool TDM::ExcluirAssociado(qint32 iACD)
{
    // A refusal comes back as a status, not an error: the caller shows its
    // own message for it.
    qint32 sts = -1;
    const bool ran = reportingErrors(QStringLiteral("ExcluirAssociado: "), [&] {
        FDDelAssociado->bindInteger(u"ID", iACD);
        FDDelAssociado->execute();
        sts = FDDelAssociado->output().integer(u"STS");
    });
    return ran && sts == 0;
}

bool TDM::GravaAssociado(TAssociado &Obj, TUsuarios *Login)
{
    return storeTogether(*UlmoraConnection, QStringLiteral("GravaAssociado: "), Obj, [&] {
        if (!IUAssociado(Obj) || !IUAcdFones(Obj))
            return false;
        if (!Login)
            return true;
        Login->setId_pai(Obj.id());
        return IUAcdUsuarios(*Login);
    });
}
