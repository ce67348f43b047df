// The partner list and the partner editor of the members' program against a
// real database, driven through the real windows: the searches and their
// scopes, a new partner with contacts and a city found by name, an edit with
// a contact marked and unmarked, deletions, another member's partner shown
// read-only, and writes refused when another seat deleted the row.

#include "Application.h"
#include "ContactGrid.h"
#include "Controls.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Session.h"
#include "TFones.h"
#include "TParceiro.h"
#include "WidgetFeedback.h"
#include "WindowConventions.h"
#include "uCadParceiro.h"
#include "uDM.h"
#include "uDMds.h"
#include "uParceiro.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Members 10 (in work) and 11 of association 1; member 20 of association 2.
// Partner 501 is on the negative list, so its deletion is refused.
const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3509502', 'CAMPINAS', 'SP');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO UM', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '22333444000155', 'ASSOCIAÇÃO DOIS', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (10, '45123456000187', 'MERCADO', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (11, '08472163000189', 'PADARIA', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (20, '27365914000102', 'FERRAGENS', 2, 'S');
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST) values (100, 'CARLOS', 'MERCADO', 'MERCADO1', 'S', 10, 'S');
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_LGR, PAR_A_NUM, PAR_A_BRR, CID_A_COD, PAR_A_NEG, PAR_A_ABL, ACD_I_COD, PAR_D_CAD, USU_I_COD)
  values (500, 'C', 'F', '12398745619', 'ANTONIO MENDES', 'RUA DO ROSÁRIO', '340', 'CENTRO', '3550308', 'N', 'S', 10, '10.11.2026', 100);
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD) values (601, 'ANTONIO', '19', '998112233', 500);
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD) values (602, 'ESPOSA', '19', '998112244', 500);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_BRR, PAR_A_NEG, PAR_A_ABL, ACD_I_COD)
  values (501, 'C', 'F', '25173890479', 'CLAUDIO DEVEDOR', 'CENTRO', 'S', 'N', 10);
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG) values (1, current_timestamp, 'CHEQUE', 350, 501, 10, 'S');
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_BRR, PAR_A_NEG, PAR_A_ABL, ACD_I_COD)
  values (502, 'F', 'J', '33652147000115', 'DISTRIBUIDORA DO VIZINHO', 'CENTRO', 'N', 'S', 11);
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD) values (603, 'VENDAS', '19', '32417700', 502);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_BRR, PAR_A_NEG, PAR_A_ABL, ACD_I_COD)
  values (503, 'F', 'J', '19028374000143', 'FORNECEDOR DE OUTRA ASSOCIACAO', 'CENTRO', 'N', 'S', 20);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_NOM, PAR_A_BRR, PAR_A_NEG, PAR_A_ABL, ACD_I_COD)
  values (504, 'F', 'J', '55301298000161', 'PAPELARIA LIMEIRENSE', 'CENTRO', 'N', 'S', 10);
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD) values (604, 'BALCAO', '19', '34412020', 504);
)";

QStringList contactNames(const TParceiro &parceiro)
{
    QStringList names;
    for (const auto &fone : parceiro.fones())
        names << fone->nome();
    return names;
}

} // namespace

class tst_CadParceiro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void search_data();
    void search();
    void gridShowsWordsAndGreysInactive();
    void newPartnerWithContactsAndCityByName();
    void documentTheMemberAlreadyHasIsRefused();
    void editWithAContactMarkedAndUnmarked();
    void deleteRefusedAndDone();
    void anotherMembersPartnerIsOnlyShown();
    void writeAfterAnotherSeatDeleted_data();
    void writeAfterAnotherSeatDeleted();

private:
    void search(int cadastro, int tipoParc, int pesquisa, const QString &text);
    QStringList names() const;
    void selectPartner(qint32 id);
    void press(Qt::Key key);
    QTableView *grid() const { return child<QTableView>(m_window.get(), "dbgrdPar"); }

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
    std::unique_ptr<TfrmCadParceiro> m_window;
};

void tst_CadParceiro::initTestCase()
{
    LanguageControl::install();
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    AssociadoAtual->setId(10);
    UsuarioLogado.id = 100;
    UsuarioLogado.nome = QStringLiteral("CARLOS");
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_CadParceiro::cleanupTestCase()
{
    m_messages.reset();
    m_feedback.reset();
    m_modules.reset();
}

void tst_CadParceiro::init()
{
    m_window = std::make_unique<TfrmCadParceiro>();
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    grid()->setFocus();
}

void tst_CadParceiro::cleanup()
{
    m_window.reset();
    m_messages->clear();
}

void tst_CadParceiro::search(int cadastro, int tipoParc, int pesquisa, const QString &text)
{
    child<QComboBox>(m_window.get(), "cbbCadastro")->setCurrentIndex(cadastro);
    child<QComboBox>(m_window.get(), "cbbTipoParc")->setCurrentIndex(tipoParc);
    child<QComboBox>(m_window.get(), "cbbTipoPesq")->setCurrentIndex(pesquisa);
    typeInto(m_window.get(), "edtPesq", text);
    press(Qt::Key_F2);
}

QStringList tst_CadParceiro::names() const
{
    QStringList result;
    const MemTable *table = DMds->cdsPesqParceiro;
    for (int row = 0; row < table->recordCount(); ++row)
        result << table->value(row, table->columnIndex(u"PAR_A_NOM")).toString();
    return result;
}

void tst_CadParceiro::selectPartner(qint32 id)
{
    const MemTable *table = DMds->cdsPesqParceiro;
    for (int row = 0; row < table->recordCount(); ++row) {
        if (table->value(row, table->columnIndex(u"PAR_I_COD")).toInt() == id) {
            grid()->setCurrentIndex(table->index(row, table->columnIndex(u"PAR_A_NOM")));
            QCOMPARE(DMds->cdsPesqParceiro->integer(u"PAR_I_COD"), id);
            return;
        }
    }
    QFAIL("partner not listed");
}

void tst_CadParceiro::press(Qt::Key key)
{
    // Offscreen, nothing gives the focus back to the window once a dialog
    // of a flow has closed; a window manager would.
    if (!m_window->isActiveWindow()) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    QTest::keyClick(QApplication::focusWidget(), key);
}

void tst_CadParceiro::search_data()
{
    QTest::addColumn<int>("cadastro"); // 0 Meus parceiros, 1 Todos cadastrados
    QTest::addColumn<int>("tipoParc"); // 0 Clientes, 1 Fornecedores, 2 Todos
    QTest::addColumn<int>("pesquisa"); // NOME, CNPJ / CPF, ENDEREÇO, BAIRRO
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("nomes");

    QTest::newRow("mine, all kinds") << 0 << 2 << 0 << u""_s
                                     << QStringList{u"ANTONIO MENDES"_s, u"CLAUDIO DEVEDOR"_s,
                                                    u"PAPELARIA LIMEIRENSE"_s};
    QTest::newRow("mine, customers by part of the name")
        << 0 << 0 << 0 << u"mend"_s << QStringList{u"ANTONIO MENDES"_s};
    QTest::newRow("mine, suppliers") << 0 << 1 << 3 << u"CENTRO"_s << QStringList{u"PAPELARIA LIMEIRENSE"_s};
    QTest::newRow("document as stored") << 0 << 2 << 1 << u"12398745619"_s << QStringList{u"ANTONIO MENDES"_s};
    QTest::newRow("document with its punctuation")
        << 0 << 2 << 1 << u"123.987.456-19"_s << QStringList{u"ANTONIO MENDES"_s};
    QTest::newRow("street") << 0 << 2 << 2 << u"ROSÁRIO"_s << QStringList{u"ANTONIO MENDES"_s};
    // Every member of the association, not another association's.
    QTest::newRow("all registered") << 1 << 2 << 3 << u"CENTRO"_s
                                    << QStringList{u"ANTONIO MENDES"_s, u"CLAUDIO DEVEDOR"_s,
                                                   u"DISTRIBUIDORA DO VIZINHO"_s, u"PAPELARIA LIMEIRENSE"_s};
    QTest::newRow("another association's partner") << 1 << 2 << 0 << u"OUTRA ASSOCIACAO"_s << QStringList{};
}

void tst_CadParceiro::search()
{
    QFETCH(int, cadastro);
    QFETCH(int, tipoParc);
    QFETCH(int, pesquisa);
    QFETCH(QString, texto);
    QFETCH(QStringList, nomes);

    search(cadastro, tipoParc, pesquisa, texto);
    QCOMPARE(names(), nomes);
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(m_window->actEdita()->isEnabled(), !nomes.isEmpty());
}

void tst_CadParceiro::gridShowsWordsAndGreysInactive()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Parceiros"));
    search(0, 2, 0, QString());
    const MemTable *table = DMds->cdsPesqParceiro;
    QStringList titles;
    for (int section = 0; section < table->fieldCount(); ++section) {
        const int column = grid()->horizontalHeader()->logicalIndex(section);
        if (!grid()->isColumnHidden(column))
            titles << table->headerData(column, Qt::Horizontal).toString();
    }
    QCOMPARE(titles, (QStringList{u"Nome"_s, u"Documento"_s, u"Logradouro"_s, u"Número"_s, u"Bairro"_s, u"Tipo"_s}));

    const auto shown = [this, table](int row, const char16_t *column) {
        const QModelIndex index = table->index(row, table->fieldIndex(column));
        return static_cast<QStyledItemDelegate *>(grid()->itemDelegateForIndex(index))
            ->displayText(index.data(), QLocale());
    };
    QCOMPARE(shown(0, u"PAR_A_CNPJ_CPF"), QStringLiteral("123.987.456-19"));
    QCOMPARE(shown(0, u"PAR_A_TIP"), QStringLiteral("Cliente"));
    QCOMPARE(shown(2, u"PAR_A_CNPJ_CPF"), QStringLiteral("55.301.298/0001-61"));
    QCOMPARE(shown(2, u"PAR_A_TIP"), QStringLiteral("Fornecedor"));
    // The inactive one is grey.
    QCOMPARE(table->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), WindowConventions::inactiveRowColour());
    QVERIFY(!table->index(0, 0).data(Qt::ForegroundRole).isValid());
}

void tst_CadParceiro::newPartnerWithContactsAndCityByName()
{
    search(0, 2, 0, QString());
    QString caption, pessoa;
    bool documentEnabled = true;
    ModalAnswer answers(
        {[](QDialog *prompt) {
             typeText(child(prompt, "edtDoc"), QStringLiteral("40821367544"));
             QTest::mouseClick(child<QPushButton>(prompt, "btnOK"), Qt::LeftButton);
         },
         [&](QDialog *editor) {
             caption = editor->windowTitle();
             documentEnabled = child(editor, "dbedtPAR_A_CNPJ_CPF")->isEnabled();
             pessoa = child<QLabel>(editor, "txtPAR_A_PES")->text();
             auto *tipo = child<QComboBox>(editor, "dblkcbbPAR_A_TIP");
             tipo->setCurrentIndex(tipo->findText(QStringLiteral("FORNECEDOR")));
             typeInto(editor, "dbedtPAR_A_NOM", QStringLiteral("beatriz lopes"));
             typeInto(editor, "dbedtPAR_A_MAIL", QStringLiteral("Beatriz@Email.com"));
             // Leaving the empty city code opens the city search;
             // the city is found there by its name.
             ModalAnswer city([](QDialog *search) {
                 typeText(child(search, "edtPesq"), QStringLiteral("campinas"));
                 QTest::keyClick(child(search, "edtPesq"), Qt::Key_F2);
                 QTest::mouseClick(child<QPushButton>(search, "btnOK"), Qt::LeftButton);
             });
             child(editor, "dbedtCID_A_COD")->setFocus();
             QTest::keyClick(child(editor, "dbedtCID_A_COD"), Qt::Key_Tab);
             QVERIFY(city.answered());
             QCOMPARE(child<QLabel>(editor, "txtCID_A_DSC")->text(), QStringLiteral("CAMPINAS"));
             // Offscreen, nothing gives the editor the focus back.
             editor->activateWindow();
             QVERIFY(QTest::qWaitForWindowActive(editor));
             addContact(editor, QStringLiteral("BEATRIZ"), QStringLiteral("19"), QStringLiteral("997001122"));
             addContact(editor, QStringLiteral("ESCRITÓRIO"), QStringLiteral("19"), QStringLiteral("34560000"));
             QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
         }},
        10000);
    press(Qt::Key_F5);
    QVERIFY(answers.answered());
    QCOMPARE(m_messages->texts(), QStringList());
    QVERIFY(caption.startsWith(QStringLiteral("Parceiro - ")));
    QVERIFY(caption.endsWith(QStringLiteral("|CARLOS")));
    QVERIFY(!documentEnabled);
    QCOMPARE(pessoa, QStringLiteral("FÍSICO"));

    // Listed again, on the row written.
    QVERIFY(names().contains(QStringLiteral("BEATRIZ LOPES")));
    const qint32 id = DMds->cdsPesqParceiro->integer(u"PAR_I_COD");
    const std::unique_ptr<TParceiro> stored = DM->LeParceiro(id);
    QCOMPARE(stored->nome(), QStringLiteral("BEATRIZ LOPES"));
    QCOMPARE(stored->cnpj_cpf(), QStringLiteral("40821367544"));
    QCOMPARE(stored->tp_par(), QStringLiteral("F"));
    QCOMPARE(stored->tp_pes(), QStringLiteral("F"));
    QCOMPARE(stored->email(), QStringLiteral("Beatriz@Email.com"));
    QCOMPARE(stored->ibge(), QStringLiteral("3509502"));
    QCOMPARE(stored->ativo(), QStringLiteral("S"));
    QCOMPARE(stored->negativado(), QStringLiteral("N"));
    QCOMPARE(stored->id_acd(), 10);
    QCOMPARE(stored->id_usu(), 100);
    // "Inserir" puts a contact before the current one, as in the member editor.
    QCOMPARE(contactNames(*stored), (QStringList{u"ESCRITÓRIO"_s, u"BEATRIZ"_s}));
    QVERIFY(DM->ExcluirParceiro(id));
}

void tst_CadParceiro::documentTheMemberAlreadyHasIsRefused()
{
    ModalAnswer answers([](QDialog *prompt) {
        typeText(child(prompt, "edtDoc"), QStringLiteral("12398745619"));
        QTest::mouseClick(child<QPushButton>(prompt, "btnOK"), Qt::LeftButton);
    });
    press(Qt::Key_F5);
    QVERIFY(answers.answered());
    QCOMPARE(m_messages->texts(),
             QStringList{QStringLiteral("O documento informado já está cadastrado para o parceiro ANTONIO MENDES.")});
}

void tst_CadParceiro::editWithAContactMarkedAndUnmarked()
{
    search(0, 2, 0, QStringLiteral("ANTONIO"));
    selectPartner(500);
    bool undoEnabled = false;
    ModalAnswer answers([&](QDialog *dialog) {
        auto *editor = static_cast<TfrmParceiro *>(dialog);
        typeInto(editor, "dbedtPAR_A_NOM", QStringLiteral("ANTONIO C. MENDES"));
        MemTable *fones = DMds->cdsCadFoneParc;
        QCOMPARE(fones->recordCount(), 2);
        // Both stored contacts marked; the first one's mark taken back.
        auto *grid = child<QTableView>(editor, "grdFone");
        for (int row : {0, 1}) {
            grid->setCurrentIndex(fones->index(row, fones->fieldIndex(u"PAC_A_CON")));
            QTest::mouseClick(child<QToolButton>(editor, "btnExcluir"), Qt::LeftButton);
        }
        QCOMPARE(fones->recordCount(), 2);
        grid->setCurrentIndex(fones->index(0, fones->fieldIndex(u"PAC_A_CON")));
        undoEnabled = editor->contatos()->actEstornaExclusao->isEnabled();
        QTest::mouseClick(child<QToolButton>(editor, "btnEstorna"), Qt::LeftButton);
        QCOMPARE(fones->boolean(u"Excluir"), false);
        QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
    });
    press(Qt::Key_F6);
    QVERIFY(answers.answered());
    QVERIFY(undoEnabled);
    QCOMPARE(m_messages->texts(), QStringList());
    const std::unique_ptr<TParceiro> stored = DM->LeParceiro(500);
    QCOMPARE(stored->nome(), QStringLiteral("ANTONIO C. MENDES"));
    QCOMPARE(contactNames(*stored), QStringList{QStringLiteral("ANTONIO")});
    QCOMPARE(DMds->cdsPesqParceiro->integer(u"PAR_I_COD"), 500);
    QCOMPARE(DMds->cdsPesqParceiro->text(u"PAR_A_NOM"), QStringLiteral("ANTONIO C. MENDES"));
}

void tst_CadParceiro::deleteRefusedAndDone()
{
    search(0, 2, 0, QString());
    // On the negative list: refused, with the reason.
    selectPartner(501);
    m_messages->queueAnswer(QMessageBox::Ok);
    press(Qt::Key_F7);
    QCOMPARE(m_messages->texts(),
             (QStringList{QStringLiteral("Tem certeza que deseja excluir este parceiro?"),
                          QStringLiteral("Não é possível excluir este parceiro: há lançamentos ou registros na lista "
                                         "de negativação ligados a ele.")}));
    QCOMPARE(DM->LeParceiro(501)->id(), 501);

    // Cancelled: nothing happens.
    m_messages->clear();
    selectPartner(504);
    m_messages->queueAnswer(QMessageBox::Cancel);
    press(Qt::Key_F7);
    QCOMPARE(DM->LeParceiro(504)->id(), 504);

    // A partner of its own without other records: gone, with its contacts.
    TParceiro novo;
    novo.setTp_par(QStringLiteral("C"));
    novo.setCnpj_cpf(QStringLiteral("31762459043"));
    novo.setNome(QStringLiteral("FERNANDA A EXCLUIR"));
    novo.setId_acd(10);
    auto fone = std::make_unique<TFones>();
    fone->setNome(QStringLiteral("FERNANDA"));
    novo.fones().append(std::move(fone));
    QVERIFY(DM->IUParceiro(novo) && DM->IUParcFones(novo));
    search(0, 2, 0, QStringLiteral("FERNANDA"));
    selectPartner(novo.id());
    m_messages->clear();
    m_messages->queueAnswer(QMessageBox::Ok);
    press(Qt::Key_F7);
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Tem certeza que deseja excluir este parceiro?")});
    QCOMPARE(DM->LeParceiro(novo.id())->id(), 0);
    QCOMPARE(names(), QStringList());
}

void tst_CadParceiro::anotherMembersPartnerIsOnlyShown()
{
    search(1, 2, 0, QStringLiteral("VIZINHO"));
    selectPartner(502);
    QVERIFY(m_window->actEdita()->isEnabled());
    QVERIFY(!m_window->actExclui()->isEnabled());
    QVERIFY(!child<QPushButton>(m_window.get(), "btnExclui")->isEnabled());
    press(Qt::Key_F7);
    QCOMPARE(m_messages->texts(), QStringList());

    QStringList enabledFields;
    bool okEnabled = true, contactsEnabled = true, gridEnabled = true;
    QString nome;
    ModalAnswer answers([&](QDialog *editor) {
        nome = child(editor, "dbedtPAR_A_NOM")->text();
        for (QWidget *w : editor->findChildren<QWidget *>())
            if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)) && w->isEnabled()
                && !w->parentWidget()->inherits("QAbstractItemView"))
                enabledFields << w->objectName();
        okEnabled = child<QPushButton>(editor, "btnOK")->isEnabled();
        gridEnabled = child<QTableView>(editor, "grdFone")->isEnabled();
        contactsEnabled = false;
        for (const char *button : {"btnInsert", "btnGravar", "btnCancelar", "btnExcluir", "btnEstorna"})
            contactsEnabled |= child<QToolButton>(editor, button)->isEnabled();
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    press(Qt::Key_F6);
    QVERIFY(answers.answered());
    QCOMPARE(nome, QStringLiteral("DISTRIBUIDORA DO VIZINHO"));
    QCOMPARE(enabledFields, QStringList());
    QVERIFY(!okEnabled);
    QVERIFY(!gridEnabled);
    QVERIFY(!contactsEnabled);
    QCOMPARE(DM->LeParceiro(502)->nome(), QStringLiteral("DISTRIBUIDORA DO VIZINHO"));
}

void tst_CadParceiro::writeAfterAnotherSeatDeleted_data()
{
    QTest::addColumn<bool>("wholePartner"); // else only its contact
    // The contact first: the second case deletes the whole partner.
    QTest::newRow("a contact of it") << false;
    QTest::newRow("the partner") << true;
}

void tst_CadParceiro::writeAfterAnotherSeatDeleted()
{
    QFETCH(bool, wholePartner);
    search(0, 2, 0, QStringLiteral("PAPELARIA"));
    selectPartner(504);
    ModalAnswer answers([&](QDialog *editor) {
        typeInto(editor, "dbedtPAR_A_NOM", QStringLiteral("PAPELARIA ALTERADA"));
        // Another seat, meanwhile.
        if (wholePartner) {
            QVERIFY(DM->ExcluirParceiro(504));
        } else {
            TParceiro other;
            other.setId(504);
            auto fone = std::make_unique<TFones>();
            fone->setId(604);
            fone->setExcluir(true);
            other.fones().append(std::move(fone));
            QVERIFY(DM->IUParcFones(other));
        }
        QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
    });
    press(Qt::Key_F6);
    QVERIFY(answers.answered());
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Parceiro não localizado.")});
    // Nothing written: neither the row nor its contact came back.
    const std::unique_ptr<TParceiro> stored = DM->LeParceiro(504);
    if (wholePartner) {
        QCOMPARE(stored->id(), 0);
        QCOMPARE(names(), QStringList());
    } else {
        QCOMPARE(stored->nome(), QStringLiteral("PAPELARIA LIMEIRENSE"));
        QCOMPARE(stored->fones().count(), 0);
    }
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_CadParceiro test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cadparceiro.moc"
