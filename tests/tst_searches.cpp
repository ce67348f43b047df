// The member, city and partner searches: the statement texts they build, and
// what they find in a real database.

#include "DataModules.h"
#include "MessageRecorder.h"
#include "Session.h"
#include "TListaCidade.h"
#include "TListaParceiro.h"
#include "TestDatabase.h"
#include "uDM.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Searches : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void textoPesqAssociado_data();
    void textoPesqAssociado();
    void textoPesqCidade_data();
    void textoPesqCidade();
    void textoPesqParceiro_data();
    void textoPesqParceiro();

    void pesqAssociado_data();
    void pesqAssociado();
    void pesqAssociadoFillsRows();
    void pesqAssociadoStaysInItsAssociation();
    void pesqAssociadoInPortugueseOrder_data();
    void pesqAssociadoInPortugueseOrder();
    void pesqCidade_data();
    void pesqCidade();
    void pesqCidadeByName();
    void pesqParceiro_data();
    void pesqParceiro();
    void pesqParceiroFillsRows();

    void failingStatementGivesMessageAndEmptyHolder(); // last: it replaces the module
    void failingFetchGivesMessageAndEmptyHolder();

private:
    std::unique_ptr<DataModules> m_modules;
};

using Keys = QList<qint32>;

namespace {

Keys keysOf(const TListaParceiro &holder)
{
    Keys keys;
    for (const auto &row : holder.Lista())
        keys << row->id();
    return keys;
}

} // namespace

void tst_Searches::initTestCase()
{
    // Association 1 holds members 10 to 12, association 2 member 20, whose
    // name and street would match most searches of association 1. Member 11
    // has no district, member 12 no street. Partner 103 has no owner.
    m_modules = std::make_unique<DataModules>(uR"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'UM', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '11444777000161', 'DOIS', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (10, '12345678909', 'JOSÉ DA SILVA', 'RUA SANTA BÁRBARA D''OESTE', '78', 'CENTRO', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (11, '11222333000181', 'MARIA SILVA', 'RUA DOM PEDRO', '12', null, 1, 'N');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (12, '52998224725', 'ANTONIO SOUZA', null, '5', 'VILA NOVA', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (20, '93541134780', 'PEDRO SILVA', 'RUA D''OESTE', '1', 'CENTRO', 2, 'S');
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_LGR, PAR_A_NUM, PAR_A_BRR, ACD_I_COD)
  values (100, 'C', '11122233344', 'CLIENTE SOUZA', 'RUA A', '1', 'CENTRO', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_LGR, PAR_A_NUM, PAR_A_BRR, ACD_I_COD)
  values (101, 'F', '22233344455', 'FORNECEDOR SOUZA', 'RUA D''OESTE', '2', null, 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_LGR, PAR_A_NUM, PAR_A_BRR, ACD_I_COD)
  values (102, 'C', '33344455566', 'CLIENTE DE OUTRO', 'RUA C', '3', 'JARDIM', 20);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_LGR, PAR_A_NUM, PAR_A_BRR, ACD_I_COD)
  values (103, 'C', '44455566677', 'SEM DONO SOUZA', 'RUA D', '4', 'CENTRO', null);
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (5, '45997418000153', 'NOMES', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (501, 'ZÉLIA', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (502, 'JOSÉ', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (503, 'ÓSCAR', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (504, 'JOÃO', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (505, 'ÉDER', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (506, 'Álvaro', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (507, 'ANA', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (508, 'alberto', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (509, 'EDSON', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (510, 'ÂNGELA', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (511, 'PAULO', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (512, 'BRUNO', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (513, 'CÉSAR', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (514, 'CAIO', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (515, 'ÇAPÉ', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (516, 'ISABEL', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (517, 'Íris', 5);
)"_s,
                                              DataModules::DataAccess, TestDatabase::WithReference);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_Searches::cleanupTestCase()
{
    m_modules.reset();
}

// ---------------------------------------------------------------------------
// Built texts, character for character (trailing blanks included).

void tst_Searches::textoPesqAssociado_data()
{
    QTest::addColumn<qint32>("associacao");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sql");

    const QString head = u"select a.acd_i_cod, a.acd_a_cnpj, a.acd_a_nom, a.acd_a_lgr, a.acd_a_num, a.acd_a_brr, "
                         u"a.acd_a_abl from associado a where (a.ass_i_cod = "_s;
    QTest::newRow("example: nome, trimmed")
        << 3 << int(tpNome) << u" SILVA "_s
        << u"select a.acd_i_cod, a.acd_a_cnpj, a.acd_a_nom, a.acd_a_lgr, a.acd_a_num, a.acd_a_brr, a.acd_a_abl "
           u"from associado a where (a.ass_i_cod = 3) and (a.acd_a_nom collate UTF8 like '%SILVA%') order by a.acd_a_nom"_s;
    QTest::newRow("documento") << 3 << int(tpDocumento) << u"123"_s
                               << head + u"3) and (a.acd_a_cnpj like '%123%') order by a.acd_a_nom"_s;
    QTest::newRow("endereco, quote doubled")
        << 12 << int(tpEndereco) << u"D'OESTE"_s
        << head + u"12) and (a.acd_a_lgr like '%D''OESTE%') order by a.acd_a_nom"_s;
    QTest::newRow("bairro, blank text") << 0 << int(tpBairro) << u" \t "_s
                                        << head + u"0) and (a.acd_a_brr like '%%') order by a.acd_a_nom"_s;
    // Wildcards of the text stay wildcards; a quote cannot end the literal.
    QTest::newRow("wildcards and injection")
        << 1 << int(tpNome) << u"_%') or (1=1"_s
        << head + u"1) and (a.acd_a_nom collate UTF8 like '%_%'') or (1=1%') order by a.acd_a_nom"_s;
}

void tst_Searches::textoPesqAssociado()
{
    QFETCH(qint32, associacao);
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    QFETCH(QString, sql);
    QCOMPARE(TDM::textoPesqAssociado(associacao, TTipoPesqParceiro(tipo), texto), sql);
}

void tst_Searches::textoPesqCidade_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sql");

    QTest::newRow("example: ibge")
        << int(tpIbge) << u"3550308"_s
        << u"select c.cid_a_cod, c.cid_a_dsc, c.cid_a_uf from CIDADE c where (c.cid_a_cod = '3550308') "_s;
    // By name, the city called exactly so first.
    QTest::newRow("example: cidade")
        << int(tpCidade) << u"SANTA BARBARA D'OESTE"_s
        << u"select c.cid_a_cod, c.cid_a_dsc, c.cid_a_uf from CIDADE c where (c.cid_a_dsc like "
           u"'%SANTA BARBARA D''OESTE%') order by iif(c.cid_a_dsc = 'SANTA BARBARA D''OESTE', 0, 1), c.cid_a_dsc, "
           u"c.cid_a_uf"_s;
    QTest::newRow("ibge trimmed, quote doubled")
        << int(tpIbge) << u" 35'5 "_s
        << u"select c.cid_a_cod, c.cid_a_dsc, c.cid_a_uf from CIDADE c where (c.cid_a_cod = '35''5') "_s;
    QTest::newRow("cidade empty")
        << int(tpCidade) << QString()
        << u"select c.cid_a_cod, c.cid_a_dsc, c.cid_a_uf from CIDADE c where (c.cid_a_dsc like '%%') "
           u"order by iif(c.cid_a_dsc = '', 0, 1), c.cid_a_dsc, c.cid_a_uf"_s;
}

void tst_Searches::textoPesqCidade()
{
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    QFETCH(QString, sql);
    QCOMPARE(TDM::textoPesqCidade(TTipoPesqCidade(tipo), texto), sql);
}

void tst_Searches::textoPesqParceiro_data()
{
    QTest::addColumn<int>("cadastro");
    QTest::addColumn<int>("pesquisa");
    QTest::addColumn<int>("parceiro");
    QTest::addColumn<qint32>("associado");
    QTest::addColumn<qint32>("associacao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("sql");

    const QString head = u"select p.par_i_cod, p.par_a_cnpj_cpf, p.par_a_nom, p.par_a_lgr, p.par_a_num, "
                         u"p.par_a_brr, p.par_a_tip, p.par_a_abl, p.acd_i_cod from parceiro p "_s;
    QTest::newRow("example: meus, nome, cliente")
        << int(tpMeus) << int(tpNome) << int(tpCliente) << 12 << 3 << u"SOUZA"_s
        << head
               + u"where (p.acd_i_cod = 12) and (p.par_a_tip = 'C') and (p.par_a_nom collate UTF8 like '%SOUZA%') "
                 u"order by p.par_a_nom"_s;
    // Every partner of the members of the association, not of all members.
    QTest::newRow("example: todos, bairro, todos")
        << int(tpTodosCad) << int(tpBairro) << int(tpTodosParc) << 12 << 3 << u"CENTRO"_s
        << head
               + u"where exists (select 1 from associado a where (a.acd_i_cod = p.acd_i_cod) and (a.ass_i_cod = 3)) "
                 u"and (p.par_a_brr like '%CENTRO%') order by p.par_a_nom"_s;
    QTest::newRow("fornecedor, documento, trimmed")
        << int(tpMeus) << int(tpDocumento) << int(tpFornecedor) << 7 << 1 << u" 111 "_s
        << head
               + u"where (p.acd_i_cod = 7) and (p.par_a_tip = 'F') and (p.par_a_cnpj_cpf like '%111%') "
                 u"order by p.par_a_nom"_s;
    QTest::newRow("endereco, quote doubled")
        << int(tpTodosCad) << int(tpEndereco) << int(tpCliente) << 7 << 1 << u"D'OESTE"_s
        << head
               + u"where exists (select 1 from associado a where (a.acd_i_cod = p.acd_i_cod) and (a.ass_i_cod = 1)) "
                 u"and (p.par_a_tip = 'C') and (p.par_a_lgr like '%D''OESTE%') order by p.par_a_nom"_s;
}

void tst_Searches::textoPesqParceiro()
{
    QFETCH(int, cadastro);
    QFETCH(int, pesquisa);
    QFETCH(int, parceiro);
    QFETCH(qint32, associado);
    QFETCH(qint32, associacao);
    QFETCH(QString, texto);
    QFETCH(QString, sql);
    QCOMPARE(TDM::textoPesqParceiro(TTipoCadastro(cadastro), TTipoPesqParceiro(pesquisa), TTipoParceiro(parceiro),
                                    associado, associacao, texto),
             sql);
}

// ---------------------------------------------------------------------------
// Against the database.

void tst_Searches::pesqAssociado_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<Keys>("keys"); // in name order

    QTest::newRow("nome") << int(tpNome) << u"SILVA"_s << Keys{10, 11};
    QTest::newRow("nome trimmed") << int(tpNome) << u"  SOUZA\t"_s << Keys{12};
    // LIKE on the stored text: the case of what is typed is kept, also for
    // the name, which sorts without regard to case.
    QTest::newRow("nome lower case") << int(tpNome) << u"silva"_s << Keys{};
    QTest::newRow("bairro lower case") << int(tpBairro) << u"centro"_s << Keys{};
    QTest::newRow("documento") << int(tpDocumento) << u"5299"_s << Keys{12};
    QTest::newRow("endereco with quote") << int(tpEndereco) << u"D'OESTE"_s << Keys{10};
    // Blank text: every row whose column is not NULL.
    QTest::newRow("bairro blank") << int(tpBairro) << u"   "_s << Keys{12, 10};
    QTest::newRow("endereco empty") << int(tpEndereco) << QString() << Keys{10, 11};
    QTest::newRow("wildcard in text") << int(tpNome) << u"%"_s << Keys{12, 10, 11};
    QTest::newRow("quote cannot end the literal") << int(tpNome) << u"') or (1=1) or (a.acd_a_nom like '"_s << Keys{};
}

void tst_Searches::pesqAssociado()
{
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    QFETCH(Keys, keys);

    MessageRecorder messages;
    AssociacaoAtual->setId(1);
    const auto found = DM->PesqAssociado(TTipoPesqParceiro(tipo), texto);
    QVERIFY(found);
    QCOMPARE(keysOf(*found), keys);
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Searches::pesqAssociadoFillsRows()
{
    AssociacaoAtual->setId(1);
    const auto found = DM->PesqAssociado(tpDocumento, u"12345678909"_s);
    QCOMPARE(found->Lista().count(), 1);
    const TPesqParceiro &row = *found->Lista().at(0);
    QCOMPARE(row.id(), 10);
    QCOMPARE(row.nome(), u"JOSÉ DA SILVA"_s);
    QCOMPARE(row.documento(), u"12345678909"_s);
    QCOMPARE(row.endereco(), u"RUA SANTA BÁRBARA D'OESTE"_s);
    QCOMPARE(row.numero(), u"78"_s);
    QCOMPARE(row.bairro(), u"CENTRO"_s);
    QCOMPARE(row.ativo(), u"S"_s);
    QCOMPARE(row.tipoparc(), QString());
}

void tst_Searches::pesqAssociadoStaysInItsAssociation()
{
    // Whatever is typed, a member of another association never comes back.
    AssociacaoAtual->setId(2);
    QCOMPARE(keysOf(*DM->PesqAssociado(tpNome, QString())), Keys{20});
    QCOMPARE(keysOf(*DM->PesqAssociado(tpNome, u"JOSÉ"_s)), Keys{});
    QCOMPARE(keysOf(*DM->PesqAssociado(tpEndereco, u"D'OESTE"_s)), Keys{20});
    AssociacaoAtual->setId(0);
    QCOMPARE(keysOf(*DM->PesqAssociado(tpNome, u"%"_s)), Keys{});
}

void tst_Searches::pesqAssociadoInPortugueseOrder_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("JOÃO before JOSÉ") << u"JOÃO"_s << u"JOSÉ"_s;
    QTest::newRow("Álvaro among the A's") << u"Álvaro"_s << u"ANA"_s;
    QTest::newRow("Álvaro before BRUNO") << u"Álvaro"_s << u"BRUNO"_s;
    QTest::newRow("case ignored") << u"alberto"_s << u"Álvaro"_s;
    QTest::newRow("small letters before B") << u"alberto"_s << u"BRUNO"_s;
    QTest::newRow("Â among the A's") << u"ANA"_s << u"ÂNGELA"_s;
    QTest::newRow("É among the E's") << u"ÉDER"_s << u"EDSON"_s;
    QTest::newRow("Ó before P") << u"ÓSCAR"_s << u"PAULO"_s;
    QTest::newRow("Ç among the C's") << u"CAIO"_s << u"ÇAPÉ"_s;
    QTest::newRow("Ç before CÉSAR") << u"ÇAPÉ"_s << u"CÉSAR"_s;
    QTest::newRow("Í among the I's") << u"Íris"_s << u"ISABEL"_s;
    QTest::newRow("ZÉLIA last") << u"PAULO"_s << u"ZÉLIA"_s;
}

// The member list in the order a Brazilian reads names: accents and case do
// not push a name after Z.
void tst_Searches::pesqAssociadoInPortugueseOrder()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    AssociacaoAtual->setId(5);
    const auto found = DM->PesqAssociado(tpNome, QString());
    QStringList names;
    for (const auto &row : found->Lista())
        names << row->nome();
    QCOMPARE(names.size(), 17);
    QVERIFY2(names.indexOf(before) >= 0 && names.indexOf(before) < names.indexOf(after), qPrintable(names.join(u", ")));
}

void tst_Searches::pesqCidade_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("cidades"); // "code name uf", sorted

    QTest::newRow("ibge") << int(tpIbge) << u"3550308"_s << QStringList{u"3550308 SÃO PAULO SP"_s};
    QTest::newRow("ibge trimmed") << int(tpIbge) << u" 3550308 "_s << QStringList{u"3550308 SÃO PAULO SP"_s};
    QTest::newRow("ibge unknown") << int(tpIbge) << u"9999999"_s << QStringList{};
    // Exact match, no pattern.
    QTest::newRow("ibge part") << int(tpIbge) << u"355030"_s << QStringList{};
    QTest::newRow("quote and accents") << int(tpCidade) << u"BARBARA D'OESTE"_s
                                       << QStringList{u"3545803 SANTA BÁRBARA D'OESTE SP"_s};
}

void tst_Searches::pesqCidade()
{
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    QFETCH(QStringList, cidades);

    MessageRecorder messages;
    const auto found = DM->PesqCidade(TTipoPesqCidade(tipo), texto);
    QVERIFY(found);
    QStringList rows;
    for (const auto &city : found->lista())
        rows << city->ibge() + u' ' + city->cidade() + u' ' + city->uf();
    rows.sort();
    QCOMPARE(rows, cidades);
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Searches::pesqCidadeByName()
{
    // Every city whose name holds the text, and only those.
    const auto oeste = DM->PesqCidade(tpCidade, u"D'OESTE"_s);
    QVERIFY(oeste->lista().count() > 10);
    bool alta = false;
    for (const auto &city : oeste->lista()) {
        QVERIFY2(city->cidade().contains(u"D'OESTE"_s), qPrintable(city->cidade()));
        QCOMPARE(city->ibge().size(), 7);
        QCOMPARE(city->uf().size(), 2);
        alta |= city->ibge() == u"1100015"_s;
    }
    QVERIFY(alta);

    // A blank name matches every city of the register.
    QCOMPARE(DM->PesqCidade(tpCidade, u"  "_s)->lista().count(), 5571);
}

void tst_Searches::pesqParceiro_data()
{
    QTest::addColumn<int>("cadastro");
    QTest::addColumn<int>("pesquisa");
    QTest::addColumn<int>("parceiro");
    QTest::addColumn<qint32>("associado");
    QTest::addColumn<qint32>("associacao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<Keys>("keys"); // in name order

    QTest::newRow("meus, all kinds") << int(tpMeus) << int(tpNome) << int(tpTodosParc) << 10 << 1 << u"SOUZA"_s
                                     << Keys{100, 101};
    QTest::newRow("meus, clientes") << int(tpMeus) << int(tpNome) << int(tpCliente) << 10 << 1 << u"SOUZA"_s
                                    << Keys{100};
    QTest::newRow("meus, fornecedores") << int(tpMeus) << int(tpNome) << int(tpFornecedor) << 10 << 1 << QString()
                                        << Keys{101};
    QTest::newRow("another member's") << int(tpMeus) << int(tpNome) << int(tpTodosParc) << 20 << 2 << QString()
                                      << Keys{102};
    // The partners of every member of the association; none of another
    // association's members, none without an owner.
    QTest::newRow("todos") << int(tpTodosCad) << int(tpNome) << int(tpTodosParc) << 10 << 1 << QString()
                           << Keys{100, 101};
    QTest::newRow("todos of the other association")
        << int(tpTodosCad) << int(tpNome) << int(tpTodosParc) << 20 << 2 << QString() << Keys{102};
    QTest::newRow("todos, clientes by name")
        << int(tpTodosCad) << int(tpNome) << int(tpCliente) << 0 << 1 << u"SOUZA"_s << Keys{100};
    QTest::newRow("blank district skips NULL")
        << int(tpTodosCad) << int(tpBairro) << int(tpTodosParc) << 10 << 1 << u" "_s << Keys{100};
    QTest::newRow("street with quote") << int(tpMeus) << int(tpEndereco) << int(tpTodosParc) << 10 << 1 << u"D'OESTE"_s
                                       << Keys{101};
    QTest::newRow("document") << int(tpTodosCad) << int(tpDocumento) << int(tpTodosParc) << 10 << 1 << u"333444"_s
                              << Keys{101};
    QTest::newRow("document, other association")
        << int(tpTodosCad) << int(tpDocumento) << int(tpTodosParc) << 20 << 2 << u"333444"_s << Keys{102};
    // No member in work: nothing of his.
    QTest::newRow("meus without member") << int(tpMeus) << int(tpNome) << int(tpTodosParc) << 0 << 1 << QString()
                                         << Keys{};
}

void tst_Searches::pesqParceiro()
{
    QFETCH(int, cadastro);
    QFETCH(int, pesquisa);
    QFETCH(int, parceiro);
    QFETCH(qint32, associado);
    QFETCH(qint32, associacao);
    QFETCH(QString, texto);
    QFETCH(Keys, keys);

    MessageRecorder messages;
    AssociadoAtual->setId(associado);
    AssociacaoAtual->setId(associacao);
    const auto found
        = DM->PesqParceiro(TTipoCadastro(cadastro), TTipoPesqParceiro(pesquisa), TTipoParceiro(parceiro), texto);
    QVERIFY(found);
    QCOMPARE(keysOf(*found), keys);
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Searches::pesqParceiroFillsRows()
{
    AssociadoAtual->setId(10);
    const auto found = DM->PesqParceiro(tpMeus, tpDocumento, tpTodosParc, u"22233344455"_s);
    QCOMPARE(found->Lista().count(), 1);
    const TPesqParceiro &row = *found->Lista().at(0);
    QCOMPARE(row.id(), 101);
    QCOMPARE(row.nome(), u"FORNECEDOR SOUZA"_s);
    QCOMPARE(row.documento(), u"22233344455"_s);
    QCOMPARE(row.endereco(), u"RUA D'OESTE"_s);
    QCOMPARE(row.numero(), u"2"_s);
    QCOMPARE(row.bairro(), QString());
    QCOMPARE(row.tipoparc(), u"F"_s);
    QCOMPARE(row.ativo(), QString());
    QCOMPARE(row.id_acd(), 10);
}

void tst_Searches::failingStatementGivesMessageAndEmptyHolder()
{
    // A database whose tables lack a column each search selects: every
    // search statement fails to open.
    m_modules.reset();
    TestDatabase broken;
    QVERIFY2(broken.isValid(), qPrintable(broken.error()));
    QVERIFY2(broken.run(uR"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'UM', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (10, 'JOSÉ', 1);
insert into CIDADE values ('3550308', 'SÃO PAULO', 'SP');
alter table ASSOCIADO drop ACD_A_BRR;
alter table CIDADE drop CID_A_UF;
alter table PARCEIRO drop PAR_A_BRR;
)"_s),
             qPrintable(broken.error()));
    TDM dm(broken.settings());
    DM = &dm;
    AssociacaoAtual->setId(1);
    AssociadoAtual->setId(10);

    MessageRecorder messages;
    QVERIFY(DM->PesqAssociado(tpNome, QString())->Lista().isEmpty());
    QVERIFY(DM->PesqCidade(tpIbge, u"3550308"_s)->lista().isEmpty());
    QVERIFY(DM->PesqParceiro(tpTodosCad, tpNome, tpTodosParc, QString())->Lista().isEmpty());

    const QStringList prefixes{u"PesqAssociado: "_s, u"PesqCidade: "_s, u"PesqParceiro: "_s};
    const QStringList columns{u"ACD_A_BRR"_s, u"CID_A_UF"_s, u"PAR_A_BRR"_s};
    QCOMPARE(messages.messages.size(), prefixes.size());
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        const MessageRecorder::Message &message = messages.messages.at(i);
        QCOMPARE(message.kind, Feedback::Kind::Error);
        QVERIFY2(message.text.startsWith(prefixes.at(i)), qPrintable(message.text));
        // The database's own message follows the prefix directly.
        QVERIFY2(message.text.contains(u"Column unknown"_s), qPrintable(message.text));
        QVERIFY2(message.text.contains(columns.at(i)), qPrintable(message.text));
    }
    DM = nullptr;
}

void tst_Searches::failingFetchGivesMessageAndEmptyHolder()
{
    // The statement opens, and a row fails as it is fetched: its state is
    // computed by a division by zero for one city.
    m_modules.reset();
    TestDatabase broken;
    QVERIFY2(broken.isValid(), qPrintable(broken.error()));
    QVERIFY2(broken.run(uR"(
insert into CIDADE values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE values ('3526902', 'LIMEIRA', 'SP');
alter table CIDADE drop CID_A_UF;
alter table CIDADE add CID_A_UF computed by
    (iif(CID_A_COD = '3526902', cast(1 / (char_length(CID_A_COD) - 7) as char(2)), 'SP'));
)"_s),
             qPrintable(broken.error()));
    TDM dm(broken.settings());
    DM = &dm;

    MessageRecorder messages;
    QCOMPARE(DM->PesqCidade(tpIbge, u"3550308"_s)->lista().count(), 1);
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(DM->PesqCidade(tpIbge, u"3526902"_s)->lista().isEmpty());
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    QVERIFY2(messages.messages.at(0).text.startsWith(u"PesqCidade: "_s), qPrintable(messages.messages.at(0).text));
    QVERIFY2(messages.messages.at(0).text.contains(u"divide by zero"_s), qPrintable(messages.messages.at(0).text));
    // The module goes on: the statement and the connection still work.
    QCOMPARE(DM->PesqCidade(tpIbge, u"3550308"_s)->lista().count(), 1);
    DM = nullptr;
}

QTEST_MAIN(tst_Searches)
#include "tst_searches.moc"
