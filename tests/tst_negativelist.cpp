// The negative-list windows of the members' program against a real
// database, driven through the real windows: a partner registered from the
// dialog, from the partner list and from the partner search; the question
// before a second registration; the member's own registrations filtered by
// status and by period, withdrawn with a reason; the consultation across
// associations; and a member without the package kept out at every entry.

#include "Controls.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "PacoteNegativacao.h"
#include "Session.h"
#include "TListaNegativa.h"
#include "TNegativa.h"
#include "WidgetFeedback.h"
#include "WindowConventions.h"
#include "uCadParceiro.h"
#include "uConsNegativa.h"
#include "uDM.h"
#include "uDMds.h"
#include "uNegativacoes.h"
#include "uNegativar.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Association 1: members 10 (MERCADO), 11 and 12 (ARMAZEM, the one that
// registers in the tests that write); association 2: member 20. Partner 501
// of member 10 and partner 505 of member 20 are the same customer (one CPF);
// 506 is another association's customer on nobody's list.
const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3509502', 'CAMPINAS', 'SP');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_ABL)
  values (1, '11222333000181', 'ASSOCIAÇÃO UM', 'AVENIDA BRASIL', '1500', 'SALA 12', 'CENTRO', '01000000', '3550308', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_ABL)
  values (2, '22333444000155', 'ASSOCIAÇÃO DOIS', 'RUA DAS FLORES', '230', 'JARDIM', '13000000', '3509502', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (10, '45123456000187', 'MERCADO', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (11, '08472163000189', 'PADARIA', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (12, '61345089000112', 'ARMAZEM', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (20, '27365914000102', 'FERRAGENS', 2, 'S');
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (500, 'C', 'F', '12398745619', 'ANTONIO MENDES', 'N', 'S', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (501, 'C', 'F', '25173890479', 'CLAUDIO DEVEDOR', 'N', 'S', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (504, 'C', 'J', '55301298000161', 'PAPELARIA LIMEIRENSE', 'N', 'S', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (502, 'C', 'J', '33652147000115', 'DISTRIBUIDORA DO VIZINHO', 'N', 'S', 11);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (505, 'C', 'F', '25173890479', 'CLAUDIO R SANTOS', 'N', 'S', 20);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (506, 'C', 'F', '11144477735', 'CLAUDIO DE OUTRA ASSOCIACAO', 'N', 'S', 20);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (510, 'C', 'F', '52998224725', 'JOSE COMPRADOR', 'N', 'S', 12);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (511, 'C', 'F', '93541134780', 'MARIA COMPRADORA', 'N', 'S', 12);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_NEG, PAR_A_ABL, ACD_I_COD) values (512, 'C', 'J', '19028374000143', 'LOJA DO CENTRO', 'N', 'S', 12);
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (901, '10.11.2026 10:00:00', 'CHEQUE DEVOLVIDO', 350, 501, 10, 'S');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (902, '30.11.2026 23:59:00', 'DUPLICATA VENCIDA', 1234.56, 500, 10, 'S');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG, PNG_D_RET, PNG_A_RET) values (903, '01.12.2026 00:00:00', 'BOLETO', 80.1, 504, 10, 'N', '05.12.2026 14:00:00', 'PAGO');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (904, '31.10.2026 23:59:59', 'CARNE', 20, 501, 10, 'S');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (905, '15.10.2026 09:30:00', 'PROMISSORIA', 45, 511, 12, 'S');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (906, '10.11.2026 10:00:00', 'VALE', 999, 502, 11, 'S');
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (907, '20.11.2026 08:00:00', 'CHEQUE SEM FUNDO', 500, 505, 20, 'S');
)";

// The standing registrations member `acd` holds on partner `par`.
int ativas(qint32 acd, qint32 par)
{
    int count = 0;
    const auto lista = DM->PesqNegativas(1, false, DateTime(), DateTime(), acd);
    for (const auto &negativa : lista->lista())
        count += negativa->id_par() == par;
    return count;
}

const TNegativa *ultima(const TListaNegativa &lista, qint32 par)
{
    const TNegativa *found = nullptr;
    for (const auto &negativa : lista.lista())
        if (negativa->id_par() == par)
            found = negativa.get();
    return found;
}

void typeIntoField(QWidget *window, const char *name, const QString &text)
{
    auto *field = window->findChild<QWidget *>(QLatin1StringView(name));
    QVERIFY2(field, name);
    field->setFocus(Qt::TabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        spin->selectAll();
    typeText(field, text);
}

// Fills the registration dialog and presses OK.
ModalAnswer::Answer preenche(const QString &motivo, const QString &valor)
{
    return [motivo, valor](QDialog *dialog) {
        typeIntoField(dialog, "edtPNG_A_MOT", motivo);
        typeIntoField(dialog, "edtPNG_N_VAL", valor);
        QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    };
}

QList<int> keys(const MemTable *table, QStringView column)
{
    QList<int> result;
    for (int row = 0; row < table->recordCount(); ++row)
        result << table->value(row, table->columnIndex(column)).toInt();
    return result;
}

QStringList texts(const MemTable *table, QStringView column)
{
    QStringList result;
    for (int row = 0; row < table->recordCount(); ++row)
        result << table->value(row, table->columnIndex(column)).toString();
    return result;
}

QStringList shownTitles(QTableView *grid)
{
    QStringList titles;
    for (int section = 0; section < grid->model()->columnCount(); ++section) {
        const int column = grid->horizontalHeader()->logicalIndex(section);
        if (!grid->isColumnHidden(column))
            titles << grid->model()->headerData(column, Qt::Horizontal).toString();
    }
    return titles;
}

void activate(QWidget *window)
{
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
}

} // namespace

class tst_NegativeList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void registerPartner();
    void requiredFields_data();
    void requiredFields();
    void secondRegistration_data();
    void secondRegistration();
    void anotherMembersPartnerRefused();
    void fromPartnerList();
    void fromPartnerSearch();

    void myRegistrations_data();
    void myRegistrations();
    void withdraw();
    void withdrawnMeanwhileByAnotherSeat();

    void consultationAcrossAssociations_data();
    void consultationAcrossAssociations();
    void noStandingRegistration_data();
    void noStandingRegistration();
    void wrongDocumentRefused();

    void withoutPackage();

private:
    void asMember(qint32 id);

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
};

void tst_NegativeList::initTestCase()
{
    LanguageControl::install();
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    UsuarioLogado.id = 100;
    UsuarioLogado.nome = QStringLiteral("CARLOS");
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_NegativeList::cleanupTestCase()
{
    m_messages.reset();
    m_feedback.reset();
    m_modules.reset();
}

void tst_NegativeList::init()
{
    asMember(10);
    AssociadoAtual->setPct02(QStringLiteral("S"));
}

void tst_NegativeList::cleanup()
{
    m_messages->clear();
}

void tst_NegativeList::asMember(qint32 id)
{
    AssociadoAtual->setId(id);
}

void tst_NegativeList::registerPartner()
{
    asMember(12);
    QString nome, documento;
    ModalAnswer answer([&](QDialog *dialog) {
        nome = child<QLabel>(dialog, "txtPAR_A_NOM")->text();
        documento = child<QLabel>(dialog, "txtPAR_A_CNPJ_CPF")->text();
        preenche(u"cheque devolvido"_s, u"1234,567"_s)(dialog);
    });
    QVERIFY(TfrmNegativar::Negativar(510));
    QVERIFY(answer.answered());
    QCOMPARE(nome, u"JOSE COMPRADOR"_s);
    QCOMPARE(documento, u"529.982.247-25"_s);
    QCOMPARE(m_messages->texts(), QStringList{u"Parceiro negativado."_s});

    const auto lista = DM->PesqNegativas(1, false, DateTime(), DateTime(), 12);
    const TNegativa *negativa = ultima(*lista, 510);
    QVERIFY(negativa);
    QCOMPARE(negativa->motivo(), u"CHEQUE DEVOLVIDO"_s);
    // Two decimals are all the field takes.
    QCOMPARE(negativa->valor(), 1234.56);
    QCOMPARE(negativa->dt_reg().date(), QDate::currentDate());
    QCOMPARE(negativa->sts(), u"S"_s);
}

void tst_NegativeList::requiredFields_data()
{
    QTest::addColumn<QString>("motivo");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("mensagem");

    QTest::newRow("no reason") << u""_s << u"10,00"_s << u"O campo motivo tem que ser preenchido."_s;
    QTest::newRow("blanks for a reason") << u"   "_s << u"10,00"_s << u"O campo motivo tem que ser preenchido."_s;
    QTest::newRow("no amount") << u"VALE"_s << u"0"_s << u"O campo valor tem que ser maior que zero."_s;
    QTest::newRow("less than a cent") << u"VALE"_s << u"0,004"_s << u"O campo valor tem que ser maior que zero."_s;
}

void tst_NegativeList::requiredFields()
{
    QFETCH(QString, motivo);
    QFETCH(QString, valor);
    QFETCH(QString, mensagem);

    asMember(12);
    const int antes = ativas(12, 512);
    bool stillOpen = false;
    ModalAnswer answer([&](QDialog *dialog) {
        preenche(motivo, valor)(dialog);
        stillOpen = dialog->isVisible();
        QTest::mouseClick(child<QPushButton>(dialog, "btnCancela"), Qt::LeftButton);
    });
    QVERIFY(!TfrmNegativar::Negativar(512));
    QVERIFY(answer.answered());
    QVERIFY(stillOpen);
    QCOMPARE(m_messages->texts(), QStringList{mensagem});
    QCOMPARE(ativas(12, 512), antes);
}

void tst_NegativeList::secondRegistration_data()
{
    QTest::addColumn<bool>("sim");
    QTest::newRow("Não: nothing asked, nothing written") << false;
    QTest::newRow("Sim: a second registration") << true;
}

void tst_NegativeList::secondRegistration()
{
    QFETCH(bool, sim);

    asMember(12);
    const int antes = ativas(12, 511);
    QCOMPARE(antes >= 1, true);
    m_messages->queueAnswer(sim ? QMessageBox::Yes : QMessageBox::No);
    bool opened = false;
    ModalAnswer answer(
        [&](QDialog *dialog) {
            opened = true;
            preenche(u"OUTRA DIVIDA"_s, u"12,30"_s)(dialog);
        },
        sim ? 5000 : 300);
    QCOMPARE(TfrmNegativar::Negativar(511), sim);
    QCOMPARE(opened, sim);

    QVERIFY(!m_messages->shown.isEmpty());
    const auto &question = m_messages->shown.first();
    // The date of the oldest standing registration, as the fixture wrote it.
    QCOMPARE(question.text,
             u"Este parceiro já está negativado por você desde 15/10/2026. Registrar outra negativação?"_s);
    QCOMPARE(question.kind, MessageDialog::Kind::Confirmation);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(ativas(12, 511), antes + (sim ? 1 : 0));
}

void tst_NegativeList::anotherMembersPartnerRefused()
{
    // Partner 500 is member 10's; member 12 may not register it.
    asMember(12);
    bool opened = false;
    ModalAnswer answer([&](QDialog *) { opened = true; }, 300);
    QVERIFY(!TfrmNegativar::Negativar(500));
    QVERIFY(!opened);
    QCOMPARE(m_messages->texts(), QStringList{u"Parceiro não localizado."_s});
    QCOMPARE(ativas(12, 500), 0);
}

void tst_NegativeList::fromPartnerList()
{
    asMember(12);
    const int antes = ativas(12, 512);
    TfrmCadParceiro window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *grid = child<QTableView>(&window, "dbgrdPar");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);

    // Every partner of the association shows; only the member's own can be registered.
    child<QComboBox>(&window, "cbbCadastro")->setCurrentIndex(1);
    QTest::keyClick(grid, Qt::Key_F2);
    const MemTable *lista = DMds->cdsPesqParceiro;
    const auto select = [&](qint32 id) {
        const int row = keys(lista, u"PAR_I_COD").indexOf(id);
        QVERIFY(row >= 0);
        grid->setCurrentIndex(lista->index(row, lista->columnIndex(u"PAR_A_NOM")));
    };
    select(500);
    QVERIFY(!window.actNegativa()->isEnabled());
    QVERIFY(!child<QPushButton>(&window, "btnNegativa")->isEnabled());
    select(512);
    QVERIFY(window.actNegativa()->isEnabled());
    QCOMPARE(child<QPushButton>(&window, "btnNegativa")->text(), u"[F8] Negativar"_s);

    ModalAnswer answer(preenche(u"DUPLICATA"_s, u"99,90"_s));
    QTest::keyClick(grid, Qt::Key_F8);
    QVERIFY(answer.answered());
    QCOMPARE(ativas(12, 512), antes + 1);
    QCOMPARE(ultima(*DM->PesqNegativas(1, false, DateTime(), DateTime(), 12), 512)->valor(), 99.90);
}

void tst_NegativeList::fromPartnerSearch()
{
    asMember(12);
    const int antes = ativas(12, 510);
    QStringList found;
    ModalAnswer answer({[&](QDialog *search) {
                            // Enter in the search field searches; on the grid it chooses.
                            typeIntoField(search, "edtPesq", u"jose"_s);
                            QTest::keyClick(child(search, "edtPesq"), Qt::Key_Return);
                            found = texts(DMds->cdsPesqNegParceiro, u"PAR_A_NOM");
                            QTest::keyClick(child<QTableView>(search, "dbgrdPar"), Qt::Key_Return);
                        },
                        preenche(u"CHEQUE"_s, u"10"_s)});
    QVERIFY(TfrmNegativar::NegativarParceiro());
    QVERIFY(answer.answered());
    QCOMPARE(answer.dialogClasses(), (QStringList{u"TfrmPesqParceiroNeg"_s, u"TfrmNegativar"_s}));
    // Only the member's own partners.
    QCOMPARE(found, QStringList{u"JOSE COMPRADOR"_s});
    QCOMPARE(ativas(12, 510), antes + 1);
}

void tst_NegativeList::myRegistrations_data()
{
    QTest::addColumn<int>("situacao"); // Ativas, Retiradas, Todas
    QTest::addColumn<QDate>("inicio"); // null: no period
    QTest::addColumn<QDate>("fim");
    QTest::addColumn<QList<int>>("registros");
    QTest::addColumn<QString>("total");

    const QDate none;
    QTest::newRow("standing") << 0 << none << none << QList<int>{901, 902, 904} << u"R$ 1.604,56"_s;
    QTest::newRow("withdrawn") << 1 << none << none << QList<int>{903} << u"R$ 0,00"_s;
    QTest::newRow("all") << 2 << none << none << QList<int>{901, 902, 903, 904} << u"R$ 1.604,56"_s;
    // 902 was registered at 23:59 on the last day of the period.
    QTest::newRow("November, 23:59 on the last day")
        << 0 << QDate(2026, 11, 1) << QDate(2026, 11, 30) << QList<int>{901, 902} << u"R$ 1.584,56"_s;
    QTest::newRow("the day before excludes it")
        << 0 << QDate(2026, 11, 1) << QDate(2026, 11, 29) << QList<int>{901} << u"R$ 350,00"_s;
    QTest::newRow("one day") << 2 << QDate(2026, 11, 30) << QDate(2026, 11, 30) << QList<int>{902} << u"R$ 1.234,56"_s;
    QTest::newRow("December, all") << 2 << QDate(2026, 12, 1) << QDate(2026, 12, 31) << QList<int>{903} << u"R$ 0,00"_s;
}

void tst_NegativeList::myRegistrations()
{
    QFETCH(int, situacao);
    QFETCH(QDate, inicio);
    QFETCH(QDate, fim);
    QFETCH(QList<int>, registros);
    QFETCH(QString, total);

    std::unique_ptr<TfrmNegativacoes> window(TfrmNegativacoes::cria());
    QVERIFY(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(window->windowTitle(), u"Minhas negativações"_s);

    child<QComboBox>(window.get(), "cbbSituacao")->setCurrentIndex(situacao);
    auto *periodo = child<QCheckBox>(window.get(), "chkPeriodo");
    QVERIFY(!child<QDateEdit>(window.get(), "dtpInicio")->isEnabled());
    if (inicio.isValid()) {
        periodo->setChecked(true);
        child<QDateEdit>(window.get(), "dtpInicio")->setDate(inicio);
        child<QDateEdit>(window.get(), "dtpFim")->setDate(fim);
    }
    auto *grid = child<QTableView>(window.get(), "dbgrdNeg");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);

    QCOMPARE(keys(DMds->cdsNegativas, u"PNG_I_COD"), registros);
    QCOMPARE(window->total(), total);
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(shownTitles(grid), (QStringList{u"Data"_s, u"Parceiro"_s, u"Motivo"_s, u"Valor (R$)"_s, u"Situação"_s,
                                             u"Data da retirada"_s, u"Motivo da retirada"_s}));
}

void tst_NegativeList::withdraw()
{
    std::unique_ptr<TfrmNegativacoes> window(TfrmNegativacoes::cria());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *grid = child<QTableView>(window.get(), "dbgrdNeg");
    child<QComboBox>(window.get(), "cbbSituacao")->setCurrentIndex(2);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    QCOMPARE(window->total(), u"R$ 1.604,56"_s);

    MemTable *lista = DMds->cdsNegativas;
    const auto select = [&](qint32 id) {
        const int row = keys(lista, u"PNG_I_COD").indexOf(id);
        QVERIFY(row >= 0);
        grid->setCurrentIndex(lista->index(row, lista->columnIndex(u"PAR_A_NOM")));
    };
    // A withdrawn row can't be withdrawn again.
    select(903);
    QVERIFY(!window->actRetirar()->isEnabled());
    select(902);
    QVERIFY(window->actRetirar()->isEnabled());

    QString parceiro;
    QStringList whileOpen;
    ModalAnswer answer([&](QDialog *dialog) {
        parceiro = child<QLabel>(dialog, "txtPAR_A_NOM")->text();
        QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
        whileOpen = m_messages->texts();
        typeIntoField(dialog, "edtPNG_A_RET", u"acordo quitado"_s);
        QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    activate(window.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(answer.answered());
    QCOMPARE(parceiro, u"ANTONIO MENDES"_s);
    QCOMPARE(whileOpen, QStringList{u"O campo motivo da retirada tem que ser preenchido."_s});
    QCOMPARE(m_messages->texts().last(), u"Negativação retirada."_s);

    // Still listed (Todas), now grey and withdrawn; the total lost its amount.
    const int row = keys(lista, u"PNG_I_COD").indexOf(902);
    QVERIFY(row >= 0);
    QCOMPARE(lista->currentRow(), row);
    QCOMPARE(lista->text(u"PNG_A_NEG"), u"N"_s);
    QCOMPARE(lista->text(u"PNG_A_RET"), u"ACORDO QUITADO"_s);
    QCOMPARE(lista->dateTime(u"PNG_D_RET").date(), QDate::currentDate());
    QCOMPARE(grid->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>(),
             WindowConventions::inactiveRowColour());
    QVERIFY(!grid->model()->index(keys(lista, u"PNG_I_COD").indexOf(901), 0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(window->total(), u"R$ 370,00"_s);
    QVERIFY(!window->actRetirar()->isEnabled());
}

void tst_NegativeList::withdrawnMeanwhileByAnotherSeat()
{
    std::unique_ptr<TfrmNegativacoes> window(TfrmNegativacoes::cria());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    MemTable *lista = DMds->cdsNegativas;
    auto *grid = child<QTableView>(window.get(), "dbgrdNeg");
    const int row = keys(lista, u"PNG_I_COD").indexOf(904);
    QVERIFY(row >= 0);
    grid->setCurrentIndex(lista->index(row, lista->columnIndex(u"PAR_A_NOM")));

    ModalAnswer answer([&](QDialog *dialog) {
        // Another seat withdraws it while this one types its reason.
        QVERIFY(DM->Positivar(904, u"PAGO NO CAIXA"_s));
        typeIntoField(dialog, "edtPNG_A_RET", u"ACORDO"_s);
        QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    activate(window.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(answer.answered());
    QCOMPARE(m_messages->texts(), QStringList{u"Esta negativação já foi retirada."_s});
    // The first withdrawal's reason stands; the list shows it gone.
    const auto todas = DM->PesqNegativas(2, false, DateTime(), DateTime(), 10);
    const auto it = std::find_if(todas->lista().begin(), todas->lista().end(),
                                 [](const auto &negativa) { return negativa->id() == 904; });
    QVERIFY(it != todas->lista().end());
    QCOMPARE((*it)->motivo_ret(), u"PAGO NO CAIXA"_s);
    QVERIFY(!keys(lista, u"PNG_I_COD").contains(904));
}

void tst_NegativeList::consultationAcrossAssociations_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("CPF with its punctuation") << u"251.738.904-79"_s;
    QTest::newRow("CPF as stored") << u"25173890479"_s;
    QTest::newRow("part of the name") << u"claudio"_s;
}

void tst_NegativeList::consultationAcrossAssociations()
{
    QFETCH(QString, typed);

    std::unique_ptr<TfrmConsNegativa> window(TfrmConsNegativa::cria());
    QVERIFY(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    typeIntoField(window.get(), "edtPesq", typed);
    QTest::keyClick(child(window.get(), "edtPesq"), Qt::Key_Return);

    // One customer however many members sell to it; another association's
    // customer on nobody's list is not shown.
    QCOMPARE(texts(DMds->cdsConsParceiro, u"PAR_A_CNPJ_CPF"), QStringList{u"25173890479"_s});
    // Member 10 registered it twice: one row per registering member, in the
    // order they first registered it.
    const MemTable *rows = DMds->cdsConsNegativa;
    QCOMPARE(texts(rows, u"ACD_A_NOM"), (QStringList{u"MERCADO"_s, u"FERRAGENS"_s}));
    QCOMPARE(texts(rows, u"ASS_A_NOM"), (QStringList{u"ASSOCIAÇÃO UM"_s, u"ASSOCIAÇÃO DOIS"_s}));
    QCOMPARE(texts(rows, u"CID_A_DSC"), (QStringList{u"SÃO PAULO"_s, u"CAMPINAS"_s}));
    QCOMPARE(texts(rows, u"ASS_A_LGR"), (QStringList{u"AVENIDA BRASIL"_s, u"RUA DAS FLORES"_s}));
    QCOMPARE(window->aviso(), QString());
    auto *grid = child<QTableView>(window.get(), "dbgrdNeg");
    const int cep = rows->columnIndex(u"ASS_A_CEP");
    auto *delegate = qobject_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(cep));
    QVERIFY(delegate);
    QCOMPARE(delegate->displayText(rows->value(0, cep), QLocale()), u"01000-000"_s);
    // Who registered, never how much or why.
    const QStringList titles = shownTitles(grid);
    QCOMPARE(titles, (QStringList{u"Associado"_s, u"Associação"_s, u"Endereço"_s, u"Número"_s, u"Complemento"_s,
                                  u"Bairro"_s, u"Cidade"_s, u"UF"_s, u"CEP"_s}));
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_NegativeList::noStandingRegistration_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");

    // Of the association, withdrawn only: listed, and the notice.
    QTest::newRow("withdrawn only") << u"55.301.298/0001-61"_s << QStringList{u"PAPELARIA LIMEIRENSE"_s};
    // Another association's customer on nobody's list: not even listed.
    QTest::newRow("on nobody's list") << u"111.444.777-35"_s << QStringList{};
}

void tst_NegativeList::noStandingRegistration()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);

    std::unique_ptr<TfrmConsNegativa> window(TfrmConsNegativa::cria());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    typeIntoField(window.get(), "edtPesq", typed);
    QTest::keyClick(child(window.get(), "edtPesq"), Qt::Key_F2);

    QCOMPARE(texts(DMds->cdsConsParceiro, u"PAR_A_NOM"), found);
    QCOMPARE(DMds->cdsConsNegativa->recordCount(), 0);
    // In the window, not as a message.
    QCOMPARE(window->aviso(), u"Nenhuma negativação ativa para este documento."_s);
    QCOMPARE(child<QLabel>(window.get(), "txtAviso")->text(), u"Nenhuma negativação ativa para este documento."_s);
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_NegativeList::wrongDocumentRefused()
{
    std::unique_ptr<TfrmConsNegativa> window(TfrmConsNegativa::cria());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    typeIntoField(window.get(), "edtPesq", u"251.738.904-70"_s);
    QTest::keyClick(child(window.get(), "edtPesq"), Qt::Key_Return);
    QCOMPARE(m_messages->texts(), QStringList{u"CPF inválido"_s});
    QCOMPARE(DMds->cdsConsParceiro->recordCount(), 0);
}

void tst_NegativeList::withoutPackage()
{
    AssociadoAtual->setPct02(QStringLiteral("N"));
    const QString why = u"Pacote Negativação não contratado. Fale com a sua associação."_s;
    QCOMPARE(PacoteNegativacao::naoContratado(), why);

    bool opened = false;
    ModalAnswer answer([&](QDialog *) { opened = true; }, 300);
    QVERIFY(!TfrmNegativacoes::cria());
    QVERIFY(!TfrmConsNegativa::cria());
    QVERIFY(!TfrmNegativar::Negativar(500));
    QVERIFY(!TfrmNegativar::NegativarParceiro());
    QCOMPARE(m_messages->texts(), (QStringList{why, why, why, why}));
    QVERIFY(!opened);
    QCOMPARE(ativas(10, 501), 1);

    // The partner list offers no registration.
    TfrmCadParceiro window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(child<QTableView>(&window, "dbgrdPar"), Qt::Key_F2);
    QVERIFY(DMds->cdsPesqParceiro->recordCount() > 0);
    QVERIFY(!window.actNegativa()->isEnabled());
    QCOMPARE(child<QPushButton>(&window, "btnNegativa")->toolTip(), why);
}

QTEST_MAIN(tst_NegativeList)
#include "tst_negativelist.moc"
