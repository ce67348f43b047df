// Two seats on one database: what one seat writes or deletes is never undone
// or brought back by the other's write of what it read before; a row held
// by the other seat's open transaction is refused after the lock timeout,
// in words a user understands; two seats registering one document at the
// same moment end with one member. Both back ends: the embedded engine takes
// two attachments of one process, as two seats would be.

#include "DataModules.h"
#include "FbConnection.h"
#include "FbStatement.h"
#include "MessageRecorder.h"
#include "Session.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TListaUsuarios.h"
#include "TParceiro.h"
#include "TUsuarios.h"
#include "uDM.h"

#include <QElapsedTimer>
#include <QTest>

#include <latch>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int association = 1;

const QString changedText = u"Este registro foi alterado por outro usuário. Os dados serão lidos novamente."_s;
const QString deletedText = u"Este registro foi excluído por outro usuário. Os dados serão lidos novamente."_s;
const QString inUseText = u"Registro em uso por outro usuário. Tente novamente em instantes."_s;
const QString duplicateText = u"O documento informado já esta cadastrado."_s;

enum class Other { Changes, Deletes };

// A second module in this process: another seat with its own attachment. A
// module creates the session objects when it is built and frees them when it
// goes; the first module's stay the session's.
std::unique_ptr<TDM> anotherSeat(const ConnectionSettings &settings)
{
    TAssociacao *associacao = AssociacaoAtual;
    TAssociado *associado = AssociadoAtual;
    auto seat = std::make_unique<TDM>(settings);
    delete AssociacaoAtual;
    delete AssociadoAtual;
    AssociacaoAtual = associacao;
    AssociadoAtual = associado;
    return seat;
}

void run(FbConnection &connection, const QString &sql, qint32 id)
{
    FbStatement statement(connection, sql);
    statement.bindInteger(u"ID", id);
    statement.execute();
}

qint32 count(FbConnection &connection, const QString &from)
{
    FbStatement statement(connection, u"select count(*) from "_s + from);
    auto rows = statement.open();
    rows->next();
    return rows->integerAt(0);
}

std::unique_ptr<TFones> contact(const QString &name)
{
    auto fone = std::make_unique<TFones>();
    fone->setNome(name);
    fone->setDdd(u"11"_s);
    fone->setFone(u"30001000"_s);
    return fone;
}

} // namespace

class tst_Conflicts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void member_data();
    void member();
    void memberContact_data();
    void memberContact();
    void memberUser_data();
    void memberUser();
    void associationUser_data();
    void associationUser();
    void partner_data();
    void partner();
    void partnerContact_data();
    void partnerContact();

    void rowHeldByAnotherSeatIsRefusedAfterTheLockTimeout();
    void sameDocumentByTwoSeatsAtOnce();
    void partnerDocumentIsOncePerMember();

private:
    // A new member (with one contact and one login user) and a partner of
    // it (with one contact), written by the first seat; their keys.
    void writeMember();
    void writePartner();
    static void addOtherColumn();

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<TDM> m_other;
    std::unique_ptr<MessageRecorder> m_messages;
    int m_serial = 0;
    qint32 m_member = 0;
    qint32 m_partner = 0;
};

void tst_Conflicts::initTestCase()
{
    m_modules = std::make_unique<DataModules>(u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                                              u"values (1, '11222333000181', 'ASSOCIAÇÃO DE TESTE', 'S');"
                                              u"insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) "
                                              u"values (2, '11444777000161', 'OUTRA ASSOCIAÇÃO', 'S');"_s);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    m_other = anotherSeat(m_modules->database().settings());
    AssociacaoAtual->setId(association);
}

void tst_Conflicts::init()
{
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_Conflicts::cleanup()
{
    m_messages.reset();
}

void tst_Conflicts::cleanupTestCase()
{
    m_other.reset();
    m_modules.reset();
}

void tst_Conflicts::addOtherColumn()
{
    QTest::addColumn<Other>("other");
    QTest::newRow("changed by the other seat") << Other::Changes;
    QTest::newRow("deleted by the other seat") << Other::Deletes;
}

void tst_Conflicts::writeMember()
{
    TAssociado member;
    member.setNome(u"MEMBRO %1"_s.arg(++m_serial));
    member.setCnpj(QString::number(m_serial).rightJustified(11, u'0'));
    member.setId_ass(association);
    member.setAbilitado(u"S"_s);
    member.fones().append(contact(u"CONTATO"_s));
    QVERIFY(m_modules->dm().IUAssociado(member));
    QVERIFY(m_modules->dm().IUAcdFones(member));
    TUsuarios user;
    user.setNome(u"LOGIN"_s);
    user.setUsuario(u"LOGIN%1"_s.arg(m_serial));
    user.setSenha(u"12345"_s);
    user.setAbilitado(u"S"_s);
    user.setMst(u"S"_s);
    user.setId_pai(member.id());
    QVERIFY(m_modules->dm().IUAcdUsuarios(user));
    m_member = member.id();
}

void tst_Conflicts::writePartner()
{
    writeMember();
    TParceiro partner;
    partner.setNome(u"PARCEIRO %1"_s.arg(m_serial));
    partner.setCnpj_cpf(QString::number(m_serial).rightJustified(11, u'0'));
    partner.setId_acd(m_member);
    partner.setAtivo(u"S"_s);
    partner.fones().append(contact(u"CONTATO"_s));
    QVERIFY(m_modules->dm().IUParceiro(partner));
    QVERIFY(m_modules->dm().IUParcFones(partner));
    m_partner = partner.id();
}

void tst_Conflicts::member_data()
{
    addOtherColumn();
}

void tst_Conflicts::member()
{
    QFETCH(Other, other);
    writeMember();
    TDM &mine = m_modules->dm();
    const auto read = mine.LeAssociadoID(m_member);

    if (other == Other::Changes) {
        const auto theirs = m_other->LeAssociadoID(m_member);
        theirs->setNome(u"NOME DA OUTRA MESA"_s);
        QVERIFY(m_other->IUAssociado(*theirs));
    } else {
        QVERIFY(m_other->ExcluirAssociado(m_member));
    }
    m_messages->clear();

    read->setLogradouro(u"RUA DESTA MESA"_s);
    QVERIFY(!mine.IUAssociado(*read));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});
    QCOMPARE(mine.lastRefusal(), other == Other::Changes ? WriteRefusal::Changed : WriteRefusal::Deleted);

    const auto stored = m_other->LeAssociadoID(m_member);
    if (other == Other::Changes) {
        QCOMPARE(stored->nome(), u"NOME DA OUTRA MESA"_s);
        QCOMPARE(stored->logradouro(), QString());
        // Read again, the row writes.
        const auto again = mine.LeAssociadoID(m_member);
        again->setLogradouro(u"RUA DESTA MESA"_s);
        QVERIFY(mine.IUAssociado(*again));
        QCOMPARE(mine.lastRefusal(), WriteRefusal::None);
        QCOMPARE(m_other->LeAssociadoID(m_member)->logradouro(), u"RUA DESTA MESA"_s);
        // Written twice from one entity: the entity follows its row.
        again->setNumero(u"12"_s);
        QVERIFY(mine.IUAssociado(*again));
    } else {
        QCOMPARE(stored->id(), 0);
        QCOMPARE(count(mine.connection(), u"ASSOCIADO where ACD_I_COD = %1"_s.arg(m_member)), 0);
    }
}

void tst_Conflicts::memberContact_data()
{
    addOtherColumn();
}

void tst_Conflicts::memberContact()
{
    QFETCH(Other, other);
    writeMember();
    TDM &mine = m_modules->dm();
    const auto read = mine.LeAssociadoID(m_member);
    QCOMPARE(read->fones().count(), 1);

    const auto theirs = m_other->LeAssociadoID(m_member);
    if (other == Other::Changes)
        theirs->fones().at(0)->setNome(u"DA OUTRA MESA"_s);
    else
        theirs->fones().at(0)->setExcluir(true);
    QVERIFY(m_other->IUAcdFones(*theirs));
    m_messages->clear();

    read->fones().at(0)->setFone(u"99999999"_s);
    QVERIFY(!mine.IUAcdFones(*read));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});

    const auto stored = m_other->LeAssociadoID(m_member);
    if (other == Other::Changes) {
        QCOMPARE(stored->fones().count(), 1);
        QCOMPARE(stored->fones().at(0)->nome(), u"DA OUTRA MESA"_s);
        QCOMPARE(stored->fones().at(0)->fone(), u"30001000"_s);
    } else {
        QCOMPARE(stored->fones().count(), 0);
    }
}

void tst_Conflicts::memberUser_data()
{
    addOtherColumn();
}

void tst_Conflicts::memberUser()
{
    QFETCH(Other, other);
    writeMember();
    TDM &mine = m_modules->dm();
    const auto read = mine.LeUsuario(m_member);
    QCOMPARE(read->Lista().count(), 1);
    TUsuarios &user = *read->Lista().at(0);

    if (other == Other::Changes) {
        const auto theirs = m_other->LeUsuario(m_member);
        theirs->Lista().at(0)->setSenha(u"NOVASENHA"_s);
        QVERIFY(m_other->IUAcdUsuarios(*theirs->Lista().at(0)));
    } else {
        run(m_other->connection(), u"delete from ASSOCIADO_USUARIO where USU_I_COD = :ID"_s, user.id());
    }
    m_messages->clear();

    user.setNome(u"NOME DESTA MESA"_s);
    QVERIFY(!mine.IUAcdUsuarios(user));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});

    const auto stored = m_other->LeUsuario(m_member);
    if (other == Other::Changes) {
        QCOMPARE(stored->Lista().count(), 1);
        QCOMPARE(stored->Lista().at(0)->senha(), u"NOVASENHA"_s);
        QCOMPARE(stored->Lista().at(0)->nome(), u"LOGIN"_s);
    } else {
        QCOMPARE(stored->Lista().count(), 0);
    }
}

void tst_Conflicts::associationUser_data()
{
    addOtherColumn();
}

void tst_Conflicts::associationUser()
{
    QFETCH(Other, other);
    TDM &mine = m_modules->dm();
    TUsuarios fresh;
    fresh.setNome(u"USUÁRIO %1"_s.arg(++m_serial));
    fresh.setUsuario(u"USU%1"_s.arg(m_serial));
    fresh.setSenha(u"X"_s);
    fresh.setAbilitado(u"S"_s);
    fresh.setMst(u"N"_s);
    fresh.setId_pai(association);
    QVERIFY(mine.IUUsuariosASS(fresh));

    auto findIn = [&](TListaUsuarios &list) -> TUsuarios * {
        for (const auto &u : list.Lista()) {
            if (u->usuario() == fresh.usuario())
                return u.get();
        }
        return nullptr;
    };
    const auto read = mine.LeUsuarioASS(association);
    TUsuarios *user = findIn(*read);
    QVERIFY(user);

    if (other == Other::Changes) {
        const auto theirs = m_other->LeUsuarioASS(association);
        findIn(*theirs)->setMst(u"S"_s);
        QVERIFY(m_other->IUUsuariosASS(*findIn(*theirs)));
    } else {
        run(m_other->connection(), u"delete from ASSOCIACAO_USUARIO where USU_I_COD = :ID"_s, user->id());
    }
    m_messages->clear();

    user->setNome(u"NOME DESTA MESA"_s);
    QVERIFY(!mine.IUUsuariosASS(*user));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});

    const auto stored = m_other->LeUsuarioASS(association);
    TUsuarios *now = findIn(*stored);
    if (other == Other::Changes) {
        QVERIFY(now);
        QCOMPARE(now->mst(), u"S"_s);
        QCOMPARE(now->nome(), fresh.nome());
    } else {
        QVERIFY(!now);
    }
}

void tst_Conflicts::partner_data()
{
    addOtherColumn();
}

void tst_Conflicts::partner()
{
    QFETCH(Other, other);
    writePartner();
    TDM &mine = m_modules->dm();
    const auto read = mine.LeParceiro(m_partner);
    QCOMPARE(read->id(), m_partner);

    if (other == Other::Changes) {
        const auto theirs = m_other->LeParceiro(m_partner);
        theirs->setNome(u"NOME DA OUTRA MESA"_s);
        QVERIFY(m_other->IUParceiro(*theirs));
    } else {
        QVERIFY(m_other->ExcluirParceiro(m_partner));
    }
    m_messages->clear();

    read->setEmail(u"DESTA@MESA"_s);
    QVERIFY(!mine.IUParceiro(*read));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});

    const auto stored = m_other->LeParceiro(m_partner);
    if (other == Other::Changes) {
        QCOMPARE(stored->nome(), u"NOME DA OUTRA MESA"_s);
        QCOMPARE(stored->email(), QString());
    } else {
        QCOMPARE(stored->id(), 0);
        QCOMPARE(count(mine.connection(), u"PARCEIRO where PAR_I_COD = %1"_s.arg(m_partner)), 0);
    }
}

void tst_Conflicts::partnerContact_data()
{
    addOtherColumn();
}

void tst_Conflicts::partnerContact()
{
    QFETCH(Other, other);
    writePartner();
    TDM &mine = m_modules->dm();
    const auto read = mine.LeParceiro(m_partner);
    QCOMPARE(read->fones().count(), 1);

    const auto theirs = m_other->LeParceiro(m_partner);
    if (other == Other::Changes)
        theirs->fones().at(0)->setNome(u"DA OUTRA MESA"_s);
    else
        theirs->fones().at(0)->setExcluir(true);
    QVERIFY(m_other->IUParcFones(*theirs));
    m_messages->clear();

    read->fones().at(0)->setFone(u"99999999"_s);
    QVERIFY(!mine.IUParcFones(*read));
    QCOMPARE(m_messages->texts(), QStringList{other == Other::Changes ? changedText : deletedText});

    const auto stored = m_other->LeParceiro(m_partner);
    if (other == Other::Changes) {
        QCOMPARE(stored->fones().count(), 1);
        QCOMPARE(stored->fones().at(0)->nome(), u"DA OUTRA MESA"_s);
        QCOMPARE(stored->fones().at(0)->fone(), u"30001000"_s);
    } else {
        QCOMPARE(stored->fones().count(), 0);
    }
}

void tst_Conflicts::rowHeldByAnotherSeatIsRefusedAfterTheLockTimeout()
{
    writeMember();
    TDM &mine = m_modules->dm();
    QCOMPARE(mine.connection().lockTimeout(), 3);
    const auto read = mine.LeAssociadoID(m_member);

    // The other seat holds the row in a transaction it keeps open: a locked
    // read keeps its transaction until its rows are closed.
    FbStatement hold(m_other->connection(), u"select ACD_I_COD from ASSOCIADO where ACD_I_COD = :ID with lock"_s);
    hold.bindInteger(u"ID", m_member);
    auto held = hold.open();
    QVERIFY(held->next());

    // The engine counts the wait in whole seconds on a clock of its own, so
    // a wait of 2 seconds ends after 1 to 2 of them.
    mine.connection().setLockTimeout(2);
    read->setNome(u"ESPERA"_s);
    QElapsedTimer waited;
    waited.start();
    const bool stored = mine.IUAssociado(*read);
    const qint64 elapsed = waited.elapsed();
    mine.connection().setLockTimeout(FbConnection::defaultLockTimeout);
    QVERIFY(!stored);
    QCOMPARE(m_messages->texts(), QStringList{inUseText});
    QCOMPARE(mine.lastRefusal(), WriteRefusal::InUse);
    QVERIFY2(elapsed >= 900 && elapsed < 4000, qPrintable(QString::number(elapsed)));

    // Once the other seat lets go, the same write goes through.
    held->close();
    m_messages->clear();
    QVERIFY(mine.IUAssociado(*read));
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(m_other->LeAssociadoID(m_member)->nome(), u"ESPERA"_s);
}

void tst_Conflicts::sameDocumentByTwoSeatsAtOnce()
{
    // The two seats insert in two threads started together, each a member
    // with the same documents in turn: every document ends with one member,
    // and the seat that came second is told so in the duplicate check's
    // words. The program's own check (a search before the insert) runs in
    // the client and cannot see the other seat's insert in flight.
    constexpr int documents = 20;
    const int first = m_serial + 1;
    m_serial += documents;
    struct Seat
    {
        TDM *module;
        int stored = 0;
        QStringList otherFailures;
    };
    Seat seats[] = {{&m_modules->dm(), 0, {}}, {m_other.get(), 0, {}}};
    m_messages.reset(); // the seats' messages are told apart by the results

    std::latch start(2);
    auto insertAll = [&](Seat &seat) {
        start.arrive_and_wait();
        for (int i = 0; i < documents; ++i) {
            TAssociado member;
            member.setNome(u"MESMO DOCUMENTO"_s);
            member.setCnpj(QString::number(first + i).rightJustified(14, u'0'));
            member.setId_ass(association);
            if (seat.module->IUAssociado(member))
                ++seat.stored;
            else if (seat.module->lastRefusal() != WriteRefusal::DuplicateDocument)
                seat.otherFailures << member.cnpj();
        }
    };
    std::thread second(insertAll, std::ref(seats[1]));
    insertAll(seats[0]);
    second.join();

    QVERIFY2(seats[0].otherFailures.isEmpty(), qPrintable(seats[0].otherFailures.join(u", ")));
    QVERIFY2(seats[1].otherFailures.isEmpty(), qPrintable(seats[1].otherFailures.join(u", ")));
    QCOMPARE(seats[0].stored + seats[1].stored, documents);
    QCOMPARE(count(m_modules->dm().connection(), u"ASSOCIADO where ACD_A_NOM = 'MESMO DOCUMENTO'"_s), documents);

    // The refusal's text, told once more without the threads.
    m_messages = std::make_unique<MessageRecorder>();
    TAssociado again;
    again.setCnpj(QString::number(first).rightJustified(14, u'0'));
    again.setId_ass(association);
    QVERIFY(!m_other->IUAssociado(again));
    QCOMPARE(m_messages->texts(), QStringList{duplicateText});
    // Another association may have a member with that document, and members
    // without a document are many.
    again.setId_ass(2);
    QVERIFY(m_other->IUAssociado(again));
    for (int i = 0; i < 2; ++i) {
        TAssociado blank;
        blank.setId_ass(association);
        QVERIFY(m_other->IUAssociado(blank));
    }
}

void tst_Conflicts::partnerDocumentIsOncePerMember()
{
    writeMember();
    const qint32 firstMember = m_member;
    writeMember();
    const qint32 secondMember = m_member;
    TDM &mine = m_modules->dm();
    auto partnerOf = [](qint32 member, const QString &document) {
        auto p = std::make_unique<TParceiro>();
        p->setNome(u"CLIENTE"_s);
        p->setCnpj_cpf(document);
        p->setId_acd(member);
        return p;
    };
    QVERIFY(mine.IUParceiro(*partnerOf(firstMember, u"52998224725"_s)));
    m_messages->clear();
    QVERIFY(!mine.IUParceiro(*partnerOf(firstMember, u"52998224725"_s)));
    QCOMPARE(m_messages->texts(), QStringList{duplicateText});
    QCOMPARE(mine.lastRefusal(), WriteRefusal::DuplicateDocument);
    // The same customer of another member, and partners without a document.
    QVERIFY(mine.IUParceiro(*partnerOf(secondMember, u"52998224725"_s)));
    QVERIFY(mine.IUParceiro(*partnerOf(firstMember, QString())));
    QVERIFY(mine.IUParceiro(*partnerOf(firstMember, QString())));
}

QTEST_GUILESS_MAIN(tst_Conflicts)
#include "tst_conflicts.moc"
