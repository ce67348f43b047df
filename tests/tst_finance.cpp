// Account groups, accounts, entries, settlement and its reversal, and the two
// result statements, against a real database built from our schema.

#include "DataModules.h"
#include "FbStatement.h"
#include "MessageRecorder.h"
#include "Session.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TListaAcdBaixaPag.h"
#include "TListaAcdPagamento.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "TListaDRE.h"
#include "TListaFormaPagto.h"
#include "TestDatabase.h"
#include "uDM.h"

#include <QTest>

namespace {

DateTime day(int y, int m, int d)
{
    return DateTime::fromDate(QDate(y, m, d));
}

struct DreLine
{
    QString descricao;
    double valor;
    double porc;
};
using DreLines = QList<DreLine>;

// The text every entry search starts with, up to the status value.
const QString entryQuery = QStringLiteral(
    "select ap.pag_i_cod, ap.fpg_i_cod, fp.fpg_a_dsc, ap.con_i_cod, ap.pag_a_dsc, ap.pag_i_par, ap.pag_i_tpar, "
    "ap.pag_d_div, ap.pag_n_div, ap.pag_d_vnc, ap.pag_d_pag, ap.pag_n_pag, ap.pag_a_sts, ap.par_i_cod, p.par_a_nom, "
    "ap.acd_i_cod, ac.grp_i_cod, ac.con_a_dsc, g.grp_a_dsc, g.grp_a_tip, ap.pag_n_da from ASSOCIADO_PAGAMENTO ap "
    "left join pagamento_fpg fp on (fp.fpg_i_cod = ap.fpg_i_cod) left join parceiro p on (p.par_i_cod = ap.par_i_cod) "
    "left join associado_conta ac on (ac.con_i_cod = ap.con_i_cod) left join associado_conta_grp g on "
    "(g.grp_i_cod = ac.grp_i_cod) where (ap.pag_a_sts = ");

// Each member keeps the rows of one area, so no test sees another's writes:
// 10 readers and search, 20 nothing, 30 result statements, 40 deletions,
// 50 upserts, 60 settlements.
const char *const fixture = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (10, 'LOJA', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (20, 'SEM CONTAS', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (30, 'RESULTADO', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (40, 'EXCLUSÕES', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (50, 'GRAVAÇÕES', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (60, 'BAIXAS', 1);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (100, 'MERCADO CENTRAL', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (101, 'IMOBILIÁRIA', 10);

insert into ASSOCIADO_CONTA_GRP values (1, 'VENDAS', 'C', 10);
insert into ASSOCIADO_CONTA_GRP values (2, 'DESPESAS', 'D', 10);
insert into ASSOCIADO_CONTA values (11, 'VENDAS À VISTA', 1);
insert into ASSOCIADO_CONTA values (12, 'ALUGUEL', 2);
insert into ASSOCIADO_CONTA values (13, 'ENERGIA', 2);
insert into ASSOCIADO_CONTA values (14, 'SEM GRUPO', null);

insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (1001, 1, 11, 'VENDA BALCÃO', 1, 1, '2019-03-01', 150, '2019-03-10', null, 0, 'A', 100, 10, 2.5);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (1002, 3, 12, 'ALUGUEL MARÇO', 1, 1, '2019-03-05', 2000, '2019-03-31', null, 0, 'A', 101, 10, 0);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (1003, 0, 13, 'CONTA DE LUZ', 1, 1, '2019-02-20', 300, '2019-04-05', null, 0, 'A', 0, 10, 0);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (1004, 1, 11, 'VENDA PRAZO', 1, 1, '2019-03-02', 500, '2019-03-15', '2019-03-15', 500, 'B', 100, 10, 0);

insert into ASSOCIADO_CONTA_GRP values (31, 'VENDAS', 'C', 30);
insert into ASSOCIADO_CONTA_GRP values (32, 'SERVIÇOS', 'C', 30);
insert into ASSOCIADO_CONTA_GRP values (33, 'OUTRAS RECEITAS', 'C', 30);
insert into ASSOCIADO_CONTA_GRP values (34, 'ALUGUEL', 'D', 30);
insert into ASSOCIADO_CONTA_GRP values (35, 'SALÁRIOS', 'D', 30);
insert into ASSOCIADO_CONTA values (311, 'BALCÃO', 31);
insert into ASSOCIADO_CONTA values (321, 'MANUTENÇÃO', 32);
insert into ASSOCIADO_CONTA values (331, 'LOJA', 34);
insert into ASSOCIADO_CONTA values (341, 'FOLHA', 35);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3001, 311, 'E1', '2024-03-05', 1000, '2024-03-10', 1000, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3002, 311, 'E2', '2024-03-20', 500, null, 0, 'A', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3003, 311, 'E3', '2024-02-25', 300, '2024-03-02', 300, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3004, 311, 'E4', '2024-04-15', 200, null, 0, 'A', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3005, 321, 'E5', '2024-03-10', 250, '2024-04-05', 250, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3006, 331, 'E6', '2024-03-01', 400, '2024-03-01', 400, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3007, 331, 'E7', '2024-03-31', 100, null, 0, 'A', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3008, 341, 'E8', '2024-03-15', 600, '2024-03-31', 600, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3009, 341, 'E9', '2024-02-28', 150, '2024-04-01', 150, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3010, 311, 'E10', '2024-03-12', 200, '2024-03-12', 100, 'B', 30, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_D_DIV, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG,
    PAG_A_STS, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values (3011, 311, 'E10', '2024-03-12', 100, '2024-03-20', 100, 'B', 30, 0, 3010);

insert into ASSOCIADO_CONTA_GRP values (41, 'COM CONTAS', 'C', 40);
insert into ASSOCIADO_CONTA_GRP values (42, 'VAZIO', 'C', 40);
insert into ASSOCIADO_CONTA values (411, 'COM LANÇAMENTOS', 41);
insert into ASSOCIADO_CONTA values (412, 'SEM LANÇAMENTOS', 41);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, ACD_I_COD)
values (4001, 411, 'BAIXADO', 10, '2024-01-10', 10, 'B', 40);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, CON_I_COD, PAG_A_DSC, PAG_N_DIV, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, ACD_I_COD)
values (4002, 411, 'ABERTO', 10, null, 0, 'A', 40);

insert into ASSOCIADO_CONTA_GRP values (51, 'GRUPO', 'D', 50);
insert into ASSOCIADO_CONTA values (511, 'CONTA', 51);

insert into ASSOCIADO_CONTA_GRP values (61, 'RECEITAS', 'C', 60);
insert into ASSOCIADO_CONTA values (611, 'MENSALIDADES', 61);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
select 6000 + n, 1, 611, 'MENSALIDADE ' || n, 1, 1, '2024-05-01', 100, '2024-05-10', null, 0, 'A', 0, 60, 0
  from (select 1 as n from rdb$database union all select 2 from rdb$database union all select 3 from rdb$database
        union all select 4 from rdb$database union all select 5 from rdb$database union all select 6 from rdb$database
        union all select 7 from rdb$database union all select 8 from rdb$database);
update ASSOCIADO_PAGAMENTO set PAG_A_STS = 'B', PAG_D_PAG = '2024-05-05', PAG_N_PAG = 100 where PAG_I_COD = 6005;
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (6100, 2, 611, 'PARCELA 1/3', 1, 3, '2024-05-01', 100, '2024-06-10', null, 0, 'A', 0, 60, 0);

-- Another member whose entries have the same shape as those of 10 (one of
-- them even under an account of 10): a search never shows them to 10.
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (70, 'OUTRA LOJA', 1);
insert into ASSOCIADO_CONTA_GRP values (71, 'VENDAS', 'C', 70);
insert into ASSOCIADO_CONTA values (711, 'VENDAS À VISTA', 71);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (7001, 1, 711, 'VENDA BALCÃO', 1, 1, '2019-03-01', 150, '2019-03-10', null, 0, 'A', 0, 70, 0);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV,
    PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA)
values (7002, 1, 11, 'VENDA BALCÃO', 1, 1, '2019-03-01', 80, '2019-03-10', null, 0, 'A', 100, 70, 0);

-- Rows above carry explicit keys, which leave the generators where they were.
alter sequence GEN_ASSOCIADO_CONTA_GRP_ID restart with 10000;
alter sequence GEN_ASSOCIADO_CONTA_ID restart with 10000;
alter sequence GEN_ASSOCIADO_PAGAMENTO_ID restart with 10000;
)";

// Makes `id` the member in work for one test, as the login does.
class MembroEmTrabalho
{
public:
    explicit MembroEmTrabalho(qint32 id) : m_before(AssociadoAtual->id()) { AssociadoAtual->setId(id); }
    ~MembroEmTrabalho() { AssociadoAtual->setId(m_before); }

private:
    qint32 m_before;
};

} // namespace

Q_DECLARE_METATYPE(DreLines)

class tst_Finance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void searchText_data();
    void searchText();
    void search_data();
    void search();
    void searchFillsEntriesFromTheJoins();
    void searchNarrowedToTheMemberInWork_data();
    void searchNarrowedToTheMemberInWork();

    void readers();

    void groupAndAccountUpserts();
    void entryUpsert();
    void paymentDateStored_data();
    void paymentDateStored();
    void upsertErrorsAreReported_data();
    void upsertErrorsAreReported();

    void settlementSkipsAmountsNotAboveZero();
    void settlementStopsAtTheFirstError();
    void partialSettlementAndItsReversal();
    void reversalRefusedWhileTheRestIsSettled();

    void deletions_data();
    void deletions();

    void resultStatements_data();
    void resultStatements();

    void failuresAreReportedWithPrefixes_data();
    void failuresAreReportedWithPrefixes();

private:
    FbStatement query(const QString &sql) const;
    int count(const QString &sql) const;
    QString status(qint32 entry) const;

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<TestDatabase> m_broken;
    std::unique_ptr<TDM> m_brokenDm;
};

void tst_Finance::initTestCase()
{
    m_modules
        = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::DataAccess, TestDatabase::SchemaOnly,
                                        QStringList{QStringLiteral("data/reference.sql")});
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_Finance::cleanupTestCase()
{
    DM = nullptr;
    m_brokenDm.reset();
    m_modules.reset();
}

FbStatement tst_Finance::query(const QString &sql) const
{
    return FbStatement(DM->connection(), sql);
}

int tst_Finance::count(const QString &sql) const
{
    FbStatement statement(DM->connection(), QStringLiteral("select count(*) as N from ") + sql);
    auto rows = statement.open();
    rows->next();
    return rows->integer(u"N");
}

QString tst_Finance::status(qint32 entry) const
{
    FbStatement statement(DM->connection(),
                          QStringLiteral("select PAG_A_STS from ASSOCIADO_PAGAMENTO where PAG_I_COD = :ID"));
    statement.bindInteger(u"ID", entry);
    auto rows = statement.open();
    return rows->next() ? rows->text(u"PAG_A_STS") : QStringLiteral("(none)");
}

void tst_Finance::searchText_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("tipoData");
    QTest::addColumn<DateTime>("dtIn");
    QTest::addColumn<DateTime>("dtFi");
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("conta");
    QTest::addColumn<QString>("parceiro");
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<int>("membro");
    QTest::addColumn<QString>("tail");

    QTest::newRow("worked example")
        << QStringLiteral("A") << int(tpVencimento) << day(2019, 3, 1) << day(2019, 3, 31) << 0 << 5
        << QStringLiteral(" MERCADO ") << QString() << 10
        << QStringLiteral("'A') and (ap.pag_d_vnc between '01.03.2019' and '31.03.2019') "
                          "and (ap.acd_i_cod = 10) and (ap.con_i_cod = 5) and (p.par_a_nom like '%MERCADO%') "
                          "Order by ap.pag_i_cod");
    QTest::newRow("status and range only")
        << QStringLiteral("B") << int(tpLancamento) << day(2020, 1, 1) << day(2020, 12, 31) << 0 << 0 << QString()
        << QString() << 20
        << QStringLiteral("'B') and (ap.pag_d_div between '01.01.2020' and '31.12.2020') and (ap.acd_i_cod = 20) "
                          "Order by ap.pag_i_cod");
    // No member in work: nothing can match.
    QTest::newRow("no member in work")
        << QStringLiteral("A") << int(tpVencimento) << day(2020, 1, 1) << day(2020, 1, 31) << 0 << 0 << QString()
        << QString() << 0
        << QStringLiteral("'A') and (ap.pag_d_vnc between '01.01.2020' and '31.01.2020') and (ap.acd_i_cod = 0) "
                          "Order by ap.pag_i_cod");
    QTest::newRow("group, description, blank partner")
        << QStringLiteral("B") << int(tpPagamento) << day(2019, 2, 1) << day(2019, 2, 28) << 7 << -3
        << QStringLiteral(" \t ") << QStringLiteral("  ÁGUA D'OESTE\n") << 10
        << QStringLiteral("'B') and (ap.pag_d_pag between '01.02.2019' and '28.02.2019') and (ap.acd_i_cod = 10) "
                          "and (ac.grp_i_cod = 7) "
                          "and (ap.pag_a_dsc like '%ÁGUA D''OESTE%') Order by ap.pag_i_cod");
    QTest::newRow("every condition")
        << QStringLiteral("A") << int(tpLancamento) << day(2019, 12, 1) << day(2020, 1, 31) << 2 << 12
        << QStringLiteral("IMOB") << QStringLiteral("ALUGUEL") << 10
        << QStringLiteral("'A') and (ap.pag_d_div between '01.12.2019' and '31.01.2020') and (ap.acd_i_cod = 10) "
                          "and (ac.grp_i_cod = 2) "
                          "and (ap.con_i_cod = 12) and (p.par_a_nom like '%IMOB%') and (ap.pag_a_dsc like "
                          "'%ALUGUEL%') Order by ap.pag_i_cod");
}

void tst_Finance::searchText()
{
    QFETCH(QString, status);
    QFETCH(int, tipoData);
    QFETCH(DateTime, dtIn);
    QFETCH(DateTime, dtFi);
    QFETCH(int, grupo);
    QFETCH(int, conta);
    QFETCH(QString, parceiro);
    QFETCH(QString, descricao);
    QFETCH(int, membro);
    QFETCH(QString, tail);

    QCOMPARE(
        TDM::textoPesqPagamento(status, TTipoDataPesq(tipoData), dtIn, dtFi, grupo, conta, parceiro, descricao, membro),
        entryQuery + tail);
}

void tst_Finance::search_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("tipoData");
    QTest::addColumn<DateTime>("dtIn");
    QTest::addColumn<DateTime>("dtFi");
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("conta");
    QTest::addColumn<QString>("parceiro");
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<QList<int>>("keys");

    const DateTime march1 = day(2019, 3, 1);
    const DateTime march31 = day(2019, 3, 31);
    QTest::newRow("open, due in March") << QStringLiteral("A") << int(tpVencimento) << march1 << march31 << 0 << 0
                                        << QString() << QString() << QList<int>{1001, 1002};
    QTest::newRow("worked example") << QStringLiteral("A") << int(tpVencimento) << march1 << march31 << 0 << 11
                                    << QStringLiteral(" MERCADO ") << QString() << QList<int>{1001};
    QTest::newRow("debit group, posted Feb-Mar")
        << QStringLiteral("A") << int(tpLancamento) << day(2019, 2, 1) << march31 << 2 << 0 << QString() << QString()
        << QList<int>{1002, 1003};
    QTest::newRow("description") << QStringLiteral("A") << int(tpLancamento) << day(2019, 2, 1) << march31 << 0 << 0
                                 << QString() << QStringLiteral("LUZ") << QList<int>{1003};
    QTest::newRow("settled, paid in March") << QStringLiteral("B") << int(tpPagamento) << march1 << march31 << 0 << 0
                                            << QString() << QString() << QList<int>{1004};
    QTest::newRow("open entries have no payment date") << QStringLiteral("A") << int(tpPagamento) << march1 << march31
                                                       << 0 << 0 << QString() << QString() << QList<int>{};
}

void tst_Finance::search()
{
    QFETCH(QString, status);
    QFETCH(int, tipoData);
    QFETCH(DateTime, dtIn);
    QFETCH(DateTime, dtFi);
    QFETCH(int, grupo);
    QFETCH(int, conta);
    QFETCH(QString, parceiro);
    QFETCH(QString, descricao);
    QFETCH(QList<int>, keys);

    MessageRecorder messages;
    MembroEmTrabalho membro(10);
    auto found = DM->PesqPagamento(status, TTipoDataPesq(tipoData), dtIn, dtFi, grupo, conta, parceiro, descricao);
    QList<int> foundKeys;
    for (const auto &entry : found->lista()) {
        // Member 70's entries of 2019 (one under an account of 10) never show.
        QCOMPARE(entry->id_acd(), 10);
        foundKeys << entry->id();
    }
    QCOMPARE(foundKeys, keys);
    QVERIFY(messages.messages.isEmpty());
}

void tst_Finance::searchNarrowedToTheMemberInWork_data()
{
    QTest::addColumn<int>("membro");
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("conta");
    QTest::addColumn<QList<int>>("keys");

    // With no group and no account the search once gave every member's
    // entries, of every association.
    QTest::newRow("other member, no group or account") << 70 << 0 << 0 << QList<int>{7001, 7002};
    QTest::newRow("other member, an account of 10") << 70 << 0 << 11 << QList<int>{7002};
    QTest::newRow("member 10, its own account") << 10 << 0 << 11 << QList<int>{1001};
    QTest::newRow("member 10, an account of 70") << 10 << 0 << 711 << QList<int>{};
    QTest::newRow("member 10, a group of 70") << 10 << 71 << 0 << QList<int>{};
    QTest::newRow("no member in work") << 0 << 0 << 0 << QList<int>{};
}

void tst_Finance::searchNarrowedToTheMemberInWork()
{
    QFETCH(int, membro);
    QFETCH(int, grupo);
    QFETCH(int, conta);
    QFETCH(QList<int>, keys);

    MembroEmTrabalho emTrabalho(membro);
    auto found = DM->PesqPagamento(QStringLiteral("A"), tpVencimento, day(2019, 3, 1), day(2019, 3, 31), grupo, conta,
                                   QString(), QString());
    QList<int> foundKeys;
    for (const auto &entry : found->lista())
        foundKeys << entry->id();
    QCOMPARE(foundKeys, keys);
}

void tst_Finance::searchFillsEntriesFromTheJoins()
{
    MembroEmTrabalho membro(10);
    auto found = DM->PesqPagamento(QStringLiteral("A"), tpLancamento, day(2019, 2, 1), day(2019, 3, 31), 0, 0,
                                   QString(), QString());
    QCOMPARE(found->lista().count(), 3);

    const TAcdPagamento &sale = *found->lista().at(0);
    QCOMPARE(sale.id(), 1001);
    QCOMPARE(sale.desc_fpg(), QStringLiteral("DINHEIRO"));
    QCOMPARE(sale.id_conta(), 11);
    QCOMPARE(sale.desc_conta(), QStringLiteral("VENDAS À VISTA"));
    QCOMPARE(sale.id_grupo(), 1);
    QCOMPARE(sale.desc_grupo(), QStringLiteral("VENDAS"));
    QCOMPARE(sale.tipo_grupo(), QStringLiteral("C"));
    QCOMPARE(sale.nome_parceiro(), QStringLiteral("MERCADO CENTRAL"));
    QCOMPARE(sale.descricao(), QStringLiteral("VENDA BALCÃO"));
    QCOMPARE(sale.dt_div(), day(2019, 3, 1));
    QCOMPARE(sale.dt_venc(), day(2019, 3, 10));
    QVERIFY(sale.dt_pag().isEmpty());
    QCOMPARE(sale.vlr_parc(), 150.0);
    QCOMPARE(sale.vlr_da(), 2.5);

    // No partner and no method: the joins find nothing, the entry is still there.
    const TAcdPagamento &light = *found->lista().at(2);
    QCOMPARE(light.id(), 1003);
    QCOMPARE(light.id_parceiro(), 0);
    QVERIFY(light.nome_parceiro().isEmpty());
    QVERIFY(light.desc_fpg().isEmpty());
    QCOMPARE(light.desc_grupo(), QStringLiteral("DESPESAS"));
}

void tst_Finance::readers()
{
    auto groups = DM->LeContaGrupo(10);
    QCOMPARE(groups->lista().count(), 2);
    QCOMPARE(groups->lista().at(0)->descricao(), QStringLiteral("DESPESAS"));
    QCOMPARE(groups->lista().at(0)->tipo(), QStringLiteral("D"));
    QCOMPARE(groups->lista().at(0)->id_pai(), 10);
    QCOMPARE(groups->lista().at(1)->id(), 1);

    // Accounts of the member's groups by name; the one without a group never.
    auto accounts = DM->LeConta(10);
    QStringList names;
    for (const auto &account : accounts->lista())
        names << account->descricao();
    QCOMPARE(names,
             (QStringList{QStringLiteral("ALUGUEL"), QStringLiteral("ENERGIA"), QStringLiteral("VENDAS À VISTA")}));
    QCOMPARE(accounts->lista().at(0)->id_pai(), 2);

    QCOMPARE(DM->LeConta(20)->lista().count(), 0);
    QCOMPARE(DM->LeContaGrupo(20)->lista().count(), 0);

    auto methods = DM->LeFormaPagto();
    QCOMPARE(methods->lista().count(), 7);
    QCOMPARE(methods->lista().at(0)->id(), 1);
    QCOMPARE(methods->lista().at(3)->descricao(), QStringLiteral("CARTÃO DE CRÉDITO"));
    QCOMPARE(methods->lista().at(6)->id(), 7);
}

void tst_Finance::groupAndAccountUpserts()
{
    MessageRecorder messages;

    TContaGrupo group;
    group.setDescricao(QStringLiteral("MATERIAIS"));
    group.setTipo(QStringLiteral("D"));
    group.setId_pai(50);
    QVERIFY(DM->IUContaGrupo(group));
    QCOMPARE(group.id(), 0); // no key is read back

    auto groups = DM->LeContaGrupo(50);
    QCOMPARE(groups->lista().count(), 2);
    const qint32 key = groups->lista().at(1)->id();
    QCOMPARE(groups->lista().at(1)->descricao(), QStringLiteral("MATERIAIS"));
    QVERIFY(key > 0);

    group.setId(key);
    group.setDescricao(QStringLiteral("ESCRITÓRIO"));
    group.setTipo(QStringLiteral("C"));
    QVERIFY(DM->IUContaGrupo(group));
    groups = DM->LeContaGrupo(50);
    QCOMPARE(groups->lista().count(), 2);
    QCOMPARE(groups->lista().at(0)->id(), key);
    QCOMPARE(groups->lista().at(0)->descricao(), QStringLiteral("ESCRITÓRIO"));
    QCOMPARE(groups->lista().at(0)->tipo(), QStringLiteral("C"));

    TConta account;
    account.setDescricao(QStringLiteral("PAPEL"));
    account.setId_pai(key);
    QVERIFY(DM->IUConta(account));
    QCOMPARE(account.id(), 0);
    auto accounts = DM->LeConta(50);
    QCOMPARE(accounts->lista().count(), 2);
    QCOMPARE(accounts->lista().at(1)->descricao(), QStringLiteral("PAPEL"));
    QCOMPARE(accounts->lista().at(1)->id_pai(), key);

    account.setId(accounts->lista().at(1)->id());
    account.setDescricao(QStringLiteral("CANETAS"));
    account.setId_pai(51);
    QVERIFY(DM->IUConta(account));
    accounts = DM->LeConta(50);
    QCOMPARE(accounts->lista().count(), 2);
    QCOMPARE(accounts->lista().at(0)->id(), account.id());
    QCOMPARE(accounts->lista().at(0)->descricao(), QStringLiteral("CANETAS"));
    QCOMPARE(accounts->lista().at(0)->id_pai(), 51);

    QVERIFY(messages.messages.isEmpty());
}

void tst_Finance::entryUpsert()
{
    MessageRecorder messages;

    // References held as 0 and an empty description are stored as they are.
    TAcdPagamento entry;
    entry.setId_conta(511);
    entry.setParc(2);
    entry.setParc_tot(4);
    entry.setDt_div(day(2024, 7, 1));
    entry.setVlr_parc(123.45);
    entry.setVlr_da(-3.5);
    entry.setDt_venc(day(2024, 7, 20));
    entry.setStatus(QStringLiteral("A"));
    entry.setId_acd(50);
    QVERIFY(DM->IUacdPagamento(entry));
    QCOMPARE(entry.id(), 0);

    auto read
        = query(QStringLiteral("select * from ASSOCIADO_PAGAMENTO where ACD_I_COD = 50 and PAG_D_DIV = '2024-07-01'"));
    auto rows = read.open();
    QVERIFY(rows->next());
    const qint32 key = rows->integer(u"PAG_I_COD");
    QVERIFY(!rows->isNull(u"FPG_I_COD"));
    QCOMPARE(rows->integer(u"FPG_I_COD"), 0);
    QVERIFY(!rows->isNull(u"PAR_I_COD"));
    QCOMPARE(rows->integer(u"PAR_I_COD"), 0);
    QVERIFY(!rows->isNull(u"PAG_A_DSC"));
    QCOMPARE(rows->integer(u"CON_I_COD"), 511);
    QCOMPARE(rows->integer(u"PAG_I_PAR"), 2);
    QCOMPARE(rows->integer(u"PAG_I_TPAR"), 4);
    QCOMPARE(rows->dateTime(u"PAG_D_DIV"), day(2024, 7, 1));
    QCOMPARE(rows->dateTime(u"PAG_D_VNC"), day(2024, 7, 20));
    QCOMPARE(rows->number(u"PAG_N_DIV"), 123.45);
    QCOMPARE(rows->number(u"PAG_N_DA"), -3.5);
    QVERIFY(!rows->next());
    rows.reset();

    entry.setId(key);
    entry.setDescricao(QStringLiteral("COMPRA DE PAPEL"));
    entry.setStatus(QStringLiteral("B"));
    entry.setDt_pag(day(2024, 7, 19));
    entry.setVlr_pag(120);
    entry.setId_fpg(6);
    QVERIFY(DM->IUacdPagamento(entry));

    MembroEmTrabalho membro(50);
    auto found = DM->PesqPagamento(QStringLiteral("B"), tpPagamento, day(2024, 7, 19), day(2024, 7, 19), 51, 0,
                                   QString(), QString());
    QCOMPARE(found->lista().count(), 1);
    const TAcdPagamento &stored = *found->lista().at(0);
    QCOMPARE(stored.id(), key);
    QCOMPARE(stored.descricao(), QStringLiteral("COMPRA DE PAPEL"));
    QCOMPARE(stored.vlr_pag(), 120.0);
    QCOMPARE(stored.desc_fpg(), QStringLiteral("PIX"));
    QCOMPARE(count(QStringLiteral("ASSOCIADO_PAGAMENTO where ACD_I_COD = 50 and PAG_D_DIV = '2024-07-01'")), 1);
    QVERIFY(messages.messages.isEmpty());
}

void tst_Finance::paymentDateStored_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<DateTime>("dtPag");
    QTest::addColumn<bool>("stored");

    QTest::newRow("open entry with a date") << QStringLiteral("A") << day(2024, 8, 2) << false;
    QTest::newRow("settled entry without a date") << QStringLiteral("B") << DateTime() << false;
    QTest::newRow("settled entry with a date") << QStringLiteral("B") << day(2024, 8, 2) << true;
}

void tst_Finance::paymentDateStored()
{
    QFETCH(QString, status);
    QFETCH(DateTime, dtPag);
    QFETCH(bool, stored);

    const QString description = QString::fromLatin1(QTest::currentDataTag());
    TAcdPagamento entry;
    entry.setId_conta(511);
    entry.setDescricao(description);
    entry.setDt_div(day(2024, 8, 1));
    entry.setStatus(status);
    entry.setDt_pag(dtPag);
    entry.setId_acd(50);
    QVERIFY(DM->IUacdPagamento(entry));

    auto read = query(QStringLiteral("select PAG_D_PAG from ASSOCIADO_PAGAMENTO where PAG_A_DSC = :D"));
    read.bindText(u"D", description);
    auto rows = read.open();
    QVERIFY(rows->next());
    QCOMPARE(!rows->isNull(u"PAG_D_PAG"), stored);
    if (stored)
        QCOMPARE(rows->dateTime(u"PAG_D_PAG"), dtPag);
}

void tst_Finance::upsertErrorsAreReported_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("group description too long") << QStringLiteral("IUContaGrupo: ");
    QTest::newRow("account of no group") << QStringLiteral("IUConta: ");
    QTest::newRow("entry of no member") << QStringLiteral("IUacdPagamento: ");
}

void tst_Finance::upsertErrorsAreReported()
{
    QFETCH(QString, prefix);

    MessageRecorder messages;
    bool ok = true;
    if (prefix.startsWith(u"IUContaGrupo")) {
        TContaGrupo group;
        group.setDescricao(QString(51, u'X'));
        group.setId_pai(50);
        ok = DM->IUContaGrupo(group);
    } else if (prefix.startsWith(u"IUConta")) {
        TConta account;
        account.setDescricao(QStringLiteral("ÓRFÃ"));
        account.setId_pai(9999);
        ok = DM->IUConta(account);
    } else {
        TAcdPagamento entry;
        entry.setStatus(QStringLiteral("A"));
        entry.setId_acd(9999);
        ok = DM->IUacdPagamento(entry);
    }
    QVERIFY(!ok);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    QVERIFY2(messages.messages.at(0).text.startsWith(prefix), qPrintable(messages.messages.at(0).text));
    QVERIFY(messages.messages.at(0).text.size() > prefix.size());
}

void tst_Finance::settlementSkipsAmountsNotAboveZero()
{
    MessageRecorder messages;
    TListaAcdBaixaPag empty;
    QVERIFY(DM->AcdBaixaPag(empty));

    // The procedure refuses an amount paid of 0 or less, so a call for the
    // middle elements would have made the whole settlement fail.
    TListaAcdBaixaPag list;
    const QList<std::pair<qint32, double>> elements{{6001, 100}, {6002, 0}, {6003, -5}, {6004, 100}};
    for (const auto &[key, paid] : elements) {
        auto baixa = std::make_unique<TAcdBaixaPag>();
        baixa->setId(key);
        baixa->setVlrdiv(100);
        baixa->setVlrpago(paid);
        list.lista().append(std::move(baixa));
    }
    QVERIFY(DM->AcdBaixaPag(list));
    QCOMPARE(status(6001), QStringLiteral("B"));
    QCOMPARE(status(6002), QStringLiteral("A"));
    QCOMPARE(status(6003), QStringLiteral("A"));
    QCOMPARE(status(6004), QStringLiteral("B"));
    QCOMPARE(count(QStringLiteral("ASSOCIADO_PAGAMENTO where PAG_I_ORI in (6001, 6004)")), 0);
    QVERIFY(messages.messages.isEmpty());
}

void tst_Finance::settlementStopsAtTheFirstError()
{
    MessageRecorder messages;
    TListaAcdBaixaPag list;
    for (const qint32 key : {6006, 6005, 6007}) { // 6005 is already settled
        auto baixa = std::make_unique<TAcdBaixaPag>();
        baixa->setId(key);
        baixa->setVlrdiv(100);
        baixa->setVlrpago(100);
        list.lista().append(std::move(baixa));
    }
    QVERIFY(!DM->AcdBaixaPag(list));
    QCOMPARE(status(6006), QStringLiteral("B")); // committed before the failure
    QCOMPARE(status(6007), QStringLiteral("A")); // never reached
    QVERIFY(messages.messages.isEmpty());
}

void tst_Finance::partialSettlementAndItsReversal()
{
    MessageRecorder messages;
    TListaAcdBaixaPag list;
    auto baixa = std::make_unique<TAcdBaixaPag>();
    baixa->setId(6100);
    baixa->setVlrdiv(100);
    baixa->setVlrpago(60);
    list.lista().append(std::move(baixa));
    QVERIFY(DM->AcdBaixaPag(list));

    MembroEmTrabalho membro(60);
    auto settled = DM->PesqPagamento(QStringLiteral("B"), tpPagamento, DateTime::today(), DateTime::today(), 0, 611,
                                     QString(), QStringLiteral("PARCELA 1/3"));
    QCOMPARE(settled->lista().count(), 1);
    QCOMPARE(settled->lista().at(0)->id(), 6100);
    QCOMPARE(settled->lista().at(0)->vlr_pag(), 60.0);
    QCOMPARE(settled->lista().at(0)->vlr_parc(), 100.0);

    // The difference stays open as an entry of its own, like the original.
    auto open = DM->PesqPagamento(QStringLiteral("A"), tpVencimento, day(2024, 6, 10), day(2024, 6, 10), 0, 611,
                                  QString(), QStringLiteral("PARCELA 1/3"));
    QCOMPARE(open->lista().count(), 1);
    const TAcdPagamento &rest = *open->lista().at(0);
    QVERIFY(rest.id() != 6100);
    QCOMPARE(rest.vlr_parc(), 40.0);
    QCOMPARE(rest.id_acd(), 60);
    QCOMPARE(rest.id_fpg(), 2);
    QCOMPARE(rest.parc(), 1);
    QCOMPARE(rest.parc_tot(), 3);
    QVERIFY(rest.dt_pag().isEmpty());

    TAcdBaixaPag reversal;
    reversal.setId(6100);
    QVERIFY(DM->AcdEstornaPag(reversal));
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(status(rest.id()), QStringLiteral("(none)"));
    open = DM->PesqPagamento(QStringLiteral("A"), tpVencimento, day(2024, 6, 10), day(2024, 6, 10), 0, 611, QString(),
                             QStringLiteral("PARCELA 1/3"));
    QCOMPARE(open->lista().count(), 1);
    QCOMPARE(open->lista().at(0)->id(), 6100);
    QCOMPARE(open->lista().at(0)->vlr_pag(), 0.0);
    QVERIFY(open->lista().at(0)->dt_pag().isEmpty());
}

void tst_Finance::reversalRefusedWhileTheRestIsSettled()
{
    MessageRecorder messages;
    auto settle = [this](qint32 key, double due, double paid) {
        TListaAcdBaixaPag list;
        auto baixa = std::make_unique<TAcdBaixaPag>();
        baixa->setId(key);
        baixa->setVlrdiv(due);
        baixa->setVlrpago(paid);
        list.lista().append(std::move(baixa));
        return DM->AcdBaixaPag(list);
    };
    QVERIFY(settle(6008, 100, 70));
    auto read = query(QStringLiteral("select PAG_I_COD from ASSOCIADO_PAGAMENTO where PAG_I_ORI = 6008"));
    auto rows = read.open();
    QVERIFY(rows->next());
    const qint32 rest = rows->integer(u"PAG_I_COD");
    rows.reset();
    QVERIFY(settle(rest, 30, 30));

    TAcdBaixaPag original;
    original.setId(6008);
    QVERIFY(!DM->AcdEstornaPag(original)); // nothing was reversed
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Information);
    QCOMPARE(messages.messages.at(0).text,
             QStringLiteral("Não foi possível estornar este débito.\rO valor da diferença já esta baixado.\r"
                            "Por favor estorne o débito ID nº %1 primeiro.")
                 .arg(rest));
    QCOMPARE(status(6008), QStringLiteral("B"));
    QCOMPARE(status(rest), QStringLiteral("B"));

    // Reversed in the order the message asks for, both go through.
    messages.clear();
    TAcdBaixaPag first;
    first.setId(rest);
    QVERIFY(DM->AcdEstornaPag(first));
    QVERIFY(DM->AcdEstornaPag(original));
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(status(6008), QStringLiteral("A"));
    QCOMPARE(status(rest), QStringLiteral("(none)"));
}

void tst_Finance::deletions_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QString>("remaining");

    // ACD_PAGAMENTO_DEL answers 1 for done and 0 for refused; the other two
    // answer 0 for done.
    QTest::newRow("group with accounts") << QStringLiteral("ExcluirContaGrupo") << 41 << false
                                         << QStringLiteral("ASSOCIADO_CONTA_GRP where GRP_I_COD = 41");
    QTest::newRow("empty group") << QStringLiteral("ExcluirContaGrupo") << 42 << true
                                 << QStringLiteral("ASSOCIADO_CONTA_GRP where GRP_I_COD = 42");
    QTest::newRow("no such group") << QStringLiteral("ExcluirContaGrupo") << 9999 << false
                                   << QStringLiteral("ASSOCIADO_CONTA_GRP where GRP_I_COD = 9999");
    QTest::newRow("account with entries")
        << QStringLiteral("ExcluirConta") << 411 << false << QStringLiteral("ASSOCIADO_CONTA where CON_I_COD = 411");
    QTest::newRow("account without entries")
        << QStringLiteral("ExcluirConta") << 412 << true << QStringLiteral("ASSOCIADO_CONTA where CON_I_COD = 412");
    QTest::newRow("settled entry") << QStringLiteral("ExcluirPagamento") << 4001 << false
                                   << QStringLiteral("ASSOCIADO_PAGAMENTO where PAG_I_COD = 4001");
    QTest::newRow("open entry") << QStringLiteral("ExcluirPagamento") << 4002 << true
                                << QStringLiteral("ASSOCIADO_PAGAMENTO where PAG_I_COD = 4002");
    QTest::newRow("no such entry") << QStringLiteral("ExcluirPagamento") << 9999 << false
                                   << QStringLiteral("ASSOCIADO_PAGAMENTO where PAG_I_COD = 9999");
}

void tst_Finance::deletions()
{
    QFETCH(QString, operation);
    QFETCH(int, key);
    QFETCH(bool, deleted);
    QFETCH(QString, remaining);

    const bool existed = count(remaining) == 1;
    MessageRecorder messages;
    bool result = false;
    if (operation == u"ExcluirContaGrupo")
        result = DM->ExcluirContaGrupo(key);
    else if (operation == u"ExcluirConta")
        result = DM->ExcluirConta(key);
    else
        result = DM->ExcluirPagamento(key);
    QCOMPARE(result, deleted);
    QCOMPARE(count(remaining), existed && !deleted ? 1 : 0);
    QVERIFY(messages.messages.isEmpty()); // refusals are silent
}

void tst_Finance::resultStatements_data()
{
    QTest::addColumn<bool>("cash");
    QTest::addColumn<DateTime>("dtIn");
    QTest::addColumn<DateTime>("dtFi");
    QTest::addColumn<DreLines>("lines");

    // March 2024 of member 30. Accrual: by posting date and amount posted,
    // open or not, the rest of a partial settlement (3011) not counted again.
    //   VENDAS 1000 + 500 + 200 = 1700 (3003 posted in February, 3004 in April)
    //   SERVIÇOS 250, OUTRAS RECEITAS nothing: credits 1950
    //   ALUGUEL 400 + 100 (posted on the last day) = 500, SALÁRIOS 600
    //   result 1950 - 1100 = 850
    QTest::newRow("accrual, March") << false << day(2024, 3, 1) << day(2024, 3, 31)
                                    << DreLines{{QStringLiteral("OUTRAS RECEITAS"), 0, 0},
                                                {QStringLiteral("SERVIÇOS"), 250, 12.8},
                                                {QStringLiteral("VENDAS"), 1700, 87.2},
                                                {QStringLiteral("ALUGUEL"), -500, -25.6},
                                                {QStringLiteral("SALÁRIOS"), -600, -30.8},
                                                {QStringLiteral("RESULTADO"), 850, 43.6}};
    // Cash: settled entries by payment date and amount paid.
    //   VENDAS 1000 + 300 (posted in February, paid in March) + 100 + 100
    //   (the two parts of the partial settlement) = 1500; SERVIÇOS paid in
    //   April: credits 1500
    //   ALUGUEL 400 (3007 still open), SALÁRIOS 600 (3009 paid in April)
    //   result 1500 - 1000 = 500
    QTest::newRow("cash, March") << true << day(2024, 3, 1) << day(2024, 3, 31)
                                 << DreLines{{QStringLiteral("OUTRAS RECEITAS"), 0, 0},
                                             {QStringLiteral("SERVIÇOS"), 0, 0},
                                             {QStringLiteral("VENDAS"), 1500, 100},
                                             {QStringLiteral("ALUGUEL"), -400, -26.7},
                                             {QStringLiteral("SALÁRIOS"), -600, -40},
                                             {QStringLiteral("RESULTADO"), 500, 33.3}};
    QTest::newRow("accrual, no movement")
        << false << day(2020, 1, 1) << day(2020, 1, 31)
        << DreLines{{QStringLiteral("OUTRAS RECEITAS"), 0, 0}, {QStringLiteral("SERVIÇOS"), 0, 0},
                    {QStringLiteral("VENDAS"), 0, 0},          {QStringLiteral("ALUGUEL"), 0, 0},
                    {QStringLiteral("SALÁRIOS"), 0, 0},        {QStringLiteral("RESULTADO"), 0, 0}};
    // April: accrual has only 3004 (200 posted on 15 April); cash has 3005
    // (250 received) and 3009 (150 paid).
    QTest::newRow("accrual, April") << false << day(2024, 4, 1) << day(2024, 4, 30)
                                    << DreLines{{QStringLiteral("OUTRAS RECEITAS"), 0, 0},
                                                {QStringLiteral("SERVIÇOS"), 0, 0},
                                                {QStringLiteral("VENDAS"), 200, 100},
                                                {QStringLiteral("ALUGUEL"), 0, 0},
                                                {QStringLiteral("SALÁRIOS"), 0, 0},
                                                {QStringLiteral("RESULTADO"), 200, 100}};
    QTest::newRow("cash, April") << true << day(2024, 4, 1) << day(2024, 4, 30)
                                 << DreLines{{QStringLiteral("OUTRAS RECEITAS"), 0, 0},
                                             {QStringLiteral("SERVIÇOS"), 250, 100},
                                             {QStringLiteral("VENDAS"), 0, 0},
                                             {QStringLiteral("ALUGUEL"), 0, 0},
                                             {QStringLiteral("SALÁRIOS"), -150, -60},
                                             {QStringLiteral("RESULTADO"), 100, 40}};
}

void tst_Finance::resultStatements()
{
    QFETCH(bool, cash);
    QFETCH(DateTime, dtIn);
    QFETCH(DateTime, dtFi);
    QFETCH(DreLines, lines);

    MessageRecorder messages;
    auto statement = cash ? DM->ConsDREfi(30, dtIn, dtFi) : DM->ConsDREop(30, dtIn, dtFi);
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(statement->lista().count(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const TDRE &line = *statement->lista().at(i);
        QCOMPARE(line.descricao(), lines.at(i).descricao);
        QCOMPARE(line.valor(), lines.at(i).valor);
        QCOMPARE(line.porc(), lines.at(i).porc);
    }
}

void tst_Finance::failuresAreReportedWithPrefixes_data()
{
    QTest::addColumn<QString>("prefix");
    for (const char *prefix : {"PesqPagamento: ", "AcdEstornaPag: ", "ExcluirContaGrupo: ", "ExcluirConta: ",
                               "ExcluirPagamento: ", "ConsDREop: ", "ConsDREfi: ", "AcdBaixaPag"})
        QTest::newRow(prefix) << QString::fromLatin1(prefix);
}

void tst_Finance::failuresAreReportedWithPrefixes()
{
    QFETCH(QString, prefix);

    // A database without the procedures (and with an entry column missing)
    // makes every call fail in the database. Built once for all rows.
    if (!m_brokenDm) {
        m_broken = std::make_unique<TestDatabase>();
        QVERIFY2(m_broken->isValid(), qPrintable(m_broken->error()));
        QVERIFY2(m_broken->run(QStringLiteral(
                     "drop procedure DRE_OP; drop procedure DRE_FI; drop procedure ACD_ESTORNA_PAG; "
                     "drop procedure ACD_BAIXA_PAG; drop procedure CONTA_GRP_DEL; drop procedure CONTA_DEL; "
                     "drop procedure ACD_PAGAMENTO_DEL; alter table ASSOCIADO_PAGAMENTO drop PAG_N_DA;")),
                 qPrintable(m_broken->error()));
        m_brokenDm = std::make_unique<TDM>(m_broken->settings());
    }
    TDM &dm = *m_brokenDm;
    MessageRecorder messages;

    bool ok = true;
    int rows = -1;
    TAcdBaixaPag entry;
    entry.setId(1);
    entry.setVlrpago(10);
    if (prefix == u"PesqPagamento: ")
        rows = dm.PesqPagamento(QStringLiteral("A"), tpLancamento, day(2024, 1, 1), day(2024, 1, 31), 0, 0, QString(),
                                QString())
                   ->lista()
                   .count();
    else if (prefix == u"AcdEstornaPag: ")
        ok = dm.AcdEstornaPag(entry);
    else if (prefix == u"ExcluirContaGrupo: ")
        ok = dm.ExcluirContaGrupo(1);
    else if (prefix == u"ExcluirConta: ")
        ok = dm.ExcluirConta(1);
    else if (prefix == u"ExcluirPagamento: ")
        ok = dm.ExcluirPagamento(1);
    else if (prefix == u"ConsDREop: ")
        rows = dm.ConsDREop(1, day(2024, 1, 1), day(2024, 1, 31))->lista().count();
    else if (prefix == u"ConsDREfi: ")
        rows = dm.ConsDREfi(1, day(2024, 1, 1), day(2024, 1, 31))->lista().count();
    else {
        TListaAcdBaixaPag list;
        list.lista().append(std::make_unique<TAcdBaixaPag>(entry));
        ok = dm.AcdBaixaPag(list);
    }

    QVERIFY(!ok || rows == 0);
    if (prefix == u"AcdBaixaPag") {
        QVERIFY(messages.messages.isEmpty()); // the settlement tells nothing
        return;
    }
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    QVERIFY2(messages.messages.at(0).text.startsWith(prefix), qPrintable(messages.messages.at(0).text));
    QVERIFY(messages.messages.at(0).text.size() > prefix.size());
}

QTEST_GUILESS_MAIN(tst_Finance)
#include "tst_finance.moc"
