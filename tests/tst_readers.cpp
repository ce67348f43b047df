// The data-access module's opening and its register readers, against a real
// database.

#include "DataModules.h"
#include "FbError.h"
#include "Session.h"
#include "TAssociacao.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "TestDatabase.h"
#include "uDM.h"

#include <QTemporaryDir>
#include <QTest>

class tst_Readers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void associationIsFoundByTrimmedCnpj();
    void unknownCnpjLeavesAssociationUntouched();
    void secondAssociationReplacesContacts();
    void memberByKeyWithContactsInKeyOrder();
    void unknownMemberKeyGivesEmptyEntity();
    void memberByDocumentFillsTheSessionMember();
    void memberReaderNamesTheRegisteringAssociationUser();
    void usersInKeyOrder_data();
    void usersInKeyOrder();

    void openingFails_data();
    void openingFails();
    void readerErrorsEscape(); // last: it replaces the session objects

private:
    std::unique_ptr<DataModules> m_modules;
};

void tst_Readers::initTestCase()
{
    m_modules = std::make_unique<DataModules>(QStringLiteral(R"(
insert into CIDADE values ('3550308', 'SÃO PAULO', 'SP');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, CID_A_COD, ASS_A_ABL) values (1, '01234567000100', 'PRIMEIRA', '3550308', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '11222333000181', 'SEGUNDA', 'N');
insert into ASSOCIACAO_CONTATO values (12, 'ZÉ', '11', '5555', 1);
insert into ASSOCIACAO_CONTATO values (11, 'ANA', '11', '4444', 1);
insert into ASSOCIACAO_CONTATO values (13, 'SÓ UM', '21', '3333', 2);
insert into ASSOCIACAO_USUARIO values (7, 'MARIA', 'MARIA', 'SENHA', 'S', 1, 'S', null);
insert into ASSOCIACAO_USUARIO values (3, 'JOSÉ', 'JOSE', 'X', 'N', 1, 'N', null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, CID_A_COD, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
  values (50, '12345678909', 'CLIENTE UM', '3550308', 1, 'S', 'S', 'N', '2019-09-19 10:30:00', 7);
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD) values (51, '11444777000161', 'SEM CIDADE', 1);
insert into ASSOCIADO_CONTATO values (103, 'C', '11', '3', 50, null);
insert into ASSOCIADO_CONTATO values (101, 'A', '11', '1', 50, null);
insert into ASSOCIADO_CONTATO values (102, 'B', '11', '2', 50, null);
insert into ASSOCIADO_USUARIO values (9, 'U2', 'U2', 'P', 'S', 50, 'S', null);
insert into ASSOCIADO_USUARIO values (8, 'U1', 'U1', 'P', 'S', 50, 'S', null);
)"));
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_Readers::cleanupTestCase()
{
    m_modules.reset();
    QVERIFY(AssociacaoAtual == nullptr);
    QVERIFY(AssociadoAtual == nullptr);
}

void tst_Readers::associationIsFoundByTrimmedCnpj()
{
    QVERIFY(DM->LeAssociacao(QStringLiteral(" \t01234567000100  ")));
    QCOMPARE(AssociacaoAtual->id(), 1);
    QCOMPARE(AssociacaoAtual->nome(), QStringLiteral("PRIMEIRA"));
    QCOMPARE(AssociacaoAtual->cidade(), QStringLiteral("SÃO PAULO"));
    QCOMPARE(AssociacaoAtual->uf(), QStringLiteral("SP"));
    QCOMPARE(AssociacaoAtual->abilitado(), QStringLiteral("S"));
}

void tst_Readers::unknownCnpjLeavesAssociationUntouched()
{
    QVERIFY(DM->LeAssociacao(QStringLiteral("01234567000100")));
    QVERIFY(!DM->LeAssociacao(QStringLiteral("99999999000199")));
    QCOMPARE(AssociacaoAtual->id(), 1);
    QCOMPARE(AssociacaoAtual->fones().count(), 2);
}

void tst_Readers::secondAssociationReplacesContacts()
{
    QVERIFY(DM->LeAssociacao(QStringLiteral("01234567000100")));
    QCOMPARE(AssociacaoAtual->fones().count(), 2);
    QCOMPARE(AssociacaoAtual->fones().at(0)->id(), 11); // key order, not insertion order
    QCOMPARE(AssociacaoAtual->fones().at(1)->nome(), QStringLiteral("ZÉ"));

    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    QCOMPARE(AssociacaoAtual->id(), 2);
    QCOMPARE(AssociacaoAtual->abilitado(), QStringLiteral("N"));
    QCOMPARE(AssociacaoAtual->cidade(), QString()); // no city: the joined columns are null
    QCOMPARE(AssociacaoAtual->fones().count(), 1);
    QCOMPARE(AssociacaoAtual->fones().at(0)->nome(), QStringLiteral("SÓ UM"));
}

void tst_Readers::memberByKeyWithContactsInKeyOrder()
{
    auto member = DM->LeAssociadoID(50);
    QCOMPARE(member->id(), 50);
    QCOMPARE(member->cnpj(), QStringLiteral("12345678909"));
    QCOMPARE(member->cidade(), QStringLiteral("SÃO PAULO"));
    QCOMPARE(member->cnpj_ass(), QStringLiteral("01234567000100"));
    QCOMPARE(member->pct01(), QStringLiteral("S"));
    QCOMPARE(member->pct02(), QStringLiteral("N"));
    QCOMPARE(member->dt_cad().toDateTime(), QDateTime(QDate(2019, 9, 19), QTime(10, 30)));
    QCOMPARE(member->fones().count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(member->fones().at(i)->id(), 101 + i);
        QCOMPARE(member->fones().at(i)->excluir(), false);
    }

    // The statement runs afresh with the new key.
    auto other = DM->LeAssociadoID(51);
    QCOMPARE(other->nome(), QStringLiteral("SEM CIDADE"));
    QCOMPARE(other->cidade(), QString());
    QCOMPARE(other->id_usu(), 0);
    QCOMPARE(other->nome_usu(), QString());
    QCOMPARE(other->fones().count(), 0);
}

void tst_Readers::unknownMemberKeyGivesEmptyEntity()
{
    auto member = DM->LeAssociadoID(4242);
    QVERIFY(member);
    QCOMPARE(member->id(), 0);
    QCOMPARE(member->nome(), QString());
    QCOMPARE(member->fones().count(), 0);
}

void tst_Readers::memberByDocumentFillsTheSessionMember()
{
    QVERIFY(DM->LeAssociadoCNPJ(QStringLiteral(" 12345678909 ")));
    QCOMPARE(AssociadoAtual->id(), 50);
    QCOMPARE(AssociadoAtual->fones().count(), 3);
    QVERIFY(!DM->LeAssociadoCNPJ(QStringLiteral("00000000000")));
    QCOMPARE(AssociadoAtual->id(), 50);
    QVERIFY(DM->LeAssociadoCNPJ(QStringLiteral("11444777000161")));
    QCOMPARE(AssociadoAtual->id(), 51);
    QCOMPARE(AssociadoAtual->fones().count(), 0);
}

void tst_Readers::memberReaderNamesTheRegisteringAssociationUser()
{
    // ASSOCIADO.USU_I_COD holds a user of the association (here MARIA, key 7),
    // not a member's login user.
    auto member = DM->LeAssociadoID(50);
    QCOMPARE(member->id_usu(), 7);
    QCOMPARE(member->nome_usu(), QStringLiteral("MARIA"));
}

void tst_Readers::usersInKeyOrder_data()
{
    QTest::addColumn<bool>("ofAssociation");
    QTest::addColumn<int>("owner");
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("association users") << true << 1 << QList<int>{3, 7};
    QTest::newRow("member users") << false << 50 << QList<int>{8, 9};
    QTest::newRow("member without users") << false << 51 << QList<int>{};
    QTest::newRow("unknown association") << true << 99 << QList<int>{};
}

void tst_Readers::usersInKeyOrder()
{
    QFETCH(bool, ofAssociation);
    QFETCH(int, owner);
    QFETCH(QList<int>, keys);
    auto users = ofAssociation ? DM->LeUsuarioASS(owner) : DM->LeUsuario(owner);
    QList<int> read;
    for (const auto &user : users->Lista()) {
        read << user->id();
        QCOMPARE(user->id_pai(), owner);
    }
    QCOMPARE(read, keys);
    if (ofAssociation && owner == 1) {
        const TUsuarios *maria = users->Lista().at(1);
        QCOMPARE(maria->usuario(), QStringLiteral("MARIA"));
        QCOMPARE(maria->senha(), QStringLiteral("SENHA"));
        QCOMPARE(maria->mst(), QStringLiteral("S"));
        QCOMPARE(maria->abilitado(), QStringLiteral("S"));
    }
}

void tst_Readers::openingFails_data()
{
    QTest::addColumn<QString>("definitions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing file") << QStringLiteral("missing.ini") << QStringLiteral("missing.ini");
    QTest::newRow("missing section") << QStringLiteral("[Outra]\nDatabase=x.fdb\n") << QStringLiteral("'Ulmora'");
    QTest::newRow("unreachable database") << QStringLiteral("[Ulmora]\nDatabase=/nonexistent/folder/x.fdb\n")
                                          << QStringLiteral("/nonexistent/folder/x.fdb");
}

void tst_Readers::openingFails()
{
    QFETCH(QString, definitions);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("missing.ini"));
    if (definitions.startsWith(u'[')) {
        file = dir.filePath(QStringLiteral("connections.ini"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(definitions.toUtf8());
    }
    qputenv("ULMORA_CONNECTION_DEFS", file.toUtf8());
    DM = nullptr;
    try {
        TDM dm;
        QFAIL("the module opened without a reachable database");
    } catch (const FbError &error) {
        QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
    }
    qunsetenv("ULMORA_CONNECTION_DEFS");
    // The session objects belong to the module that did open.
    QVERIFY(AssociacaoAtual != nullptr);
    DM = &m_modules->dm();
}

void tst_Readers::readerErrorsEscape()
{
    // A reader does not catch: a database error reaches its caller (the
    // event loop's database error dialog in the program).
    TestDatabase broken;
    QVERIFY2(broken.isValid(), qPrintable(broken.error()));
    QVERIFY(broken.run(QStringLiteral("insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ) values (1, '01234567000100');"
                                      "drop table ASSOCIACAO_CONTATO;")));
    {
        // A second module replaces the session objects while it lives.
        TDM dm(broken.settings());
        QVERIFY_THROWS_EXCEPTION(FbError, dm.LeAssociacao(QStringLiteral("01234567000100")));
    }
    CriaGlobais(); // for the first module, which frees them at the end
}

QTEST_GUILESS_MAIN(tst_Readers)
#include "tst_readers.moc"
