#include "DataSet.h"
#include "Session.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TAssociacao.h"
#include "TAssociado.h"
#include "TConsNegativa.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TDRE.h"
#include "TFones.h"
#include "TFormaPagto.h"
#include "TNegativa.h"
#include "TParceiro.h"
#include "TPesqParceiro.h"
#include "TUsuarios.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The current row of a query or table, reduced to what the mappings see: named
// columns (found without regard to case) holding a QVariant each, an invalid
// or null one being a null column. It logs the columns in the order they are
// looked up. A growing row answers unknown names with a new null column, so a
// write can be captured without knowing its columns beforehand.
class Row : public DataSet
{
public:
    explicit Row(bool growing = false) : m_growing(growing) { }

    // One column per name, holding "1", "2", ... in that order: each value
    // converts to every type and tells the columns apart.
    static Row numbered(const QString &columns)
    {
        Row row;
        const QStringList names = columns.split(u' ');
        for (qsizetype i = 0; i < names.size(); ++i)
            row.set(names.at(i), QString::number(i + 1));
        return row;
    }

    void set(const QString &name, const QVariant &value)
    {
        const qsizetype i = m_names.indexOf(name);
        if (i >= 0) {
            m_values[i] = value;
        } else {
            m_names.append(name);
            m_values.append(value);
        }
    }
    void remove(const QString &name)
    {
        const qsizetype i = m_names.indexOf(name);
        m_names.removeAt(i);
        m_values.removeAt(i);
    }
    QVariant value(const QString &name) const { return m_values.value(m_names.indexOf(name)); }
    const QStringList &visited() const { return m_visited; }

    int fieldIndex(QStringView name) const override
    {
        for (qsizetype i = 0; i < m_names.size(); ++i) {
            if (name.compare(m_names.at(i), Qt::CaseInsensitive) == 0) {
                m_visited.append(m_names.at(i));
                return int(i);
            }
        }
        if (!m_growing)
            throw missingField(name);
        m_names.append(name.toString());
        m_values.append(QVariant());
        m_visited.append(m_names.last());
        return int(m_names.size() - 1);
    }

    bool isNull(int column) const override { return m_values.at(column).isNull(); }
    qint32 integerAt(int column) const override { return isNull(column) ? 0 : convert(column, &QVariant::toInt); }
    QString textAt(int column) const override { return m_values.at(column).toString(); }
    double floatAt(int column) const override { return isNull(column) ? 0.0 : convert(column, &QVariant::toDouble); }
    DateTime dateTimeAt(int column) const override { return DateTime(floatAt(column)); }
    bool booleanAt(int column) const override { return m_values.at(column).toBool(); }

    void setInteger(int column, qint32 value) override { m_values[column] = value; }
    void setText(int column, const QString &value) override { m_values[column] = value; }
    void setFloat(int column, double value) override { m_values[column] = value; }
    void setDateTime(int column, DateTime value) override { m_values[column] = value.days(); }
    void setBoolean(int column, bool value) override { m_values[column] = value; }
    void setNull(int column) override { m_values[column] = QVariant(); }

private:
    template<typename R>
    R convert(int column, R (QVariant::*to)(bool *) const) const
    {
        bool ok = false;
        const R result = (m_values.at(column).*to)(&ok);
        if (!ok)
            throw DataSetError(u"Valor inválido em '%1'"_s.arg(m_names.at(column)));
        return result;
    }

    bool m_growing;
    mutable QStringList m_names; // a growing row adds columns while it is read
    mutable QVariantList m_values;
    mutable QStringList m_visited;
};

// The message of the DataSetError that `call` raises, or a null string.
QString failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const DataSetError &error) {
        return error.message();
    }
    return QString();
}

// One mapping pair bound to a fresh entity, so the _data table can list every
// class's operations side by side.
struct Mapping
{
    std::function<void(const DataSet &)> ler;
    std::function<void(DataSet &)> grava; // empty where the class only reads
};

template<typename T>
Mapping mapping(void (T::*ler)(const DataSet &), void (T::*grava)(DataSet &) const = nullptr)
{
    auto entity = std::make_shared<T>();
    Mapping m;
    m.ler = [entity, ler](const DataSet &ds) { ((*entity).*ler)(ds); };
    if (grava)
        m.grava = [entity, grava](DataSet &ds) { ((*entity).*grava)(ds); };
    return m;
}

const QString associacaoColumns = u"ASS_I_COD ASS_A_CNPJ ASS_A_IE ASS_A_NOM ASS_A_LGR ASS_A_NUM "
                                  "ASS_A_CPL ASS_A_BRR CID_A_COD CID_A_DSC CID_A_UF ASS_A_CEP "
                                  "ASS_A_MAIL ASS_A_ABL"_s;
const QString associadoColumns = u"ACD_I_COD ACD_A_CNPJ ACD_A_IE ACD_A_NOM ACD_A_LGR ACD_A_NUM "
                                 "ACD_A_CPL ACD_A_BRR CID_A_COD CID_A_DSC CID_A_UF ACD_A_CEP "
                                 "ACD_A_MAIL ACD_A_ABL ASS_I_COD ASS_A_CNPJ ACD_A_PCT1 ACD_A_PCT2 "
                                 "ACD_D_CAD USU_I_COD USU_A_NOM ACD_I_VER"_s;
const QString pagamentoColumns = u"PAG_I_COD FPG_I_COD FPG_A_DSC CON_I_COD CON_A_DSC PAG_A_DSC "
                                 "PAG_I_PAR PAG_I_TPAR PAG_D_DIV PAG_N_DIV PAG_D_VNC PAG_D_PAG "
                                 "PAG_N_DA PAG_N_PAG PAG_A_STS PAR_I_COD PAR_A_NOM ACD_I_COD "
                                 "GRP_I_COD GRP_A_DSC GRP_A_TIP"_s;

} // namespace

Q_DECLARE_METATYPE(Mapping)

class tst_entities : public QObject
{
    Q_OBJECT

private slots:
    void newEntitiesAreEmpty();
    void sessionCreatesAndFreesItsObjects();
    void nullJoinedColumnsReadEmpty();
    void columnsAreFoundWithoutRegardToCase();
    void contactDeletionMark();
    void userOwnerColumnFollowsRegister();
    void missingColumnFailsAfterEarlierProperties();
    void amountsAndDatesOfEntries();
    void mappingRoundTrip_data();
    void mappingRoundTrip();
};

void tst_entities::newEntitiesAreEmpty()
{
    const TAssociado associado;
    QCOMPARE(associado.id(), 0);
    QVERIFY(associado.cnpj().isEmpty());
    QVERIFY(associado.nome_usu().isEmpty());
    QCOMPARE(associado.id_usu(), 0);
    QVERIFY(associado.dt_cad().isEmpty());
    QVERIFY(associado.fones().isEmpty());

    const TFones fone;
    QVERIFY(!fone.excluir());
    QVERIFY(fone.telefone().isEmpty());

    const TParceiro parceiro;
    QVERIFY(parceiro.dt_cad().isEmpty());
    QVERIFY(parceiro.fones().isEmpty());

    const TAcdPagamento pagamento;
    QCOMPARE(pagamento.vlr_parc(), 0.0);
    QVERIFY(pagamento.dt_pag().isEmpty());
}

void tst_entities::sessionCreatesAndFreesItsObjects()
{
    QCOMPARE(UsuarioLogado.id, 0);
    QCOMPARE(UsuarioLogado.id_pai, 0);
    QVERIFY(UsuarioLogado.nome.isEmpty() && UsuarioLogado.mst.isEmpty() && UsuarioLogado.abl.isEmpty());
    QVERIFY(!AssociacaoAtual && !AssociadoAtual);

    CriaGlobais();
    QVERIFY(AssociacaoAtual && AssociadoAtual);
    QCOMPARE(AssociacaoAtual->id(), 0);
    QVERIFY(AssociacaoAtual->abilitado().isEmpty());
    QCOMPARE(AssociadoAtual->id(), 0);
    QVERIFY(AssociadoAtual->fones().isEmpty());

    LiberaGlobais();
    QVERIFY(!AssociacaoAtual);
    QVERIFY(!AssociadoAtual);
}

void tst_entities::nullJoinedColumnsReadEmpty()
{
    // A member read earlier must not keep the joined values of that read.
    TAssociado associado;
    associado.LerDataset(Row::numbered(associadoColumns));
    QCOMPARE(associado.nome_usu(), u"21"_s);

    // City and association gone from their registers, no registering user.
    Row row = Row::numbered(associadoColumns);
    for (const QString &column : {u"CID_A_DSC"_s, u"CID_A_UF"_s, u"ASS_A_CNPJ"_s, u"USU_I_COD"_s, u"USU_A_NOM"_s})
        row.set(column, QVariant());
    associado.LerDataset(row);

    QVERIFY(associado.cidade().isEmpty());
    QVERIFY(associado.uf().isEmpty());
    QVERIFY(associado.cnpj_ass().isEmpty());
    QVERIFY(associado.nome_usu().isEmpty());
    QCOMPARE(associado.id_usu(), 0);
    QCOMPARE(associado.ibge(), u"9"_s);
    QCOMPARE(associado.id_ass(), 15);
}

void tst_entities::columnsAreFoundWithoutRegardToCase()
{
    // The in-memory contact table names its mark "Excluir" and may spell the
    // other columns in any case.
    Row contato = Row::numbered(u"acc_i_cod Acc_A_Con ACC_A_DDD acc_a_fon Acc_I_Ver"_s);
    contato.set(u"Excluir"_s, true);
    TFones fone;
    fone.LerAcdDataset(contato);
    QCOMPARE(fone.id(), 1);
    QCOMPARE(fone.fone(), u"4"_s);
    QVERIFY(fone.excluir());

    // The search mappings name their columns in lower case; queries answer in
    // upper case.
    TPesqParceiro pesq;
    pesq.LerParcDataset(Row::numbered(
        u"PAR_I_COD PAR_A_NOM PAR_A_CNPJ_CPF PAR_A_LGR PAR_A_NUM PAR_A_BRR PAR_A_TIP PAR_A_ABL ACD_I_COD"_s));
    QCOMPARE(pesq.documento(), u"3"_s);
    QCOMPARE(pesq.tipoparc(), u"7"_s);
    QCOMPARE(pesq.ativo(), u"8"_s);
    QCOMPARE(pesq.id_acd(), 9);
}

void tst_entities::contactDeletionMark()
{
    TFones fone;
    fone.setExcluir(true);
    fone.LerAssDataset(Row::numbered(u"ASC_I_COD ASC_A_CON ASC_A_DDD ASC_A_FON"_s));
    QVERIFY(fone.excluir());
    QCOMPARE(fone.nome(), u"2"_s);

    // The partner query's mark is always false, and it clears a stale one.
    Row parceiro = Row::numbered(u"PAC_I_COD PAC_A_CON PAC_A_DDD PAC_A_FON PAC_I_VER"_s);
    parceiro.set(u"EXCLUIR"_s, false);
    fone.LerParDataset(parceiro);
    QVERIFY(!fone.excluir());

    // The mark is never written back, not even into a table that has it.
    Row tabela(true);
    tabela.set(u"Excluir"_s, false);
    fone.setExcluir(true);
    fone.GravaAcdDataset(tabela);
    QCOMPARE(tabela.value(u"Excluir"_s), QVariant(false));
    QVERIFY(fone.telefone().isEmpty());
}

void tst_entities::userOwnerColumnFollowsRegister()
{
    Row row = Row::numbered(u"USU_I_COD USU_A_NOM USU_A_USU USU_A_SEN USU_A_MST USU_A_ABL USU_I_VER"_s);
    row.set(u"ACD_I_COD"_s, 70);
    row.set(u"ASS_I_COD"_s, 90);

    TUsuarios deAssociado;
    deAssociado.LerAcdDataset(row);
    TUsuarios deAssociacao;
    deAssociacao.LerAssDataset(row);
    QCOMPARE(deAssociado.id_pai(), 70);
    QCOMPARE(deAssociacao.id_pai(), 90);
    for (const TUsuarios *u : {&deAssociado, &deAssociacao}) {
        QCOMPARE(u->id(), 1);
        QCOMPARE(u->nome(), u"2"_s);
        QCOMPARE(u->senha(), u"4"_s);
        QCOMPARE(u->mst(), u"5"_s);
        QCOMPARE(u->abilitado(), u"6"_s);
    }

    // Writing back puts the owner into its register's column only.
    Row acd(true), ass(true);
    deAssociado.GravaAcdDataset(acd);
    deAssociacao.GravaAssDataset(ass);
    QCOMPARE(acd.value(u"ACD_I_COD"_s), QVariant(70));
    QVERIFY(!acd.visited().contains(u"ASS_I_COD"_s));
    QCOMPARE(ass.value(u"ASS_I_COD"_s), QVariant(90));
    QVERIFY(!ass.visited().contains(u"ACD_I_COD"_s));
}

void tst_entities::missingColumnFailsAfterEarlierProperties()
{
    TAssociacao associacao;
    associacao.setEmail(u"antes@exemplo.com"_s);
    associacao.setAbilitado(u"N"_s);
    Row row = Row::numbered(associacaoColumns);
    row.remove(u"ASS_A_MAIL"_s);

    const QString message = failureOf([&] { associacao.LerDataset(row); });
    QVERIFY2(message.contains(u"ASS_A_MAIL"_s), qPrintable(message));
    // id to cep were stored before the failure; nothing after it.
    QCOMPARE(associacao.id(), 1);
    QCOMPARE(associacao.uf(), u"11"_s);
    QCOMPARE(associacao.cep(), u"12"_s);
    QCOMPARE(associacao.email(), u"antes@exemplo.com"_s);
    QCOMPARE(associacao.abilitado(), u"N"_s);

    // Writing into a table that lacks a column fails the same way.
    Row tabela = Row::numbered(associacaoColumns);
    tabela.remove(u"CID_A_UF"_s);
    tabela.set(u"CID_A_DSC"_s, QVariant());
    QVERIFY(failureOf([&] { associacao.GravaDataset(tabela); }).contains(u"CID_A_UF"_s));
    QCOMPARE(tabela.value(u"CID_A_DSC"_s), QVariant(u"10"_s));
}

void tst_entities::amountsAndDatesOfEntries()
{
    // An open entry: no payment date and no partner.
    Row row = Row::numbered(pagamentoColumns);
    row.set(u"PAG_D_DIV"_s, 45292.0);
    row.set(u"PAG_D_VNC"_s, 45322.75);
    row.set(u"PAG_D_PAG"_s, QVariant());
    row.set(u"PAG_N_DIV"_s, 150.25);
    row.set(u"PAG_N_DA"_s, -3.5);
    row.set(u"PAG_N_PAG"_s, 0.0);
    row.set(u"PAR_I_COD"_s, QVariant());
    row.set(u"PAR_A_NOM"_s, QVariant());

    TAcdPagamento pagamento;
    pagamento.LerDataset(row);
    QCOMPARE(pagamento.dt_div(), DateTime(45292.0));
    QCOMPARE(pagamento.dt_venc(), DateTime(45322.75));
    QVERIFY(pagamento.dt_pag().isEmpty());
    QCOMPARE(pagamento.vlr_parc(), 150.25);
    QCOMPARE(pagamento.vlr_da(), -3.5);
    QCOMPARE(pagamento.vlr_pag(), 0.0);
    QCOMPARE(pagamento.id_parceiro(), 0);
    QVERIFY(pagamento.nome_parceiro().isEmpty());

    TAcdBaixaPag baixa;
    baixa.LerDataset(row);
    QCOMPARE(baixa.vlrdiv(), 150.25);
    QCOMPARE(baixa.vlrda(), -3.5);
    QCOMPARE(baixa.vlrpago(), 0.0);

    Row linha;
    linha.set(u"DESCRICAO"_s, u"RECEITA BRUTA"_s);
    linha.set(u"VALOR"_s, 1234.5);
    linha.set(u"PORC"_s, QVariant());
    TDRE dre;
    dre.setPorc(99.0);
    dre.LerDataset(linha);
    QCOMPARE(dre.valor(), 1234.5);
    QCOMPARE(dre.porc(), 0.0);
}

void tst_entities::mappingRoundTrip_data()
{
    QTest::addColumn<Mapping>("mapping");
    QTest::addColumn<QString>("columns"); // in the order the operations visit them

    QTest::newRow("TAssociacao") << mapping(&TAssociacao::LerDataset, &TAssociacao::GravaDataset) << associacaoColumns;
    QTest::newRow("TAssociado") << mapping(&TAssociado::LerDataset, &TAssociado::GravaDataset) << associadoColumns;
    QTest::newRow("TUsuarios Acd")
        << mapping(&TUsuarios::LerAcdDataset, &TUsuarios::GravaAcdDataset)
        << u"USU_I_COD USU_A_NOM USU_A_USU USU_A_SEN USU_A_MST ACD_I_COD USU_A_ABL USU_I_VER"_s;
    QTest::newRow("TUsuarios Ass")
        << mapping(&TUsuarios::LerAssDataset, &TUsuarios::GravaAssDataset)
        << u"USU_I_COD USU_A_NOM USU_A_USU USU_A_SEN USU_A_MST ASS_I_COD USU_A_ABL USU_I_VER"_s;
    QTest::newRow("TFones Acd") << mapping(&TFones::LerAcdDataset, &TFones::GravaAcdDataset)
                                << u"ACC_I_COD ACC_A_CON ACC_A_DDD ACC_A_FON excluir ACC_I_VER"_s;
    QTest::newRow("TFones Ass") << mapping(&TFones::LerAssDataset, &TFones::GravaAssDataset)
                                << u"ASC_I_COD ASC_A_CON ASC_A_DDD ASC_A_FON"_s;
    QTest::newRow("TFones Par") << mapping(&TFones::LerParDataset, &TFones::GravaParDataset)
                                << u"PAC_I_COD PAC_A_CON PAC_A_DDD PAC_A_FON excluir PAC_I_VER"_s;
    QTest::newRow("TPesqParceiro Acd") << mapping(&TPesqParceiro::LerAcdDataset, &TPesqParceiro::GravaAcdDataset)
                                       << u"acd_i_cod acd_a_nom acd_a_cnpj acd_a_lgr acd_a_num acd_a_brr acd_a_abl"_s;
    QTest::newRow("TPesqParceiro Parc")
        << mapping(&TPesqParceiro::LerParcDataset, &TPesqParceiro::GravaParcDataset)
        << u"par_i_cod par_a_nom par_a_cnpj_cpf par_a_lgr par_a_num par_a_brr par_a_tip par_a_abl acd_i_cod"_s;
    QTest::newRow("TParceiro") << mapping(&TParceiro::LerDataset, &TParceiro::GravaDataset)
                               << u"PAR_I_COD PAR_A_TIP PAR_A_PES PAR_A_CNPJ_CPF PAR_A_IE_RG PAR_A_NOM PAR_A_LGR "
                                  "PAR_A_NUM PAR_A_CPL PAR_A_BRR CID_A_COD CID_A_DSC CID_A_UF PAR_A_CEP PAR_A_MAIL "
                                  "PAR_A_ABL PAR_A_NEG PAR_D_CAD USU_I_COD USU_A_NOM ACD_I_COD PAR_I_VER"_s;
    QTest::newRow("TNegativa") << mapping(&TNegativa::LerDataset, &TNegativa::GravaDataset)
                               << u"PNG_I_COD PNG_D_REG PNG_A_MOT PNG_N_VAL PAR_I_COD PAR_A_NOM ACD_I_COD PNG_D_RET "
                                  "PNG_A_RET PNG_A_NEG"_s;
    QTest::newRow("TConsNegativa") << mapping(&TConsNegativa::LerDataset, &TConsNegativa::GravaDataset)
                                   << u"PAR_I_COD PAR_A_NOM ACD_I_COD ACD_A_NOM ASS_I_COD ASS_A_NOM ASS_A_LGR "
                                      "ASS_A_NUM ASS_A_CPL ASS_A_BRR ASS_A_CEP CID_A_DSC CID_A_UF"_s;
    QTest::newRow("TContaGrupo") << mapping(&TContaGrupo::LerDataset, &TContaGrupo::GravaDataset)
                                 << u"GRP_I_COD GRP_A_DSC GRP_A_TIP ACD_I_COD"_s;
    QTest::newRow("TConta") << mapping(&TConta::LerDataset, &TConta::GravaDataset)
                            << u"CON_I_COD CON_A_DSC GRP_I_COD"_s;
    QTest::newRow("TFormaPagto") << mapping(&TFormaPagto::LerDataset, &TFormaPagto::GravaDataset)
                                 << u"FPG_I_COD FPG_A_DSC"_s;
    QTest::newRow("TAcdPagamento") << mapping(&TAcdPagamento::LerDataset, &TAcdPagamento::GravaDataset)
                                   << pagamentoColumns;
    QTest::newRow("TAcdBaixaPag") << mapping(&TAcdBaixaPag::LerDataset) << u"PAG_I_COD PAG_N_DIV PAG_N_DA PAG_N_PAG"_s;
    QTest::newRow("TDRE") << mapping(&TDRE::LerDataset, &TDRE::GravaDataset) << u"DESCRICAO VALOR PORC"_s;
}

// Reading visits exactly the listed columns in order; writing visits the same
// ones (the deletion mark excepted) and gives each column back the value read
// from it, so no two columns share a property and no property lands in the
// wrong column.
void tst_entities::mappingRoundTrip()
{
    QFETCH(Mapping, mapping);
    QFETCH(QString, columns);
    const QStringList names = columns.split(u' ');

    const Row row = Row::numbered(columns);
    mapping.ler(row);
    QCOMPARE(row.visited(), names);

    if (!mapping.grava)
        return;
    Row written(true);
    mapping.grava(written);
    QStringList expected = names;
    expected.removeAll(u"excluir"_s);
    QCOMPARE(written.visited(), expected);
    for (const QString &name : expected)
        QCOMPARE(written.value(name).toString(), QString::number(names.indexOf(name) + 1));
}

QTEST_GUILESS_MAIN(tst_entities)
#include "tst_entities.moc"
