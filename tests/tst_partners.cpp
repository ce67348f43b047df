// Partners, their contacts and the negative list, against a real database
// built from our schema.

#include "DataModules.h"
#include "FbStatement.h"
#include "MessageRecorder.h"
#include "TConsNegativa.h"
#include "TListaConsNegativa.h"
#include "TListaNegativa.h"
#include "TParceiro.h"
#include "uDM.h"

#include <QTest>

namespace {

DateTime day(int y, int m, int d)
{
    return DateTime::fromDate(QDate(y, m, d));
}

const QString registrationQuery = QStringLiteral(
    "select pn.PNG_I_COD, pn.PNG_D_REG, pn.PNG_A_MOT, pn.PNG_N_VAL, pn.PAR_I_COD, p.PAR_A_NOM, pn.ACD_I_COD, "
    "pn.PNG_A_NEG, pn.PNG_D_RET, pn.PNG_A_RET from PARCEIRO_NEGATIVA pn left join parceiro p on "
    "(p.par_i_cod = pn.par_i_cod) where (pn.ACD_I_COD = ");

// Two associations in two cities; members 10 and 11 in the first, 20 in the
// second. Each test works on partners of its own.
const char *const fixture = R"(
insert into CIDADE values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE values ('3304557', 'RIO DE JANEIRO', 'RJ');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP,
    CID_A_COD, ASS_A_ABL)
values (1, '11222333000181', 'ASSOCIAÇÃO COMERCIAL', 'AVENIDA PAULISTA', '1000', 'SALA 5', 'BELA VISTA',
    '01310100', '3550308', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP,
    CID_A_COD, ASS_A_ABL)
values (2, '11444777000161', 'ASSOCIAÇÃO DO RIO', 'RUA DO OUVIDOR', '50', '', 'CENTRO', '20040030', '3304557', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (10, 'LOJA DO JOÃO', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (11, 'MERCEARIA', 1);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (20, 'FARMÁCIA CARIOCA', 2);
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, ACD_I_COD) values (5, 'MARIA', 10);

insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (100, 'CLIENTE COM CONTATOS', 10);
insert into PARCEIRO_CONTATO values (1001, 'ANA', '11', '30001001', 100, null);
insert into PARCEIRO_CONTATO values (1002, 'BETO', '11', '30001002', 100, null);
insert into PARCEIRO_CONTATO values (1003, 'CAIO', '11', '30001003', 100, null);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (101, 'CLIENTE COM LANÇAMENTO', 10);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, PAG_A_DSC, PAG_N_DIV, PAG_A_STS, PAR_I_COD, ACD_I_COD)
values (1, 'VENDA', 10, 'A', 101, 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (102, 'DEVEDOR', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (103, 'CALOTEIRO', 11);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (104, 'SEM REGISTRO', 10);
insert into PARCEIRO_CONTATO values (1041, 'DIANA', '21', '30001041', 104, null);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (105, 'HISTÓRICO', 11);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (106, 'CONTATOS COM ERRO', 10);
insert into PARCEIRO_CONTATO values (1061, 'EVA', '11', '30001061', 106, null);
insert into PARCEIRO_CONTATO values (1062, 'FABIO', '11', '30001062', 106, null);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (107, 'RETIRADO', 10);

insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (501, '2019-01-01 00:00:00', 'CHEQUE SEM FUNDO', 150.75, 105, 11, 'S', null, null);
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (502, '2019-06-30 23:59:00', 'DUPLICATA', 80, 105, 11, 'S', null, null);
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (503, '2019-07-01 00:00:00', 'DUPLICATA', 90, 105, 11, 'S', null, null);
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (504, '2018-12-31 23:59:59', 'BOLETO', 40, 105, 11, 'N', '2019-01-15 10:00:00', 'ACORDO');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (505, '2019-03-15 12:00:00', 'BOLETO', 60, 105, 11, 'N', '2019-04-01 09:30:00', 'PAGOU');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG,
    PNG_D_RET, PNG_A_RET) values (506, '2020-02-02 08:00:00', 'VALE', 10, 107, 10, 'N', '2020-03-03 08:00:00', 'PAGOU');

-- Rows above carry explicit keys, which leave the generators where they were.
alter sequence GEN_PARCEIRO_ID restart with 1000;
alter sequence GEN_PARCEIRO_CONTATO_ID restart with 10000;
alter sequence GEN_PARCEIRO_NEGATIVA_ID restart with 10000;

-- Stands for another client that inserts a partner right after ours, before
-- a read of the generator could learn our key.
set term ^ ;
create trigger TST_OUTRO_CLIENTE for PARCEIRO active after insert position 0 as
begin
    if (new.PAR_A_NOM = 'NOVO CLIENTE') then
        insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (null, 'DE OUTRO CLIENTE', new.ACD_I_COD);
end^
set term ; ^
)";

} // namespace

class tst_Partners : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void newPartnerTakesItsOwnKeyAndIsUpdated();
    void readerGivesUnmarkedContacts();
    void contactsAreWrittenInListOrder();
    void failingContactDoesNotStopTheOthers();

    void deletion_data();
    void deletion();

    void registrationsOfOneMember();
    void consultationAcrossAssociations();

    void searchText_data();
    void searchText();
    void search_data();
    void search();
    void searchFillsRegistrations();

    void writeErrorsAreReported();
    void failuresAreReportedWithPrefixes();

private:
    int count(const QString &where) const;

    std::unique_ptr<DataModules> m_modules;
};

void tst_Partners::initTestCase()
{
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture));
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_Partners::cleanupTestCase()
{
    m_modules.reset();
}

int tst_Partners::count(const QString &where) const
{
    FbStatement statement(DM->connection(), QStringLiteral("select count(*) as N from ") + where);
    auto rows = statement.open();
    rows->next();
    return rows->integer(u"N");
}

void tst_Partners::newPartnerTakesItsOwnKeyAndIsUpdated()
{
    MessageRecorder messages;
    TParceiro partner;
    partner.setTp_par(QStringLiteral("C"));
    partner.setTp_pes(QStringLiteral("J"));
    partner.setCnpj_cpf(QStringLiteral("11222333000181"));
    partner.setNome(QStringLiteral("NOVO CLIENTE"));
    partner.setLogradouro(QStringLiteral("RUA AUGUSTA"));
    partner.setIbge(QStringLiteral("3550308"));
    partner.setNegativado(QStringLiteral("N"));
    partner.setAtivo(QStringLiteral("S"));
    partner.setId_acd(10);
    partner.setId_usu(5);
    QVERIFY(DM->IUParceiro(partner));
    QVERIFY(partner.id() > 0);

    // The other client's partner came after ours and took the generator on.
    const QString later = QStringLiteral("PARCEIRO where PAR_A_NOM = 'DE OUTRO CLIENTE' and PAR_I_COD > %1");
    QCOMPARE(count(later.arg(partner.id())), 1);
    auto stored = DM->LeParceiro(partner.id());
    QCOMPARE(stored->id(), partner.id());
    QCOMPARE(stored->nome(), QStringLiteral("NOVO CLIENTE"));
    QCOMPARE(stored->dt_cad(), DateTime::today());
    QCOMPARE(stored->cidade(), QStringLiteral("SÃO PAULO"));
    QCOMPARE(stored->uf(), QStringLiteral("SP"));
    QCOMPARE(stored->nome_usu(), QStringLiteral("MARIA"));
    QCOMPARE(stored->id_acd(), 10);
    QVERIFY(stored->complemento().isEmpty());
    QCOMPARE(stored->fones().count(), 0);

    // The registration date is the date of the last write.
    FbStatement age(DM->connection(),
                    QStringLiteral("update PARCEIRO set PAR_D_CAD = '2001-01-01' where PAR_I_COD = :ID"));
    age.bindInteger(u"ID", partner.id());
    age.execute();
    // That update wrote the row as another seat would: the entity takes the
    // version it left, as a window reading the row again would.
    partner.setVersao(DM->LeParceiro(partner.id())->versao());

    const qint32 key = partner.id();
    const int partners = count(QStringLiteral("PARCEIRO"));
    partner.setNome(QStringLiteral("CLIENTE RENOMEADO"));
    partner.setNegativado(QStringLiteral("S"));
    QVERIFY(DM->IUParceiro(partner));
    QCOMPARE(partner.id(), key);
    QCOMPARE(count(QStringLiteral("PARCEIRO")), partners);
    stored = DM->LeParceiro(key);
    QCOMPARE(stored->nome(), QStringLiteral("CLIENTE RENOMEADO"));
    QCOMPARE(stored->negativado(), QStringLiteral("S"));
    QCOMPARE(stored->dt_cad(), DateTime::today());
    QVERIFY(messages.messages.isEmpty());
}

void tst_Partners::readerGivesUnmarkedContacts()
{
    auto partner = DM->LeParceiro(100);
    QCOMPARE(partner->id(), 100);
    QCOMPARE(partner->nome(), QStringLiteral("CLIENTE COM CONTATOS"));
    // No city and no user: the joins find nothing.
    QVERIFY(partner->cidade().isEmpty());
    QCOMPARE(partner->id_usu(), 0);
    QVERIFY(partner->nome_usu().isEmpty());
    QCOMPARE(partner->fones().count(), 3);
    QList<int> keys;
    for (const auto &fone : partner->fones()) {
        keys << fone->id();
        QVERIFY(!fone->excluir());
    }
    QCOMPARE(keys, (QList<int>{1001, 1002, 1003}));
    QCOMPARE(partner->fones().at(1)->nome(), QStringLiteral("BETO"));
    QCOMPARE(partner->fones().at(1)->fone(), QStringLiteral("30001002"));

    auto nobody = DM->LeParceiro(999999);
    QCOMPARE(nobody->id(), 0);
    QCOMPARE(nobody->fones().count(), 0);
}

void tst_Partners::contactsAreWrittenInListOrder()
{
    MessageRecorder messages;
    auto partner = DM->LeParceiro(100);
    QCOMPARE(partner->fones().count(), 3);
    partner->fones().at(0)->setExcluir(true);
    partner->fones().at(1)->setFone(QStringLiteral("99998888"));
    auto added = std::make_unique<TFones>();
    added->setNome(QStringLiteral("NOVO"));
    added->setDdd(QStringLiteral("19"));
    added->setFone(QStringLiteral("34001234"));
    TFones *fresh = partner->fones().append(std::move(added));
    // The same contact deleted after an update of it: only list order makes
    // the row go.
    auto again = std::make_unique<TFones>();
    again->setId(1003);
    again->setExcluir(true);
    partner->fones().append(std::move(again));

    QVERIFY(DM->IUParcFones(*partner));
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(fresh->id(), 0); // keys of new contacts are not read back

    auto stored = DM->LeParceiro(100);
    QCOMPARE(stored->fones().count(), 2);
    QCOMPARE(stored->fones().at(0)->id(), 1002);
    QCOMPARE(stored->fones().at(0)->fone(), QStringLiteral("99998888"));
    QCOMPARE(stored->fones().at(1)->nome(), QStringLiteral("NOVO"));
    QCOMPARE(stored->fones().at(1)->ddd(), QStringLiteral("19"));
}

void tst_Partners::failingContactDoesNotStopTheOthers()
{
    MessageRecorder messages;
    // In list order: update 1061, insert a number too long for its column,
    // delete 1062.
    TParceiro writing;
    writing.setId(106);
    auto first = std::make_unique<TFones>();
    first->setId(1061);
    first->setNome(QStringLiteral("EVA MARIA"));
    first->setDdd(QStringLiteral("11"));
    first->setFone(QStringLiteral("30001061"));
    writing.fones().append(std::move(first));
    auto bad = std::make_unique<TFones>();
    bad->setNome(QStringLiteral("LONGO"));
    bad->setFone(QStringLiteral("1234567890123456"));
    writing.fones().append(std::move(bad));
    auto last = std::make_unique<TFones>();
    last->setId(1062);
    last->setExcluir(true);
    writing.fones().append(std::move(last));

    QVERIFY(!DM->IUParcFones(writing));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    QVERIFY2(messages.messages.at(0).text.startsWith(u"IUParcFones [Insert/Update]: "),
             qPrintable(messages.messages.at(0).text));
    QVERIFY(messages.messages.at(0).text.size() > int(qstrlen("IUParcFones [Insert/Update]: ")));

    auto stored = DM->LeParceiro(106);
    QCOMPARE(stored->fones().count(), 1);
    QCOMPARE(stored->fones().at(0)->id(), 1061);
    QCOMPARE(stored->fones().at(0)->nome(), QStringLiteral("EVA MARIA"));
}

void tst_Partners::deletion_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("partner with an entry") << 101 << false;
    QTest::newRow("partner with a withdrawn registration") << 107 << false;
    QTest::newRow("partner without references, with a contact") << 104 << true;
    QTest::newRow("no such partner") << 999999 << false;
}

void tst_Partners::deletion()
{
    QFETCH(int, key);
    QFETCH(bool, deleted);

    const int before = count(QStringLiteral("PARCEIRO where PAR_I_COD = %1").arg(key));
    MessageRecorder messages;
    QCOMPARE(DM->ExcluirParceiro(key), deleted);
    QVERIFY(messages.messages.isEmpty()); // a refusal shows nothing
    QCOMPARE(count(QStringLiteral("PARCEIRO where PAR_I_COD = %1").arg(key)), deleted ? 0 : before);
    if (deleted)
        QCOMPARE(count(QStringLiteral("PARCEIRO_CONTATO where PAR_I_COD = %1").arg(key)), 0);
}

void tst_Partners::registrationsOfOneMember()
{
    MessageRecorder messages;
    QVERIFY(DM->InsertNegativa(QStringLiteral("CHEQUE DEVOLVIDO"), 250.5, 102, 10));
    QVERIFY(DM->InsertNegativa(QStringLiteral("DUPLICATA VENCIDA"), 99.9, 102, 10));

    auto standing = DM->PesqNegativas(1, false, DateTime(), DateTime(), 10);
    QCOMPARE(standing->lista().count(), 2);
    const TNegativa &first = *standing->lista().at(0);
    QCOMPARE(first.id_par(), 102);
    QCOMPARE(first.nome_par(), QStringLiteral("DEVEDOR"));
    QCOMPARE(first.id_acd(), 10);
    QCOMPARE(first.motivo(), QStringLiteral("CHEQUE DEVOLVIDO"));
    QCOMPARE(first.valor(), 250.5);
    QCOMPARE(first.sts(), QStringLiteral("S"));
    QCOMPARE(first.dt_reg().date(), QDate::currentDate());
    QVERIFY(first.dt_ret().isEmpty());
    QVERIFY(first.motivo_ret().isEmpty());
    QCOMPARE(standing->lista().at(1)->motivo(), QStringLiteral("DUPLICATA VENCIDA"));

    // Two registrations, one member: one consultation row.
    auto held = DM->ConsNegativado(102);
    QCOMPARE(held->lista().count(), 1);
    QCOMPARE(held->lista().at(0)->id_acd(), 10);

    // Withdrawing one leaves the other standing.
    const qint32 withdrawn = first.id();
    QVERIFY(DM->Positivar(withdrawn, QStringLiteral("PAGOU")));
    standing = DM->PesqNegativas(1, false, DateTime(), DateTime(), 10);
    QCOMPARE(standing->lista().count(), 1);
    QCOMPARE(standing->lista().at(0)->motivo(), QStringLiteral("DUPLICATA VENCIDA"));
    auto off = DM->PesqNegativas(2, false, DateTime(), DateTime(), 10);
    QList<int> offKeys;
    for (const auto &registration : off->lista())
        offKeys << registration->id();
    QVERIFY(offKeys.contains(withdrawn));
    QCOMPARE(DM->ConsNegativado(102)->lista().count(), 1);

    // Withdrawing again only records the new reason.
    QVERIFY(DM->Positivar(withdrawn, QStringLiteral("ACORDO")));
    off = DM->PesqNegativas(2, false, DateTime(), DateTime(), 10);
    for (const auto &registration : off->lista()) {
        if (registration->id() == withdrawn) {
            QCOMPARE(registration->sts(), QStringLiteral("N"));
            QCOMPARE(registration->motivo_ret(), QStringLiteral("ACORDO"));
            QCOMPARE(registration->dt_ret().date(), QDate::currentDate());
        }
    }

    QVERIFY(DM->Positivar(standing->lista().at(0)->id(), QStringLiteral("PAGOU")));
    QCOMPARE(DM->ConsNegativado(102)->lista().count(), 0);
    QVERIFY(DM->Positivar(999999, QStringLiteral("NINGUÉM"))); // no row is no error
    QVERIFY(messages.messages.isEmpty());
}

void tst_Partners::consultationAcrossAssociations()
{
    MessageRecorder messages;
    QCOMPARE(DM->ConsNegativado(103)->lista().count(), 0);

    // The member of the second association registers first; the order of
    // first registration is not the order of member keys.
    QVERIFY(DM->InsertNegativa(QStringLiteral("CHEQUE"), 10, 103, 20));
    QVERIFY(DM->InsertNegativa(QStringLiteral("BOLETO"), 20, 103, 10));
    QVERIFY(DM->InsertNegativa(QStringLiteral("OUTRO"), 30, 103, 20));

    auto held = DM->ConsNegativado(103);
    QCOMPARE(held->lista().count(), 2);

    const TConsNegativa &rio = *held->lista().at(0);
    QCOMPARE(rio.id_par(), 103);
    QCOMPARE(rio.nome_par(), QStringLiteral("CALOTEIRO"));
    QCOMPARE(rio.id_acd(), 20);
    QCOMPARE(rio.nome_acd(), QStringLiteral("FARMÁCIA CARIOCA"));
    QCOMPARE(rio.id_ass(), 2);
    QCOMPARE(rio.nome_ass(), QStringLiteral("ASSOCIAÇÃO DO RIO"));
    QCOMPARE(rio.logr_ass(), QStringLiteral("RUA DO OUVIDOR"));
    QCOMPARE(rio.num_ass(), QStringLiteral("50"));
    QVERIFY(rio.compl_ass().isEmpty());
    QCOMPARE(rio.bairro_ass(), QStringLiteral("CENTRO"));
    QCOMPARE(rio.cep_ass(), QStringLiteral("20040030"));
    QCOMPARE(rio.cidade_ass(), QStringLiteral("RIO DE JANEIRO"));
    QCOMPARE(rio.uf_ass(), QStringLiteral("RJ"));

    const TConsNegativa &sp = *held->lista().at(1);
    QCOMPARE(sp.id_par(), 103);
    QCOMPARE(sp.id_acd(), 10);
    QCOMPARE(sp.nome_acd(), QStringLiteral("LOJA DO JOÃO"));
    QCOMPARE(sp.id_ass(), 1);
    QCOMPARE(sp.nome_ass(), QStringLiteral("ASSOCIAÇÃO COMERCIAL"));
    QCOMPARE(sp.logr_ass(), QStringLiteral("AVENIDA PAULISTA"));
    QCOMPARE(sp.num_ass(), QStringLiteral("1000"));
    QCOMPARE(sp.compl_ass(), QStringLiteral("SALA 5"));
    QCOMPARE(sp.bairro_ass(), QStringLiteral("BELA VISTA"));
    QCOMPARE(sp.cep_ass(), QStringLiteral("01310100"));
    QCOMPARE(sp.cidade_ass(), QStringLiteral("SÃO PAULO"));
    QCOMPARE(sp.uf_ass(), QStringLiteral("SP"));

    QVERIFY(messages.messages.isEmpty());
}

void tst_Partners::searchText_data()
{
    QTest::addColumn<int>("sts");
    QTest::addColumn<bool>("usaDt");
    QTest::addColumn<QString>("tail");

    // Member 12, 1 January to 30 June 2019 where dates are given.
    QTest::newRow("worked example, standing, dates")
        << 1 << true
        << QStringLiteral("12) and (pn.PNG_A_NEG = 'S') and (cast(pn.PNG_D_REG as Date) between '01.01.2019' and "
                          "'30.06.2019') order by pn.PNG_I_COD");
    QTest::newRow("worked example, all, no dates") << 0 << false << QStringLiteral("12) order by pn.PNG_I_COD");
    QTest::newRow("withdrawn, no dates") << 2 << false
                                         << QStringLiteral("12) and (pn.PNG_A_NEG = 'N') order by pn.PNG_I_COD");
    QTest::newRow("any other status, dates")
        << 3 << true
        << QStringLiteral("12) and (cast(pn.PNG_D_REG as Date) between '01.01.2019' and '30.06.2019') "
                          "order by pn.PNG_I_COD");
}

void tst_Partners::searchText()
{
    QFETCH(int, sts);
    QFETCH(bool, usaDt);
    QFETCH(QString, tail);

    QCOMPARE(TDM::textoPesqNegativas(sts, usaDt, day(2019, 1, 1), day(2019, 6, 30), 12), registrationQuery + tail);
}

void tst_Partners::search_data()
{
    QTest::addColumn<int>("sts");
    QTest::addColumn<bool>("usaDt");
    QTest::addColumn<QList<int>>("keys");

    // Member 11's registrations: 501 (1 Jan 2019), 502 (30 Jun 2019 at
    // 23:59), 503 (1 Jul 2019) stand; 504 (31 Dec 2018 at 23:59:59) and 505
    // (15 Mar 2019) are withdrawn. The range is 1 January to 30 June 2019.
    QTest::newRow("all, no dates") << 0 << false << QList<int>{501, 502, 503, 504, 505};
    QTest::newRow("standing, no dates") << 1 << false << QList<int>{501, 502, 503};
    QTest::newRow("withdrawn, no dates") << 2 << false << QList<int>{504, 505};
    QTest::newRow("all, dates") << 0 << true << QList<int>{501, 502, 505};
    QTest::newRow("standing, dates") << 1 << true << QList<int>{501, 502};
    QTest::newRow("withdrawn, dates") << 2 << true << QList<int>{505};
    QTest::newRow("any other status, dates") << 9 << true << QList<int>{501, 502, 505};
}

void tst_Partners::search()
{
    QFETCH(int, sts);
    QFETCH(bool, usaDt);
    QFETCH(QList<int>, keys);

    MessageRecorder messages;
    auto found = DM->PesqNegativas(sts, usaDt, day(2019, 1, 1), day(2019, 6, 30), 11);
    QList<int> foundKeys;
    for (const auto &registration : found->lista())
        foundKeys << registration->id();
    QCOMPARE(foundKeys, keys);
    QVERIFY(messages.messages.isEmpty());
}

void tst_Partners::searchFillsRegistrations()
{
    auto found = DM->PesqNegativas(0, false, DateTime(), DateTime(), 11);
    QCOMPARE(found->lista().count(), 5);

    const TNegativa &late = *found->lista().at(1);
    QCOMPARE(late.id(), 502);
    QCOMPARE(late.dt_reg().toDateTime(), QDateTime(QDate(2019, 6, 30), QTime(23, 59)));
    QCOMPARE(late.nome_par(), QStringLiteral("HISTÓRICO"));
    QVERIFY(late.dt_ret().isEmpty());

    const TNegativa &paid = *found->lista().at(4);
    QCOMPARE(paid.id(), 505);
    QCOMPARE(paid.sts(), QStringLiteral("N"));
    QCOMPARE(paid.motivo(), QStringLiteral("BOLETO"));
    QCOMPARE(paid.valor(), 60.0);
    QCOMPARE(paid.id_par(), 105);
    QCOMPARE(paid.id_acd(), 11);
    QCOMPARE(paid.dt_ret().toDateTime(), QDateTime(QDate(2019, 4, 1), QTime(9, 30)));
    QCOMPARE(paid.motivo_ret(), QStringLiteral("PAGOU"));
}

void tst_Partners::writeErrorsAreReported()
{
    MessageRecorder messages;

    TParceiro orphan;
    orphan.setNome(QStringLiteral("SEM ASSOCIADO"));
    orphan.setId_acd(9999);
    QVERIFY(!DM->IUParceiro(orphan));
    QCOMPARE(orphan.id(), 0);

    QVERIFY(!DM->InsertNegativa(QStringLiteral("QUEM?"), 1, 999999, 10));
    QVERIFY(!DM->Positivar(501, QString(201, u'X')));

    const QStringList prefixes{QStringLiteral("IUParceiro: "), QStringLiteral("InsertNegativa: "),
                               QStringLiteral("Positivar: ")};
    QCOMPARE(messages.messages.size(), prefixes.size());
    for (int i = 0; i < prefixes.size(); ++i) {
        QCOMPARE(messages.messages.at(i).kind, Feedback::Kind::Error);
        QVERIFY2(messages.messages.at(i).text.startsWith(prefixes.at(i)), qPrintable(messages.messages.at(i).text));
        QVERIFY(messages.messages.at(i).text.size() > prefixes.at(i).size());
    }
    auto untouched = DM->PesqNegativas(1, false, DateTime(), DateTime(), 11);
    QCOMPARE(untouched->lista().at(0)->id(), 501);
    QVERIFY(untouched->lista().at(0)->motivo_ret().isEmpty());
}

void tst_Partners::failuresAreReportedWithPrefixes()
{
    // Without the status column of the list and the deletion procedure,
    // the search, the consultation and the deletion fail in the database.
    TestDatabase broken;
    QVERIFY2(broken.isValid(), qPrintable(broken.error()));
    QVERIFY2(broken.run(QStringLiteral("alter table PARCEIRO_NEGATIVA drop PNG_A_NEG; drop procedure PARCEIRO_DEL;")),
             qPrintable(broken.error()));
    TDM dm(broken.settings());
    MessageRecorder messages;

    QCOMPARE(dm.PesqNegativas(0, false, DateTime(), DateTime(), 1)->lista().count(), 0);
    QCOMPARE(dm.ConsNegativado(1)->lista().count(), 0);
    QVERIFY(!dm.ExcluirParceiro(1));

    const QStringList prefixes{QStringLiteral("PesqNegativas: "), QStringLiteral("ConsNegativado: "),
                               QStringLiteral("ExcluirParceiro: ")};
    QCOMPARE(messages.messages.size(), prefixes.size());
    for (int i = 0; i < prefixes.size(); ++i) {
        QCOMPARE(messages.messages.at(i).kind, Feedback::Kind::Error);
        QVERIFY2(messages.messages.at(i).text.startsWith(prefixes.at(i)), qPrintable(messages.messages.at(i).text));
        QVERIFY(messages.messages.at(i).text.size() > prefixes.at(i).size());
    }
}

QTEST_GUILESS_MAIN(tst_Partners)
#include "tst_partners.moc"
