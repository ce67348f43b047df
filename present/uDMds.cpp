#include "uDMds.h"

#include "Feedback.h"
#include "TAssociado.h"
#include "TConsNegativa.h"
#include "TListaCidade.h"
#include "TListaConsNegativa.h"
#include "TListaNegativa.h"
#include "TListaParceiro.h"
#include "TListaUsuarios.h"
#include "TNegativa.h"
#include "TParceiro.h"
#include "Trim.h"
#include "uDM.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

TDMds *DMds = nullptr;

namespace {

using Column = MemTable::Column;

// The columns of a partner search's rows (TPesqParceiro).
QList<Column> partnerRows()
{
    return {
        Column::integer(u"PAR_I_COD"_s, true), Column::text(u"PAR_A_CNPJ_CPF"_s, 14), Column::text(u"PAR_A_NOM"_s, 100),
        Column::text(u"PAR_A_LGR"_s, 100),     Column::text(u"PAR_A_NUM"_s, 20),      Column::text(u"PAR_A_BRR"_s, 100),
        Column::text(u"PAR_A_TIP"_s, 1),       Column::text(u"PAR_A_ABL"_s, 1),       Column::integer(u"ACD_I_COD"_s)};
}

MemTable *lookupTable(int descriptionWidth, QObject *parent)
{
    return new MemTable({Column::text(u"ID"_s, 1), Column::text(u"DESCRICAO"_s, descriptionWidth)}, parent);
}

} // namespace

TDMds::TDMds(QObject *parent)
    : QObject(parent),
      cdsPesUsuario(new MemTable({Column::integer(u"USU_I_COD"_s, true), Column::integer(u"USU_I_VER"_s),
                                  Column::text(u"USU_A_NOM"_s, 100), Column::text(u"USU_A_USU"_s, 30),
                                  Column::text(u"USU_A_SEN"_s, 100), Column::text(u"USU_A_ABL"_s, 1),
                                  Column::integer(u"ASS_I_COD"_s), Column::text(u"USU_A_MST"_s, 1)},
                                 this)),
      cdsPesqAssociado(new MemTable({Column::integer(u"ACD_I_COD"_s, true), Column::text(u"ACD_A_CNPJ"_s, 14),
                                     Column::text(u"ACD_A_NOM"_s, 100), Column::text(u"ACD_A_LGR"_s, 100),
                                     Column::text(u"ACD_A_NUM"_s, 20), Column::text(u"ACD_A_BRR"_s, 100),
                                     Column::text(u"ACD_A_ABL"_s, 1)},
                                    this)),
      cdsCadAssociado(new MemTable(
          {Column::integer(u"ACD_I_COD"_s, true), Column::integer(u"ACD_I_VER"_s),    Column::text(u"ACD_A_CNPJ"_s, 14),
           Column::text(u"ACD_A_IE"_s, 20),       Column::text(u"ACD_A_NOM"_s, 100),  Column::text(u"ACD_A_LGR"_s, 100),
           Column::text(u"ACD_A_NUM"_s, 20),      Column::text(u"ACD_A_CPL"_s, 100),  Column::text(u"ACD_A_BRR"_s, 100),
           Column::text(u"ACD_A_CEP"_s, 10),      Column::text(u"CID_A_COD"_s, 7),    Column::text(u"CID_A_DSC"_s, 50),
           Column::text(u"CID_A_UF"_s, 2),        Column::text(u"ACD_A_MAIL"_s, 100), Column::integer(u"ASS_I_COD"_s),
           Column::text(u"ACD_A_ABL"_s, 1),       Column::text(u"ACD_A_PCT1"_s, 1),   Column::text(u"ACD_A_PCT2"_s, 1),
           Column::dateTime(u"ACD_D_CAD"_s),      Column::integer(u"USU_I_COD"_s),    Column::text(u"USU_A_NOM"_s, 100),
           Column::text(u"ASS_A_CNPJ"_s, 14)},
          this)),
      cdsCadFoneAcd(new MemTable({Column::integer(u"ACC_I_COD"_s, true), Column::integer(u"ACC_I_VER"_s),
                                  Column::text(u"ACC_A_CON"_s, 40), Column::text(u"ACC_A_DDD"_s, 2),
                                  Column::text(u"ACC_A_FON"_s, 15), Column::integer(u"ACD_I_COD"_s),
                                  Column::boolean(u"Excluir"_s)},
                                 this)),
      cdsPesqCidade(new MemTable(
          {Column::text(u"CID_A_COD"_s, 7), Column::text(u"CID_A_DSC"_s, 50), Column::text(u"CID_A_UF"_s, 2)}, this)),
      cdsPesqParceiro(new MemTable(partnerRows(), this)),
      cdsCadParceiro(new MemTable({Column::integer(u"PAR_I_COD"_s, true), Column::integer(u"PAR_I_VER"_s),
                                   Column::text(u"PAR_A_TIP"_s, 1),       Column::text(u"PAR_A_PES"_s, 1),
                                   Column::text(u"PAR_A_CNPJ_CPF"_s, 14), Column::text(u"PAR_A_IE_RG"_s, 20),
                                   Column::text(u"PAR_A_NOM"_s, 100),     Column::text(u"PAR_A_LGR"_s, 100),
                                   Column::text(u"PAR_A_NUM"_s, 20),      Column::text(u"PAR_A_CPL"_s, 100),
                                   Column::text(u"PAR_A_BRR"_s, 100),     Column::text(u"CID_A_COD"_s, 7),
                                   Column::text(u"CID_A_DSC"_s, 50),      Column::text(u"CID_A_UF"_s, 2),
                                   Column::text(u"PAR_A_CEP"_s, 10),      Column::text(u"PAR_A_MAIL"_s, 100),
                                   Column::text(u"PAR_A_ABL"_s, 1),       Column::text(u"PAR_A_NEG"_s, 1),
                                   Column::dateTime(u"PAR_D_CAD"_s),      Column::integer(u"USU_I_COD"_s),
                                   Column::text(u"USU_A_NOM"_s, 100),     Column::integer(u"ACD_I_COD"_s)},
                                  this)),
      cdsCadFoneParc(new MemTable({Column::integer(u"PAC_I_COD"_s, true), Column::integer(u"PAC_I_VER"_s),
                                   Column::text(u"PAC_A_CON"_s, 40), Column::text(u"PAC_A_DDD"_s, 2),
                                   Column::text(u"PAC_A_FON"_s, 15), Column::integer(u"PAR_I_COD"_s),
                                   Column::boolean(u"Excluir"_s)},
                                  this)),
      cdsPesqNegParceiro(new MemTable(partnerRows(), this)),
      cdsNegativas(new MemTable({Column::integer(u"PNG_I_COD"_s, true), Column::dateTime(u"PNG_D_REG"_s),
                                 Column::text(u"PNG_A_MOT"_s, 200), Column::number(u"PNG_N_VAL"_s),
                                 Column::integer(u"PAR_I_COD"_s), Column::text(u"PAR_A_NOM"_s, 100),
                                 Column::integer(u"ACD_I_COD"_s), Column::dateTime(u"PNG_D_RET"_s),
                                 Column::text(u"PNG_A_RET"_s, 200), Column::text(u"PNG_A_NEG"_s, 1)},
                                this)),
      cdsConsParceiro(new MemTable(partnerRows(), this)),
      cdsConsNegativa(new MemTable(
          {Column::integer(u"PAR_I_COD"_s), Column::text(u"PAR_A_NOM"_s, 100), Column::integer(u"ACD_I_COD"_s),
           Column::text(u"ACD_A_NOM"_s, 100), Column::integer(u"ASS_I_COD"_s), Column::text(u"ASS_A_NOM"_s, 100),
           Column::text(u"ASS_A_LGR"_s, 100), Column::text(u"ASS_A_NUM"_s, 20), Column::text(u"ASS_A_CPL"_s, 100),
           Column::text(u"ASS_A_BRR"_s, 100), Column::text(u"ASS_A_CEP"_s, 10), Column::text(u"CID_A_DSC"_s, 50),
           Column::text(u"CID_A_UF"_s, 2)},
          this)),
      cdsTipoPessoa(lookupTable(10, this)),
      cdsAtivo(lookupTable(3, this)),
      cdsTipoGrp(lookupTable(20, this)),
      cdsTipoCad(lookupTable(20, this))
{
    cdsCadFoneAcd->setAfterInsert([this](MemTable &table) { cdsCadFoneAcdAfterInsert(table); });
    cdsCadFoneAcd->setBeforePost([this](MemTable &table) { cdsCadFoneAcdBeforePost(table); });
    cdsCadFoneAcd->setBeforeDelete([this](MemTable &table) { return cdsCadFoneAcdBeforeDelete(table); });
    installContactRules(cdsCadFoneParc, u"PAC_I_COD"_s);
    DataModuleCreate();
}

TDMds::~TDMds() = default;

void TDMds::DataModuleCreate()
{
    PopulaListasFixas();
    bEdicaoFones = true;
}

void TDMds::PopulaListasFixas()
{
    struct Item
    {
        QString id, descricao;
    };
    const auto fill = [](MemTable *table, std::initializer_list<Item> items) {
        table->empty();
        for (const Item &item : items) {
            table->append();
            table->setText(u"ID", item.id);
            table->setText(u"DESCRICAO", item.descricao);
            table->post();
        }
    };
    fill(cdsTipoPessoa, {{u"F"_s, u"FÍSICO"_s}, {u"J"_s, u"JURÍDICO"_s}});
    fill(cdsAtivo, {{u"S"_s, u"SIM"_s}, {u"N"_s, u"NÃO"_s}});
    fill(cdsTipoGrp, {{u"C"_s, u"Créditar"_s}, {u"D"_s, u"Debitar"_s}});
    fill(cdsTipoCad, {{u"C"_s, u"CLIENTE"_s}, {u"F"_s, u"FORNECEDOR"_s}});
}

void TDMds::PopulacdsPesUsuario(const TListaUsuarios &obj)
{
    MemTable::BulkLoad bulk(*cdsPesUsuario);
    cdsPesUsuario->empty();
    for (const auto &usuario : obj.Lista()) {
        cdsPesUsuario->append();
        usuario->GravaAssDataset(*cdsPesUsuario);
        cdsPesUsuario->post();
    }
    cdsPesUsuario->first();
}

void TDMds::PopulacdsPesqAssociado(const TListaParceiro &obj)
{
    MemTable::BulkLoad bulk(*cdsPesqAssociado);
    cdsPesqAssociado->empty();
    for (const auto &associado : obj.Lista()) {
        cdsPesqAssociado->append();
        associado->GravaAcdDataset(*cdsPesqAssociado);
        cdsPesqAssociado->post();
    }
    cdsPesqAssociado->first();
}

void TDMds::PopulacdsPesqCidade(const TListaCidade &obj)
{
    MemTable::BulkLoad bulk(*cdsPesqCidade);
    cdsPesqCidade->empty();
    for (const auto &cidade : obj.lista()) {
        cdsPesqCidade->append();
        cdsPesqCidade->setText(u"CID_A_COD", cidade->ibge());
        cdsPesqCidade->setText(u"CID_A_DSC", cidade->cidade());
        cdsPesqCidade->setText(u"CID_A_UF", cidade->uf());
        cdsPesqCidade->post();
    }
    cdsPesqCidade->first();
}

void TDMds::PopulacdsCadAssociado(const TAssociado &obj)
{
    MemTable::BulkLoad bulk(*cdsCadAssociado);
    cdsCadAssociado->empty();
    cdsCadAssociado->append();
    obj.GravaDataset(*cdsCadAssociado);
    cdsCadAssociado->post();
}

void TDMds::PopulacdsCadFoneAcd(const TAssociado &obj)
{
    MemTable::BulkLoad bulk(*cdsCadFoneAcd);
    bEdicaoFones = false;
    // Back on also after a failed copy: left off, every contact typed in the
    // editor afterwards would fail its post for lack of a key.
    const auto restore = qScopeGuard([this] { bEdicaoFones = true; });
    cdsCadFoneAcd->empty();
    for (const auto &fone : obj.fones()) {
        cdsCadFoneAcd->append();
        fone->GravaAcdDataset(*cdsCadFoneAcd);
        cdsCadFoneAcd->post();
    }
}

void TDMds::fillPartners(MemTable *table, const TListaParceiro &obj)
{
    MemTable::BulkLoad bulk(*table);
    table->empty();
    for (const auto &parceiro : obj.Lista()) {
        table->append();
        parceiro->GravaParcDataset(*table);
        table->post();
    }
    table->first();
}

void TDMds::PopulacdsPesqParceiro(const TListaParceiro &obj)
{
    fillPartners(cdsPesqParceiro, obj);
}

void TDMds::PopulacdsPesqNegParceiro(const TListaParceiro &obj)
{
    fillPartners(cdsPesqNegParceiro, obj);
}

void TDMds::PopulacdsConsParceiro(const TListaParceiro &obj)
{
    fillPartners(cdsConsParceiro, obj);
}

void TDMds::PopulacdsNegativas(const TListaNegativa &obj)
{
    MemTable::BulkLoad bulk(*cdsNegativas);
    cdsNegativas->empty();
    for (const auto &negativa : obj.lista()) {
        cdsNegativas->append();
        negativa->GravaDataset(*cdsNegativas);
        cdsNegativas->post();
    }
    cdsNegativas->first();
}

void TDMds::PopulacdsConsNegativa(const TListaConsNegativa &obj)
{
    MemTable::BulkLoad bulk(*cdsConsNegativa);
    cdsConsNegativa->empty();
    for (const auto &linha : obj.lista()) {
        cdsConsNegativa->append();
        linha->GravaDataset(*cdsConsNegativa);
        cdsConsNegativa->post();
    }
    cdsConsNegativa->first();
}

void TDMds::PopulacdsCadParceiro(const TParceiro &obj)
{
    MemTable::BulkLoad bulk(*cdsCadParceiro);
    cdsCadParceiro->empty();
    cdsCadParceiro->append();
    obj.GravaDataset(*cdsCadParceiro);
    cdsCadParceiro->post();
}

void TDMds::PopulacdsCadFoneParc(const TParceiro &obj)
{
    MemTable::BulkLoad bulk(*cdsCadFoneParc);
    bEdicaoFones = false;
    const auto restore = qScopeGuard([this] { bEdicaoFones = true; });
    cdsCadFoneParc->empty();
    for (const auto &fone : obj.fones()) {
        cdsCadFoneParc->append();
        fone->GravaParDataset(*cdsCadFoneParc);
        cdsCadFoneParc->post();
    }
}

std::unique_ptr<TUsuarios> TDMds::PopulaObjUsuario()
{
    auto usuario = std::make_unique<TUsuarios>();
    usuario->LerAssDataset(*cdsPesUsuario);
    return usuario;
}

std::unique_ptr<TAssociado> TDMds::PopulaObjAssociado()
{
    if (cdsCadAssociado->isEditing())
        cdsCadAssociado->post();
    auto associado = std::make_unique<TAssociado>();
    associado->LerDataset(*cdsCadAssociado);
    // Every row, marked ones included: the write of the contacts deletes,
    // updates or inserts each by its key and mark. A new contact with
    // neither a name nor a number is nobody's contact and is left out.
    cdsCadFoneAcd->first();
    while (!cdsCadFoneAcd->eof()) {
        auto fone = std::make_unique<TFones>();
        fone->LerAcdDataset(*cdsCadFoneAcd);
        if (fone->id() > 0 || !Trim(fone->nome()).isEmpty() || !Trim(fone->fone()).isEmpty())
            associado->fones().append(std::move(fone));
        cdsCadFoneAcd->next();
    }
    return associado;
}

std::unique_ptr<TParceiro> TDMds::PopulaObjParceiro()
{
    if (cdsCadParceiro->isEditing())
        cdsCadParceiro->post();
    auto parceiro = std::make_unique<TParceiro>();
    parceiro->LerDataset(*cdsCadParceiro);
    cdsCadFoneParc->first();
    while (!cdsCadFoneParc->eof()) {
        auto fone = std::make_unique<TFones>();
        fone->LerParDataset(*cdsCadFoneParc);
        parceiro->fones().append(std::move(fone));
        cdsCadFoneParc->next();
    }
    return parceiro;
}

bool TDMds::BuscaDocParceiro(const QString &sDoc, qint32 &id_par, QString &nome)
{
    // The search matches by containment; only the whole document counts.
    const std::unique_ptr<TListaParceiro> lista = DM->PesqParceiro(tpMeus, tpDocumento, tpTodosParc, Trim(sDoc));
    for (const auto &parceiro : lista->Lista()) {
        if (parceiro->documento() == sDoc) {
            id_par = parceiro->id();
            nome = parceiro->nome();
            return true;
        }
    }
    return false;
}

bool TDMds::BuscaDoc(const QString &sDoc, qint32 &id_par, bool bMostaMensagem)
{
    bool found = false;
    // The search matches by containment; only the whole document counts.
    const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpDocumento, Trim(sDoc));
    if (lista) {
        for (const auto &associado : lista->Lista()) {
            if (associado->documento() == sDoc) {
                id_par = associado->id();
                found = true;
                break;
            }
        }
    }
    if (!found && bMostaMensagem)
        Feedback::current().showMessage(Feedback::Kind::Information, u"Associado não localizado."_s);
    return found;
}

void TDMds::cdsCadFoneAcdAfterInsert(MemTable &DataSet)
{
    DataSet.setBoolean(u"Excluir", false);
}

void TDMds::cdsCadFoneAcdBeforePost(MemTable &DataSet)
{
    contactBeforePost(DataSet, u"ACC_I_COD");
}

bool TDMds::cdsCadFoneAcdBeforeDelete(MemTable &DataSet)
{
    return contactBeforeDelete(DataSet, u"ACC_I_COD");
}

void TDMds::installContactRules(MemTable *table, const QString &keyColumn)
{
    table->setAfterInsert([](MemTable &t) { t.setBoolean(u"Excluir", false); });
    table->setBeforePost([this, keyColumn](MemTable &t) { contactBeforePost(t, keyColumn); });
    table->setBeforeDelete([keyColumn](MemTable &t) { return contactBeforeDelete(t, keyColumn); });
}

void TDMds::contactBeforePost(MemTable &DataSet, QStringView keyColumn)
{
    if (bEdicaoFones && DataSet.state() == MemTable::State::Insert)
        DataSet.setInteger(keyColumn, 0);
}

bool TDMds::contactBeforeDelete(MemTable &DataSet, QStringView keyColumn)
{
    if (DataSet.integer(keyColumn) <= 0)
        return true; // never stored: simply removed
    if (!DataSet.isEditing())
        DataSet.edit();
    DataSet.setBoolean(u"Excluir", true);
    DataSet.post();
    return false;
}
