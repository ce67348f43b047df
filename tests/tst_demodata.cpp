// The demo database as the README documents it: every documented login of
// the members' program gets in (or is refused) as said, with the packages
// said, and each member that logs in has partners of its own.

#include "DataModules.h"
#include "MessageRecorder.h"
#include "Session.h"
#include "TListaParceiro.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "uDM.h"

#include <QTest>

class tst_DemoData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void memberLogins_data();
    void memberLogins();
    void associationLoginsStillThere();

private:
    std::unique_ptr<DataModules> m_modules;
};

void tst_DemoData::initTestCase()
{
    m_modules = std::make_unique<DataModules>(QString(), DataModules::DataAccess, TestDatabase::WithDemo);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
}

void tst_DemoData::cleanupTestCase()
{
    m_modules.reset();
}

void tst_DemoData::memberLogins_data()
{
    QTest::addColumn<QString>("cnpj");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<bool>("logsIn");
    QTest::addColumn<QString>("financeiro");
    QTest::addColumn<QString>("negativacao");
    QTest::addColumn<bool>("inicial");

    const QString ulmora = QStringLiteral("11222333000181");
    QTest::newRow("MERCADO: both packages") << ulmora << "MERCADO"
                                            << "MERCADO1" << true << "S"
                                            << "S" << false;
    QTest::newRow("JOSE: Financeiro") << ulmora << "JOSE"
                                      << "JOSE2026" << true << "S"
                                      << "N" << false;
    QTest::newRow("MARIA: Negativação, initial password") << ulmora << "MARIA"
                                                          << "93541" << true << "N"
                                                          << "S" << true;
    QTest::newRow("OFICINA: no package") << ulmora << "OFICINA"
                                         << "OFICINA1" << true << "N"
                                         << "N" << false;
    QTest::newRow("PADARIA: inactive member") << ulmora << "PADARIA"
                                              << "08472" << false << ""
                                              << "" << false;
    QTest::newRow("EMPORIO: Negativação, another association") << "11333555000171"
                                                               << "EMPORIO"
                                                               << "EMPORIO1" << true << "N"
                                                               << "S" << false;
    QTest::newRow("FERRAGENS: inactive association") << "11444777000161"
                                                     << "FERRAGENS"
                                                     << "27365" << false << ""
                                                     << "" << false;
}

void tst_DemoData::memberLogins()
{
    QFETCH(QString, cnpj);
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(bool, logsIn);
    QFETCH(QString, financeiro);
    QFETCH(QString, negativacao);
    QFETCH(bool, inicial);

    TUsuarios user;
    bool isInitial = false;
    QCOMPARE(DM->LeLoginAssociado(cnpj, usuario, senha, user, isInitial), logsIn);
    if (!logsIn)
        return;
    QCOMPARE(isInitial, inicial);
    QCOMPARE(AssociadoAtual->pct01(), financeiro);
    QCOMPARE(AssociadoAtual->pct02(), negativacao);
    // A few partners of its own, some with contacts.
    MessageRecorder messages;
    const auto partners = DM->PesqParceiro(tpMeus, tpNome, tpTodosParc, QString());
    QVERIFY(partners->Lista().count() >= 2);
    QCOMPARE(messages.texts(), QStringList());
}

void tst_DemoData::associationLoginsStillThere()
{
    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    QCOMPARE(AssociacaoAtual->abilitado(), QStringLiteral("S"));
    QCOMPARE(DM->LeUsuarioASS(AssociacaoAtual->id())->Lista().count(), 2);
}

QTEST_GUILESS_MAIN(tst_DemoData)
#include "tst_demodata.moc"
