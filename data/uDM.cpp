#include "uDM.h"

#include "FbConnection.h"
#include "FbStatement.h"
#include "Session.h"
#include "TAssociacao.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "uDMFrames.h"

TDM *DM = nullptr;

TDM::TDM() : TDM(ConnectionSettings::load(QStringLiteral("Ulmora")))
{
}

TDM::TDM(const ConnectionSettings &settings)
{
    // The connection opens while the module is built; when it fails the
    // module is never made and the session objects are never created.
    UlmoraConnection = std::make_unique<FbConnection>(settings);
    createRegistryStatements();
    createWriteStatements();
    createSearchStatements();
    createFinanceStatements();
    createPartnerStatements();
    createLoginStatements();
    createSetupStatements();
    DataModuleCreate();
}

TDM::~TDM()
{
    DataModuleDestroy();
}

void TDM::DataModuleCreate()
{
    CriaGlobais();
}

void TDM::DataModuleDestroy()
{
    LiberaGlobais();
}

std::unique_ptr<FbStatement> TDM::statement(const QString &sql)
{
    return std::make_unique<FbStatement>(*UlmoraConnection, sql);
}

void TDM::createRegistryStatements()
{
    FDPesAssociacao = statement(QStringLiteral(
        "select ac.ass_i_cod, ac.ass_a_cnpj, ac.ass_a_ie, ac.ass_a_nom, ac.ass_a_lgr, ac.ass_a_num, ac.ass_a_cpl, "
        "ac.ass_a_brr, ac.ass_a_cep, ac.cid_a_cod, ac.ass_a_mail, ac.ass_a_abl, cd.cid_a_dsc, cd.cid_a_uf "
        "from ASSOCIACAO ac left join cidade cd on (cd.cid_a_cod = ac.cid_a_cod) where (ac.ass_a_cnpj = :sCNPJ)"));
    FDPesAssFones = statement(
        QStringLiteral("select ac.asc_i_cod, ac.asc_a_con, ac.asc_a_ddd, ac.asc_a_fon from ASSOCIACAO_CONTATO ac "
                       "where (ac.ass_i_cod = :iAss) order by ac.asc_i_cod"));
    // The registering user is a user of the association (the one logged in
    // when the member was written), so the name comes from that table.
    FDPesAssociado = statement(QStringLiteral(
        "select acd.acd_i_cod, acd.acd_i_ver, acd.acd_a_cnpj, acd.acd_a_ie, acd.acd_a_nom, acd.acd_a_lgr, "
        "acd.acd_a_num, "
        "acd.acd_a_cpl, acd.acd_a_brr, acd.acd_a_cep, acd.cid_a_cod, cd.cid_a_dsc, cd.cid_a_uf, acd.acd_a_mail, "
        "acd.ass_i_cod, ass.ass_a_cnpj, acd.acd_a_abl, acd.acd_a_pct1, acd.acd_a_pct2, acd.acd_d_cad, "
        "acd.usu_i_cod, au.usu_a_nom from ASSOCIADO acd left join cidade cd on (cd.cid_a_cod = acd.cid_a_cod) "
        "left join associacao ass on (ass.ass_i_cod = acd.ass_i_cod) "
        "left join associacao_usuario au on (au.usu_i_cod = acd.usu_i_cod) "
        "where (acd.acd_a_cnpj = :sCNPJ) or (acd.acd_i_cod = :iACD)"));
    FDPesAcdFones = statement(QStringLiteral(
        "select ac.acc_i_cod, ac.acc_i_ver, ac.acc_a_con, ac.acc_a_ddd, ac.acc_a_fon from associado_contato ac "
        "where (ac.acd_i_cod = :iACD) order by ac.acc_i_cod"));
    FDPesAcdUsu
        = statement(QStringLiteral("select au.usu_i_cod, au.usu_i_ver, au.usu_a_nom, au.usu_a_usu, au.usu_a_sen, "
                                   "au.usu_a_abl, au.acd_i_cod, au.usu_a_mst "
                                   "from associado_usuario au where (au.acd_i_cod = :iACD) order by au.usu_i_cod"));
    FDPesAssUsu
        = statement(QStringLiteral("select au.usu_i_cod, au.usu_i_ver, au.usu_a_nom, au.usu_a_usu, au.usu_a_sen, "
                                   "au.usu_a_abl, au.ass_i_cod, au.usu_a_mst "
                                   "from associacao_usuario au where (au.ass_i_cod = :iASS) order by au.usu_i_cod"));
    // Exactly equal: "=" alone would also take a stored text that has more
    // blanks at its end than the typed one.
    FDPesLoginUsu = statement(QStringLiteral(
        "select first 1 au.usu_i_cod, au.usu_i_ver, au.usu_a_nom, au.usu_a_usu, cast(null as varchar(1)) as usu_a_sen, "
        "au.usu_a_abl, au.ass_i_cod, au.usu_a_mst from associacao_usuario au "
        "where (au.ass_i_cod = :iASS) and (au.usu_a_abl = 'S') "
        "and (au.usu_a_usu = :sUsuario) and (char_length(au.usu_a_usu) = :iUsuario) "
        "and (au.usu_a_sen = :sSenha) and (char_length(au.usu_a_sen) = :iSenha) "
        "order by au.usu_i_cod"));
    FDdvs = statement();
}

bool TDM::LeAssociacao(const QString &sCNPJ)
{
    // No stored CNPJ is longer than the column's 14 characters; a longer
    // text would only be refused by the database as too long.
    const QString cnpj = Trim(sCNPJ);
    if (cnpj.size() > 14)
        return false;
    return runWaiting([&] {
        FDPesAssociacao->bindText(u"sCNPJ", cnpj);
        auto row = FDPesAssociacao->open();
        if (!row->next())
            return false;
        FDPesAssFones->bindInteger(u"iAss", row->integer(u"ASS_I_COD"));
        auto fones = FDPesAssFones->open();
        AssociacaoAtual->LerDataset(*row);
        AssociacaoAtual->fones().clear();
        while (fones->next()) {
            auto fone = std::make_unique<TFones>();
            fone->LerAssDataset(*fones);
            AssociacaoAtual->fones().append(std::move(fone));
        }
        return true;
    });
}

bool TDM::LeAssociadoCNPJ(const QString &sCNPJ)
{
    FDPesAssociado->bindText(u"sCNPJ", Trim(sCNPJ));
    FDPesAssociado->bindNull(u"iACD");
    return readMember(*AssociadoAtual);
}

std::unique_ptr<TAssociado> TDM::LeAssociadoID(qint32 iACD)
{
    auto result = std::make_unique<TAssociado>();
    FDPesAssociado->bindNull(u"sCNPJ");
    FDPesAssociado->bindInteger(u"iACD", iACD);
    readMember(*result);
    return result;
}

bool TDM::readMember(TAssociado &target)
{
    return readWithContacts(*FDPesAssociado, *FDPesAcdFones, u"iACD", u"ACD_I_COD", target, &TFones::LerAcdDataset);
}

namespace {

template<typename Reader>
std::unique_ptr<TListaUsuarios> readUsers(FbStatement &statement, QStringView parameter, qint32 key, Reader read)
{
    return runWaiting([&] {
        auto result = std::make_unique<TListaUsuarios>();
        statement.bindInteger(parameter, key);
        auto rows = statement.open();
        while (rows->next()) {
            auto user = std::make_unique<TUsuarios>();
            read(*user, *rows);
            result->Lista().append(std::move(user));
        }
        return result;
    });
}

} // namespace

std::unique_ptr<TListaUsuarios> TDM::LeUsuario(qint32 iACD)
{
    return readUsers(*FDPesAcdUsu, u"iACD", iACD, [](TUsuarios &user, const DataSet &row) { user.LerAcdDataset(row); });
}

std::unique_ptr<TListaUsuarios> TDM::LeUsuarioASS(qint32 iASS)
{
    return readUsers(*FDPesAssUsu, u"iASS", iASS, [](TUsuarios &user, const DataSet &row) { user.LerAssDataset(row); });
}

std::unique_ptr<TUsuarios> TDM::LeUsuarioLogin(qint32 iASS, const QString &sUsuario, const QString &sSenha)
{
    // Lengths in characters, as the database counts them. Texts longer than
    // their columns (30 and 100 characters) match no user; the database
    // would refuse them as too long.
    const qint32 usuarioLength = qint32(sUsuario.toUcs4().size());
    const qint32 senhaLength = qint32(sSenha.toUcs4().size());
    if (usuarioLength == 0 || senhaLength == 0 || usuarioLength > 30 || senhaLength > 100)
        return nullptr;
    return runWaiting([&]() -> std::unique_ptr<TUsuarios> {
        FDPesLoginUsu->bindInteger(u"iASS", iASS);
        FDPesLoginUsu->bindText(u"sUsuario", sUsuario);
        FDPesLoginUsu->bindInteger(u"iUsuario", usuarioLength);
        FDPesLoginUsu->bindText(u"sSenha", sSenha);
        FDPesLoginUsu->bindInteger(u"iSenha", senhaLength);
        auto row = FDPesLoginUsu->open();
        if (!row->next())
            return nullptr;
        auto user = std::make_unique<TUsuarios>();
        user->LerAssDataset(*row);
        return user;
    });
}
