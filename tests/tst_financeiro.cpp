// The bookkeeping windows of the members' program against a real database,
// driven through the real widgets: groups and accounts with the refused
// deletions, entries in instalments, the entry list with its filters, red
// overdue rows and totals, settlement in full and in part, reversal and its
// refusal, the result statement by both bases with its chart and PDF, and
// the package gate of the main window. Member 10 is in work; member 11 keeps
// entries of the same shape that must never show.

#include "Controls.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Money.h"
#include "Session.h"
#include "TAcdBaixaPag.h"
#include "TAcdPagamento.h"
#include "TConta.h"
#include "TContaGrupo.h"
#include "TListaAcdBaixaPag.h"
#include "TListaAcdPagamento.h"
#include "TListaConta.h"
#include "TListaContaGrupo.h"
#include "WidgetFeedback.h"
#include "uBaixaPag.h"
#include "uCadContaGrupo.h"
#include "uCadPagamento.h"
#include "uDM.h"
#include "uDMds.h"
#include "uDRE.h"
#include "uPagamento.h"
#include "uPrincipalAcd.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Members 10 and 11 have groups and accounts of the same shape and entries
// in the same months. March 2024 is the month of the result statements:
//   member 10, by posting date: VENDAS 1000 + 250 (rest entry 7003 left
//   out) = 1250; SERVIÇOS 300; ALUGUEL 800; ENERGIA 0 (its entry is
//   posted in February). By payment date: VENDAS 400 (7002 paid 400 of
//   1000 on 20/03) + 150 (rest 7003, paid 25/03) = 550; SERVIÇOS 0 (paid in
//   April); ALUGUEL 800; ENERGIA 120 (paid 10/03).
// January 2025 holds open entries to settle and reverse.
const char fixture[] = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO COMERCIAL', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1) values (10, '45123456000187', 'MERCADO BOA VISTA', 1, 'S', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1) values (11, '08472163000189', 'PADARIA VIZINHA', 1, 'S', 'S');
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_ABL, ACD_I_COD) values (500, 'C', 'F', '12398745619', 'ANTONIO MENDES', 'S', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_ABL, ACD_I_COD) values (501, 'F', 'J', '33652147000115', 'IMOBILIÁRIA CENTRAL', 'S', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_ABL, ACD_I_COD) values (502, 'C', 'F', '25173890479', 'ANTONIO DA PADARIA', 'S', 11);

insert into ASSOCIADO_CONTA_GRP values (1, 'VENDAS', 'C', 10);
insert into ASSOCIADO_CONTA_GRP values (2, 'SERVIÇOS', 'C', 10);
insert into ASSOCIADO_CONTA_GRP values (3, 'ALUGUEL', 'D', 10);
insert into ASSOCIADO_CONTA_GRP values (4, 'ENERGIA', 'D', 10);
insert into ASSOCIADO_CONTA_GRP values (5, 'SEM CONTAS', 'D', 10);
insert into ASSOCIADO_CONTA values (11, 'BALCÃO', 1);
insert into ASSOCIADO_CONTA values (12, 'ENTREGAS', 1);
insert into ASSOCIADO_CONTA values (21, 'MANUTENÇÃO', 2);
insert into ASSOCIADO_CONTA values (31, 'LOJA', 3);
insert into ASSOCIADO_CONTA values (41, 'LUZ', 4);

insert into ASSOCIADO_CONTA_GRP values (101, 'VENDAS', 'C', 11);
insert into ASSOCIADO_CONTA_GRP values (103, 'ALUGUEL', 'D', 11);
insert into ASSOCIADO_CONTA values (111, 'BALCÃO', 101);
insert into ASSOCIADO_CONTA values (131, 'LOJA', 103);

insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7001, 1, 11, 'VENDA MARÇO', 1, 1, '2024-03-05', 1000, '2024-03-10', null, 0, 'A', 500, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7002, 1, 12, 'ENTREGA GRANDE', 1, 1, '2024-03-08', 250, '2024-03-20', '2024-03-20', 400, 'B', 500, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7003, 1, 12, 'ENTREGA GRANDE', 1, 1, '2024-03-08', 150, '2024-03-20', '2024-03-25', 150, 'B', 500, 10, 0, 7002);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7004, 2, 21, 'CONSERTO', 1, 1, '2024-03-12', 300, '2024-03-30', '2024-04-02', 300, 'B', 0, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7005, 3, 31, 'ALUGUEL MARÇO', 1, 1, '2024-03-01', 800, '2024-03-05', '2024-03-05', 800, 'B', 501, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7006, 1, 41, 'CONTA DE LUZ', 1, 1, '2024-02-20', 120, '2024-03-10', '2024-03-10', 120, 'B', 0, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (7007, 1, 31, 'ALUGUEL ABRIL', 1, 1, '2024-03-28', 800.5, '2024-03-31', null, 0, 'A', 501, 10, 0, null);

insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (8001, 1, 111, 'VENDA MARÇO', 1, 1, '2024-03-05', 5000, '2024-03-10', null, 0, 'A', 502, 11, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (8002, 1, 131, 'ALUGUEL MARÇO', 1, 1, '2024-03-01', 900, '2024-03-05', '2024-03-05', 900, 'B', 0, 11, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (8003, 1, 111, 'MENSALIDADE', 1, 1, '2025-01-02', 70, '2025-01-15', null, 0, 'A', 0, 11, 0, null);

insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (9001, 1, 11, 'MENSALIDADE A', 1, 1, '2025-01-02', 100, '2025-01-15', null, 0, 'A', 500, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (9002, 1, 11, 'MENSALIDADE B', 1, 1, '2025-01-02', 80, '2025-01-16', null, 0, 'A', 500, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (9003, 1, 11, 'MENSALIDADE C', 1, 1, '2025-01-02', 60, '2025-01-17', null, 0, 'A', 500, 10, 0, null);
insert into ASSOCIADO_PAGAMENTO (PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR, PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS, PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI) values
  (9004, 1, 11, 'MENSALIDADE D', 1, 1, '2025-01-02', 50, '2025-01-18', null, 0, 'A', 500, 10, 0, null);

-- The third instalment of this description is refused by the database.
alter table ASSOCIADO_PAGAMENTO add constraint CK_TERCEIRA_RECUSADA check (PAG_A_DSC is distinct from 'RECUSADA NA TERCEIRA' or PAG_I_PAR < 3);
alter sequence GEN_ASSOCIADO_CONTA_GRP_ID restart with 1000;
alter sequence GEN_ASSOCIADO_CONTA_ID restart with 1000;
alter sequence GEN_ASSOCIADO_PAGAMENTO_ID restart with 10000;
)";

DateTime day(int y, int m, int d)
{
    return DateTime::fromDate(QDate(y, m, d));
}

void pressOk(QDialog *dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "btnBotoes")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The entries of the member in work found by the data layer.
QList<const TAcdPagamento *> entries(const TListaAcdPagamento &list)
{
    QList<const TAcdPagamento *> result;
    for (const auto &entry : list.lista())
        result << entry.get();
    return result;
}

QString statusOf(qint32 key)
{
    for (const char *status : {"A", "B"}) {
        auto found = DM->PesqPagamento(QString::fromLatin1(status), tpLancamento, day(1900, 1, 1), day(2999, 12, 31), 0,
                                       0, QString(), QString());
        for (const auto &entry : found->lista())
            if (entry->id() == key)
                return entry->status();
    }
    return u"(none)"_s;
}

} // namespace

class tst_Financeiro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void instalmentSplit_data();
    void instalmentSplit();

    void groupsAndAccountsOfTheMemberOnly();
    void newGroupAndAccountEditAndDelete();
    void refusedDeletionsSayWhy_data();
    void refusedDeletionsSayWhy();

    void newEntryInInstalments_data();
    void newEntryInInstalments();
    void instalmentsAllOrNothing();
    void listFiltersRedAndTotals_data();
    void listFiltersRedAndTotals();
    void editAndDeleteOnlyOpenEntries();

    void settleInFullAndInPart();
    void settlementReportsWhatWasNotSettled();
    void reversalAndItsRefusal();

    void resultStatement_data();
    void resultStatement();
    void pdfHoldsTheStatement();

    void packageGate_data();
    void packageGate();

private:
    void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void showList(TfrmCadPagamento &window, int situacao, int tipoData, QDate de, QDate ate);
    QList<qint32> listedKeys() const;
    void selectRows(TfrmCadPagamento &window, const QList<qint32> &keys);

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
};

void tst_Financeiro::initTestCase()
{
    LanguageControl::install();
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation,
                                              TestDatabase::SchemaOnly, QStringList{u"data/reference.sql"_s});
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(u"11222333000181"_s));
    AssociadoAtual->setId(10);
    AssociadoAtual->setNome(u"MERCADO BOA VISTA"_s);
    AssociadoAtual->setPct01(u"S"_s);
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_Financeiro::cleanupTestCase()
{
    m_messages.reset();
    m_feedback.reset();
    m_modules.reset();
}

void tst_Financeiro::init()
{
    m_messages->clear();
}

void tst_Financeiro::cleanup()
{
    AssociadoAtual->setId(10);
}

void tst_Financeiro::press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // Offscreen, nothing gives the focus back to the window once a dialog
    // of a flow has closed; a window manager would.
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void tst_Financeiro::showList(TfrmCadPagamento &window, int situacao, int tipoData, QDate de, QDate ate)
{
    child<QComboBox>(&window, "cbbSituacao")->setCurrentIndex(situacao);
    child<QComboBox>(&window, "cbbTipoData")->setCurrentIndex(tipoData);
    child<QDateEdit>(&window, "dtpInicio")->setDate(de);
    child<QDateEdit>(&window, "dtpFim")->setDate(ate);
    press(&window, Qt::Key_F2);
}

QList<qint32> tst_Financeiro::listedKeys() const
{
    QList<qint32> keys;
    const MemTable *table = DMds->cdsPesqPagamento;
    for (int row = 0; row < table->recordCount(); ++row)
        keys << table->value(row, table->fieldIndex(u"PAG_I_COD")).toInt();
    return keys;
}

void tst_Financeiro::selectRows(TfrmCadPagamento &window, const QList<qint32> &keys)
{
    auto *grid = child<QTableView>(&window, "dbgrdPag");
    const MemTable *table = DMds->cdsPesqPagamento;
    grid->selectionModel()->clearSelection();
    bool first = true;
    for (const qint32 key : keys) {
        const int row = int(listedKeys().indexOf(key));
        QVERIFY2(row >= 0, "entry not listed");
        const QModelIndex index = table->index(row, table->fieldIndex(u"PAG_A_DSC"));
        if (first)
            grid->setCurrentIndex(index);
        grid->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        first = false;
    }
}

void tst_Financeiro::instalmentSplit_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("parcelas");
    QTest::addColumn<QList<qint64>>("partes");

    QTest::newRow("100,00 in 3") << qint64(10000) << 3 << QList<qint64>{3333, 3333, 3334};
    QTest::newRow("even") << qint64(9000) << 3 << QList<qint64>{3000, 3000, 3000};
    QTest::newRow("one") << qint64(12345) << 1 << QList<qint64>{12345};
    QTest::newRow("0,10 in 7") << qint64(10) << 7 << QList<qint64>{1, 1, 1, 1, 1, 1, 4};
}

void tst_Financeiro::instalmentSplit()
{
    QFETCH(qint64, total);
    QFETCH(int, parcelas);
    QFETCH(QList<qint64>, partes);
    const QList<qint64> found = TfrmPagamento::DivideEmCentavos(total, parcelas);
    QCOMPARE(found, partes);
    QCOMPARE(std::accumulate(found.begin(), found.end(), qint64(0)), total);
}

void tst_Financeiro::groupsAndAccountsOfTheMemberOnly()
{
    TfrmCadContaGrupo window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const MemTable *groups = DMds->cdsContaGrupo;
    QStringList names;
    for (int row = 0; row < groups->recordCount(); ++row)
        names << groups->value(row, groups->fieldIndex(u"GRP_A_DSC")).toString() + u'/'
                     + groups->value(row, groups->fieldIndex(u"GRP_I_COD")).toString();
    // By name, in the collation of the database; member 11's VENDAS (101) and
    // ALUGUEL (103) never.
    QCOMPARE(names, (QStringList{u"ALUGUEL/3"_s, u"ENERGIA/4"_s, u"SEM CONTAS/5"_s, u"SERVIÇOS/2"_s, u"VENDAS/1"_s}));

    // The accounts follow the chosen group.
    auto *grid = child<QTableView>(&window, "dbgrdGrupo");
    grid->setCurrentIndex(groups->index(4, groups->fieldIndex(u"GRP_A_DSC")));
    const MemTable *accounts = DMds->cdsConta;
    QStringList accountNames;
    for (int row = 0; row < accounts->recordCount(); ++row)
        accountNames << accounts->value(row, accounts->fieldIndex(u"CON_A_DSC")).toString();
    QCOMPARE(accountNames, (QStringList{u"BALCÃO"_s, u"ENTREGAS"_s}));
    QCOMPARE(child<QLabel>(&window, "lblContas")->text(), u"Contas do grupo VENDAS"_s);
    grid->setCurrentIndex(groups->index(2, groups->fieldIndex(u"GRP_A_DSC")));
    QCOMPARE(accounts->recordCount(), 0);
    QVERIFY(!window.actEditaConta()->isEnabled());
    QVERIFY(window.actNovaConta()->isEnabled());
}

void tst_Financeiro::newGroupAndAccountEditAndDelete()
{
    TfrmCadContaGrupo window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // A new group: empty description refused, then typed in lower case.
    QString refused;
    ModalAnswer newGroup([&](QDialog *editor) {
        auto *tipo = child<QComboBox>(editor, "dblkcbbTipo");
        QCOMPARE(tipo->count(), 2);
        QCOMPARE(tipo->itemText(0), u"Crédito"_s);
        QCOMPARE(tipo->itemText(1), u"Débito"_s);
        pressOk(editor);
        refused = m_messages->texts().join(u'|');
        typeInto(editor, "dbedtDescricao", u"receitas diversas"_s);
        tipo->setCurrentIndex(0);
        pressOk(editor);
    });
    press(&window, Qt::Key_F5);
    QVERIFY(newGroup.answered());
    QCOMPARE(refused, u"Informe a descrição."_s);
    auto groups = DM->LeContaGrupo(10);
    const auto it = std::find_if(groups->lista().begin(), groups->lista().end(),
                                 [](const auto &g) { return g->descricao() == u"RECEITAS DIVERSAS"; });
    QVERIFY(it != groups->lista().end());
    const qint32 key = (*it)->id();
    QCOMPARE((*it)->tipo(), u"C"_s);
    QCOMPARE((*it)->id_pai(), 10);
    // The window stands on the new group.
    QCOMPARE(DMds->cdsContaGrupo->integer(u"GRP_I_COD"), key);

    // Its first account, with Shift+F5.
    ModalAnswer newAccount([&](QDialog *editor) {
        QVERIFY(!child<QComboBox>(editor, "dblkcbbTipo")->isVisible());
        typeInto(editor, "dbedtDescricao", u"ALUGUÉIS RECEBIDOS"_s);
        pressOk(editor);
    });
    press(&window, Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(newAccount.answered());
    auto accounts = DM->LeConta(10);
    const auto account = std::find_if(accounts->lista().begin(), accounts->lista().end(),
                                      [](const auto &c) { return c->descricao() == u"ALUGUÉIS RECEBIDOS"; });
    QVERIFY(account != accounts->lista().end());
    QCOMPARE((*account)->id_pai(), key);
    QCOMPARE(DMds->cdsConta->recordCount(), 1);

    // Renamed and made a debit group with F6; Cancel on a second edit
    // changes nothing.
    ModalAnswer edit([&](QDialog *editor) {
        QCOMPARE(child(editor, "dbedtDescricao")->text(), u"RECEITAS DIVERSAS"_s);
        typeInto(editor, "dbedtDescricao", u"OUTROS"_s);
        child<QComboBox>(editor, "dblkcbbTipo")->setCurrentIndex(1);
        pressOk(editor);
    });
    press(&window, Qt::Key_F6);
    QVERIFY(edit.answered());
    ModalAnswer cancel([&](QDialog *editor) {
        typeInto(editor, "dbedtDescricao", u"NÃO GRAVAR"_s);
        editor->reject();
    });
    press(&window, Qt::Key_F6);
    QVERIFY(cancel.answered());
    groups = DM->LeContaGrupo(10);
    const auto renamed
        = std::find_if(groups->lista().begin(), groups->lista().end(), [&](const auto &g) { return g->id() == key; });
    QCOMPARE((*renamed)->descricao(), u"OUTROS"_s);
    QCOMPARE((*renamed)->tipo(), u"D"_s);
    QCOMPARE(DMds->cdsContaGrupo->text(u"GRP_A_DSC"), u"OUTROS"_s);

    // The account without entries goes, then the group without accounts.
    press(&window, Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(DMds->cdsConta->recordCount(), 0);
    press(&window, Qt::Key_F7);
    groups = DM->LeContaGrupo(10);
    QVERIFY(
        std::none_of(groups->lista().begin(), groups->lista().end(), [&](const auto &g) { return g->id() == key; }));
    QCOMPARE(m_messages->shown.size(), 3); // the refusal above and the two confirmations
}

void tst_Financeiro::refusedDeletionsSayWhy_data()
{
    QTest::addColumn<int>("groupRow"); // VENDAS is the last of member 10's groups
    QTest::addColumn<bool>("account");
    QTest::addColumn<QString>("message");

    QTest::newRow("group with accounts") << 4 << false
                                         << u"Não é possível excluir este grupo: ele tem contas.\r"
                                            "Exclua as contas do grupo primeiro."_s;
    QTest::newRow("account with entries") << 4 << true << u"Não é possível excluir esta conta: há lançamentos nela."_s;
}

void tst_Financeiro::refusedDeletionsSayWhy()
{
    QFETCH(int, groupRow);
    QFETCH(bool, account);
    QFETCH(QString, message);

    TfrmCadContaGrupo window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const MemTable *groups = DMds->cdsContaGrupo;
    child<QTableView>(&window, "dbgrdGrupo")->setCurrentIndex(groups->index(groupRow, 0));
    QCOMPARE(DMds->cdsContaGrupo->text(u"GRP_A_DSC"), u"VENDAS"_s);
    const int before = int(DM->LeConta(10)->lista().count());
    press(&window, Qt::Key_F7, account ? Qt::ShiftModifier : Qt::NoModifier);
    // The confirmation, then the reason.
    QCOMPARE(m_messages->shown.size(), 2);
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Warning);
    QCOMPARE(m_messages->shown.at(1).text, message);
    QCOMPARE(DM->LeConta(10)->lista().count(), before);
    QCOMPARE(DM->LeContaGrupo(10)->lista().count(), 5);
}

void tst_Financeiro::newEntryInInstalments_data()
{
    QTest::addColumn<QDate>("primeiro");
    QTest::addColumn<QList<QDate>>("vencimentos");

    QTest::newRow("31 January 2025") << QDate(2025, 1, 31)
                                     << QList<QDate>{QDate(2025, 1, 31), QDate(2025, 2, 28), QDate(2025, 3, 31)};
    QTest::newRow("31 January 2028, leap year")
        << QDate(2028, 1, 31) << QList<QDate>{QDate(2028, 1, 31), QDate(2028, 2, 29), QDate(2028, 3, 31)};
}

void tst_Financeiro::newEntryInInstalments()
{
    QFETCH(QDate, primeiro);
    QFETCH(QList<QDate>, vencimentos);

    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QString tipo;
    QStringList contas;
    ModalAnswer editor([&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), u"Novo lançamento"_s);
        auto *conta = child<QComboBox>(dialog, "cbbConta");
        for (int i = 0; i < conta->count(); ++i)
            contas << conta->itemText(i);
        typeInto(dialog, "edtDescricao", u"venda parcelada"_s);
        conta->setCurrentIndex(conta->findText(u"VENDAS / BALCÃO"_s));
        tipo = child<QLabel>(dialog, "lblTipo")->text();
        // The partner is found by part of its name: Enter moves on to the
        // list, which then holds the one found.
        typeInto(dialog, "edtPesqParceiro", u"mendes"_s);
        QTest::keyClick(child(dialog, "edtPesqParceiro"), Qt::Key_Return);
        auto *parceiro = child<QComboBox>(dialog, "cbbParceiro");
        QCOMPARE(parceiro->count(), 2);
        QCOMPARE(parceiro->currentText(), u"ANTONIO MENDES"_s);
        auto *forma = child<QComboBox>(dialog, "cbbFormaPagto");
        forma->setCurrentIndex(forma->findText(u"BOLETO"_s, Qt::MatchContains));
        child<MoneyEdit>(dialog, "edtValor")->setAmount(100);
        child<QSpinBox>(dialog, "spnParcelas")->setValue(3);
        child<QDateEdit>(dialog, "dtpLancamento")->setDate(primeiro.addDays(-10));
        child<QDateEdit>(dialog, "dtpVencimento")->setDate(primeiro);
        pressOk(dialog);
    });
    press(&window, Qt::Key_F5);
    QVERIFY(editor.answered());
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(tipo, u"Crédito (a receber)"_s);
    // Only the member's own accounts, by group.
    QVERIFY(contas.contains(u"ALUGUEL / LOJA"_s));
    QCOMPARE(contas.count(u"VENDAS / BALCÃO"_s), 1);

    auto found = DM->PesqPagamento(u"A"_s, tpLancamento, DateTime::fromDate(primeiro.addDays(-10)),
                                   DateTime::fromDate(primeiro.addDays(-10)), 0, 11, QString(), u"VENDA PARCELADA"_s);
    const auto rows = entries(*found);
    QCOMPARE(rows.size(), 3);
    qint64 soma = 0;
    const double valores[] = {33.33, 33.33, 33.34};
    for (int i = 0; i < 3; ++i) {
        const TAcdPagamento &e = *rows.at(i);
        QCOMPARE(e.parc(), i + 1);
        QCOMPARE(e.parc_tot(), 3);
        QCOMPARE(e.vlr_parc(), valores[i]);
        QCOMPARE(e.dt_venc().toDateTime().date(), vencimentos.at(i));
        QCOMPARE(e.id_parceiro(), 500);
        QCOMPARE(e.id_acd(), 10);
        QCOMPARE(e.status(), u"A"_s);
        QVERIFY(e.dt_pag().isEmpty());
        soma += Money::cents(e.vlr_parc());
    }
    QCOMPARE(soma, qint64(10000));
    QVERIFY(rows.at(0)->id_fpg() > 0);
}

void tst_Financeiro::instalmentsAllOrNothing()
{
    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ModalAnswer editor([&](QDialog *dialog) {
        typeInto(dialog, "edtDescricao", u"RECUSADA NA TERCEIRA"_s);
        auto *conta = child<QComboBox>(dialog, "cbbConta");
        conta->setCurrentIndex(conta->findText(u"ALUGUEL / LOJA"_s));
        child<MoneyEdit>(dialog, "edtValor")->setAmount(90);
        child<QSpinBox>(dialog, "spnParcelas")->setValue(3);
        child<QDateEdit>(dialog, "dtpLancamento")->setDate(QDate(2025, 8, 1));
        child<QDateEdit>(dialog, "dtpVencimento")->setDate(QDate(2025, 8, 10));
        pressOk(dialog);
    });
    press(&window, Qt::Key_F5);
    QVERIFY(editor.answered());
    // The refusal is told, and the two instalments before it are not kept.
    QCOMPARE(m_messages->shown.size(), 1);
    QVERIFY(m_messages->shown.at(0).text.startsWith(u"IUacdPagamento: "_s));
    auto found = DM->PesqPagamento(u"A"_s, tpLancamento, day(2025, 8, 1), day(2025, 8, 1), 0, 0, QString(),
                                   u"RECUSADA NA TERCEIRA"_s);
    QCOMPARE(found->lista().count(), 0);
}

void tst_Financeiro::listFiltersRedAndTotals_data()
{
    QTest::addColumn<int>("situacao");
    QTest::addColumn<int>("tipoData");
    QTest::addColumn<int>("grupo"); // index in the group list, 0 = all
    QTest::addColumn<QString>("parceiro");
    QTest::addColumn<QList<qint32>>("keys");
    QTest::addColumn<QString>("creditos");
    QTest::addColumn<QString>("debitos");
    QTest::addColumn<QString>("saldo");

    QTest::newRow("open, posted in March")
        << 0 << 0 << 0 << QString() << QList<qint32>{7001, 7007} << u"Créditos: R$ 1.000,00"_s
        << u"Débitos: R$ 800,50"_s << u"Saldo: R$ 199,50"_s;
    // Settled: the totals are of what was paid.
    QTest::newRow("settled, paid in March")
        << 1 << 2 << 0 << QString() << QList<qint32>{7002, 7003, 7005, 7006} << u"Créditos: R$ 550,00"_s
        << u"Débitos: R$ 920,00"_s << u"Saldo: -R$ 370,00"_s;
    QTest::newRow("settled, due in March, a debit group")
        << 1 << 1 << 1 << QString() << QList<qint32>{7005} << u"Créditos: R$ 0,00"_s << u"Débitos: R$ 800,00"_s
        << u"Saldo: -R$ 800,00"_s;
    QTest::newRow("partner name part") << 1 << 0 << 0 << u"imobili"_s << QList<qint32>{7005} << u"Créditos: R$ 0,00"_s
                                       << u"Débitos: R$ 800,00"_s << u"Saldo: -R$ 800,00"_s;
}

void tst_Financeiro::listFiltersRedAndTotals()
{
    QFETCH(int, situacao);
    QFETCH(int, tipoData);
    QFETCH(int, grupo);
    QFETCH(QString, parceiro);
    QFETCH(QList<qint32>, keys);
    QFETCH(QString, creditos);
    QFETCH(QString, debitos);
    QFETCH(QString, saldo);

    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The period starts as the current month.
    const QDate hoje = QDate::currentDate();
    QCOMPARE(child<QDateEdit>(&window, "dtpInicio")->date(), QDate(hoje.year(), hoje.month(), 1));
    QCOMPARE(child<QDateEdit>(&window, "dtpFim")->date(), QDate(hoje.year(), hoje.month(), hoje.daysInMonth()));

    child<QComboBox>(&window, "cbbGrupo")->setCurrentIndex(grupo);
    typeInto(&window, "edtParceiro", parceiro);
    showList(window, situacao, tipoData, QDate(2024, 3, 1), QDate(2024, 3, 31));
    QCOMPARE(listedKeys(), keys);
    QCOMPARE(window.totalCreditos(), creditos);
    QCOMPARE(window.totalDebitos(), debitos);
    QCOMPARE(window.saldo(), saldo);

    // Dates as dd/mm/aaaa, amounts the Brazilian way, the instalment as n/N.
    const MemTable *table = DMds->cdsPesqPagamento;
    auto *grid = child<QTableView>(&window, "dbgrdPag");
    const auto shown = [&](int row, const char16_t *column) {
        const QModelIndex index = table->index(row, table->fieldIndex(column));
        return static_cast<QStyledItemDelegate *>(grid->itemDelegateForIndex(index))
            ->displayText(index.data(), QLocale());
    };
    if (keys.first() == 7001) {
        QCOMPARE(shown(0, u"PAG_D_VNC"), u"10/03/2024"_s);
        QCOMPARE(shown(0, u"PAG_N_DIV"), u"R$ 1.000,00"_s);
        QCOMPARE(shown(0, u"PARCELA"), u"1/1"_s);
        QCOMPARE(shown(0, u"PAG_D_PAG"), QString());
        QCOMPARE(shown(0, u"PAG_A_STS"), u"Em aberto"_s);
    } else if (keys.first() == 7002) {
        QCOMPARE(shown(0, u"PAG_D_PAG"), u"20/03/2024"_s);
        QCOMPARE(shown(0, u"PAG_N_PAG"), u"R$ 400,00"_s);
        QCOMPARE(shown(0, u"PAG_A_STS"), u"Baixado"_s);
    }

    // Open entries past their due date are red; settled ones are not.
    for (int row = 0; row < table->recordCount(); ++row) {
        const QVariant colour = table->index(row, 0).data(Qt::ForegroundRole);
        if (situacao == 0)
            QCOMPARE(colour.value<QColor>(), QColor(Qt::red));
        else
            QVERIFY(!colour.isValid());
    }
}

void tst_Financeiro::editAndDeleteOnlyOpenEntries()
{
    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // A settled entry can't be changed.
    showList(window, 1, 2, QDate(2024, 3, 1), QDate(2024, 3, 31));
    selectRows(window, {7005});
    QVERIFY(!window.actEdita()->isEnabled());
    QVERIFY(!window.actExclui()->isEnabled());
    QVERIFY(window.actEstorno()->isEnabled());
    window.actEditaExecute();
    QCOMPARE(m_messages->texts(), QStringList{u"Este lançamento está baixado: estorne a baixa antes de alterá-lo."_s});
    m_messages->clear();

    // An open one is edited: description, amount in cents.
    showList(window, 0, 1, QDate(2025, 1, 1), QDate(2025, 1, 20));
    QCOMPARE(listedKeys(), (QList<qint32>{9001, 9002, 9003, 9004}));
    selectRows(window, {9004});
    ModalAnswer edit([&](QDialog *dialog) {
        QVERIFY(!child<QSpinBox>(dialog, "spnParcelas")->isEnabled());
        QCOMPARE(child(dialog, "edtDescricao")->text(), u"MENSALIDADE D"_s);
        typeInto(dialog, "edtDescricao", u"MENSALIDADE D2"_s);
        child<MoneyEdit>(dialog, "edtValor")->setValue(55.556);
        pressOk(dialog);
    });
    press(&window, Qt::Key_F6);
    QVERIFY(edit.answered());
    QCOMPARE(m_messages->texts(), QStringList());
    auto found = DM->PesqPagamento(u"A"_s, tpVencimento, day(2025, 1, 18), day(2025, 1, 18), 0, 0, QString(),
                                   u"MENSALIDADE D2"_s);
    QCOMPARE(found->lista().count(), 1);
    QCOMPARE(found->lista().at(0)->id(), 9004);
    QCOMPARE(found->lista().at(0)->vlr_parc(), 55.56);

    // And deleted, after the confirmation.
    selectRows(window, {9004});
    press(&window, Qt::Key_F7);
    QCOMPARE(statusOf(9004), u"(none)"_s);
    QCOMPARE(listedKeys(), (QList<qint32>{9001, 9002, 9003}));
}

void tst_Financeiro::settleInFullAndInPart()
{
    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    showList(window, 0, 1, QDate(2025, 1, 1), QDate(2025, 1, 16));
    QCOMPARE(listedKeys(), (QList<qint32>{9001, 9002})); // member 11's 8003 never
    selectRows(window, {9001, 9002});

    QString total;
    ModalAnswer baixa([&](QDialog *dialog) {
        auto *settle = qobject_cast<TfrmBaixaPag *>(dialog);
        QVERIFY(settle);
        // Paid defaults to due plus interest or discount, and follows it.
        QCOMPARE(settle->pago(0)->amount(), 100.0);
        QCOMPARE(settle->pago(1)->amount(), 80.0);
        settle->acrescimo(1)->setAmount(-5);
        QCOMPARE(settle->pago(1)->amount(), 75.0);
        // 50,00 of 75,00 now: 25,00 stay open.
        settle->pago(1)->setAmount(50);
        total = child<QLabel>(dialog, "lblTotal")->text();
        pressOk(dialog);
    });
    press(&window, Qt::Key_F8);
    QVERIFY(baixa.answered());
    QCOMPARE(total, u"Total pago: R$ 150,00"_s);
    QCOMPARE(m_messages->texts(), QStringList{u"Lançamentos baixados: 2."_s});
    QCOMPARE(statusOf(9001), u"B"_s);
    QCOMPARE(statusOf(9002), u"B"_s);

    // The rest is open as its own entry, listed again at once.
    const QList<qint32> keys = listedKeys();
    QCOMPARE(keys.size(), 1);
    QVERIFY(keys.at(0) >= 10000);
    QCOMPARE(DMds->cdsPesqPagamento->text(u"PAG_A_DSC"), u"MENSALIDADE B"_s);
    QCOMPARE(DMds->cdsPesqPagamento->value(0, DMds->cdsPesqPagamento->fieldIndex(u"PAG_N_DIV")).toDouble(), 25.0);
    QCOMPARE(window.totalCreditos(), u"Créditos: R$ 25,00"_s);

    showList(window, 1, 2, QDate::currentDate(), QDate::currentDate());
    QVERIFY(listedKeys().contains(9001));
    QVERIFY(listedKeys().contains(9002));
}

void tst_Financeiro::settlementReportsWhatWasNotSettled()
{
    TListaAcdBaixaPag none;
    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Three open entries; while the dialog is up another seat deletes the
    // second, so the settlement stops there and the third is never reached.
    auto *a = new TAcdPagamento;
    a->setId_conta(11);
    a->setId_acd(10);
    a->setStatus(u"A"_s);
    a->setDt_div(day(2025, 6, 1));
    a->setParc_tot(1);
    a->setParc(1);
    for (const auto &[descricao, dia] :
         {std::pair{u"PARCIAL X"_s, 10}, std::pair{u"PARCIAL Y"_s, 11}, std::pair{u"PARCIAL Z"_s, 12}}) {
        a->setDescricao(descricao);
        a->setVlr_parc(10);
        a->setDt_venc(day(2025, 6, dia));
        QVERIFY(DM->IUacdPagamento(*a));
    }
    delete a;
    showList(window, 0, 1, QDate(2025, 6, 1), QDate(2025, 6, 30));
    const QList<qint32> keys = listedKeys();
    QCOMPARE(keys.size(), 3);
    selectRows(window, keys);
    ModalAnswer baixa([&](QDialog *dialog) {
        QVERIFY(DM->ExcluirPagamento(keys.at(1)));
        pressOk(dialog);
    });
    press(&window, Qt::Key_F8);
    QVERIFY(baixa.answered());
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Error);
    QCOMPARE(m_messages->shown.at(0).text, u"Lançamentos baixados: 1 de 3.\rBaixados:\r"
                                           "PARCIAL X 1/1, vencimento 10/06/2025\rNão baixados:\r"
                                           "PARCIAL Y 1/1, vencimento 11/06/2025\r"
                                           "PARCIAL Z 1/1, vencimento 12/06/2025"_s);
    QCOMPARE(statusOf(keys.at(0)), u"B"_s);
    QCOMPARE(statusOf(keys.at(2)), u"A"_s);
    QCOMPARE(listedKeys(), QList<qint32>{keys.at(2)});
}

void tst_Financeiro::reversalAndItsRefusal()
{
    TfrmCadPagamento window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // 9003 is settled in part (rest open), then the rest is settled too.
    showList(window, 0, 1, QDate(2025, 1, 17), QDate(2025, 1, 17));
    selectRows(window, {9003});
    ModalAnswer part([](QDialog *dialog) {
        qobject_cast<TfrmBaixaPag *>(dialog)->pago(0)->setAmount(20);
        pressOk(dialog);
    });
    press(&window, Qt::Key_F8);
    QVERIFY(part.answered());
    const QList<qint32> rest = listedKeys();
    QCOMPARE(rest.size(), 1);
    selectRows(window, rest);
    ModalAnswer full([](QDialog *dialog) { pressOk(dialog); });
    press(&window, Qt::Key_F8);
    QVERIFY(full.answered());
    m_messages->clear();

    // Reversing 9003 first is refused with the three-line message.
    showList(window, 1, 2, QDate::currentDate(), QDate::currentDate());
    selectRows(window, {9003});
    press(&window, Qt::Key_F9);
    QCOMPARE(m_messages->shown.size(), 2); // the confirmation, then the refusal
    QCOMPARE(m_messages->shown.at(1).text, u"Não foi possível estornar este débito.\r"
                                           "O valor da diferença já esta baixado.\r"
                                           "Por favor estorne o débito ID nº %1 primeiro."_s.arg(rest.at(0)));
    QCOMPARE(statusOf(9003), u"B"_s);

    // The rest first, then 9003: open again, the rest gone.
    m_messages->clear();
    selectRows(window, {rest.at(0)});
    press(&window, Qt::Key_F9);
    selectRows(window, {9003});
    press(&window, Qt::Key_F9);
    QCOMPARE(m_messages->shown.size(), 2); // two confirmations
    QCOMPARE(statusOf(9003), u"A"_s);
    QCOMPARE(statusOf(rest.at(0)), u"(none)"_s);
    QVERIFY(!listedKeys().contains(9003));
}

void tst_Financeiro::resultStatement_data()
{
    QTest::addColumn<bool>("caixa");
    QTest::addColumn<QList<double>>("valores");
    QTest::addColumn<QList<double>>("porcs");

    // Lines: SERVIÇOS, VENDAS (credits), ALUGUEL, ENERGIA, SEM CONTAS
    // (debits), RESULTADO; figures of the fixture's comment.
    QTest::newRow("Por competência") << false << QList<double>{300, 1250, -1600.5, 0, 0, -50.5}
                                     << QList<double>{19.4, 80.6, -103.3, 0, 0, -3.3};
    QTest::newRow("Por caixa") << true << QList<double>{0, 550, -800, -120, 0, -370}
                               << QList<double>{0, 100, -145.5, -21.8, 0, -67.3};
}

void tst_Financeiro::resultStatement()
{
    QFETCH(bool, caixa);
    QFETCH(QList<double>, valores);
    QFETCH(QList<double>, porcs);

    TfrmDRE window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    child<QComboBox>(&window, "cbbMes")->setCurrentIndex(2);
    child<QSpinBox>(&window, "spnAno")->setValue(2024);
    child<QComboBox>(&window, "cbbBase")->setCurrentIndex(caixa ? 1 : 0);
    QCOMPARE(window.inicio(), QDate(2024, 3, 1));
    QCOMPARE(window.fim(), QDate(2024, 3, 31));
    press(&window, Qt::Key_F2);
    QCOMPARE(m_messages->texts(), QStringList());

    const MemTable *lines = DMds->cdsDRE;
    QStringList names;
    QList<double> values;
    QList<double> porcents;
    qint64 sum = 0;
    for (int row = 0; row < lines->recordCount(); ++row) {
        names << lines->value(row, lines->fieldIndex(u"DESCRICAO")).toString();
        values << lines->value(row, lines->fieldIndex(u"VALOR")).toDouble();
        porcents << lines->value(row, lines->fieldIndex(u"PORC")).toDouble();
        if (row + 1 < lines->recordCount())
            sum += Money::cents(values.last());
    }
    QCOMPARE(names,
             (QStringList{u"SERVIÇOS"_s, u"VENDAS"_s, u"ALUGUEL"_s, u"ENERGIA"_s, u"SEM CONTAS"_s, u"RESULTADO"_s}));
    QCOMPARE(values, valores);
    // The percentages come as numbers of one decimal.
    QCOMPARE(porcents.size(), porcs.size());
    for (int i = 0; i < porcs.size(); ++i)
        QCOMPARE(qRound(porcents.at(i) * 10), qRound(porcs.at(i) * 10));
    // And are shown the Brazilian way.
    const QModelIndex porc = lines->index(0, lines->fieldIndex(u"PORC"));
    auto *grid = child<QTableView>(&window, "dbgrdDRE");
    QCOMPARE(static_cast<QStyledItemDelegate *>(grid->itemDelegateForIndex(porc))->displayText(porc.data(), QLocale()),
             caixa ? u"0,0 %"_s : u"19,4 %"_s);
    // The result is the sum of the lines shown, to the cent.
    QCOMPARE(Money::cents(values.last()), sum);

    // Credits and debits in two colours, the result apart.
    const QColor credit = lines->index(0, 0).data(Qt::ForegroundRole).value<QColor>();
    const QColor debit = lines->index(2, 0).data(Qt::ForegroundRole).value<QColor>();
    QVERIFY(credit.isValid() && debit.isValid() && credit != debit);
    QCOMPARE(lines->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), credit);
    QCOMPARE(lines->index(4, 0).data(Qt::ForegroundRole).value<QColor>(), debit);
    QVERIFY(!lines->index(5, 0).data(Qt::ForegroundRole).isValid());

    // The chart: one category per group, credits and debits as two sets.
    QChart *chart = window.grafico();
    QCOMPARE(chart->series().size(), 1);
    auto *series = qobject_cast<QBarSeries *>(chart->series().at(0));
    QVERIFY(series);
    QCOMPARE(series->barSets().size(), 2);
    QCOMPARE(series->barSets().at(0)->label(), u"Créditos"_s);
    QCOMPARE(series->barSets().at(1)->label(), u"Débitos"_s);
    QCOMPARE(series->barSets().at(0)->count(), 5);
    QCOMPARE(series->barSets().at(0)->at(1), valores.at(1));
    QCOMPARE(series->barSets().at(1)->at(2), -valores.at(2));
    QCOMPARE(series->barSets().at(0)->at(2), 0.0);
}

void tst_Financeiro::pdfHoldsTheStatement()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(u"dre.pdf"_s);

    TfrmDRE window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    child<QRadioButton>(&window, "rbtPeriodo")->setChecked(true);
    child<QDateEdit>(&window, "dtpInicio")->setDate(QDate(2024, 3, 1));
    child<QDateEdit>(&window, "dtpFim")->setDate(QDate(2024, 3, 31));
    press(&window, Qt::Key_F2);
    QVERIFY(window.ExportaPDF(file));
    QCOMPARE(m_messages->texts(), QStringList());

    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    pdf.close();

    QProcess text;
    text.start(pdftotext, {u"-layout"_s, file, u"-"_s});
    QVERIFY(text.waitForFinished(30000));
    QCOMPARE(text.exitCode(), 0);
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(content.contains(u"MERCADO BOA VISTA"_s), qPrintable(content));
    QVERIFY(content.contains(u"ASSOCIAÇÃO COMERCIAL"_s));
    QVERIFY(content.contains(u"RESULTADO"_s));
    QVERIFY(content.contains(u"01/03/2024 a 31/03/2024"_s));
    QVERIFY(content.contains(u"Por competência"_s));
    QVERIFY(content.contains(u"-R$ 50,50"_s));

    // At least one page.
    const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
    if (!pdfinfo.isEmpty()) {
        QProcess info;
        info.start(pdfinfo, {file});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const QRegularExpression pages(u"Pages:\\s+(\\d+)"_s);
        const auto match = pages.match(out);
        QVERIFY(match.hasMatch());
        QVERIFY(match.captured(1).toInt() >= 1);
    }

    // A file that can't be written says so.
    QVERIFY(!window.ExportaPDF(dir.filePath(u"no/such/folder/dre.pdf"_s)));
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Error);
}

void tst_Financeiro::packageGate_data()
{
    QTest::addColumn<QString>("pct01");
    QTest::newRow("with Financeiro") << u"S"_s;
    QTest::newRow("without") << u"N"_s;
}

void tst_Financeiro::packageGate()
{
    QFETCH(QString, pct01);
    AssociadoAtual->setPct01(pct01);
    const bool has = pct01 == u"S";
    {
        TfrmPrincipalAcd main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QMenu *menu = main.actFinanceiro()->menu();
        QVERIFY(menu);
        QStringList items;
        for (QAction *item : menu->actions())
            items << item->text().remove(u'&');
        QCOMPARE(items, (QStringList{u"Grupos e contas"_s, u"Lançamentos"_s, u"Resultado (DRE)"_s}));
        QCOMPARE(main.actFinanceiro()->isEnabled(), has);
        for (QAction *item : menu->actions()) {
            QCOMPARE(item->isEnabled(), has);
            // Even triggered from elsewhere, nothing opens without the package.
            item->trigger();
        }
        const auto windows = main.mdiArea()->subWindowList();
        QCOMPARE(windows.size(), has ? 3 : 0);
        if (has) {
            QVERIFY(qobject_cast<TfrmCadContaGrupo *>(windows.at(0)->widget()));
            QVERIFY(qobject_cast<TfrmCadPagamento *>(windows.at(1)->widget()));
            QVERIFY(qobject_cast<TfrmDRE *>(windows.at(2)->widget()));
            // Each item is off while its window is open.
            QVERIFY(!main.actLancamentos()->isEnabled());
            windows.at(1)->close();
            QTRY_VERIFY(main.actLancamentos()->isEnabled());
        }
    }
    AssociadoAtual->setPct01(u"S"_s);
}

QTEST_MAIN(tst_Financeiro)
#include "tst_financeiro.moc"
