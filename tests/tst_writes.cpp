// The register writes: members, their contacts and users, association users
// and the deletion of a member, against a real database.

#include "DataModules.h"
#include "FbConnection.h"
#include "FbStatement.h"
#include "MessageRecorder.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "uDM.h"

#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// One row read back, with the statement its result set belongs to.
class Stored
{
public:
    Stored(FbConnection &connection, const QString &sql)
        : m_statement(std::make_unique<FbStatement>(connection, sql)), m_rows(m_statement->open())
    {
        if (!m_rows->next())
            m_rows.reset();
    }
    explicit operator bool() const { return m_rows != nullptr; }
    const FbResultSet *operator->() const { return m_rows.get(); }
    // Ends the read before the next write.
    void reset() { m_rows.reset(); }

private:
    std::unique_ptr<FbStatement> m_statement;
    std::unique_ptr<FbResultSet> m_rows;
};

} // namespace

class tst_Writes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void newMemberGetsItsKeyAndSecondWriteUpdates();
    void memberColumnsTakeThePropertiesUnchanged();
    void memberKeyIsItsOwnWhenOthersInsert();
    void memberKeyIsItsOwnWhenAnotherClientInsertsDuringTheWrite();
    void memberWriteErrorIsReported_data();
    void memberWriteErrorIsReported();

    void contactsAreDeletedUpdatedAndInsertedInListOrder();
    void failingContactStatementDoesNotStopTheOthers_data();
    void failingContactStatementDoesNotStopTheOthers();
    void contactsWithoutStatements();

    void users_data();
    void users();
    void userWriteErrorPrefix_data();
    void userWriteErrorPrefix();

    void excluirAssociado_data();
    void excluirAssociado();
    void storeFlowIsAllOrNothing_data();
    void storeFlowIsAllOrNothing();

private:
    // Reading back through the module's own connection.
    int count(const QString &sql);
    Stored row(const QString &sql) { return Stored(DM->connection(), sql); }
    static std::unique_ptr<TAssociado> member(const QString &cnpj, const QString &nome);
    // A contact as the editor gives it: a stored one (id above 0) carries
    // the version it has in the database now, as if just read.
    std::unique_ptr<TFones> fone(qint32 id, const QString &nome, const QString &numero, bool excluir = false);

    std::unique_ptr<DataModules> m_modules;
};

void tst_Writes::initTestCase()
{
    // Fixture keys are explicit and far above what the generators hand out.
    // The triggers play what the program cannot provoke on its own: a
    // database that refuses a deletion, and another client inserting a
    // member in its own transaction while a member is being inserted.
    m_modules = std::make_unique<DataModules>(uR"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'UM', 'S');
insert into ASSOCIACAO_USUARIO values (700, 'ANTIGO', 'ANTIGO', 'X', 'S', 1, 'N', null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (500, 'CONTATOS EM ORDEM', 1);
insert into ASSOCIADO_CONTATO values (501, 'APAGAR', '11', '1111', 500, null);
insert into ASSOCIADO_CONTATO values (502, 'MUDAR', '11', '2222', 500, null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (510, 'FALHA NO MEIO', 1);
insert into ASSOCIADO_CONTATO values (511, 'PRIMEIRO', '11', '1111', 510, null);
insert into ASSOCIADO_CONTATO values (512, 'PROTEGIDO', '11', '2222', 510, null);
insert into ASSOCIADO_CONTATO values (513, 'TERCEIRO', '11', '3333', 510, null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (520, 'SEM ESCRITA', 1);
insert into ASSOCIADO_CONTATO values (521, 'FICA', '11', '1111', 520, null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (530, 'DONO DE USUARIOS', 1);
insert into ASSOCIADO_USUARIO values (800, 'ANTIGO', 'ANTIGO', 'X', 'S', 530, 'N', null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (600, 'COM PARCEIRO', 1);
insert into PARCEIRO (PAR_I_COD, PAR_A_NOM, ACD_I_COD) values (601, 'PARCEIRO', 600);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (610, 'EXCLUIVEL', 1);
insert into ASSOCIADO_CONTATO values (611, 'C', '11', '1111', 610, null);
insert into ASSOCIADO_USUARIO values (612, 'U', 'U', 'U', 'S', 610, 'S', null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_NOM, ASS_I_COD) values (620, 'BLOQUEADO', 1);
create exception E_PROTEGIDO 'Registro protegido';
set term ^ ;
create trigger ASSOCIADO_CONTATO_BD_TESTE for ASSOCIADO_CONTATO active before delete as
begin
    if (old.ACC_A_CON = 'PROTEGIDO') then exception E_PROTEGIDO;
end^
create trigger ASSOCIADO_BD_TESTE for ASSOCIADO active before delete as
begin
    if (old.ACD_A_NOM = 'BLOQUEADO') then exception E_PROTEGIDO;
end^
create trigger ASSOCIADO_AI_TESTE for ASSOCIADO active after insert as
begin
    if (new.ACD_A_NOM = 'CONCORRIDO') then
        in autonomous transaction do
            insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD)
            values (null, '', 'OUTRO CLIENTE', new.ASS_I_COD);
end^
set term ; ^
)"_s);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_Writes::cleanupTestCase()
{
    m_modules.reset();
}

int tst_Writes::count(const QString &sql)
{
    FbStatement statement(DM->connection(), u"select count(*) as N from "_s + sql);
    auto rows = statement.open();
    return rows->next() ? rows->integer(u"N") : -1;
}

std::unique_ptr<TAssociado> tst_Writes::member(const QString &cnpj, const QString &nome)
{
    auto m = std::make_unique<TAssociado>();
    m->setCnpj(cnpj);
    m->setNome(nome);
    m->setId_ass(1);
    m->setAbilitado(u"S"_s);
    m->setPct01(u"N"_s);
    m->setPct02(u"N"_s);
    return m;
}

std::unique_ptr<TFones> tst_Writes::fone(qint32 id, const QString &nome, const QString &numero, bool excluir)
{
    auto f = std::make_unique<TFones>();
    f->setId(id);
    f->setNome(nome);
    f->setDdd(u"19"_s);
    f->setFone(numero);
    f->setExcluir(excluir);
    if (id > 0) {
        auto stored = row(u"select ACC_I_VER from ASSOCIADO_CONTATO where ACC_I_COD = "_s + QString::number(id));
        if (stored)
            f->setVersao(stored->integer(u"ACC_I_VER"));
    }
    return f;
}

// ---------------------------------------------------------------------------
// Members

void tst_Writes::newMemberGetsItsKeyAndSecondWriteUpdates()
{
    MessageRecorder messages;
    const auto mOwned = member(u"12345678909"_s, u"PRIMEIRA ESCRITA"_s);
    TAssociado &m = *mOwned;
    QVERIFY(DM->IUAssociado(m));
    QVERIFY(m.id() > 0);
    const qint32 key = m.id();

    auto stored = row(u"select ACD_A_NOM, ACD_D_CAD from ASSOCIADO where ACD_I_COD = "_s + QString::number(key));
    QVERIFY(stored);
    QCOMPARE(stored->text(u"ACD_A_NOM"), u"PRIMEIRA ESCRITA"_s);
    const DateTime first = stored->dateTime(u"ACD_D_CAD");
    const double now = DateTime::now().days();
    QVERIFY(qAbs(first.days() - now) < 1.0 / 24 / 60); // within a minute
    stored.reset();

    // The timestamp has millisecond precision; let a few pass.
    QThread::msleep(30);
    m.setNome(u"SEGUNDA ESCRITA"_s);
    QVERIFY(DM->IUAssociado(m));
    QCOMPARE(m.id(), key);
    QCOMPARE(count(u"ASSOCIADO where ACD_A_CNPJ = '12345678909'"_s), 1);
    stored = row(u"select ACD_A_NOM, ACD_D_CAD from ASSOCIADO where ACD_I_COD = "_s + QString::number(key));
    QCOMPARE(stored->text(u"ACD_A_NOM"), u"SEGUNDA ESCRITA"_s);
    QVERIFY(stored->dateTime(u"ACD_D_CAD").days() > first.days());
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Writes::memberColumnsTakeThePropertiesUnchanged()
{
    TAssociado m;
    m.setCnpj(u"11222333000181"_s);
    m.setIe(QString()); // empty, not NULL
    m.setNome(u" NOME COM BRANCOS "_s);
    m.setLogradouro(u"RUA D'OESTE"_s);
    m.setNumero(u"12A"_s);
    m.setComplemento(u"FUNDOS"_s);
    m.setBairro(u"VILA SÃO JOÃO"_s);
    m.setCep(u"13450000"_s);
    m.setIbge(u"3545803"_s);
    m.setEmail(u"a@b.com.br"_s);
    m.setAbilitado(u"N"_s);
    m.setId_ass(1);
    m.setPct01(u"S"_s);
    m.setPct02(u"N"_s);
    m.setId_usu(0); // stored as 0, not NULL
    // Not written: they belong to other tables or to the database.
    m.setCidade(u"IGNORADA"_s);
    m.setCnpj_ass(u"99999999999999"_s);
    m.setNome_usu(u"IGNORADO"_s);
    m.setDt_cad(DateTime::fromDate(QDate(2000, 1, 1)));
    QVERIFY(DM->IUAssociado(m));

    auto stored = row(u"select * from ASSOCIADO where ACD_I_COD = "_s + QString::number(m.id()));
    QVERIFY(stored);
    QCOMPARE(stored->text(u"ACD_A_CNPJ"), u"11222333000181"_s);
    QVERIFY(!stored->isNull(u"ACD_A_IE"));
    QCOMPARE(stored->text(u"ACD_A_IE"), QString());
    QCOMPARE(stored->text(u"ACD_A_NOM"), u" NOME COM BRANCOS "_s);
    QCOMPARE(stored->text(u"ACD_A_LGR"), u"RUA D'OESTE"_s);
    QCOMPARE(stored->text(u"ACD_A_NUM"), u"12A"_s);
    QCOMPARE(stored->text(u"ACD_A_CPL"), u"FUNDOS"_s);
    QCOMPARE(stored->text(u"ACD_A_BRR"), u"VILA SÃO JOÃO"_s);
    QCOMPARE(stored->text(u"ACD_A_CEP"), u"13450000"_s);
    QCOMPARE(stored->text(u"CID_A_COD"), u"3545803"_s);
    QCOMPARE(stored->text(u"ACD_A_MAIL"), u"a@b.com.br"_s);
    QCOMPARE(stored->text(u"ACD_A_ABL"), u"N"_s);
    QCOMPARE(stored->integer(u"ASS_I_COD"), 1);
    QCOMPARE(stored->text(u"ACD_A_PCT1"), u"S"_s);
    QCOMPARE(stored->text(u"ACD_A_PCT2"), u"N"_s);
    QVERIFY(!stored->isNull(u"USU_I_COD"));
    QCOMPARE(stored->integer(u"USU_I_COD"), 0);
    QVERIFY(stored->dateTime(u"ACD_D_CAD").date() > QDate(2000, 1, 1));
}

void tst_Writes::memberKeyIsItsOwnWhenOthersInsert()
{
    // A second client on its own connection inserts members before, between
    // and after this module's inserts.
    FbConnection other(m_modules->database().settings());
    FbStatement otherInsert(other, u"insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD) "
                                   u"values (null, '', 'OUTRO CLIENTE', 1)"_s);
    otherInsert.execute();
    const auto aOwned = member(u"A1"_s, u"MEMBRO A"_s);
    TAssociado &a = *aOwned;
    QVERIFY(DM->IUAssociado(a));
    otherInsert.execute();
    otherInsert.execute();
    const auto bOwned = member(u"B1"_s, u"MEMBRO B"_s);
    TAssociado &b = *bOwned;
    QVERIFY(DM->IUAssociado(b));
    otherInsert.execute();

    QVERIFY(a.id() != b.id());
    for (const TAssociado *m : {&a, &b}) {
        auto stored = row(u"select ACD_A_CNPJ from ASSOCIADO where ACD_I_COD = "_s + QString::number(m->id()));
        QVERIFY(stored);
        QCOMPARE(stored->text(u"ACD_A_CNPJ"), m->cnpj());
    }
}

void tst_Writes::memberKeyIsItsOwnWhenAnotherClientInsertsDuringTheWrite()
{
    // The trigger inserts another member in a transaction of its own after
    // this insert drew its key and before the write returns: the generator
    // has moved on by then, and only the insert itself knows which key it
    // took.
    const int others = count(u"ASSOCIADO where ACD_A_NOM = 'OUTRO CLIENTE'"_s);
    const auto mOwned = member(u"CONCORRIDO"_s, u"CONCORRIDO"_s);
    TAssociado &m = *mOwned;
    QVERIFY(DM->IUAssociado(m));
    QCOMPARE(count(u"ASSOCIADO where ACD_A_NOM = 'OUTRO CLIENTE'"_s), others + 1);
    auto stored = row(u"select ACD_A_NOM from ASSOCIADO where ACD_I_COD = "_s + QString::number(m.id()));
    QVERIFY(stored);
    QCOMPARE(stored->text(u"ACD_A_NOM"), u"CONCORRIDO"_s);
}

void tst_Writes::memberWriteErrorIsReported_data()
{
    QTest::addColumn<QString>("cnpj");
    QTest::addColumn<QString>("logradouro");
    QTest::addColumn<QString>("message");

    QTest::newRow("document longer than its column") // 15 characters in VARCHAR(14)
        << u"123456789012345"_s << u"RUA"_s << u"string right truncation"_s;
    // Its length would travel as 0 in its 16 bits: the row was stored with
    // an empty street and the write reported success.
    QTest::newRow("text beyond what a parameter carries")
        << u"12345678909"_s << QString(65536, u'R')
        << u"IUAssociado: Texto longo demais em ACD_A_LGR: 65536 bytes, o máximo é 32765 bytes."_s;
}

void tst_Writes::memberWriteErrorIsReported()
{
    QFETCH(QString, cnpj);
    QFETCH(QString, logradouro);
    QFETCH(QString, message);

    MessageRecorder messages;
    const auto mOwned = member(cnpj, u"DOCUMENTO LONGO"_s);
    TAssociado &m = *mOwned;
    m.setLogradouro(logradouro);
    QVERIFY(!DM->IUAssociado(m));
    QCOMPARE(m.id(), 0);
    QCOMPARE(count(u"ASSOCIADO where ACD_A_NOM = 'DOCUMENTO LONGO'"_s), 0);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    QVERIFY2(messages.messages.at(0).text.startsWith(u"IUAssociado: "_s), qPrintable(messages.texts().join(u'|')));
    QVERIFY2(messages.messages.at(0).text.contains(message), qPrintable(messages.texts().join(u'|').left(300)));
}

// ---------------------------------------------------------------------------
// Contacts

void tst_Writes::contactsAreDeletedUpdatedAndInsertedInListOrder()
{
    MessageRecorder messages;
    const auto mOwned = member(QString(), QString());
    TAssociado &m = *mOwned;
    m.setId(500);
    m.fones().append(fone(0, u"NOVO UM"_s, u"1000"_s));
    m.fones().append(fone(501, u"APAGAR"_s, u"1111"_s, true));
    m.fones().append(fone(502, u"MUDADO"_s, u"2020"_s));
    m.fones().append(fone(0, u"NOVO DOIS"_s, u"3000"_s));
    QVERIFY(DM->IUAcdFones(m));
    QCOMPARE(messages.texts(), QStringList());

    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACC_I_COD = 501"_s), 0);
    auto changed = row(u"select * from ASSOCIADO_CONTATO where ACC_I_COD = 502"_s);
    QVERIFY(changed);
    QCOMPARE(changed->text(u"ACC_A_CON"), u"MUDADO"_s);
    QCOMPARE(changed->text(u"ACC_A_DDD"), u"19"_s);
    QCOMPARE(changed->text(u"ACC_A_FON"), u"2020"_s);
    QCOMPARE(changed->integer(u"ACD_I_COD"), 500);

    // New contacts were inserted in list order, so their keys follow it.
    FbStatement fresh(DM->connection(), u"select ACC_A_CON, ACC_A_FON from ASSOCIADO_CONTATO "
                                        u"where ACD_I_COD = 500 and ACC_I_COD <> 502 order by ACC_I_COD"_s);
    auto rows = fresh.open();
    QStringList inserted;
    while (rows->next())
        inserted << rows->text(u"ACC_A_CON") + u' ' + rows->text(u"ACC_A_FON");
    QCOMPARE(inserted, (QStringList{u"NOVO UM 1000"_s, u"NOVO DOIS 3000"_s}));
    // Their keys are not read back.
    QCOMPARE(m.fones().at(0)->id(), 0);
    QCOMPARE(m.fones().at(3)->id(), 0);
}

void tst_Writes::failingContactStatementDoesNotStopTheOthers_data()
{
    QTest::addColumn<bool>("deletion");
    QTest::addColumn<QString>("prefix");

    // A number longer than its column, or a contact the database refuses to
    // delete, in the middle of the list.
    QTest::newRow("upsert") << false << u"IUAcdFones [Insert/Update]: "_s;
    QTest::newRow("delete") << true << u"IUAcdFones [Delete]: "_s;
}

void tst_Writes::failingContactStatementDoesNotStopTheOthers()
{
    QFETCH(bool, deletion);
    QFETCH(QString, prefix);

    MessageRecorder messages;
    const auto mOwned = member(QString(), QString());
    TAssociado &m = *mOwned;
    m.setId(510);
    m.fones().append(fone(511, u"PRIMEIRO"_s, deletion ? u"4444"_s : u"5555"_s));
    if (deletion)
        m.fones().append(fone(512, u"PROTEGIDO"_s, u"2222"_s, true));
    else
        m.fones().append(fone(0, u"LONGO"_s, u"1234567890123456"_s)); // 16 characters in VARCHAR(15)
    m.fones().append(fone(0, deletion ? u"DEPOIS DA EXCLUSAO"_s : u"DEPOIS DO LONGO"_s, u"6666"_s));
    QVERIFY(!DM->IUAcdFones(m));

    QCOMPARE(messages.messages.size(), 1);
    const MessageRecorder::Message &message = messages.messages.at(0);
    QCOMPARE(message.kind, Feedback::Kind::Error);
    QVERIFY2(message.text.startsWith(prefix), qPrintable(message.text));
    QVERIFY2(message.text.contains(deletion ? u"E_PROTEGIDO"_s : u"truncation"_s), qPrintable(message.text));

    // The first and the third statements ran and stay committed.
    auto first = row(u"select ACC_A_FON from ASSOCIADO_CONTATO where ACC_I_COD = 511"_s);
    QCOMPARE(first->text(u"ACC_A_FON"), deletion ? u"4444"_s : u"5555"_s);
    first.reset();
    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACD_I_COD = 510 and ACC_A_CON = '"_s
                   + (deletion ? u"DEPOIS DA EXCLUSAO"_s : u"DEPOIS DO LONGO"_s) + u'\''),
             1);
    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACC_I_COD = 512"_s), 1);
    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACC_A_CON = 'LONGO'"_s), 0);
}

void tst_Writes::contactsWithoutStatements()
{
    MessageRecorder messages;
    const auto mOwned = member(QString(), QString());
    TAssociado &m = *mOwned;
    m.setId(520);
    QVERIFY(DM->IUAcdFones(m)); // empty list: nothing to do

    // A contact dropped before it was ever stored has no row to delete.
    m.fones().append(fone(0, u"NUNCA GRAVADO"_s, u"1111"_s, true));
    QVERIFY(DM->IUAcdFones(m));
    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACD_I_COD = 520"_s), 1);
    QCOMPARE(count(u"ASSOCIADO_CONTATO where ACC_A_CON = 'NUNCA GRAVADO'"_s), 0);
    QCOMPARE(messages.texts(), QStringList());
}

// ---------------------------------------------------------------------------
// Users of a member and of the association

void tst_Writes::users_data()
{
    QTest::addColumn<bool>("ofMember");
    QTest::addColumn<qint32>("owner");
    QTest::addColumn<qint32>("existing");

    QTest::newRow("member user") << true << 530 << 800;
    QTest::newRow("association user") << false << 1 << 700;
}

void tst_Writes::users()
{
    QFETCH(bool, ofMember);
    QFETCH(qint32, owner);
    QFETCH(qint32, existing);

    const QString table = ofMember ? u"ASSOCIADO_USUARIO"_s : u"ASSOCIACAO_USUARIO"_s;
    const QString ownerColumn = ofMember ? u"ACD_I_COD"_s : u"ASS_I_COD"_s;
    auto write = [&](const TUsuarios &user) { return ofMember ? DM->IUAcdUsuarios(user) : DM->IUUsuariosASS(user); };
    MessageRecorder messages;

    // A new user (key 0) is inserted and keeps key 0.
    TUsuarios user;
    user.setNome(u"JOSÉ NOVO"_s);
    user.setUsuario(u"JOSE"_s);
    user.setSenha(u"12345"_s);
    user.setAbilitado(u"S"_s);
    user.setMst(u"S"_s);
    user.setId_pai(owner);
    QVERIFY(write(user));
    QCOMPARE(user.id(), 0);
    auto stored = row(u"select * from "_s + table + u" where USU_A_USU = 'JOSE'"_s);
    QVERIFY(stored);
    QCOMPARE(stored->text(u"USU_A_NOM"), u"JOSÉ NOVO"_s);
    QCOMPARE(stored->text(u"USU_A_SEN"), u"12345"_s);
    QCOMPARE(stored->text(u"USU_A_ABL"), u"S"_s);
    QCOMPARE(stored->text(u"USU_A_MST"), u"S"_s);
    QCOMPARE(stored->integer(ownerColumn), owner);
    stored.reset();

    // A stored user is updated in place.
    TUsuarios changed;
    changed.setId(existing);
    changed.setNome(u"RENOMEADO"_s);
    changed.setUsuario(u"NOVOLOGIN"_s);
    changed.setSenha(QString());
    changed.setAbilitado(u"N"_s);
    changed.setMst(u"N"_s);
    changed.setId_pai(owner);
    QVERIFY(write(changed));
    stored = row(u"select * from "_s + table + u" where USU_I_COD = "_s + QString::number(existing));
    QVERIFY(stored);
    QCOMPARE(stored->text(u"USU_A_NOM"), u"RENOMEADO"_s);
    QCOMPARE(stored->text(u"USU_A_USU"), u"NOVOLOGIN"_s);
    QVERIFY(!stored->isNull(u"USU_A_SEN"));
    QCOMPARE(stored->text(u"USU_A_ABL"), u"N"_s);
    QCOMPARE(count(table + u" where USU_A_NOM = 'RENOMEADO'"_s), 1);
    QCOMPARE(messages.texts(), QStringList());
}

void tst_Writes::userWriteErrorPrefix_data()
{
    QTest::addColumn<bool>("ofMember");
    QTest::addColumn<QString>("prefix");

    // The member user's write is named after the table, not the operation.
    QTest::newRow("member user") << true << u"IUUsuarios: "_s;
    QTest::newRow("association user") << false << u"IUUsuariosASS: "_s;
}

void tst_Writes::userWriteErrorPrefix()
{
    QFETCH(bool, ofMember);
    QFETCH(QString, prefix);

    MessageRecorder messages;
    TUsuarios user;
    user.setNome(u"LOGIN LONGO"_s);
    user.setUsuario(QString(31, u'X')); // VARCHAR(30)
    user.setId_pai(ofMember ? 530 : 1);
    QVERIFY(!(ofMember ? DM->IUAcdUsuarios(user) : DM->IUUsuariosASS(user)));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
    const QString text = messages.messages.at(0).text;
    QVERIFY2(text.startsWith(prefix) && text.contains(u"truncation"_s), qPrintable(text));
}

// ---------------------------------------------------------------------------
// Deletion of a member

void tst_Writes::excluirAssociado_data()
{
    QTest::addColumn<qint32>("key");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QString>("message");

    QTest::newRow("deleted with contacts and users") << 610 << true << QString();
    // Refusals answer a status; the caller shows its own message.
    QTest::newRow("refused: owns a partner") << 600 << false << QString();
    QTest::newRow("refused: no such member") << 9999 << false << QString();
    QTest::newRow("database error") << 620 << false << u"ExcluirAssociado: "_s;
}

void tst_Writes::excluirAssociado()
{
    QFETCH(qint32, key);
    QFETCH(bool, deleted);
    QFETCH(QString, message);

    MessageRecorder messages;
    const QString where = u" where ACD_I_COD = "_s + QString::number(key);
    const int before = count(u"ASSOCIADO"_s + where);
    QCOMPARE(DM->ExcluirAssociado(key), deleted);

    QCOMPARE(count(u"ASSOCIADO"_s + where), deleted ? 0 : before);
    if (deleted) {
        QCOMPARE(count(u"ASSOCIADO_CONTATO"_s + where), 0);
        QCOMPARE(count(u"ASSOCIADO_USUARIO"_s + where), 0);
    }
    if (message.isEmpty()) {
        QCOMPARE(messages.texts(), QStringList());
    } else {
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.at(0).kind, Feedback::Kind::Error);
        QVERIFY2(messages.messages.at(0).text.startsWith(message), qPrintable(messages.messages.at(0).text));
    }
}

// ---------------------------------------------------------------------------
// The member editor's store: member, contacts and login user together

void tst_Writes::storeFlowIsAllOrNothing_data()
{
    QTest::addColumn<qint32>("key"); // 0: a new member
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("prefix");

    const QString ok = u"30001000"_s;
    QTest::newRow("new member, login user of 31 characters") << 0 << QString(31, u'U') << ok << u"IUUsuarios: "_s;
    QTest::newRow("new member, contact refused")
        << 0 << u"NOVO"_s << u"1234567890123456"_s << u"IUAcdFones [Insert/Update]: "_s;
    QTest::newRow("edit, contact refused")
        << 520 << QString() << u"1234567890123456"_s << u"IUAcdFones [Insert/Update]: "_s;
}

void tst_Writes::storeFlowIsAllOrNothing()
{
    QFETCH(qint32, key);
    QFETCH(QString, usuario);
    QFETCH(QString, numero);
    QFETCH(QString, prefix);
    MessageRecorder messages;

    const int members = count(u"ASSOCIADO"_s);
    const int contacts = count(u"ASSOCIADO_CONTATO"_s);
    const int users = count(u"ASSOCIADO_USUARIO"_s);
    std::unique_ptr<TAssociado> m;
    if (key == 0) {
        static int serial = 0; // one document per association
        m = member(u"3905334470"_s + QString::number(++serial), u"TUDO OU NADA"_s);
    } else {
        m = DM->LeAssociadoID(key);
        m->setNome(u"RENOMEADO"_s);
        m->fones().at(0)->setNome(u"MUDOU"_s);
    }
    const qint32 version = m->versao();
    m->fones().append(fone(0, u"PRIMEIRO"_s, u"30001001"_s));
    m->fones().append(fone(0, u"SEGUNDO"_s, numero));
    TUsuarios login;
    login.setNome(u"LOGIN"_s);
    login.setUsuario(usuario);
    login.setSenha(u"39053"_s);
    login.setAbilitado(u"S"_s);
    login.setMst(u"S"_s);

    QVERIFY(!DM->GravaAssociado(*m, key == 0 ? &login : nullptr));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages.at(0).text.startsWith(prefix), qPrintable(messages.messages.at(0).text));
    // Nothing of it stored, and the entity as it came, to be stored again.
    QCOMPARE(count(u"ASSOCIADO"_s), members);
    QCOMPARE(count(u"ASSOCIADO_CONTATO"_s), contacts);
    QCOMPARE(count(u"ASSOCIADO_USUARIO"_s), users);
    QCOMPARE(m->id(), key);
    QCOMPARE(m->versao(), version);
    if (key != 0) {
        const auto stored = DM->LeAssociadoID(key);
        QCOMPARE(stored->nome(), u"SEM ESCRITA"_s);
        QCOMPARE(stored->fones().at(0)->nome(), u"FICA"_s);
        QCOMPARE(stored->versao(), version);
    }

    // Put right, the same entity stores all of it.
    m->fones().at(m->fones().count() - 1)->setFone(u"30001002"_s);
    login.setUsuario(u"NOVO"_s);
    messages.clear();
    QVERIFY(DM->GravaAssociado(*m, key == 0 ? &login : nullptr));
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(count(u"ASSOCIADO"_s), members + (key == 0 ? 1 : 0));
    QCOMPARE(count(u"ASSOCIADO_CONTATO"_s), contacts + 2);
    QCOMPARE(count(u"ASSOCIADO_USUARIO"_s), users + (key == 0 ? 1 : 0));
    const auto stored = DM->LeAssociadoID(m->id());
    QCOMPARE(stored->nome(), key == 0 ? u"TUDO OU NADA"_s : u"RENOMEADO"_s);
    if (key == 0) {
        QCOMPARE(login.id_pai(), m->id());
        QCOMPARE(DM->LeUsuario(m->id())->Lista().count(), 1);
    }
}

QTEST_MAIN(tst_Writes)
#include "tst_writes.moc"
