#include "uDM.h"

#include "FbStatement.h"
#include "Session.h"
#include "TUsuarios.h"
#include "uDMFrames.h"

void TDM::createLoginStatements()
{
    // The stored password never leaves the database: the statement compares
    // it and answers only whether it is still the initial one. Firebird's
    // "=" ignores trailing blanks, so the lengths are compared as well: a
    // stored value with a blank at its end never matches a typed one.
    FDPesLoginAcd = statement(QStringLiteral(
        "select first 1 au.usu_i_cod, au.usu_i_ver, au.usu_a_nom, au.usu_a_usu, au.usu_a_abl, au.acd_i_cod, "
        "au.usu_a_mst, "
        "ass.ass_a_cnpj, iif(au.usu_a_sen = substring(acd.acd_a_cnpj from 1 for 5) "
        "and char_length(au.usu_a_sen) = char_length(substring(acd.acd_a_cnpj from 1 for 5)), 'S', 'N') "
        "as senha_inicial from associado_usuario au "
        "join associado acd on (acd.acd_i_cod = au.acd_i_cod) "
        "join associacao ass on (ass.ass_i_cod = acd.ass_i_cod) "
        "where (ass.ass_a_cnpj = :sCNPJ) and (char_length(ass.ass_a_cnpj) = :iTamCNPJ) and (ass.ass_a_abl = 'S') "
        "and (acd.acd_a_abl = 'S') and (au.usu_a_abl = 'S') "
        "and (au.usu_a_usu = :sUsuario) and (char_length(au.usu_a_usu) = :iTamUsuario) "
        "and (au.usu_a_sen = :sSenha) and (char_length(au.usu_a_sen) = :iTamSenha) "
        "order by au.usu_i_cod"));
}

bool TDM::LeLoginAssociado(const QString &sCNPJ, const QString &sUsuario, const QString &sSenha, TUsuarios &Usuario,
                           bool &bSenhaInicial)
{
    // What is longer than its column matches no stored value (and binding
    // it would be refused as a truncation).
    if (sCNPJ.size() > 14 || sUsuario.size() > 30 || sSenha.size() > 100)
        return false;

    return runWaiting([&] {
        FbStatement &s = *FDPesLoginAcd;
        s.bindText(u"sCNPJ", sCNPJ);
        s.bindInteger(u"iTamCNPJ", qint32(sCNPJ.size()));
        s.bindText(u"sUsuario", sUsuario);
        s.bindInteger(u"iTamUsuario", qint32(sUsuario.size()));
        s.bindText(u"sSenha", sSenha);
        s.bindInteger(u"iTamSenha", qint32(sSenha.size()));
        auto row = s.open();
        if (!row->next())
            return false;

        TUsuarios found;
        found.setId(row->integer(u"USU_I_COD"));
        found.setVersao(row->integer(u"USU_I_VER"));
        found.setNome(row->text(u"USU_A_NOM"));
        found.setUsuario(row->text(u"USU_A_USU"));
        found.setAbilitado(row->text(u"USU_A_ABL"));
        found.setId_pai(row->integer(u"ACD_I_COD"));
        found.setMst(row->text(u"USU_A_MST"));
        const bool inicial = row->text(u"SENHA_INICIAL") == u"S";
        const QString cnpjAssociacao = row->text(u"ASS_A_CNPJ");
        row.reset();

        FDPesAssociado->bindNull(u"sCNPJ");
        FDPesAssociado->bindInteger(u"iACD", found.id_pai());
        if (!readMember(*AssociadoAtual) || !LeAssociacao(cnpjAssociacao))
            return false;
        Usuario = found;
        bSenhaInicial = inicial;
        return true;
    });
}
