#include "uDM.h"

#include "FbStatement.h"
#include "FbTransaction.h"
#include "TAssociacao.h"
#include "TUsuarios.h"
#include "uDMFrames.h"

void TDM::createSetupStatements()
{
    FDcntAssociacao = statement(QStringLiteral("select count(*) as QTD from ASSOCIACAO"));
    FDinsAssociacao
        = statement(QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                                   "values (:ASS_I_COD, :ASS_A_CNPJ, :ASS_A_NOM, :ASS_A_ABL) returning ASS_I_COD"));
}

qint32 TDM::ContaAssociacoes()
{
    return runWaiting([&] {
        auto rows = FDcntAssociacao->open();
        return rows->next() ? rows->integer(u"QTD") : 0;
    });
}

bool TDM::GravaPrimeiraAssociacao(TAssociacao &Associacao, TUsuarios &Master)
{
    Associacao.setAbilitado(QStringLiteral("S"));
    Master.setAbilitado(QStringLiteral("S"));
    Master.setMst(QStringLiteral("S"));
    bool stored = false;
    const bool committed = reportingErrors(QStringLiteral("GravaPrimeiraAssociacao: "), [&] {
        FbTransaction transaction(*UlmoraConnection);
        FbStatement &s = *FDinsAssociacao;
        s.bindKey(u"ASS_I_COD", 0);
        s.bindText(u"ASS_A_CNPJ", Associacao.cnpj());
        s.bindText(u"ASS_A_NOM", Associacao.nome());
        s.bindText(u"ASS_A_ABL", Associacao.abilitado());
        s.execute();
        Master.setId_pai(s.output().integer(u"ASS_I_COD"));
        stored = IUUsuariosASS(Master);
        if (stored)
            transaction.commit();
    });
    if (!(committed && stored)) {
        Master.setId_pai(0);
        return false;
    }
    Associacao.setId(Master.id_pai());
    return true;
}
