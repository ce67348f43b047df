// The member list window against a real database: the searches, the
// enabling of its actions, the deletion, and the two dialog flows (new
// member, edit) driven through the real prompt and editor, checked in the
// database afterwards.
//
// Each test function (each row of a data table) starts on a database that
// holds the fixture and nothing else, so they may run in any order or alone:
// a function that writes (or may) says so first, and the next one gets a
// fresh database; the others share one.

#include "Application.h"
#include "Controls.h"
#include "DataModules.h"
#include "ForegroundDelegate.h"
#include "KeyTyping.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "Session.h"
#include "TAssociado.h"
#include "TListaParceiro.h"
#include "TListaUsuarios.h"
#include "WidgetFeedback.h"
#include "uAssociado.h"
#include "uCadAssociado.h"
#include "uDM.h"
#include "uDMds.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3304557', 'RIO DE JANEIRO', 'RJ');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO UM', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '22333444000155', 'ASSOCIAÇÃO DOIS', 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, CID_A_COD, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
  values (10, '12345678909', 'JOSÉ DA SILVA', 'RUA DAS FLORES', '12', 'CENTRO', '3550308', 1, 'S', 'S', 'N', '17.05.2024 09:30:00', 5);
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, CID_A_COD, ASS_I_COD, ACD_A_ABL)
  values (11, '11444777000161', 'COMÉRCIO LTDA', 'AVENIDA BRASIL', '1500', 'JARDIM AMÉRICA', '3304557', 1, 'N');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ASS_I_COD, ACD_A_ABL)
  values (12, '98765432100', 'ANA PAULA', 'RUA DOS PINHEIROS', '7', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (13, '45997418000153', 'PARCEIRA LTDA', 'AVENIDA PAULISTA', '900', 'CENTRO', 1, 'S');
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_BRR, ASS_I_COD, ACD_A_ABL)
  values (20, '52998224725', 'DE OUTRA', 'RUA DAS FLORES', '1', 'CENTRO', 2, 'S');
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (101, 'JOSÉ', '11', '32220001', 10);
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD) values (102, 'LOJA', '11', '32220002', 10);
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_NOM, ACD_I_COD) values (500, 'C', 'CLIENTE DA PARCEIRA', 13);
create exception E_TESTE_RECUSA 'Usuário recusado';
set term ^ ;
create trigger ASSOCIADO_USUARIO_BI_TESTE for ASSOCIADO_USUARIO active before insert position 9 as
begin
    if (new.USU_A_USU = 'RECUSADO') then exception E_TESTE_RECUSA;
end^
set term ; ^
)";

const QColor grey(128, 128, 128);

struct DelegateProbe : ForegroundDelegate
{
    using ForegroundDelegate::initStyleOption;
};

} // namespace

class tst_CadAssociado : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void layout();
    void insideTheMainWindowsWorkArea();
    void search_data();
    void search();
    void typedOverSearchTypeSearchesByName();
    void waitCursorUntilTheGridIsFilled();
    void inactiveMembersGrey();
    void editAndDeleteNeedRows();
    void rowsKeptForTheNextWindow();
    void deleteAnswered_data();
    void deleteAnswered();
    void deleteRefusedByTheDatabase();
    void duplicateDocumentRefused();
    void cancelledEditorsWriteNothing();
    void editChangesMemberAndContacts();
    void untouchedNewContactIsNotWritten_data();
    void untouchedNewContactIsNotWritten();
    void editOfAMemberDeletedMeanwhile();
    void newMemberEndToEnd_data();
    void newMemberEndToEnd();
    void refusedLoginUserStoresNothingAndKeepsTheEditor();

private:
    void openWindow();
    // Called first by a function that writes to the database (or may).
    void writesToTheDatabase() { m_written = true; }
    void search(int type, const QString &text);
    QStringList names() const;
    void press(Qt::Key key);
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1StringView(name)); }
    QTableView *grid() const { return child<QTableView>(m_window.get(), "dbgrdAcd"); }
    qint32 memberByDocument(const QString &documento) const;

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
    std::unique_ptr<TfrmCadAssociado> m_window;
    bool m_written = false;
};

void tst_CadAssociado::initTestCase()
{
    LanguageControl::install();
    UsuarioLogado.id = 7;
    UsuarioLogado.nome = QStringLiteral("MARIA OPERADORA");
    // The data layer's own messages reach the hook too.
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_CadAssociado::cleanupTestCase()
{
    m_messages.reset();
    m_feedback.reset();
    m_modules.reset();
}

void tst_CadAssociado::init()
{
    if (!m_modules || m_written) {
        m_modules.reset();
        m_written = false;
        m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
        QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
        QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
    }
    openWindow();
}

void tst_CadAssociado::openWindow()
{
    m_window = std::make_unique<TfrmCadAssociado>();
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    grid()->setFocus();
}

void tst_CadAssociado::cleanup()
{
    m_window.reset();
    m_messages->clear();
}

void tst_CadAssociado::search(int type, const QString &text)
{
    auto *combo = child<QComboBox>(m_window.get(), "cbbTipoPesq");
    combo->setCurrentIndex(type);
    typeInto(m_window.get(), "edtPesq", text);
    press(Qt::Key_F2);
}

QStringList tst_CadAssociado::names() const
{
    QStringList result;
    const MemTable *table = DMds->cdsPesqAssociado;
    for (int row = 0; row < table->recordCount(); ++row)
        result << table->value(row, table->columnIndex(u"ACD_A_NOM")).toString();
    return result;
}

void tst_CadAssociado::press(Qt::Key key)
{
    // Offscreen, nothing gives the focus back to the window once a dialog
    // of a flow has closed; a window manager would.
    if (!m_window->isActiveWindow()) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    QTest::keyClick(QApplication::focusWidget(), key);
}

qint32 tst_CadAssociado::memberByDocument(const QString &documento) const
{
    const std::unique_ptr<TListaParceiro> lista = DM->PesqAssociado(tpDocumento, documento);
    for (const auto &item : lista->Lista()) {
        if (item->documento() == documento)
            return item->id();
    }
    return 0;
}

void tst_CadAssociado::layout()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Associado"));
    QCOMPARE(m_window->size(), QSize(757, 408));
    auto *combo = child<QComboBox>(m_window.get(), "cbbTipoPesq");
    QCOMPARE(combo->width(), 105);
    QCOMPARE(combo->count(), 4);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    QCOMPARE(entries, (QStringList{QStringLiteral("NOME"), QStringLiteral("CNPJ / CPF"), QStringLiteral("ENDEREÇO"),
                                   QStringLiteral("BAIRRO")}));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(combo->isEditable());
    QCOMPARE(child<QLabel>(m_window.get(), "lbl1")->text(), QStringLiteral("&Tipo pesquisa"));
    QCOMPARE(child(m_window.get(), "edtPesq")->width(), 538);
    QCOMPARE(child<QPushButton>(m_window.get(), "btnPesq")->size(), QSize(86, 25));
    QCOMPARE(grid()->size(), QSize(741, 318));
    QVERIFY(grid()->editTriggers() == QAbstractItemView::NoEditTriggers);

    const struct
    {
        const char *button;
        const char *action;
        QString caption;
        QKeySequence key;
    } actions[] = {{"btnPesq", "actPesq", QStringLiteral("[F2] Pesquisar"), Qt::Key_F2},
                   {"btnNovo", "actNovo", QStringLiteral("[F5] Novo"), Qt::Key_F5},
                   {"btnEdita", "actEdita", QStringLiteral("[F6] Edita"), Qt::Key_F6},
                   {"btnExclui", "actExclui", QStringLiteral("[F7] Exclui"), Qt::Key_F7}};
    for (const auto &a : actions) {
        QCOMPARE(child<QPushButton>(m_window.get(), a.button)->text(), a.caption);
        QCOMPARE(action(a.action)->shortcut(), a.key);
        QCOMPARE(action(a.action)->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    }
    QCOMPARE(child<QPushButton>(m_window.get(), "btnFechar")->text(), QStringLiteral("&Fechar"));

    // Columns in order, the key hidden, the document unmasked.
    search(0, QStringLiteral("JOSÉ"));
    QHeaderView *header = grid()->horizontalHeader();
    QStringList shown;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!grid()->isColumnHidden(column))
            shown << grid()->model()->headerData(column, Qt::Horizontal).toString() + u':'
                         + QString::number(grid()->columnWidth(column)) + u':'
                         + grid()->model()->index(0, column).data().toString();
    }
    QCOMPARE(shown, (QStringList{QStringLiteral("Nome:200:JOSÉ DA SILVA"), QStringLiteral("Documento:100:12345678909"),
                                 QStringLiteral("Logradouro:200:RUA DAS FLORES"), QStringLiteral("Número:50:12"),
                                 QStringLiteral("Bairro:150:CENTRO")}));

    // Tab order: search type, text, search button, grid, "Fechar", the actions.
    child<QComboBox>(m_window.get(), "cbbTipoPesq")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        QWidget *focus = QApplication::focusWidget();
        // The editable list's own text field stands for the list.
        if (qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        order << focus->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{QStringLiteral("cbbTipoPesq"), QStringLiteral("edtPesq"), QStringLiteral("btnPesq"),
                                 QStringLiteral("dbgrdAcd"), QStringLiteral("btnFechar"), QStringLiteral("btnNovo"),
                                 QStringLiteral("btnEdita"), QStringLiteral("btnExclui")}));

    // The search text and the grid follow the window; the buttons stay at
    // their edges.
    m_window->resize(857, 508);
    QCOMPARE(child(m_window.get(), "edtPesq")->width(), 638);
    QCOMPARE(grid()->size(), QSize(841, 418));
    QCOMPARE(child<QPushButton>(m_window.get(), "btnPesq")->x(), 763);
    QCOMPARE(child<QPushButton>(m_window.get(), "btnFechar")->geometry().bottomRight(),
             QPoint(857 - 8 - 1, 508 - 7 - 1));
    QCOMPARE(child<QPushButton>(m_window.get(), "btnNovo")->pos(), QPoint(8, 476));
}

void tst_CadAssociado::insideTheMainWindowsWorkArea()
{
    m_window.reset();
    QMdiArea area;
    area.resize(1100, 700);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    auto *window = new TfrmCadAssociado;
    QPointer<QMdiSubWindow> frame = area.addSubWindow(window);
    frame->show();
    // Minimised yes, maximised no; centred on the work area.
    QVERIFY(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(frame->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->size(), QSize(757, 408));
    const QPoint centre = area.viewport()->rect().center();
    QVERIFY2(qAbs(frame->geometry().center().x() - centre.x()) <= 1
                 && qAbs(frame->geometry().center().y() - centre.y()) <= 1,
             qPrintable(QStringLiteral("frame at %1,%2").arg(frame->x()).arg(frame->y())));
    // "Fechar" frees the window.
    QPointer<TfrmCadAssociado> guard(window);
    QTest::mouseClick(child<QPushButton>(window, "btnFechar"), Qt::LeftButton);
    QTRY_VERIFY(!guard);
}

void tst_CadAssociado::search_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");

    const QString ana = QStringLiteral("ANA PAULA");
    const QString comercio = QStringLiteral("COMÉRCIO LTDA");
    const QString jose = QStringLiteral("JOSÉ DA SILVA");
    const QString parceira = QStringLiteral("PARCEIRA LTDA");
    // Only the logged-in association's members, ordered by name.
    QTest::newRow("name, empty text: all") << 0 << QString() << QStringList{ana, comercio, jose, parceira};
    QTest::newRow("name, typed in lower case") << 0 << QStringLiteral("ltda") << QStringList{comercio, parceira};
    QTest::newRow("name, blanks around") << 0 << QStringLiteral("  ana  ") << QStringList{ana};
    QTest::newRow("document") << 1 << QStringLiteral("1144") << QStringList{comercio};
    QTest::newRow("address") << 2 << QStringLiteral("rua") << QStringList{ana, jose};
    QTest::newRow("district") << 3 << QStringLiteral("centro") << QStringList{jose, parceira};
    QTest::newRow("district, empty text: those with one") << 3 << QString() << QStringList{comercio, jose, parceira};
    QTest::newRow("nothing found") << 0 << QStringLiteral("NINGUÉM") << QStringList();
}

void tst_CadAssociado::search()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QStringList, found);

    search(type, text);
    QCOMPARE(names(), found);
    QCOMPARE(grid()->model()->rowCount(), int(found.size()));
    // The button does what F2 does.
    DMds->cdsPesqAssociado->empty();
    QTest::mouseClick(child<QPushButton>(m_window.get(), "btnPesq"), Qt::LeftButton);
    QCOMPARE(names(), found);
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_CadAssociado::typedOverSearchTypeSearchesByName()
{
    auto *combo = child<QComboBox>(m_window.get(), "cbbTipoPesq");
    combo->setCurrentIndex(3);
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("QUALQUER"));
    QCOMPARE(m_window->tipoPesquisa(), tpNome);
    typeInto(m_window.get(), "edtPesq", QStringLiteral("silva"));
    press(Qt::Key_F2);
    QCOMPARE(names(), QStringList{QStringLiteral("JOSÉ DA SILVA")});
    // An entry typed in full is that entry.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("BAIRRO"));
    QCOMPARE(m_window->tipoPesquisa(), tpBairro);
}

void tst_CadAssociado::waitCursorUntilTheGridIsFilled()
{
    search(0, QString());
    QCOMPARE(names().size(), 4);

    // Filling the grid with a large result takes as long as the search: the
    // wait cursor stays until the grid has its rows, and the grid learns of
    // them at once, not row by row.
    MemTable *table = DMds->cdsPesqAssociado;
    QList<Qt::CursorShape> cursors;
    const auto note = [&cursors] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        cursors << (cursor ? cursor->shape() : Qt::ArrowCursor);
    };
    connect(table, &QAbstractItemModel::modelAboutToBeReset, this, note);
    connect(table, &QAbstractItemModel::modelReset, this, note);
    QSignalSpy inserted(table, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(table, &QAbstractItemModel::rowsRemoved);
    search(0, QStringLiteral("LTDA"));
    disconnect(table, nullptr, this, nullptr);

    QCOMPARE(names(), (QStringList{QStringLiteral("COMÉRCIO LTDA"), QStringLiteral("PARCEIRA LTDA")}));
    QVERIFY(!cursors.isEmpty());
    QCOMPARE(cursors, QList<Qt::CursorShape>(cursors.size(), Qt::WaitCursor));
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(removed.count(), 0);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_CadAssociado::inactiveMembersGrey()
{
    search(0, QString());
    const int comercio = names().indexOf(QStringLiteral("COMÉRCIO LTDA"));
    const int jose = names().indexOf(QStringLiteral("JOSÉ DA SILVA"));
    DelegateProbe probe;
    for (int visual = 0; visual < grid()->horizontalHeader()->count(); ++visual) {
        const int column = grid()->horizontalHeader()->logicalIndex(visual);
        if (grid()->isColumnHidden(column))
            continue;
        QCOMPARE(grid()->model()->index(comercio, column).data(Qt::ForegroundRole).value<QColor>(), grey);
        QVERIFY(!grid()->model()->index(jose, column).data(Qt::ForegroundRole).isValid());
    }
    // Also in the selected row, over the selection's own background.
    const QModelIndex cell = grid()->model()->index(comercio, DMds->cdsPesqAssociado->columnIndex(u"ACD_A_NOM"));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell).center());
    QVERIFY(grid()->selectionModel()->isSelected(cell));
    QCOMPARE(DMds->cdsPesqAssociado->currentRow(), comercio);
    QStyleOptionViewItem option;
    option.state |= QStyle::State_Selected;
    probe.initStyleOption(&option, cell);
    QCOMPARE(option.palette.color(QPalette::HighlightedText), grey);
}

void tst_CadAssociado::editAndDeleteNeedRows()
{
    search(0, QStringLiteral("NINGUÉM"));
    QVERIFY(!action("actEdita")->isEnabled());
    QVERIFY(!action("actExclui")->isEnabled());
    QVERIFY(!child<QPushButton>(m_window.get(), "btnEdita")->isEnabled());
    QVERIFY(!child<QPushButton>(m_window.get(), "btnExclui")->isEnabled());
    QVERIFY(action("actNovo")->isEnabled());
    QVERIFY(action("actPesq")->isEnabled());

    // F6 and F7 do nothing: no dialog, no message.
    ModalAnswer none([](QDialog *dialog) { dialog->reject(); }, 200);
    grid()->setFocus();
    press(Qt::Key_F6);
    press(Qt::Key_F7);
    QVERIFY(!none.answered());
    QCOMPARE(m_messages->texts(), QStringList());

    // F2 still works, and rows enable them.
    typeInto(m_window.get(), "edtPesq", QStringLiteral("ANA"));
    press(Qt::Key_F2);
    QCOMPARE(names().size(), 1);
    QVERIFY(action("actEdita")->isEnabled());
    QVERIFY(child<QPushButton>(m_window.get(), "btnExclui")->isEnabled());
}

void tst_CadAssociado::rowsKeptForTheNextWindow()
{
    search(0, QStringLiteral("PARCEIRA"));
    m_window.reset();
    openWindow();
    // Nothing searched at opening: the last search's rows.
    QCOMPARE(names(), QStringList{QStringLiteral("PARCEIRA LTDA")});
    QVERIFY(action("actEdita")->isEnabled());
    QVERIFY(child(m_window.get(), "edtPesq")->text().isEmpty());
}

void tst_CadAssociado::deleteAnswered_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("Cancelar") << int(QMessageBox::Cancel) << false;
    QTest::newRow("Ok") << int(QMessageBox::Ok) << true;
}

void tst_CadAssociado::deleteAnswered()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    writesToTheDatabase();

    search(0, QStringLiteral("ANA"));
    QCOMPARE(names(), QStringList{QStringLiteral("ANA PAULA")});
    m_messages->queueAnswer(QMessageBox::StandardButton(answer));
    grid()->setFocus();
    press(Qt::Key_F7);
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Tem certeza que deseja exclui este parceiro?")});
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Warning);
    QCOMPARE(m_messages->shown.at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(DM->LeAssociadoID(12)->id(), deleted ? 0 : 12);
    // Searched again after a deletion, so the member leaves the grid.
    QCOMPARE(names(), deleted ? QStringList() : QStringList{QStringLiteral("ANA PAULA")});
}

void tst_CadAssociado::deleteRefusedByTheDatabase()
{
    writesToTheDatabase();
    search(0, QStringLiteral("PARCEIRA"));
    QSignalSpy searches(DMds->cdsPesqAssociado, &QAbstractItemModel::modelReset);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "btnExclui"), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("Tem certeza que deseja exclui este parceiro?"),
                                               QStringLiteral("Não é possível excluir este Associado.")}));
    QCOMPARE(m_messages->shown.at(1).kind, MessageDialog::Kind::Error);
    QCOMPARE(m_messages->shown.at(1).buttons, QMessageBox::Ok);
    QCOMPARE(DM->LeAssociadoID(13)->id(), 13);
    QCOMPARE(names(), QStringList{QStringLiteral("PARCEIRA LTDA")});
    QCOMPARE(searches.count(), 0);
}

void tst_CadAssociado::duplicateDocumentRefused()
{
    search(0, QString());
    QSignalSpy searches(DMds->cdsPesqAssociado, &QAbstractItemModel::modelReset);
    // The prompt answered with the document of a member of this
    // association: a message, and no editor.
    ModalAnswer answers({[](QDialog *prompt) {
                             typeText(child(prompt, "edtDoc"), QStringLiteral("12345678909"));
                             QTest::keyClick(child(prompt, "edtDoc"), Qt::Key_Return);
                         },
                         [](QDialog *editor) { editor->reject(); }},
                        500);
    press(Qt::Key_F5);
    QCOMPARE(answers.dialogClasses(), QStringList{QStringLiteral("TfrmDigitaDoc")});
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("O documento informado já esta cadastrado.")});
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Information);
    QCOMPARE(searches.count(), 0);
}

void tst_CadAssociado::cancelledEditorsWriteNothing()
{
    writesToTheDatabase();
    search(0, QString());
    const QStringList before = names();
    QSignalSpy searches(DMds->cdsPesqAssociado, &QAbstractItemModel::modelReset);

    // A new member whose document belongs only to another association gets
    // its editor; cancelled, nothing is written and nothing searched.
    ModalAnswer novo({[](QDialog *prompt) {
                          typeText(child(prompt, "edtDoc"), QStringLiteral("52998224725"));
                          QTest::keyClick(child(prompt, "edtDoc"), Qt::Key_Return);
                      },
                      [](QDialog *editor) {
                          typeInto(editor, "dbedtACD_A_NOM", QStringLiteral("NÃO GRAVAR"));
                          QTest::mouseClick(child<QPushButton>(editor, "btnCancela"), Qt::LeftButton);
                      }});
    press(Qt::Key_F5);
    QVERIFY(novo.answered());
    QCOMPARE(novo.dialogClasses(), (QStringList{QStringLiteral("TfrmDigitaDoc"), QStringLiteral("TfrmAssociado")}));
    QCOMPARE(searches.count(), 0);
    search(0, QString());
    QCOMPARE(names(), before);

    // An edit cancelled: the member and its contacts as they were.
    search(0, QStringLiteral("JOSÉ"));
    ModalAnswer edita([](QDialog *dialog) {
        auto *editor = static_cast<TfrmAssociado *>(dialog);
        typeInto(editor, "dbedtACD_A_NOM", QStringLiteral("OUTRO NOME"));
        editor->DatasetDelete1->trigger();
        addContact(editor, QStringLiteral("NOVO"), QStringLiteral("21"), QStringLiteral("22223333"));
        QTest::keyClick(child(editor, "dbedtACD_A_NOM"), Qt::Key_Escape);
    });
    press(Qt::Key_F6);
    QVERIFY(edita.answered());
    const std::unique_ptr<TAssociado> jose = DM->LeAssociadoID(10);
    QCOMPARE(jose->nome(), QStringLiteral("JOSÉ DA SILVA"));
    QCOMPARE(jose->fones().count(), 2);
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_CadAssociado::editChangesMemberAndContacts()
{
    writesToTheDatabase();
    search(0, QStringLiteral("JOSÉ"));
    QString caption;
    bool loginHidden = false, documentEnabled = false, pct01 = false, pct02 = true;
    ModalAnswer edita([&](QDialog *dialog) {
        auto *editor = static_cast<TfrmAssociado *>(dialog);
        caption = editor->windowTitle();
        loginHidden = !child<QGroupBox>(editor, "grpUsu")->isVisibleTo(editor);
        documentEnabled = child(editor, "dbedtACD_A_CNPJ")->isEnabled();
        pct01 = child<QCheckBox>(editor, "chkPct01")->isChecked();
        pct02 = child<QCheckBox>(editor, "chkPct02")->isChecked();

        typeInto(editor, "dbedtACD_A_NOM", QStringLiteral("josé da silva jr"));
        // The first contact marked, the second's number changed, a third added.
        auto *grid = child<QTableView>(editor, "grdFone");
        DMds->cdsCadFoneAcd->first();
        editor->DatasetDelete1->trigger();
        const QModelIndex numero = grid->model()->index(1, DMds->cdsCadFoneAcd->columnIndex(u"ACC_A_FON"));
        grid->setFocus();
        grid->setCurrentIndex(numero);
        grid->edit(numero);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QWidget *cell = QApplication::focusWidget();
        qobject_cast<QLineEdit *>(cell)->selectAll();
        typeText(cell, QStringLiteral("39990000"));
        addContact(editor, QStringLiteral("NOVO"), QStringLiteral("21"), QStringLiteral("22223333"));
        child<QCheckBox>(editor, "chkPct01")->setChecked(false);
        child<QCheckBox>(editor, "chkPct02")->setChecked(true);
        child(editor, "dbedtACD_A_NOM")->setFocus();
        QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
    });
    press(Qt::Key_F6);
    QVERIFY(edita.answered());
    QCOMPARE(caption, QStringLiteral("Associado - 17/05/2024|"));
    QVERIFY(loginHidden);
    QVERIFY(documentEnabled);
    QVERIFY(pct01);
    QVERIFY(!pct02);
    QCOMPARE(m_messages->texts(), QStringList());

    const std::unique_ptr<TAssociado> jose = DM->LeAssociadoID(10);
    QCOMPARE(jose->nome(), QStringLiteral("JOSÉ DA SILVA JR"));
    QCOMPARE(jose->pct01(), QStringLiteral("N"));
    QCOMPARE(jose->pct02(), QStringLiteral("S"));
    QCOMPARE(jose->cnpj(), QStringLiteral("12345678909"));
    QCOMPARE(jose->ibge(), QStringLiteral("3550308"));
    QStringList contacts;
    for (const auto &fone : jose->fones())
        contacts << fone->nome() + u' ' + fone->ddd() + u' ' + fone->fone();
    contacts.sort();
    QCOMPARE(contacts, (QStringList{QStringLiteral("LOJA 11 39990000"), QStringLiteral("NOVO 21 22223333")}));
    // The grid is not searched again after an edit.
    QCOMPARE(names(), QStringList{QStringLiteral("JOSÉ DA SILVA")});
}

void tst_CadAssociado::untouchedNewContactIsNotWritten_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Inserir, then OK") << QStringLiteral("ok");
    QTest::newRow("typed and erased again, then OK") << QStringLiteral("erased");
    QTest::newRow("Inserir, Gravar, then OK") << QStringLiteral("gravar");
}

// "Inserir" opens a new contact row with its name cell in editing; left
// untouched, the row is dropped and nothing is written, however the editor
// is confirmed.
void tst_CadAssociado::untouchedNewContactIsNotWritten()
{
    QFETCH(QString, how);

    const auto contacts = [] {
        QStringList list;
        const std::unique_ptr<TAssociado> associado = DM->LeAssociadoID(10);
        for (const auto &fone : associado->fones())
            list << QString::number(fone->id()) + u' ' + fone->nome() + u' ' + fone->ddd() + u' ' + fone->fone();
        return list;
    };
    const QStringList before = contacts();
    QVERIFY(!before.isEmpty());
    search(0, QStringLiteral("JOSÉ"));
    ModalAnswer edita([&](QDialog *dialog) {
        auto *editor = static_cast<TfrmAssociado *>(dialog);
        QTest::mouseClick(child<QWidget>(editor, "btnInsert"), Qt::LeftButton);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QWidget *cell = QApplication::focusWidget();
        if (how == u"erased") {
            typeText(cell, QStringLiteral("AB"));
            QTest::keyClick(cell, Qt::Key_Backspace);
            QTest::keyClick(cell, Qt::Key_Backspace);
            QTest::keyClick(cell, Qt::Key_Tab);
        } else if (how == u"gravar") {
            QTest::mouseClick(child<QWidget>(editor, "btnGravar"), Qt::LeftButton);
        }
        QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
    });
    press(Qt::Key_F6);
    QVERIFY(edita.answered());
    QCOMPARE(m_messages->texts(), QStringList());
    QCOMPARE(contacts(), before);
}

void tst_CadAssociado::editOfAMemberDeletedMeanwhile()
{
    writesToTheDatabase();
    search(0, QStringLiteral("COMÉRCIO"));
    // Gone from the database (another seat) while still listed here.
    QVERIFY(DM->ExcluirAssociado(11));
    ModalAnswer none([](QDialog *dialog) { dialog->reject(); }, 200);
    press(Qt::Key_F6);
    QVERIFY(!none.answered());
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Associado não localizado.")});
    QCOMPARE(names(), QStringList());
    QCOMPARE(memberByDocument(QStringLiteral("11444777000161")), 0);
}

void tst_CadAssociado::newMemberEndToEnd_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("uncheckSecondPackage");

    QTest::newRow("CPF, both packages") << QStringLiteral("11144477735") << QStringLiteral("11144477735")
                                        << QStringLiteral("111.444.777-35") << false;
    QTest::newRow("CNPJ, one package unticked") << QStringLiteral("11222333000181") << QStringLiteral("11222333000181")
                                                << QStringLiteral("11.222.333/0001-81") << true;
    QTest::newRow("alphanumeric CNPJ typed in lower case")
        << QStringLiteral("12abc34501de35") << QStringLiteral("12ABC34501DE35") << QStringLiteral("12.ABC.345/01DE-35")
        << false;
}

void tst_CadAssociado::newMemberEndToEnd()
{
    QFETCH(QString, typed);
    QFETCH(QString, documento);
    QFETCH(QString, shown);
    QFETCH(bool, uncheckSecondPackage);
    writesToTheDatabase();

    search(0, QString());
    const int before = names().size();
    QString caption;
    bool documentEnabled = true, loginShown = false, pct01 = false, pct02 = false;
    QString shownDocument;
    ModalAnswer answers(
        {[&](QDialog *prompt) {
             typeText(child(prompt, "edtDoc"), typed);
             QTest::keyClick(child(prompt, "edtDoc"), Qt::Key_Return);
         },
         [&](QDialog *dialog) {
             auto *editor = static_cast<TfrmAssociado *>(dialog);
             caption = editor->windowTitle();
             documentEnabled = child(editor, "dbedtACD_A_CNPJ")->isEnabled();
             shownDocument = child(editor, "dbedtACD_A_CNPJ")->displayText();
             loginShown = child<QGroupBox>(editor, "grpUsu")->isVisibleTo(editor);
             pct01 = child<QCheckBox>(editor, "chkPct01")->isChecked();
             pct02 = child<QCheckBox>(editor, "chkPct02")->isChecked();

             typeInto(editor, "dbedtACD_A_NOM", QStringLiteral("Loja Nova"));
             typeInto(editor, "dbedtACD_A_LGR", QStringLiteral("rua a"));
             typeInto(editor, "dbedtACD_A_MAIL", QStringLiteral("Loja@Nova.com"));
             // The city found by name: the empty code opens the search.
             ModalAnswer cidade([](QDialog *search) {
                 auto *text = child(search, "edtPesq");
                 typeText(text, QStringLiteral("rio de"));
                 QTest::keyClick(text, Qt::Key_F2);
                 QTest::keyClick(text, Qt::Key_Return);
             });
             child(editor, "dbedtCID_A_COD")->setFocus(Qt::TabFocusReason);
             QTest::keyClick(child(editor, "dbedtCID_A_COD"), Qt::Key_Tab);
             QVERIFY(cidade.answered());
             // Offscreen, the editor is not made active again by itself.
             editor->activateWindow();
             QVERIFY(QTest::qWaitForWindowActive(editor));
             addContact(editor, QStringLiteral("Loja"), QStringLiteral("21"), QStringLiteral("25550001"));
             addContact(editor, QStringLiteral("Dono"), QStringLiteral("21"), QStringLiteral("999990002"));
             typeInto(editor, "edtNomeUsu", QStringLiteral("dono da loja"));
             typeInto(editor, "edtUsuario", QStringLiteral("dono"));
             if (uncheckSecondPackage)
                 child<QCheckBox>(editor, "chkPct02")->setChecked(false);
             child(editor, "dbedtACD_A_NOM")->setFocus();
             QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
         }});
    press(Qt::Key_F5);
    QVERIFY(answers.answered());
    QCOMPARE(m_messages->texts(), QStringList());

    // What the editor was shown.
    QCOMPARE(caption, QStringLiteral("Associado - ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))
                          + QStringLiteral("|MARIA OPERADORA"));
    QVERIFY(!documentEnabled);
    QCOMPARE(shownDocument, shown);
    QVERIFY(loginShown);
    QVERIFY(pct01);
    QVERIFY(pct02);

    // The member, stamped with the logged-in association and user.
    const qint32 id = memberByDocument(documento);
    QVERIFY(id > 0);
    const std::unique_ptr<TAssociado> novo = DM->LeAssociadoID(id);
    QCOMPARE(novo->nome(), QStringLiteral("LOJA NOVA"));
    QCOMPARE(novo->logradouro(), QStringLiteral("RUA A"));
    QCOMPARE(novo->email(), QStringLiteral("Loja@Nova.com"));
    QCOMPARE(novo->ibge(), QStringLiteral("3304557"));
    QCOMPARE(novo->id_ass(), 1);
    QCOMPARE(novo->abilitado(), QStringLiteral("S"));
    QCOMPARE(novo->pct01(), QStringLiteral("S"));
    QCOMPARE(novo->pct02(), uncheckSecondPackage ? QStringLiteral("N") : QStringLiteral("S"));
    QCOMPARE(novo->id_usu(), 7);
    QStringList contacts;
    for (const auto &fone : novo->fones())
        contacts << fone->nome() + u' ' + fone->ddd() + u' ' + fone->fone();
    contacts.sort();
    QCOMPARE(contacts, (QStringList{QStringLiteral("Dono 21 999990002"), QStringLiteral("Loja 21 25550001")}));

    // Its login user: the first five characters of the document as password.
    const std::unique_ptr<TListaUsuarios> usuarios = DM->LeUsuario(id);
    QCOMPARE(usuarios->Lista().count(), 1);
    const TUsuarios *login = usuarios->Lista().at(0);
    QCOMPARE(login->nome(), QStringLiteral("DONO DA LOJA"));
    QCOMPARE(login->usuario(), QStringLiteral("DONO"));
    QCOMPARE(login->senha(), documento.left(5));
    QCOMPARE(login->mst(), QStringLiteral("S"));
    QCOMPARE(login->abilitado(), QStringLiteral("S"));
    QCOMPARE(login->id_pai(), id);

    // Searched again with the type and text shown: the new member is listed.
    QCOMPARE(names().size(), before + 1);
    QVERIFY(names().contains(QStringLiteral("LOJA NOVA")));

    // Found by its document, typed as the user typed it.
    search(1, typed);
    QCOMPARE(names(), QStringList{QStringLiteral("LOJA NOVA")});
    QCOMPARE(DMds->cdsPesqAssociado->text(u"ACD_A_CNPJ"), documento);
}

void tst_CadAssociado::refusedLoginUserStoresNothingAndKeepsTheEditor()
{
    writesToTheDatabase();
    const QString documento = QStringLiteral("39053344705");
    bool stillOpen = false;
    QStringList typed;
    int membersMeanwhile = -1;
    int nameLength = 0, userLength = 0;
    ModalAnswer answers(
        {[&](QDialog *prompt) {
             typeText(child(prompt, "edtDoc"), documento);
             QTest::keyClick(child(prompt, "edtDoc"), Qt::Key_Return);
         },
         [&](QDialog *dialog) {
             auto *editor = static_cast<TfrmAssociado *>(dialog);
             nameLength = child<QLineEdit>(editor, "edtNomeUsu")->maxLength();
             userLength = child<QLineEdit>(editor, "edtUsuario")->maxLength();
             typeInto(editor, "dbedtACD_A_NOM", QStringLiteral("Loja Recusada"));
             addContact(editor, QStringLiteral("Loja"), QStringLiteral("11"), QStringLiteral("25550001"));
             addContact(editor, QStringLiteral("Dono"), QStringLiteral("11"), QStringLiteral("999990002"));
             typeInto(editor, "edtNomeUsu", QStringLiteral("dono"));
             typeInto(editor, "edtUsuario", QStringLiteral("recusado"));
             QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);

             // The database refused the login user: the editor is still
             // up with what was typed, and nothing of the member is stored.
             stillOpen = editor->isVisible() && editor->result() != QDialog::Accepted;
             typed << child<QLineEdit>(editor, "dbedtACD_A_NOM")->text()
                   << child<QLineEdit>(editor, "edtUsuario")->text()
                   << QString::number(DMds->cdsCadFoneAcd->recordCount());
             membersMeanwhile = memberByDocument(documento);

             // Put right, the same OK stores it all.
             typeInto(editor, "edtUsuario", QStringLiteral("dono"));
             QTest::mouseClick(child<QPushButton>(editor, "btnOK"), Qt::LeftButton);
         }});
    press(Qt::Key_F5);
    QVERIFY(answers.answered());

    QCOMPARE(nameLength, 100);
    QCOMPARE(userLength, 30);
    QCOMPARE(m_messages->texts().size(), 1);
    QVERIFY2(m_messages->texts().at(0).startsWith(QStringLiteral("IUUsuarios: ")),
             qPrintable(m_messages->texts().at(0)));
    QVERIFY(stillOpen);
    QCOMPARE(typed, (QStringList{QStringLiteral("LOJA RECUSADA"), QStringLiteral("RECUSADO"), QStringLiteral("2")}));
    QCOMPARE(membersMeanwhile, 0);

    const qint32 id = memberByDocument(documento);
    QVERIFY(id > 0);
    QCOMPARE(DM->LeAssociadoID(id)->fones().count(), 2);
    const std::unique_ptr<TListaUsuarios> usuarios = DM->LeUsuario(id);
    QCOMPARE(usuarios->Lista().count(), 1);
    QCOMPARE(usuarios->Lista().at(0)->usuario(), QStringLiteral("DONO"));
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_CadAssociado test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cadassociado.moc"
