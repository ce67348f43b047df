#pragma once

#include "ConnectionSettings.h"
#include "DateTime.h"
#include "Selectors.h"
#include "WriteRefusal.h"

#include <QList>
#include <QString>

#include <vector>

#include <memory>

class FbConnection;
class FbStatement;
class TAssociado;
class TUsuarios;
class TParceiro;
class TContaGrupo;
class TConta;
class TAcdPagamento;
class TAcdBaixaPag;
class TListaUsuarios;
class TListaCidade;
class TListaParceiro;
class TListaNegativa;
class TListaConsNegativa;
class TListaContaGrupo;
class TListaConta;
class TListaFormaPagto;
class TListaAcdPagamento;
class TListaAcdBaixaPag;
class TListaDRE;

// The data-access module: the only place that talks to the database. It owns
// the connection and one statement object per statement of the system.
//
// Readers (Le...) let database errors escape to the caller; every other
// operation reports a failure itself, as an error message made of its prefix
// and the database's text, and answers false or an empty list holder.
// Whatever an operation returns belongs to the caller. Every operation is
// written in one of the frames of uDMFrames.h. A flow that writes several
// rows as one holds an FbTransaction on connection() around the operations:
// inside it they commit nothing on their own, and nothing stays written
// unless the flow commits.
class TDM
{
public:
    // Opens the connection definition "Ulmora" (see ConnectionSettings).
    TDM();
    explicit TDM(const ConnectionSettings &settings);
    ~TDM();
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    FbConnection &connection() const { return *UlmoraConnection; }

    // Why the last write operation answered false, when another seat was the
    // reason (the row changed or was deleted since it was read, it is held
    // by another seat, the document was registered meanwhile); None after a
    // write that succeeded or failed for any other reason. The window then
    // reads the row again.
    WriteRefusal lastRefusal() const { return lastWriteRefusal(); }

    // Register readers.
    bool LeAssociacao(const QString &sCNPJ);
    bool LeAssociadoCNPJ(const QString &sCNPJ);
    std::unique_ptr<TAssociado> LeAssociadoID(qint32 iACD);
    std::unique_ptr<TListaUsuarios> LeUsuario(qint32 iACD);
    std::unique_ptr<TListaUsuarios> LeUsuarioASS(qint32 iASS);
    // The login check: the active user of association iASS whose user name
    // and password are exactly these texts (the lowest key when several
    // are), or null. The database compares the password; the entity comes
    // back without it, so no stored password reaches this process.
    std::unique_ptr<TUsuarios> LeUsuarioLogin(qint32 iASS, const QString &sUsuario, const QString &sSenha);

    // The login of the members' program: the active user sUsuario whose
    // password is sSenha, of an active member of the active association
    // whose CNPJ is sCNPJ (all three as stored: exact, case-sensitive,
    // trailing blanks counting). The database compares; no stored password
    // is read. On a match: AssociacaoAtual and AssociadoAtual (with its
    // contacts) are filled, Usuario takes the user without its password,
    // bSenhaInicial tells whether the password is still the initial one the
    // member register gives (the first five characters of the member's
    // document), and the answer is true. Of several matching users the one
    // with the lowest key. No match leaves everything untouched. A reader:
    // database errors escape.
    bool LeLoginAssociado(const QString &sCNPJ, const QString &sUsuario, const QString &sSenha, TUsuarios &Usuario,
                          bool &bSenhaInicial);

    // Register writes.
    bool IUAssociado(TAssociado &Obj);
    bool IUAcdFones(const TAssociado &Obj);
    bool IUAcdUsuarios(const TUsuarios &Obj);
    bool IUUsuariosASS(const TUsuarios &Obj);
    bool ExcluirAssociado(qint32 iACD);

    // What the member editor stores, in one transaction: the member and its
    // contacts, and for a new member (Login given) its login user, whose
    // id_pai becomes the member's key. All of it is stored, or none: the
    // first failure is shown by the operation that met it (IUAssociado,
    // IUAcdFones, IUUsuarios), everything is rolled back and Obj keeps the
    // key and version it came with, so that it can be written again.
    bool GravaAssociado(TAssociado &Obj, TUsuarios *Login);

    // The members of the logged-in association with these keys, in the
    // order of `ids`, each with its contacts (a report of a search's rows);
    // keys of other associations or of deleted members are left out. Keep
    // `ids` to 2,000 keys at most (they travel as one text of up to 32,000
    // characters). A reader: database errors escape.
    std::vector<std::unique_ptr<TAssociado>> LeAssociadosIDs(const QList<qint32> &ids);

    // Searches.
    std::unique_ptr<TListaParceiro> PesqAssociado(TTipoPesqParceiro TipoPesquisa, const QString &sTexto);
    std::unique_ptr<TListaCidade> PesqCidade(TTipoPesqCidade Tipo, const QString &Texto);
    std::unique_ptr<TListaParceiro> PesqParceiro(TTipoCadastro TipoCadastro, TTipoPesqParceiro TipoPesquisa,
                                                 TTipoParceiro TipoParceiro, const QString &sTexto);
    // The texts the searches open; the session keys they read are arguments here.
    static QString textoPesqAssociado(qint32 iASS, TTipoPesqParceiro TipoPesquisa, const QString &sTexto);
    static QString textoPesqCidade(TTipoPesqCidade Tipo, const QString &Texto);
    // "Todos cadastrados" (tpTodosCad) is every partner of the members of
    // the association iASS, never those of another association's members.
    static QString textoPesqParceiro(TTipoCadastro TipoCadastro, TTipoPesqParceiro TipoPesquisa,
                                     TTipoParceiro TipoParceiro, qint32 iACD, qint32 iASS, const QString &sTexto);
    // The partners the negative-list consultation looks among, by name
    // (tpNome) or by document (tpDocumento): every partner some member holds
    // on the list, of any association, and every partner of the members of
    // the member's own association. One row per document (the lowest key and
    // name of the partners that carry it), by name; only key, document and
    // name are filled.
    std::unique_ptr<TListaParceiro> PesqConsNegativa(TTipoPesqParceiro TipoPesquisa, const QString &sTexto);
    static QString textoPesqConsNegativa(TTipoPesqParceiro TipoPesquisa, qint32 iASS, const QString &sTexto);

    // Accounts, entries and result statements.
    std::unique_ptr<TListaContaGrupo> LeContaGrupo(qint32 iACD);
    std::unique_ptr<TListaConta> LeConta(qint32 iACD);
    std::unique_ptr<TListaFormaPagto> LeFormaPagto();
    std::unique_ptr<TListaAcdPagamento> PesqPagamento(const QString &StatusPag, TTipoDataPesq TipoData, DateTime DtIn,
                                                      DateTime DtFi, qint32 iGrupo, qint32 iConta,
                                                      const QString &sNomeParceiro, const QString &sDescricao);
    bool IUContaGrupo(const TContaGrupo &Obj);
    bool IUConta(const TConta &Obj);
    bool IUacdPagamento(const TAcdPagamento &Obj);
    bool AcdBaixaPag(const TListaAcdBaixaPag &Obj);
    bool AcdEstornaPag(const TAcdBaixaPag &Obj);
    bool ExcluirContaGrupo(qint32 iGRP);
    bool ExcluirConta(qint32 iCON);
    bool ExcluirPagamento(qint32 iPAG);
    std::unique_ptr<TListaDRE> ConsDREop(qint32 iACD, DateTime dtIn, DateTime dtFi);
    std::unique_ptr<TListaDRE> ConsDREfi(qint32 iACD, DateTime dtIn, DateTime dtFi);
    // The text PesqPagamento opens. The search is always narrowed to the
    // entries of the member iACD (the member in work), whatever the group,
    // account or texts say: no member ever sees another's entries.
    static QString textoPesqPagamento(const QString &StatusPag, TTipoDataPesq TipoData, DateTime DtIn, DateTime DtFi,
                                      qint32 iGrupo, qint32 iConta, const QString &sNomeParceiro,
                                      const QString &sDescricao, qint32 iACD);

    // Partners and the negative list.
    std::unique_ptr<TParceiro> LeParceiro(qint32 iPAR);
    std::unique_ptr<TListaNegativa> PesqNegativas(qint32 iSTS, bool bUsaDt, DateTime DtIn, DateTime DtFi, qint32 iACD);
    bool IUParceiro(TParceiro &Obj);
    bool IUParcFones(const TParceiro &Obj);
    // A partner and its contacts in one transaction, as GravaAssociado.
    bool GravaParceiro(TParceiro &Obj);
    bool ExcluirParceiro(qint32 iPAR);
    bool InsertNegativa(const QString &sMotivo, double nValor, qint32 iPAR, qint32 iACD);
    bool Positivar(qint32 iPNG, const QString &sMotivo);
    std::unique_ptr<TListaConsNegativa> ConsNegativado(qint32 iPAR);
    // ConsNegativado over every partner whose document is exactly sDoc: the
    // same customer is a partner of each member that sells to it, so the
    // members of every association that hold it on the list, one row each.
    std::unique_ptr<TListaConsNegativa> ConsNegativadoDoc(const QString &sDoc);
    // The text PesqNegativas opens.
    static QString textoPesqNegativas(qint32 iSTS, bool bUsaDt, DateTime DtIn, DateTime DtFi, qint32 iACD);

private:
    void DataModuleCreate();
    void DataModuleDestroy();

    // Each area of the module creates its own statements.
    void createRegistryStatements();
    void createWriteStatements();
    void createSearchStatements();
    void createFinanceStatements();
    void createPartnerStatements();
    void createLoginStatements();

    // Fills target (contacts included) from the first row of FDPesAssociado,
    // bound by the caller; false when it has none.
    bool readMember(TAssociado &target);

    std::unique_ptr<FbStatement> statement(const QString &sql = QString());

    std::unique_ptr<FbConnection> UlmoraConnection;

    // Registry readers and writes.
    std::unique_ptr<FbStatement> FDPesAssociacao, FDPesAssFones;
    std::unique_ptr<FbStatement> FDPesAssociado, FDPesAcdFones, FDPesAcdUsu, FDPesAssUsu, FDPesLoginUsu;
    std::unique_ptr<FbStatement> FDiuAssociado, FDiuAcdFones, FDdelAcdFones, FDiuAcdUsuarios, FDiuUsuariosASS;
    std::unique_ptr<FbStatement> FDDelAssociado, FDdvs;
    std::unique_ptr<FbStatement> FDPesLoginAcd;

    // Searches (text built at run time).
    std::unique_ptr<FbStatement> FDPesqAssociado, FDPesqCidade, FDPesqParceiro, FDPesqConsNeg;

    // Finance.
    std::unique_ptr<FbStatement> FDPesContaGrupo, FDPesConta, FDPesFPagto, FDPesAcdPagamento;
    std::unique_ptr<FbStatement> FDiuContaGrupo, FDiuConta, FDiuAcdPag;
    std::unique_ptr<FbStatement> FDBaixaPag, FDEstornaPag, FDDelContaGrupo, FDDelConta, FDDelAcdPag;
    std::unique_ptr<FbStatement> FDDREop, FDDREfi;

    // Partners and the negative list.
    std::unique_ptr<FbStatement> FDPesParceiro, FDPesParFones, FDiuParceiro, FDiuParFones, FDdelParFones;
    std::unique_ptr<FbStatement> FDDelParceiro, FDPesNegativas, FDInsertNeg, FDPositivar, FDConsNeg, FDConsNegDoc;
};

// The one data-access module of the running program.
extern TDM *DM;
