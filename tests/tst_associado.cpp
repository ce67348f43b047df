// The member editor against a real database (the city lookup and the
// document check read it): the binding of its fields to the member row, the
// field checks on OK, the city by its IBGE code, the contacts with their
// deletion marks, the case of what is typed, and the keyboard.

#include "Application.h"
#include "Controls.h"
#include "DataModules.h"
#include "FieldMapper.h"
#include "ForegroundDelegate.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Session.h"
#include "TAssociado.h"
#include "TUsuarios.h"
#include "uAssociado.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3304557', 'RIO DE JANEIRO', 'RJ');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO UM', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '45997418000153', 'ASSOCIAÇÃO DOIS', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
  values (10, '12345678909', '1234567', 'JOSÉ DA SILVA', 'RUA DAS FLORES', '12', 'FUNDOS', 'CENTRO', '01001000', '3550308', 'Jose@Silva.com.br', 1, 'N', 'S', 'N', '17.05.2024 09:30:00', null);
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL, CID_A_COD) values (11, '11444777000161', 'COMÉRCIO LTDA', 1, 'S', '3304557');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (12, '98765432100', 'MARIA SOUZA', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (13, '12ABC34501DE35', 'EMPRESA NOVA LTDA', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ASS_I_COD, ACD_A_ABL) values (14, '27365914000102', 'Loja da Esquina', 'rua b', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ASS_I_COD, ACD_A_ABL) values (20, '52998224725', 'DE OUTRA', 2, 'S');
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (101, 'JOSÉ', '11', '32220001', 10);
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (102, 'LOJA', '11', '32220002', 10);
)";

const QColor grey(128, 128, 128);

// Makes the delegate's option setup reachable to look at a drawn cell.
struct DelegateProbe : ForegroundDelegate
{
    using ForegroundDelegate::initStyleOption;
};

} // namespace

class tst_Associado : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void layout();
    void fieldsShowTheMemberRow();
    void documentMask_data();
    void documentMask();
    void okWritesTheFieldsCancelWritesNothing();
    void storedLowerCaseShownAsStored();
    void upperCaseExceptTheEmail_data();
    void upperCaseExceptTheEmail();
    void fieldChecks_data();
    void fieldChecks();
    void knownCityCode();
    void unknownCityCode();
    void emptyCityCodeChosenInTheSearch();
    void cancelaWithAnUnknownCityCode();
    void contacts();
    void markedContactGreyAlsoWhenSelected();
    void enterMovesOnAndEndsOnOk();
    void packageBoxesBoundToTheFlags_data();
    void packageBoxesBoundToTheFlags();
    void newMemberRowAndLoginUser();
    void changedDocument_data();
    void changedDocument();

private:
    // The editor as the list window shows it to edit member `id`.
    void openToEdit(qint32 id);
    // The editor as it is shown for a new member with document `documento`.
    void openNew(const QString &documento);
    void show();
    void typeInto(const char *name, const QString &text);
    void clickOk();

    template<typename T = QLineEdit>
    T *control(const char *name) const
    {
        return child<T>(m_editor.get(), name);
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    MemTable *membro() const { return DMds->cdsCadAssociado; }
    MemTable *fones() const { return DMds->cdsCadFoneAcd; }

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<MessageDialogHook> m_messages;
    std::unique_ptr<TfrmAssociado> m_editor;
};

void tst_Associado::initTestCase()
{
    LanguageControl::install();
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_Associado::cleanupTestCase()
{
    m_messages.reset();
    m_modules.reset();
}

void tst_Associado::cleanup()
{
    m_editor.reset();
    m_messages->clear();
    DMds->cdsPesqCidade->empty();
}

void tst_Associado::openToEdit(qint32 id)
{
    const std::unique_ptr<TAssociado> associado = DM->LeAssociadoID(id);
    QCOMPARE(associado->id(), id);
    m_editor = std::make_unique<TfrmAssociado>();
    m_editor->PreparaEdicao(*associado);
    show();
}

void tst_Associado::openNew(const QString &documento)
{
    m_editor = std::make_unique<TfrmAssociado>();
    m_editor->PreparaNovo(documento);
    show();
}

void tst_Associado::show()
{
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
}

void tst_Associado::typeInto(const char *name, const QString &text)
{
    auto *field = control(name);
    if (focused() != field)
        field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    typeText(field, text);
}

void tst_Associado::clickOk()
{
    // The focus moves to "OK" first, as with the mouse.
    QTest::mouseClick(control<QPushButton>("btnOK"), Qt::LeftButton);
}

void tst_Associado::layout()
{
    openNew(QStringLiteral("12345678909"));
    QCOMPARE(m_editor->size(), QSize(755, 387));
    QCOMPARE(control("dbedtACD_A_CNPJ")->width(), 118);
    QCOMPARE(control("dbedtACD_A_NOM")->width(), 500);
    QCOMPARE(control<QTableView>("grdFone")->size(), QSize(220, 231));
    QCOMPARE(control<QGroupBox>("grpUsu")->size(), QSize(499, 62));
    QCOMPARE(control<QGroupBox>("grpUsu")->title(), QStringLiteral(" Usuário para Login "));
    QCOMPARE(control<QCheckBox>("chkPct01")->text(), QStringLiteral("Pacote Financeiro"));
    QCOMPARE(control<QCheckBox>("chkPct02")->text(), QStringLiteral("Pacote Negativação"));
    QCOMPARE(control<QToolButton>("btnInsert")->size(), QSize(33, 32));
    QVERIFY(!control<QPushButton>("btnOK")->isDefault());
    QVERIFY(control<QLabel>("lblACD_A_NOM")->font().bold());
    QCOMPARE(control<QLabel>("txtCID_A_UF")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    // Each field takes no more than its column holds.
    const struct
    {
        const char *field;
        int size;
    } sizes[] = {{"dbedtACD_A_IE", 20},  {"dbedtACD_A_NOM", 100}, {"dbedtACD_A_LGR", 100},
                 {"dbedtACD_A_NUM", 20}, {"dbedtACD_A_CPL", 100}, {"dbedtACD_A_BRR", 100},
                 {"dbedtCID_A_COD", 7},  {"dbedtACD_A_CEP", 10},  {"dbedtACD_A_MAIL", 100}};
    for (const auto &s : sizes)
        QCOMPARE(control(s.field)->maxLength(), s.size);

    // The contact buttons' hints, and the grid's columns.
    const QStringList hints{QStringLiteral("Inserir"), QStringLiteral("Gravar"), QStringLiteral("Cancelar"),
                            QStringLiteral("Delete"), QStringLiteral("Estorna")};
    const char *buttons[] = {"btnInsert", "btnGravar", "btnCancelar", "btnExcluir", "btnEstorna"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(control<QToolButton>(buttons[i])->toolTip(), hints.at(i));
    auto *grid = control<QTableView>("grdFone");
    QStringList shown;
    for (int visual = 0; visual < grid->horizontalHeader()->count(); ++visual) {
        const int column = grid->horizontalHeader()->logicalIndex(visual);
        if (!grid->isColumnHidden(column))
            shown << grid->model()->headerData(column, Qt::Horizontal).toString()
                         + QString::number(grid->columnWidth(column));
    }
    QCOMPARE(shown, (QStringList{QStringLiteral("Contato85"), QStringLiteral("DDD26"), QStringLiteral("Número71")}));

    // Tab order, with a known city so the code field lets the focus go on.
    membro()->edit();
    membro()->setText(u"CID_A_COD", QStringLiteral("3550308"));
    QStringList order;
    control("dbedtACD_A_IE")->setFocus(Qt::TabFocusReason);
    while (focused() != grid && order.size() < 30) {
        order << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QCOMPARE(order,
             (QStringList{QStringLiteral("dbedtACD_A_IE"), QStringLiteral("dbedtACD_A_NOM"),
                          QStringLiteral("dbedtACD_A_LGR"), QStringLiteral("dbedtACD_A_NUM"),
                          QStringLiteral("dbedtACD_A_CPL"), QStringLiteral("dbedtACD_A_BRR"),
                          QStringLiteral("dbedtCID_A_COD"), QStringLiteral("dbedtACD_A_CEP"),
                          QStringLiteral("dbedtACD_A_MAIL"), QStringLiteral("edtNomeUsu"), QStringLiteral("edtUsuario"),
                          QStringLiteral("chkPct01"), QStringLiteral("chkPct02"), QStringLiteral("dblkcbbACD_A_ABL"),
                          QStringLiteral("btnOK"), QStringLiteral("btnCancela")}));
    // After the grid, the five contact buttons.
    QStringList after;
    for (QWidget *w = grid->nextInFocusChain(); w != m_editor.get() && after.size() < 5; w = w->nextInFocusChain()) {
        if (qobject_cast<QToolButton *>(w))
            after << w->objectName();
    }
    QCOMPARE(after,
             (QStringList{QStringLiteral("btnInsert"), QStringLiteral("btnGravar"), QStringLiteral("btnCancelar"),
                          QStringLiteral("btnExcluir"), QStringLiteral("btnEstorna")}));
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_Associado::fieldsShowTheMemberRow()
{
    openToEdit(10);
    QCOMPARE(control("dbedtACD_A_IE")->text(), QStringLiteral("1234567"));
    QCOMPARE(control("dbedtACD_A_NOM")->text(), QStringLiteral("JOSÉ DA SILVA"));
    QCOMPARE(control("dbedtACD_A_LGR")->text(), QStringLiteral("RUA DAS FLORES"));
    QCOMPARE(control("dbedtACD_A_NUM")->text(), QStringLiteral("12"));
    QCOMPARE(control("dbedtACD_A_CPL")->text(), QStringLiteral("FUNDOS"));
    QCOMPARE(control("dbedtACD_A_BRR")->text(), QStringLiteral("CENTRO"));
    QCOMPARE(control("dbedtCID_A_COD")->text(), QStringLiteral("3550308"));
    QCOMPARE(control<QLabel>("txtCID_A_DSC")->text(), QStringLiteral("SÃO PAULO"));
    QCOMPARE(control<QLabel>("txtCID_A_UF")->text(), QStringLiteral("SP"));
    QCOMPARE(control("dbedtACD_A_CEP")->text(), QStringLiteral("01001000"));
    QCOMPARE(control("dbedtACD_A_MAIL")->text(), QStringLiteral("Jose@Silva.com.br"));
    // The pick list shows the description of the stored flag.
    QCOMPARE(control<QComboBox>("dblkcbbACD_A_ABL")->currentText(), QStringLiteral("NÃO"));
    QCOMPARE(control<QComboBox>("dblkcbbACD_A_ABL")->count(), 2);
    QCOMPARE(fones()->recordCount(), 2);
    QCOMPARE(control<QTableView>("grdFone")->model()->rowCount(), 2);
}

void tst_Associado::documentMask_data()
{
    QTest::addColumn<qint32>("member");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("kept");

    const QString cpf = QStringLiteral("!999.999.999-99;0;_");
    const QString cnpj = QStringLiteral("!>aa.aaa.aaa/aaaa-99;0;_");
    // What stays of "ab1c" typed into the emptied field.
    QTest::newRow("11 characters: CPF") << 10 << QStringLiteral("123.456.789-09") << cpf << QStringLiteral("1");
    QTest::newRow("14 characters: CNPJ") << 11 << QStringLiteral("11.444.777/0001-61") << cnpj
                                         << QStringLiteral("AB1C");
    QTest::newRow("alphanumeric CNPJ") << 13 << QStringLiteral("12.ABC.345/01DE-35") << cnpj << QStringLiteral("AB1C");
}

void tst_Associado::documentMask()
{
    QFETCH(qint32, member);
    QFETCH(QString, shown);
    QFETCH(QString, mask);
    QFETCH(QString, kept);

    openToEdit(member);
    QLineEdit *documento = control("dbedtACD_A_CNPJ");
    QCOMPARE(documento->displayText(), shown);
    QVERIFY(documento->isEnabled());
    // The table's column carries the mask in the system's notation.
    QCOMPARE(membro()->editMask(membro()->fieldIndex(u"ACD_A_CNPJ")), mask);
    // A CPF takes digits only; a CNPJ letters too, as capitals.
    documento->setFocus();
    documento->selectAll();
    QTest::keyClick(documento, Qt::Key_Delete);
    QTest::keyClicks(documento, QStringLiteral("ab1c"));
    QCOMPARE(FieldMapper::storedText(documento), kept);
}

void tst_Associado::okWritesTheFieldsCancelWritesNothing()
{
    openToEdit(10);
    typeInto("dbedtACD_A_NOM", QStringLiteral("josé de souza"));
    typeInto("dbedtACD_A_MAIL", QStringLiteral("Novo@Mail.com"));
    control<QComboBox>("dblkcbbACD_A_ABL")->setCurrentIndex(0);

    // Cancel: the row stays as it was, not even in editing.
    m_editor->reject();
    QCOMPARE(membro()->state(), MemTable::State::Browse);
    QCOMPARE(membro()->text(u"ACD_A_NOM"), QStringLiteral("JOSÉ DA SILVA"));
    QCOMPARE(membro()->text(u"ACD_A_ABL"), QStringLiteral("N"));

    openToEdit(10);
    typeInto("dbedtACD_A_NOM", QStringLiteral("josé de souza"));
    typeInto("dbedtACD_A_MAIL", QStringLiteral("Novo@Mail.com"));
    control<QComboBox>("dblkcbbACD_A_ABL")->setCurrentIndex(0);
    clickOk();
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    // Written into the row, left pending for the caller's save.
    QCOMPARE(membro()->state(), MemTable::State::Edit);
    QCOMPARE(membro()->text(u"ACD_A_NOM"), QStringLiteral("JOSÉ DE SOUZA"));
    QCOMPARE(membro()->text(u"ACD_A_MAIL"), QStringLiteral("Novo@Mail.com"));
    QCOMPARE(membro()->text(u"ACD_A_ABL"), QStringLiteral("S"));
    // Untouched fields keep their values; the document stays digits only.
    QCOMPARE(membro()->text(u"ACD_A_CNPJ"), QStringLiteral("12345678909"));
    QCOMPARE(membro()->text(u"CID_A_DSC"), QStringLiteral("SÃO PAULO"));
    QCOMPARE(membro()->text(u"ACD_A_CEP"), QStringLiteral("01001000"));
    QCOMPARE(m_messages->texts(), QStringList());

    // An untouched dialog closed with OK leaves the row as it was.
    openToEdit(11);
    control("dbedtACD_A_NOM")->setFocus();
    clickOk();
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    QCOMPARE(membro()->state(), MemTable::State::Browse);
}

void tst_Associado::storedLowerCaseShownAsStored()
{
    // Written in lower case by another program: capitals apply to what is
    // typed, so the row is shown as stored and OK leaves it as it was.
    openToEdit(14);
    QCOMPARE(control("dbedtACD_A_NOM")->text(), QStringLiteral("Loja da Esquina"));
    QCOMPARE(control("dbedtACD_A_LGR")->text(), QStringLiteral("rua b"));
    control("dbedtACD_A_NOM")->setFocus();
    clickOk();
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    QCOMPARE(membro()->state(), MemTable::State::Browse);
    QCOMPARE(membro()->text(u"ACD_A_NOM"), QStringLiteral("Loja da Esquina"));

    // Once typed into, the field is the user's: all of it turns to capitals.
    openToEdit(14);
    auto *nome = control("dbedtACD_A_NOM");
    nome->setFocus();
    nome->end(false);
    QTest::keyClicks(nome, QStringLiteral(" x"));
    QCOMPARE(nome->text(), QStringLiteral("LOJA DA ESQUINA X"));
}

void tst_Associado::upperCaseExceptTheEmail_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QString upper = QStringLiteral("AÇÃO 1B");
    for (const char *name : {"dbedtACD_A_IE", "dbedtACD_A_NOM", "dbedtACD_A_LGR", "dbedtACD_A_NUM", "dbedtACD_A_CPL",
                             "dbedtACD_A_BRR", "dbedtACD_A_CEP", "edtNomeUsu", "edtUsuario"})
        QTest::newRow(name) << QString::fromLatin1(name) << upper;
    QTest::newRow("dbedtACD_A_MAIL") << QStringLiteral("dbedtACD_A_MAIL") << QStringLiteral("ação 1b");
}

void tst_Associado::upperCaseExceptTheEmail()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);

    openNew(QStringLiteral("12345678909"));
    typeInto(field.toLatin1().constData(), QStringLiteral("ação 1b"));
    QCOMPARE(control(field.toLatin1().constData())->text(), expected);
}

void tst_Associado::fieldChecks_data()
{
    QTest::addColumn<bool>("novo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("nomeUsuario");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString nome = QStringLiteral("O campo nome tem que ser preenchido.");
    const QString nomeUsuario = QStringLiteral("O campo nome do usuário tem que ser preenchido.");
    const QString usuario = QStringLiteral("O campo usuário tem que ser preenchido.");
    QTest::newRow("new, all empty: only the first")
        << true << QString() << QString() << QString() << nome << QStringLiteral("dbedtACD_A_NOM");
    QTest::newRow("new, name of blanks") << true << QStringLiteral("   ") << QStringLiteral("A") << QStringLiteral("B")
                                         << nome << QStringLiteral("dbedtACD_A_NOM");
    QTest::newRow("new, no user name") << true << QStringLiteral("LOJA") << QStringLiteral("  ") << QString()
                                       << nomeUsuario << QStringLiteral("edtNomeUsu");
    QTest::newRow("new, no user") << true << QStringLiteral("LOJA") << QStringLiteral("JOÃO") << QStringLiteral(" ")
                                  << usuario << QStringLiteral("edtUsuario");
    QTest::newRow("new, all filled") << true << QStringLiteral("LOJA") << QStringLiteral("JOÃO")
                                     << QStringLiteral("JOAO") << QString() << QString();
    QTest::newRow("editing: the login fields are not checked")
        << false << QStringLiteral("LOJA") << QString() << QString() << QString() << QString();
    QTest::newRow("editing, no name") << false << QString() << QString() << QString() << nome
                                      << QStringLiteral("dbedtACD_A_NOM");
}

void tst_Associado::fieldChecks()
{
    QFETCH(bool, novo);
    QFETCH(QString, nome);
    QFETCH(QString, nomeUsuario);
    QFETCH(QString, usuario);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    if (novo)
        openNew(QStringLiteral("12345678909"));
    else
        openToEdit(12);
    control("dbedtACD_A_NOM")->setText(nome);
    control("edtNomeUsu")->setText(nomeUsuario);
    control("edtUsuario")->setText(usuario);
    control("dbedtACD_A_IE")->setFocus();
    clickOk();

    if (message.isEmpty()) {
        QCOMPARE(m_messages->texts(), QStringList());
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_editor->result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Information);
    QVERIFY(m_editor->isVisible());
    QCOMPARE(focused()->objectName(), focus);
    // Nothing reached the row.
    QCOMPARE(membro()->state(), MemTable::State::Browse);
}

void tst_Associado::knownCityCode()
{
    openNew(QStringLiteral("12345678909"));
    ModalAnswer answer([](QDialog *dialog) { dialog->reject(); }, 300);
    typeInto("dbedtCID_A_COD", QStringLiteral("3304557"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("dbedtACD_A_CEP"));
    QCOMPARE(control<QLabel>("txtCID_A_DSC")->text(), QStringLiteral("RIO DE JANEIRO"));
    QCOMPARE(control<QLabel>("txtCID_A_UF")->text(), QStringLiteral("RJ"));
    QCOMPARE(membro()->text(u"CID_A_COD"), QStringLiteral("3304557"));
    QCOMPARE(membro()->text(u"CID_A_DSC"), QStringLiteral("RIO DE JANEIRO"));
    QCOMPARE(membro()->text(u"CID_A_UF"), QStringLiteral("RJ"));
    // The lookup runs while the field is left: a search dialog would have
    // opened (and been answered) by now.
    QVERIFY2(!answer.answered(), "no dialog may open for a known code");
}

void tst_Associado::unknownCityCode()
{
    openToEdit(10);
    bool emptyGrid = false;
    bool okDisabled = false;
    ModalAnswer answer([&](QDialog *dialog) {
        emptyGrid = dialog->findChild<QTableView *>(QStringLiteral("grdPes"))->model()->rowCount() == 0;
        okDisabled = !dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->isEnabled();
        dialog->reject();
    });
    typeInto("dbedtCID_A_COD", QStringLiteral("9999999"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QVERIFY(answer.answered());
    QCOMPARE(answer.dialogClasses(), QStringList{QStringLiteral("TfrmPesqCidade")});
    QVERIFY(emptyGrid);
    QVERIFY(okDisabled);
    // Cancelled: back on the code field, the unknown code still in it; the
    // row keeps its city.
    // The window's focus: offscreen, nothing activates the editor again.
    QCOMPARE(m_editor->focusWidget(), control("dbedtCID_A_COD"));
    QCOMPARE(control("dbedtCID_A_COD")->text(), QStringLiteral("9999999"));
    QCOMPARE(membro()->text(u"CID_A_COD"), QStringLiteral("3550308"));
    QCOMPARE(control<QLabel>("txtCID_A_DSC")->text(), QStringLiteral("SÃO PAULO"));
}

void tst_Associado::emptyCityCodeChosenInTheSearch()
{
    openNew(QStringLiteral("12345678909"));
    ModalAnswer answer([](QDialog *dialog) {
        auto *text = dialog->findChild<QLineEdit *>(QStringLiteral("edtPesq"));
        QTest::keyClicks(text, QStringLiteral("rio"));
        QTest::keyClick(text, Qt::Key_F2);
        QTest::keyClick(text, Qt::Key_Return);
    });
    control("dbedtCID_A_COD")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QVERIFY(answer.answered());
    QCOMPARE(control("dbedtCID_A_COD")->text(), QStringLiteral("3304557"));
    QCOMPARE(control<QLabel>("txtCID_A_DSC")->text(), QStringLiteral("RIO DE JANEIRO"));
    QCOMPARE(control<QLabel>("txtCID_A_UF")->text(), QStringLiteral("RJ"));
    QCOMPARE(membro()->text(u"CID_A_COD"), QStringLiteral("3304557"));
    QCOMPARE(m_editor->focusWidget()->objectName(), QStringLiteral("dbedtACD_A_CEP"));
}

void tst_Associado::cancelaWithAnUnknownCityCode()
{
    openNew(QStringLiteral("12345678909"));
    ModalAnswer answer([](QDialog *dialog) { dialog->reject(); }, 300);
    typeInto("dbedtCID_A_COD", QStringLiteral("123"));
    QTest::mouseClick(control<QPushButton>("btnCancela"), Qt::LeftButton);
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Rejected));
    QVERIFY2(!answer.answered(), "Cancela must not open the city search");
}

void tst_Associado::contacts()
{
    openToEdit(10);
    QAction *inserir = m_editor->DatasetInsert1;
    QAction *gravar = m_editor->DatasetPost1;
    QAction *cancelar = m_editor->DatasetCancel1;
    QAction *excluir = m_editor->DatasetDelete1;
    QAction *estorna = m_editor->actEstornaExclusao;
    auto *grid = control<QTableView>("grdFone");
    const int excluirColumn = fones()->fieldIndex(u"Excluir");
    const auto foreground = [&](int row) {
        return grid->model()->index(row, fones()->fieldIndex(u"ACC_A_CON")).data(Qt::ForegroundRole);
    };

    // Stored contacts, cursor on the last.
    QVERIFY(inserir->isEnabled());
    QVERIFY(!gravar->isEnabled());
    QVERIFY(!cancelar->isEnabled());
    QVERIFY(excluir->isEnabled());
    QVERIFY(!estorna->isEnabled());
    QCOMPARE(fones()->currentRow(), 1);

    // Deleting a stored contact only marks it: grey, Estorna enabled.
    QTest::mouseClick(control<QToolButton>("btnExcluir"), Qt::LeftButton);
    QCOMPARE(fones()->recordCount(), 2);
    QVERIFY(fones()->boolean(u"Excluir"));
    QCOMPARE(fones()->state(), MemTable::State::Browse);
    QCOMPARE(foreground(1).value<QColor>(), grey);
    QVERIFY(!foreground(0).isValid());
    QVERIFY(estorna->isEnabled());
    QVERIFY(!gravar->isEnabled());
    // Deleting it again changes nothing.
    excluir->trigger();
    QCOMPARE(fones()->recordCount(), 2);
    QVERIFY(fones()->boolean(u"Excluir"));
    // Another row: Estorna follows the current row's mark.
    fones()->first();
    QVERIFY(!estorna->isEnabled());
    fones()->last();
    QVERIFY(estorna->isEnabled());

    // While the marked row is being edited, Estorna stays disabled.
    fones()->edit();
    QVERIFY(gravar->isEnabled());
    QVERIFY(!estorna->isEnabled());
    cancelar->trigger();
    QVERIFY(estorna->isEnabled());

    // Estorna: unmarked, drawn normally again.
    QTest::mouseClick(control<QToolButton>("btnEstorna"), Qt::LeftButton);
    QVERIFY(!fones()->boolean(u"Excluir"));
    QVERIFY(!foreground(1).isValid());
    QVERIFY(!estorna->isEnabled());
    QCOMPARE(fones()->value(1, excluirColumn).toBool(), false);

    // Inserting: a new row being inserted, typed in the grid, posted as new.
    QTest::mouseClick(control<QToolButton>("btnInsert"), Qt::LeftButton);
    QCOMPARE(fones()->state(), MemTable::State::Insert);
    QCOMPARE(fones()->recordCount(), 3);
    QVERIFY(gravar->isEnabled());
    QVERIFY(cancelar->isEnabled());
    QVERIFY(!estorna->isEnabled());
    const int novo = fones()->currentRow();
    QCOMPARE(grid->currentIndex().row(), novo);
    // The grid's editor is open on the contact's name.
    QTRY_VERIFY(qobject_cast<QLineEdit *>(focused()));
    typeText(focused(), QStringLiteral("Recepção"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("119"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("40040000"));
    QTest::mouseClick(control<QToolButton>("btnGravar"), Qt::LeftButton);
    QCOMPARE(fones()->state(), MemTable::State::Browse);
    QCOMPARE(fones()->currentRow(), novo);
    QCOMPARE(fones()->integer(u"ACC_I_COD"), 0);
    QVERIFY(!fones()->boolean(u"Excluir"));
    // No change of case; the area code takes two characters only.
    QCOMPARE(fones()->text(u"ACC_A_CON"), QStringLiteral("Recepção"));
    QCOMPARE(fones()->text(u"ACC_A_DDD"), QStringLiteral("11"));
    QCOMPARE(fones()->text(u"ACC_A_FON"), QStringLiteral("40040000"));
    QVERIFY(!gravar->isEnabled());

    // Deleting a contact typed here removes it at once.
    excluir->trigger();
    QCOMPARE(fones()->recordCount(), 2);
    QCOMPARE(m_messages->texts(), QStringList());

    // An insertion cancelled leaves nothing.
    inserir->trigger();
    QCOMPARE(fones()->recordCount(), 3);
    QTest::mouseClick(control<QToolButton>("btnCancelar"), Qt::LeftButton);
    QCOMPARE(fones()->recordCount(), 2);
    QCOMPARE(fones()->state(), MemTable::State::Browse);

    // With no contact at all, nothing to delete.
    fones()->empty();
    QVERIFY(!excluir->isEnabled());
    QVERIFY(inserir->isEnabled());
}

void tst_Associado::markedContactGreyAlsoWhenSelected()
{
    openToEdit(10);
    auto *grid = control<QTableView>("grdFone");
    m_editor->DatasetDelete1->trigger();
    const QModelIndex cell = grid->currentIndex();
    QCOMPARE(cell.row(), fones()->currentRow());
    QVERIFY(grid->selectionModel()->isSelected(cell));
    DelegateProbe probe;
    QStyleOptionViewItem option;
    option.state |= QStyle::State_Selected;
    probe.initStyleOption(&option, cell);
    QCOMPARE(option.palette.color(QPalette::HighlightedText), grey);
    QCOMPARE(option.palette.color(QPalette::Text), grey);
    // An unmarked row keeps the normal colours.
    QStyleOptionViewItem normal;
    probe.initStyleOption(&normal, grid->model()->index(0, cell.column()));
    QVERIFY(normal.palette.color(QPalette::HighlightedText) != grey);
}

void tst_Associado::enterMovesOnAndEndsOnOk()
{
    openToEdit(10);
    // From the name on, Enter walks as Tab does (the code is known).
    control("dbedtACD_A_NOM")->setFocus(Qt::TabFocusReason);
    QStringList order;
    while (focused() != control<QPushButton>("btnOK") && order.size() < 20) {
        order << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    // The login group is hidden when editing.
    QCOMPARE(order,
             (QStringList{QStringLiteral("dbedtACD_A_NOM"), QStringLiteral("dbedtACD_A_LGR"),
                          QStringLiteral("dbedtACD_A_NUM"), QStringLiteral("dbedtACD_A_CPL"),
                          QStringLiteral("dbedtACD_A_BRR"), QStringLiteral("dbedtCID_A_COD"),
                          QStringLiteral("dbedtACD_A_CEP"), QStringLiteral("dbedtACD_A_MAIL"),
                          QStringLiteral("chkPct01"), QStringLiteral("chkPct02"), QStringLiteral("dblkcbbACD_A_ABL")}));
    QVERIFY(m_editor->isVisible());
    // A second Enter presses "OK".
    QTest::keyClick(focused(), Qt::Key_Return);
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_Associado::changedDocument_data()
{
    QTest::addColumn<qint32>("member");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString cpf = QStringLiteral("CPF inválido");
    const QString cnpj = QStringLiteral("CNPJ inválido");
    const QString cadastrado = QStringLiteral("O documento informado já esta cadastrado.");
    QTest::newRow("another valid CPF") << 10 << QStringLiteral("11144477735") << QString();
    QTest::newRow("CPF with a wrong check digit") << 10 << QStringLiteral("11144477736") << cpf;
    QTest::newRow("CPF not complete") << 10 << QStringLiteral("1114447") << cpf;
    QTest::newRow("CPF emptied") << 10 << QString() << cpf;
    QTest::newRow("CPF of another member") << 10 << QStringLiteral("98765432100") << cadastrado;
    QTest::newRow("CPF of a member of another association") << 10 << QStringLiteral("52998224725") << QString();
    QTest::newRow("CNPJ with a wrong check digit") << 11 << QStringLiteral("11444777000162") << cnpj;
    QTest::newRow("another valid CNPJ") << 11 << QStringLiteral("45997418000153") << QString();
    QTest::newRow("unchanged") << 10 << QStringLiteral("12345678909") << QString();
    // Letters in the first twelve positions, stored as capitals.
    QTest::newRow("alphanumeric CNPJ typed in lower case") << 11 << QStringLiteral("ulmora00000116") << QString();
    QTest::newRow("alphanumeric CNPJ of another member") << 11 << QStringLiteral("12abc34501de35") << cadastrado;
    QTest::newRow("alphanumeric CNPJ with 'A' counted as 10") << 11 << QStringLiteral("12ABC34501DE45") << cnpj;
    QTest::newRow("letter in a check digit") << 11 << QStringLiteral("12ABC34501DEA5") << cnpj;
    QTest::newRow("letter outside A-Z") << 11 << QStringLiteral("\u00C92ABC34501DE35") << cnpj;
    QTest::newRow("alphanumeric CNPJ unchanged") << 13 << QStringLiteral("12ABC34501DE35") << QString();
    QTest::newRow("alphanumeric CNPJ changed to a numeric one") << 13 << QStringLiteral("45997418000153") << QString();
}

void tst_Associado::changedDocument()
{
    QFETCH(qint32, member);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    openToEdit(member);
    QLineEdit *documento = control("dbedtACD_A_CNPJ");
    documento->setFocus();
    documento->selectAll();
    QTest::keyClick(documento, Qt::Key_Delete);
    documento->setCursorPosition(0);
    QTest::keyClicks(documento, typed);
    control("dbedtACD_A_NOM")->setFocus();
    clickOk();

    if (message.isEmpty()) {
        QCOMPARE(m_messages->texts(), QStringList());
        QCOMPARE(m_editor->result(), int(QDialog::Accepted));
        QCOMPARE(membro()->text(u"ACD_A_CNPJ"), typed.toUpper());
        return;
    }
    QCOMPARE(m_messages->texts(), QStringList{message});
    QVERIFY(m_editor->isVisible());
    QCOMPARE(focused(), documento);
    QCOMPARE(membro()->state(), MemTable::State::Browse);
    const QString stored = member == 10   ? QStringLiteral("12345678909")
                           : member == 11 ? QStringLiteral("11444777000161")
                                          : QStringLiteral("12ABC34501DE35");
    QCOMPARE(membro()->text(u"ACD_A_CNPJ"), stored);
}

void tst_Associado::packageBoxesBoundToTheFlags_data()
{
    QTest::addColumn<qint32>("id");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("pct1");
    QTest::addColumn<QString>("pct2");

    // Member 10 has "S" and "N"; member 11 no flags at all.
    QTest::newRow("both toggled, OK") << 10 << true << true << u"N"_s << u"S"_s;
    QTest::newRow("both toggled, Cancela") << 10 << true << false << u"S"_s << u"N"_s;
    QTest::newRow("untouched, OK") << 10 << false << true << u"S"_s << u"N"_s;
    QTest::newRow("empty flags ticked, OK") << 11 << true << true << u"S"_s << u"S"_s;
    QTest::newRow("empty flags untouched, OK") << 11 << false << true << QString() << QString();
}

void tst_Associado::packageBoxesBoundToTheFlags()
{
    QFETCH(qint32, id);
    QFETCH(bool, toggle);
    QFETCH(bool, ok);
    QFETCH(QString, pct1);
    QFETCH(QString, pct2);

    openToEdit(id);
    auto *pct01 = control<QCheckBox>("chkPct01");
    auto *pct02 = control<QCheckBox>("chkPct02");
    QCOMPARE(pct01->isChecked(), id == 10);
    QCOMPARE(pct02->isChecked(), false);
    if (toggle) {
        QTest::mouseClick(pct01, Qt::LeftButton);
        QTest::mouseClick(pct02, Qt::LeftButton);
        // Written on OK, not while the dialog is open.
        QCOMPARE(membro()->state(), MemTable::State::Browse);
    }
    if (ok)
        clickOk();
    else
        QTest::mouseClick(control<QPushButton>("btnCancela"), Qt::LeftButton);
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(membro()->text(u"ACD_A_PCT1"), pct1);
    QCOMPARE(membro()->text(u"ACD_A_PCT2"), pct2);
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_Associado::newMemberRowAndLoginUser()
{
    // The session's member (the one last read by its document) lends its
    // address; the association, the user and the flags are the new member's.
    const auto reset = qScopeGuard([this] {
        UsuarioLogado = TUsuarioLogado();
        // Back to no member read: a blank row's values.
        membro()->empty();
        membro()->append();
        AssociadoAtual->LerDataset(*membro());
        membro()->cancel();
    });
    QVERIFY(DM->LeAssociadoCNPJ(u"12345678909"_s));
    UsuarioLogado.id = 7;
    UsuarioLogado.nome = u"MARIA OPERADORA"_s;
    DMds->cdsCadFoneAcd->append();
    DMds->cdsCadFoneAcd->setText(u"ACC_A_CON", u"DE ANTES"_s);
    DMds->cdsCadFoneAcd->post();
    openNew(u"11144477735"_s);

    QCOMPARE(m_editor->windowTitle(),
             u"Associado - "_s + QDate::currentDate().toString(u"dd/MM/yyyy"_s) + u"|MARIA OPERADORA"_s);
    QCOMPARE(membro()->recordCount(), 1);
    QCOMPARE(membro()->integer(u"ACD_I_COD"), 0);
    QCOMPARE(membro()->text(u"ACD_A_CNPJ"), u"11144477735"_s);
    QCOMPARE(membro()->text(u"ACD_A_NOM"), u"JOSÉ DA SILVA"_s);
    QCOMPARE(membro()->text(u"ACD_A_CPL"), u"FUNDOS"_s);
    QCOMPARE(membro()->text(u"CID_A_DSC"), u"SÃO PAULO"_s);
    QCOMPARE(membro()->text(u"ACD_A_MAIL"), u"Jose@Silva.com.br"_s);
    QCOMPARE(membro()->integer(u"ASS_I_COD"), AssociacaoAtual->id());
    QCOMPARE(membro()->text(u"ACD_A_ABL"), u"S"_s);
    QCOMPARE(membro()->text(u"ACD_A_PCT1"), u"S"_s);
    QCOMPARE(membro()->text(u"ACD_A_PCT2"), u"S"_s);
    QCOMPARE(membro()->integer(u"USU_I_COD"), 7);
    QCOMPARE(membro()->text(u"USU_A_NOM"), u"MARIA OPERADORA"_s);
    // Not the session member's registration: the database dates the new one.
    QVERIFY(membro()->dateTime(u"ACD_D_CAD").isEmpty());
    QCOMPARE(fones()->recordCount(), 0);
    QVERIFY(control<QCheckBox>("chkPct01")->isChecked());
    QVERIFY(control<QCheckBox>("chkPct02")->isChecked());

    typeInto("edtNomeUsu", u"dono da loja"_s);
    typeInto("edtUsuario", u"dono"_s);
    clickOk();
    QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    const TUsuarios login = m_editor->usuarioLogin();
    QCOMPARE(login.id(), 0);
    QCOMPARE(login.nome(), u"DONO DA LOJA"_s);
    QCOMPARE(login.usuario(), u"DONO"_s);
    QCOMPARE(login.senha(), u"11144"_s);
    QCOMPARE(login.mst(), u"S"_s);
    QCOMPARE(login.abilitado(), u"S"_s);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Associado test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_associado.moc"
