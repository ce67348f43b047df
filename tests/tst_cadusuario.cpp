// The user list window against a real database: its layout, the rows the
// table keeps between two openings, F2/F5/F6 with the user editor answered
// from the test, the write and the search after every editor, a failing
// write, the grey rows, and the window inside the main window.

#include "Application.h"
#include "Controls.h"
#include "DataModules.h"
#include "FbError.h"
#include "FbStatement.h"
#include "LanguageControl.h"
#include "MemTable.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "TUsuarios.h"
#include "WidgetFeedback.h"
#include "uCadUsuario.h"
#include "uDM.h"
#include "uDMds.h"
#include "uPrincipal.h"
#include "uUsuario.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Association 1 is the logged-in one: a master, an inactive user with
// lower-case letters, an ordinary user. Association 2's user must never show.
// New keys start at 21. A name "RECUSADO" makes the write fail, and every
// insert or update of a user counts in GEN_TESTE_ESCRITAS.
const char fixture[] = R"(
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', 'ASSOCIAÇÃO DE TESTE', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (2, '22333444000155', 'OUTRA', 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (10, 'ADMINISTRADOR', 'ADMIN', 'ADMIN', 'S', 1, 'S');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (11, 'Maria da Silva', 'maria', 'Senha1', 'N', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (12, 'OPERADOR', 'OPERADOR', 'OPERADOR', 'S', 1, 'N');
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST) values (30, 'OUTRO', 'OUTRO', 'OUTRO', 'S', 2, 'S');
alter sequence GEN_ASSOCIACAO_USUARIO_ID restart with 20;
alter table ASSOCIACAO_USUARIO add constraint CK_TESTE_RECUSADO check (USU_A_NOM is distinct from 'RECUSADO');
create sequence GEN_TESTE_ESCRITAS;
set term ^ ;
create trigger TESTE_CONTA_ESCRITAS for ASSOCIACAO_USUARIO after insert or update as
declare n bigint;
begin
  n = gen_id(GEN_TESTE_ESCRITAS, 1);
end^
set term ; ^
grant usage on sequence GEN_TESTE_ESCRITAS to trigger TESTE_CONTA_ESCRITAS;
grant usage on sequence GEN_TESTE_ESCRITAS to public;
)";

const QStringList fixtureRows = {
    u"10|ADMINISTRADOR|ADMIN|ADMIN|S|1|S"_s,
    u"11|Maria da Silva|maria|Senha1|N|1|N"_s,
    u"12|OPERADOR|OPERADOR|OPERADOR|S|1|N"_s,
};

const QColor grey(128, 128, 128);

} // namespace

class tst_CadUsuario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout();
    void anchorsFollowTheWindow();
    void rowsAreKeptBetweenTwoOpenings();
    void masterColumnAndGreyRows();
    void greyHoldsInTheSelectedRow();
    void novoStoresAnActiveUserThatIsNotMaster();
    void cancelledNovoLeavesNoRow_data();
    void cancelledNovoLeavesNoRow();
    void editaWithoutChangesWritesTheUserUnchanged();
    void cancelledEditaWritesNothing();
    void mostrarSenhaOnlyForOnesOwnRecord_data();
    void mostrarSenhaOnlyForOnesOwnRecord();
    void failingWriteShowsTheErrorAndTheStoredState_data();
    void failingWriteShowsTheErrorAndTheStoredState();
    void switchedOffUserTurnsGrey();
    void functionKeys();
    void usuariosOpensTheListInTheMainWindow();

private:
    // The list window, shown on its own and active.
    void open();
    QPushButton *button(const char *name) const { return child<QPushButton>(m_window, name); }
    QTableView *grid() const { return child<QTableView>(m_window, "dbgrd1"); }
    // Runs `action`, which must open the user editor, and hands the editor to
    // `answer` once it is up. Fails when no editor comes within five seconds;
    // an editor `answer` left open is cancelled, so nothing hangs.
    void withEditor(const std::function<void()> &action, const std::function<void(TfrmUsuario &)> &answer);
    // The users of association 1 as stored, and the rows of cdsPesUsuario,
    // each as "key|name|user|password|active|association|master".
    QStringList stored() const;
    QStringList shown() const;
    int writes() const;
    void selectRow(int row);

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<WidgetFeedback> m_feedback;
    std::unique_ptr<MessageDialogHook> m_messages;
    QPointer<TfrmCadUsuario> m_window;
};

void tst_CadUsuario::initTestCase()
{
    LanguageControl::install();
}

void tst_CadUsuario::init()
{
    // A fresh database for every test: the tests write users.
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(u"11222333000181"_s));
    UsuarioLogado = TUsuarioLogado();
    UsuarioLogado.id = 10;
    UsuarioLogado.nome = u"ADMINISTRADOR"_s;
    UsuarioLogado.usuario = u"ADMIN"_s;
    UsuarioLogado.id_pai = 1;
    UsuarioLogado.mst = u"S"_s;
    UsuarioLogado.abl = u"S"_s;
    m_feedback = std::make_unique<WidgetFeedback>();
    m_messages = std::make_unique<MessageDialogHook>();
}

void tst_CadUsuario::cleanup()
{
    delete m_window;
    m_messages.reset();
    m_feedback.reset();
    m_modules.reset();
}

void tst_CadUsuario::open()
{
    m_window = new TfrmCadUsuario();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_CadUsuario::withEditor(const std::function<void()> &action, const std::function<void(TfrmUsuario &)> &answer)
{
    bool seen = false;
    bool leftOpen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *editor = qobject_cast<TfrmUsuario *>(QApplication::activeModalWidget());
        if (!editor) {
            if (clock.elapsed() > 5000)
                poll.stop();
            return;
        }
        poll.stop();
        seen = true;
        if (QTest::qWaitForWindowActive(editor))
            answer(*editor);
        if (editor->isVisible()) {
            leftOpen = true;
            editor->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
    QVERIFY2(seen, "the user editor did not open");
    QVERIFY2(!leftOpen, "the user editor was left open");
}

QStringList tst_CadUsuario::stored() const
{
    FbStatement select(DM->connection(),
                       u"select USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST "
                       u"from ASSOCIACAO_USUARIO where ASS_I_COD = 1 order by USU_I_COD"_s);
    QStringList rows;
    const auto result = select.open();
    while (result->next()) {
        rows << QString::number(result->integer(u"USU_I_COD")) + u'|' + result->text(u"USU_A_NOM") + u'|'
                    + result->text(u"USU_A_USU") + u'|' + result->text(u"USU_A_SEN") + u'|' + result->text(u"USU_A_ABL")
                    + u'|' + QString::number(result->integer(u"ASS_I_COD")) + u'|' + result->text(u"USU_A_MST");
    }
    return rows;
}

QStringList tst_CadUsuario::shown() const
{
    const MemTable *table = DMds->cdsPesUsuario;
    QStringList rows;
    for (int row = 0; row < table->recordCount(); ++row) {
        QStringList cells;
        for (const char *column :
             {"USU_I_COD", "USU_A_NOM", "USU_A_USU", "USU_A_SEN", "USU_A_ABL", "ASS_I_COD", "USU_A_MST"})
            cells << table->value(row, table->fieldIndex(QString::fromLatin1(column))).toString();
        rows << cells.join(u'|');
    }
    return rows;
}

int tst_CadUsuario::writes() const
{
    try {
        FbStatement select(DM->connection(), u"select gen_id(GEN_TESTE_ESCRITAS, 0) as N from rdb$database"_s);
        const auto result = select.open();
        return result->next() ? result->integer(u"N") : -1;
    } catch (const FbError &error) {
        qWarning("%s", qPrintable(error.message()));
        return -1;
    }
}

void tst_CadUsuario::selectRow(int row)
{
    const int nome = DMds->cdsPesUsuario->fieldIndex(u"USU_A_NOM");
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                      grid()->visualRect(grid()->model()->index(row, nome)).center());
    QCOMPARE(DMds->cdsPesUsuario->currentRow(), row);
}

void tst_CadUsuario::layout()
{
    open();
    QCOMPARE(m_window->windowTitle(), u"Cadastro Usuario"_s);
    QCOMPARE(m_window->size(), QSize(394, 290));

    struct Expected
    {
        const char *name;
        QRect geometry;
        const char *text;
    };
    const Expected expected[] = {
        {"btnPesq", QRect(300, 8, 86, 25), "[F2] Pesquisa"}, {"btnFechar", QRect(311, 257, 75, 25), "&Fechar"},
        {"btnNovo", QRect(8, 257, 75, 25), "[F5] Novo"},     {"btnEdita", QRect(89, 257, 75, 25), "[F6] Edita"},
        {"dbgrd1", QRect(8, 39, 378, 212), nullptr},
    };
    QList<QWidget *> order;
    for (const Expected &e : expected) {
        auto *control = m_window->findChild<QWidget *>(QLatin1StringView(e.name));
        QVERIFY2(control, e.name);
        QCOMPARE(control->geometry(), e.geometry);
        if (e.text)
            QCOMPARE(qobject_cast<QPushButton *>(control)->text(), QString::fromLatin1(e.text));
        order << control;
    }
    // Tab walks the controls in the order of the table (all enabled once
    // there are rows).
    m_window->actPesqExecute();
    order.first()->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order.at(i));
    }

    const struct
    {
        QAction *action;
        const char *text;
        Qt::Key key;
    } actions[] = {{m_window->actPesq(), "[F2] Pesquisa", Qt::Key_F2},
                   {m_window->actNovo(), "[F5] Novo", Qt::Key_F5},
                   {m_window->actEdita(), "[F6] Edita", Qt::Key_F6}};
    for (const auto &a : actions) {
        QCOMPARE(a.action->text(), QString::fromLatin1(a.text));
        QCOMPARE(a.action->shortcut(), QKeySequence(a.key));
        QCOMPARE(a.action->shortcutContext(), Qt::WidgetWithChildrenShortcut);
        QVERIFY(m_window->actions().contains(a.action));
    }

    // Two columns: the name, 300 pixels wide, and the master flag; no cell is
    // edited in place.
    const MemTable *table = DMds->cdsPesUsuario;
    QStringList visible;
    for (int column = 0; column < table->fieldCount(); ++column) {
        if (!grid()->isColumnHidden(column))
            visible << table->headerData(column, Qt::Horizontal).toString();
    }
    QCOMPARE(visible, (QStringList{u"Nome"_s, u"Master"_s}));
    QCOMPARE(grid()->columnWidth(table->fieldIndex(u"USU_A_NOM")), 300);
    QCOMPARE(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void tst_CadUsuario::anchorsFollowTheWindow()
{
    open();
    m_window->resize(494, 350);
    QCOMPARE(button("btnPesq")->geometry(), QRect(400, 8, 86, 25));
    QCOMPARE(button("btnFechar")->geometry(), QRect(411, 317, 75, 25));
    QCOMPARE(grid()->geometry(), QRect(8, 39, 478, 272));
    // Novo and Edita keep their place at the top left.
    QCOMPARE(button("btnNovo")->geometry(), QRect(8, 257, 75, 25));
    QCOMPARE(button("btnEdita")->geometry(), QRect(89, 257, 75, 25));
}

void tst_CadUsuario::rowsAreKeptBetweenTwoOpenings()
{
    // The first opening of the run reads nothing: empty, nothing to edit.
    open();
    QCOMPARE(grid()->model()->rowCount(), 0);
    QVERIFY(!m_window->actEdita()->isEnabled());
    QVERIFY(!button("btnEdita")->isEnabled());
    // F6 does nothing: no editor comes (one that came would be cancelled here).
    bool opened = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&opened] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            opened = true;
            dialog->reject();
        }
    });
    guard.start(0);
    QTest::keyClick(grid(), Qt::Key_F6);
    m_window->actEditaExecute();
    QVERIFY(!opened);

    QTest::mouseClick(button("btnPesq"), Qt::LeftButton);
    QCOMPARE(shown(), fixtureRows); // association 1 only, by key
    QCOMPARE(DMds->cdsPesUsuario->currentRow(), 0);
    QVERIFY(button("btnEdita")->isEnabled());
    selectRow(2);

    QTest::mouseClick(button("btnFechar"), Qt::LeftButton);
    QTRY_VERIFY(!m_window); // freed

    // Another client adds a user; the next opening still shows the last search.
    TUsuarios novo;
    novo.setNome(u"NOVO"_s);
    novo.setAbilitado(u"S"_s);
    novo.setMst(u"N"_s);
    novo.setId_pai(1);
    QVERIFY(DM->IUUsuariosASS(novo));
    open();
    QCOMPARE(shown(), fixtureRows);
    QCOMPARE(grid()->currentIndex().row(), 2);
    QVERIFY(button("btnEdita")->isEnabled());

    QTest::mouseClick(button("btnPesq"), Qt::LeftButton);
    QCOMPARE(shown(), stored());
    QCOMPARE(shown().size(), 4);
}

void tst_CadUsuario::masterColumnAndGreyRows()
{
    open();
    m_window->actPesqExecute();
    const MemTable *table = DMds->cdsPesUsuario;
    const int nome = table->fieldIndex(u"USU_A_NOM");
    const int master = table->fieldIndex(u"USU_A_MST");
    const QAbstractItemModel *model = grid()->model();
    const QString masters[] = {u"S"_s, u"N"_s, u"N"_s};
    const bool inactive[] = {false, true, false};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(model->index(row, master).data().toString(), masters[row]);
        for (int column : {nome, master}) {
            const QVariant colour = model->index(row, column).data(Qt::ForegroundRole);
            if (inactive[row])
                QCOMPARE(qvariant_cast<QBrush>(colour).color(), grey);
            else
                QVERIFY(!colour.isValid());
        }
    }
}

void tst_CadUsuario::greyHoldsInTheSelectedRow()
{
    open();
    // Large letters: the inside of their strokes has the text colour itself,
    // however the edges are smoothed.
    QFont font = grid()->font();
    font.setPixelSize(36);
    grid()->setFont(font);
    grid()->verticalHeader()->setDefaultSectionSize(44);
    m_window->actPesqExecute();
    const MemTable *table = DMds->cdsPesUsuario;
    const int nome = table->fieldIndex(u"USU_A_NOM");
    const int master = table->fieldIndex(u"USU_A_MST");

    // Smoothing and the style's shading of the selection blend every text
    // pixel a little with the background: colours are compared with a margin.
    const auto hasColour = [this](const QImage &image, int row, int column, const QColor &colour) {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, column)).adjusted(1, 1, -1, -1);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (std::abs(pixel.red() - colour.red()) <= 24 && std::abs(pixel.green() - colour.green()) <= 24
                    && std::abs(pixel.blue() - colour.blue()) <= 24)
                    return true;
            }
        }
        return false;
    };
    const QPalette palette = grid()->palette();
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor highlightedText = palette.color(QPalette::Active, QPalette::HighlightedText);

    selectRow(1); // the inactive user
    QImage image = grid()->viewport()->grab().toImage();
    for (int column : {nome, master}) {
        QVERIFY(hasColour(image, 1, column, grey));
        QVERIFY(!hasColour(image, 1, column, highlightedText));
    }
    QVERIFY(hasColour(image, 0, nome, text));

    // An active user, selected, keeps the selection's text colour.
    selectRow(0);
    image = grid()->viewport()->grab().toImage();
    QVERIFY(hasColour(image, 0, nome, highlightedText));
    QVERIFY(hasColour(image, 1, nome, grey));

    // The master flag stands in the middle of its cell.
    const QRect cell = grid()->visualRect(grid()->model()->index(2, master));
    int left = cell.right();
    int right = cell.left();
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left() + 1; x < cell.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 64) { // the black of the text
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(left <= right);
    QVERIFY2(std::abs((left + right) / 2 - cell.center().x()) <= 2,
             qPrintable(u"text %1..%2, cell %3..%4"_s.arg(left).arg(right).arg(cell.left()).arg(cell.right())));
}

void tst_CadUsuario::novoStoresAnActiveUserThatIsNotMaster()
{
    open();
    m_window->actPesqExecute();
    const int before = writes();
    withEditor([this] { QTest::mouseClick(button("btnNovo"), Qt::LeftButton); },
               [this](TfrmUsuario &editor) {
                   // A new row with the defaults is being edited.
                   MemTable *table = DMds->cdsPesUsuario;
                   QCOMPARE(table->state(), MemTable::State::Insert);
                   QCOMPARE(table->recordCount(), 4);
                   QCOMPARE(table->integer(u"USU_I_COD"), 0);
                   QCOMPARE(table->integer(u"ASS_I_COD"), 1);
                   QCOMPARE(editor.findChild<QComboBox *>(u"cbbUSU_A_MST"_s)->currentText(), u"NÃO"_s);
                   QCOMPARE(editor.findChild<QComboBox *>(u"cbbUSU_A_ABL"_s)->currentText(), u"SIM"_s);
                   auto *mostrar = editor.findChild<QCheckBox *>(u"chkMostrarSenha"_s);
                   QVERIFY(mostrar->isVisible());
                   QVERIFY(!mostrar->isChecked());
                   const char *fields[] = {"dbedtUSU_A_NOM", "dbedtUSU_A_USU", "dbedtUSU_A_SEN"};
                   const QString typed[] = {u"Ana Paula"_s, u"ana"_s, u"segredo"_s};
                   for (int i = 0; i < 3; ++i) {
                       auto *field = editor.findChild<QLineEdit *>(QLatin1StringView(fields[i]));
                       QVERIFY(field->text().isEmpty());
                       QTest::mouseClick(field, Qt::LeftButton);
                       QTest::keyClicks(field, typed[i]);
                   }
                   QTest::mouseClick(editor.findChild<QPushButton *>(u"btnOK"_s), Qt::LeftButton);
               });
    QVERIFY(m_messages->shown.isEmpty());
    QCOMPARE(writes(), before + 1);
    // Key 21 from the database; listed again in key order, the first row current.
    const QStringList expected = fixtureRows + QStringList{u"21|ANA PAULA|ANA|SEGREDO|S|1|N"_s};
    QCOMPARE(stored(), expected);
    QCOMPARE(shown(), expected);
    QCOMPARE(DMds->cdsPesUsuario->currentRow(), 0);
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);
    QCOMPARE(grid()->currentIndex().row(), 0);
}

void tst_CadUsuario::cancelledNovoLeavesNoRow_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancela") << false;
    QTest::newRow("Esc") << true;
}

void tst_CadUsuario::cancelledNovoLeavesNoRow()
{
    QFETCH(bool, escape);
    // Opened without a search: the table starts empty, so rows after the
    // editor come from the search that follows it.
    open();
    const int before = writes();
    withEditor([this] { m_window->actNovoExecute(); },
               [escape](TfrmUsuario &editor) {
                   auto *nome = editor.findChild<QLineEdit *>(u"dbedtUSU_A_NOM"_s);
                   QTest::keyClicks(nome, u"DESISTIU"_s);
                   if (escape)
                       QTest::keyClick(nome, Qt::Key_Escape);
                   else
                       QTest::mouseClick(editor.findChild<QPushButton *>(u"btnCancela"_s), Qt::LeftButton);
               });
    QCOMPARE(writes(), before);
    QCOMPARE(stored(), fixtureRows);
    QCOMPARE(shown(), fixtureRows);
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);
    QCOMPARE(DMds->cdsPesUsuario->currentRow(), 0);
}

void tst_CadUsuario::editaWithoutChangesWritesTheUserUnchanged()
{
    open();
    m_window->actPesqExecute();
    selectRow(1);
    const int before = writes();
    withEditor([this] { QTest::mouseClick(button("btnEdita"), Qt::LeftButton); },
               [this](TfrmUsuario &editor) {
                   QCOMPARE(editor.findChild<QLineEdit *>(u"dbedtUSU_A_NOM"_s)->text(), u"Maria da Silva"_s);
                   QCOMPARE(editor.findChild<QLineEdit *>(u"dbedtUSU_A_USU"_s)->text(), u"maria"_s);
                   // Another client adds a user meanwhile: the list read after the
                   // editor shows it.
                   TUsuarios outro;
                   outro.setNome(u"OUTRO CLIENTE"_s);
                   outro.setId_pai(1);
                   QVERIFY(DM->IUUsuariosASS(outro));
                   QTest::mouseClick(editor.findChild<QPushButton *>(u"btnOK"_s), Qt::LeftButton);
               });
    QVERIFY(m_messages->shown.isEmpty());
    // Written (one update besides the other client's insert), and unchanged.
    QCOMPARE(writes(), before + 2);
    const QStringList expected = fixtureRows + QStringList{u"21|OUTRO CLIENTE||||1|"_s};
    QCOMPARE(stored(), expected);
    QCOMPARE(shown(), expected);
    QCOMPARE(DMds->cdsPesUsuario->currentRow(), 0);
}

void tst_CadUsuario::cancelledEditaWritesNothing()
{
    open();
    m_window->actPesqExecute();
    selectRow(2);
    const int before = writes();
    withEditor([this] { m_window->actEdita()->trigger(); },
               [](TfrmUsuario &editor) {
                   auto *nome = editor.findChild<QLineEdit *>(u"dbedtUSU_A_NOM"_s);
                   QTest::keyClicks(nome, u" MUDADO"_s);
                   editor.findChild<QComboBox *>(u"cbbUSU_A_ABL"_s)->setCurrentIndex(1);
                   QTest::keyClick(nome, Qt::Key_Escape);
               });
    QCOMPARE(writes(), before);
    QCOMPARE(stored(), fixtureRows);
    QCOMPARE(shown(), fixtureRows);
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);
}

void tst_CadUsuario::mostrarSenhaOnlyForOnesOwnRecord_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("storedRow");
    QTest::newRow("own record") << 0 << true << u"10|ADMINISTRADOR|ADMIN|NOVA|S|1|S"_s;
    QTest::newRow("another user's") << 2 << false << u"12|OPERADOR|OPERADOR|NOVA|S|1|N"_s;
}

void tst_CadUsuario::mostrarSenhaOnlyForOnesOwnRecord()
{
    QFETCH(int, row);
    QFETCH(bool, visible);
    QFETCH(QString, storedRow);
    open();
    m_window->actPesqExecute();
    selectRow(row);
    withEditor([this] { m_window->actEditaExecute(); },
               [visible](TfrmUsuario &editor) {
                   auto *mostrar = editor.findChild<QCheckBox *>(u"chkMostrarSenha"_s);
                   QCOMPARE(mostrar->isVisible(), visible);
                   auto *senha = editor.findChild<QLineEdit *>(u"dbedtUSU_A_SEN"_s);
                   QCOMPARE(senha->echoMode(), QLineEdit::Password);
                   if (visible) {
                       QTest::mouseClick(mostrar, Qt::LeftButton);
                       QCOMPARE(senha->echoMode(), QLineEdit::Normal);
                       QCOMPARE(senha->displayText(), u"ADMIN"_s);
                   }
                   // A new password can be typed either way, masked or not.
                   QTest::mouseClick(senha, Qt::LeftButton);
                   senha->selectAll();
                   QTest::keyClicks(senha, u"nova"_s);
                   QTest::mouseClick(editor.findChild<QPushButton *>(u"btnOK"_s), Qt::LeftButton);
               });
    QVERIFY(stored().contains(storedRow));
    QCOMPARE(shown(), stored());
}

void tst_CadUsuario::failingWriteShowsTheErrorAndTheStoredState_data()
{
    QTest::addColumn<bool>("novo");
    QTest::newRow("new user") << true;
    QTest::newRow("edited user") << false;
}

void tst_CadUsuario::failingWriteShowsTheErrorAndTheStoredState()
{
    QFETCH(bool, novo);
    open();
    m_window->actPesqExecute();
    selectRow(2);
    withEditor([this, novo] { novo ? m_window->actNovoExecute() : m_window->actEditaExecute(); },
               [](TfrmUsuario &editor) {
                   auto *nome = editor.findChild<QLineEdit *>(u"dbedtUSU_A_NOM"_s);
                   QTest::mouseClick(nome, Qt::LeftButton);
                   nome->selectAll();
                   QTest::keyClicks(nome, u"recusado"_s);
                   QTest::mouseClick(editor.findChild<QPushButton *>(u"btnOK"_s), Qt::LeftButton);
               });
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown.at(0).kind, MessageDialog::Kind::Error);
    QVERIFY2(m_messages->shown.at(0).text.startsWith(u"IUUsuariosASS: "_s), qPrintable(m_messages->shown.at(0).text));
    QVERIFY(m_messages->shown.at(0).text.contains(u"CK_TESTE_RECUSADO"_s));
    // The list shows what is stored: no new row, the old name.
    QCOMPARE(stored(), fixtureRows);
    QCOMPARE(shown(), fixtureRows);
    QCOMPARE(DMds->cdsPesUsuario->state(), MemTable::State::Browse);
}

void tst_CadUsuario::switchedOffUserTurnsGrey()
{
    open();
    m_window->actPesqExecute();
    selectRow(2);
    withEditor([this] { m_window->actEditaExecute(); },
               [](TfrmUsuario &editor) {
                   auto *ativo = editor.findChild<QComboBox *>(u"cbbUSU_A_ABL"_s);
                   ativo->setFocus();
                   QTest::keyClick(ativo, Qt::Key_N);
                   QCOMPARE(ativo->currentText(), u"NÃO"_s);
                   QTest::mouseClick(editor.findChild<QPushButton *>(u"btnOK"_s), Qt::LeftButton);
               });
    QVERIFY(stored().contains(u"12|OPERADOR|OPERADOR|OPERADOR|N|1|N"_s));
    const QVariant colour = grid()->model()->index(2, 1).data(Qt::ForegroundRole);
    QCOMPARE(qvariant_cast<QBrush>(colour).color(), grey);
}

void tst_CadUsuario::functionKeys()
{
    open();
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_F2);
    QCOMPARE(shown(), fixtureRows);
    selectRow(1);

    withEditor([this] { QTest::keyClick(grid(), Qt::Key_F6); },
               [](TfrmUsuario &editor) {
                   // The current row's user.
                   QCOMPARE(editor.findChild<QLineEdit *>(u"dbedtUSU_A_USU"_s)->text(), u"maria"_s);
                   editor.reject();
               });
    // Back in the list window, the focus on a button this time.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    button("btnPesq")->setFocus();
    withEditor([this] { QTest::keyClick(button("btnPesq"), Qt::Key_F5); },
               [](TfrmUsuario &editor) {
                   QVERIFY(editor.findChild<QLineEdit *>(u"dbedtUSU_A_USU"_s)->text().isEmpty());
                   editor.reject();
               });
    QCOMPARE(shown(), fixtureRows);
}

void tst_CadUsuario::usuariosOpensTheListInTheMainWindow()
{
    TfrmPrincipal principal;
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    principal.actUsuario()->trigger();
    QVERIFY(!principal.actUsuario()->isEnabled());
    QCOMPARE(principal.mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow *frame = principal.mdiArea()->subWindowList().at(0);
    m_window = qobject_cast<TfrmCadUsuario *>(frame->widget());
    QVERIFY(m_window);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->size(), QSize(394, 290));
    // A close box and a minimise box, no maximise box.
    const Qt::WindowFlags flags = frame->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    // In the middle of the work area.
    const QPoint middle = QRect(QPoint(), principal.mdiArea()->viewport()->size()).center();
    QVERIFY2(
        (frame->geometry().center() - middle).manhattanLength() <= 2,
        qPrintable(u"frame %1,%2 %3x%4"_s.arg(frame->x()).arg(frame->y()).arg(frame->width()).arg(frame->height())));

    // The function keys work while it is the active child.
    QVERIFY(QTest::qWaitForWindowActive(&principal));
    QTRY_COMPARE(principal.mdiArea()->activeSubWindow(), frame);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(shown(), fixtureRows);

    QTest::mouseClick(button("btnFechar"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);
    QTRY_VERIFY(principal.mdiArea()->subWindowList().isEmpty());
    QVERIFY(principal.actUsuario()->isEnabled());
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_CadUsuario test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cadusuario.moc"
