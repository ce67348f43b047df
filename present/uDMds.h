#pragma once

#include "MemTable.h"

#include <QObject>
#include <QString>

#include <memory>

class TAssociado;
class TParceiro;
class TUsuarios;
class TListaUsuarios;
class TListaParceiro;
class TListaCidade;
class TListaNegativa;
class TListaConsNegativa;

// The presentation tables: what the grids and edit dialogs show and edit, the
// fixed lookup lists, and the copying between entities and tables. It issues
// no SQL; BuscaDoc goes through the member search of the data-access module.
// Lives for the whole run, so a window opened again finds the rows it left.
class TDMds : public QObject
{
    Q_OBJECT

public:
    explicit TDMds(QObject *parent = nullptr);
    ~TDMds() override;

    // Users of the logged-in association (user list and user editor).
    MemTable *const cdsPesUsuario;
    // Result of a member search (member list).
    MemTable *const cdsPesqAssociado;
    // The one member being created or edited (member editor).
    MemTable *const cdsCadAssociado;
    // That member's phone contacts, with their deletion marks.
    MemTable *const cdsCadFoneAcd;
    // Result of a city search.
    MemTable *const cdsPesqCidade;
    // Result of a partner search (partner list of the members' program).
    MemTable *const cdsPesqParceiro;
    // The one partner being created or edited (partner editor).
    MemTable *const cdsCadParceiro;
    // That partner's phone contacts, with their deletion marks (the rules of
    // cdsCadFoneAcd).
    MemTable *const cdsCadFoneParc;
    // The negative list: the member's own partners to choose from before a
    // registration (columns of cdsPesqParceiro), the member's registrations
    // (columns of TNegativa), the partners the consultation found (key,
    // document and name filled) and the members holding the chosen one on
    // the list (columns of TConsNegativa).
    MemTable *const cdsPesqNegParceiro;
    MemTable *const cdsNegativas;
    MemTable *const cdsConsParceiro;
    MemTable *const cdsConsNegativa;
    // Lookup lists: ID (the stored code) and DESCRICAO (the text shown).
    MemTable *const cdsTipoPessoa;
    MemTable *const cdsAtivo;
    MemTable *const cdsTipoGrp;
    MemTable *const cdsTipoCad;

    // Off only while PopulacdsCadFoneAcd or PopulacdsCadFoneParc copies
    // stored contacts: a contact typed in an editor is posted as new (key 0),
    // a copied one keeps its key.
    bool bEdicaoFones = false;

    void DataModuleCreate();
    void PopulaListasFixas();

    void PopulacdsPesUsuario(const TListaUsuarios &obj);
    void PopulacdsPesqAssociado(const TListaParceiro &obj);
    void PopulacdsPesqCidade(const TListaCidade &obj);
    void PopulacdsCadAssociado(const TAssociado &obj);
    void PopulacdsCadFoneAcd(const TAssociado &obj);
    void PopulacdsPesqParceiro(const TListaParceiro &obj);
    void PopulacdsCadParceiro(const TParceiro &obj);
    void PopulacdsCadFoneParc(const TParceiro &obj);
    void PopulacdsPesqNegParceiro(const TListaParceiro &obj);
    void PopulacdsNegativas(const TListaNegativa &obj);
    void PopulacdsConsParceiro(const TListaParceiro &obj);
    void PopulacdsConsNegativa(const TListaConsNegativa &obj);

    // New entities for the caller to own, read from the tables.
    std::unique_ptr<TUsuarios> PopulaObjUsuario();
    std::unique_ptr<TAssociado> PopulaObjAssociado();
    // The partner of cdsCadParceiro with every row of cdsCadFoneParc, marked
    // ones included (the contact write deletes those).
    std::unique_ptr<TParceiro> PopulaObjParceiro();

    // Whether a member of the logged-in association has exactly the document
    // sDoc; on success id_par takes that member's key.
    bool BuscaDoc(const QString &sDoc, qint32 &id_par, bool bMostaMensagem);
    // Whether the member in work already has a partner whose document is
    // exactly sDoc; on success id_par takes that partner's key and nome its
    // name. Shows nothing.
    bool BuscaDocParceiro(const QString &sDoc, qint32 &id_par, QString &nome);

    // Events of cdsCadFoneAcd.
    void cdsCadFoneAcdAfterInsert(MemTable &DataSet);
    void cdsCadFoneAcdBeforePost(MemTable &DataSet);
    // Answers false to keep the row: a stored contact is only marked.
    bool cdsCadFoneAcdBeforeDelete(MemTable &DataSet);

private:
    static void fillPartners(MemTable *table, const TListaParceiro &obj);
    // The contact rules both contact tables follow, by their key column.
    void installContactRules(MemTable *table, const QString &keyColumn);
    void contactBeforePost(MemTable &DataSet, QStringView keyColumn);
    static bool contactBeforeDelete(MemTable &DataSet, QStringView keyColumn);
};

extern TDMds *DMds;
