#pragma once

#include "MemTable.h"

#include <QObject>
#include <QString>

#include <memory>

class TAssociado;
class TUsuarios;
class TListaUsuarios;
class TListaParceiro;
class TListaCidade;

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
    // Lookup lists: ID (the stored code) and DESCRICAO (the text shown).
    MemTable *const cdsTipoPessoa;
    MemTable *const cdsAtivo;
    MemTable *const cdsTipoGrp;
    MemTable *const cdsTipoCad;

    // Off only while PopulacdsCadFoneAcd copies stored contacts: a contact
    // typed in the editor is posted as new (key 0), a copied one keeps its key.
    bool bEdicaoFones = false;

    void DataModuleCreate();
    void PopulaListasFixas();

    void PopulacdsPesUsuario(const TListaUsuarios &obj);
    void PopulacdsPesqAssociado(const TListaParceiro &obj);
    void PopulacdsPesqCidade(const TListaCidade &obj);
    void PopulacdsCadAssociado(const TAssociado &obj);
    void PopulacdsCadFoneAcd(const TAssociado &obj);

    // New entities for the caller to own, read from the tables.
    std::unique_ptr<TUsuarios> PopulaObjUsuario();
    std::unique_ptr<TAssociado> PopulaObjAssociado();

    // Whether a member of the logged-in association has exactly the document
    // sDoc; on success id_par takes that member's key.
    bool BuscaDoc(const QString &sDoc, qint32 &id_par, bool bMostaMensagem);

    // Events of cdsCadFoneAcd.
    void cdsCadFoneAcdAfterInsert(MemTable &DataSet);
    void cdsCadFoneAcdBeforePost(MemTable &DataSet);
    // Answers false to keep the row: a stored contact is only marked.
    bool cdsCadFoneAcdBeforeDelete(MemTable &DataSet);
};

extern TDMds *DMds;
