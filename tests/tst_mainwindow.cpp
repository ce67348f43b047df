// The main window: its menu, toolbar, status bar and logo, the master check
// of "Usuários" and the register actions that stay disabled while their
// window is open.

#include "Application.h"
#include "DataModules.h"
#include "LanguageControl.h"
#include "MessageDialogHook.h"
#include "Session.h"
#include "uCadAssociado.h"
#include "uCadUsuario.h"
#include "uDM.h"
#include "uPrincipal.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void frame();
    void statusBarShowsTheNamesOnceShown();
    void logoSitsInTheBottomRightCorner();
    void usuariosChecksTheMasterFlag_data();
    void usuariosChecksTheMasterFlag();
    void registerActionDisabledWhileItsWindowIsOpen();
    void sairClosesTheWindow();

private:
    void open();
    QToolButton *toolButton(QAction *action) const;

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<TfrmPrincipal> m_window;
};

void tst_MainWindow::initTestCase()
{
    LanguageControl::install();
    // The register windows read the database once they exist.
    m_modules = std::make_unique<DataModules>(
        QStringLiteral(
            "insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_NOM, ASS_A_ABL) values (1, '11222333000181', "
            "'ASSOCIAÇÃO DE TESTE', 'S');"
            "insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, "
            "USU_A_MST) values (10, 'JOSÉ DA SILVA', 'JOSE', 'X', 'S', 1, 'S');"),
        DataModules::WithPresentation, TestDatabase::WithReference);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    QVERIFY(DM->LeAssociacao(QStringLiteral("11222333000181")));
}

void tst_MainWindow::cleanupTestCase()
{
    m_modules.reset();
}

void tst_MainWindow::init()
{
    UsuarioLogado = TUsuarioLogado();
    UsuarioLogado.id = 10;
    UsuarioLogado.nome = QStringLiteral("JOSÉ DA SILVA");
    UsuarioLogado.usuario = QStringLiteral("JOSE");
    UsuarioLogado.id_pai = 1;
    UsuarioLogado.mst = QStringLiteral("S");
    UsuarioLogado.abl = QStringLiteral("S");
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    QCOMPARE(frmPrincipal, nullptr);
}

void tst_MainWindow::open()
{
    m_window = std::make_unique<TfrmPrincipal>();
    QCOMPARE(frmPrincipal, m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QToolButton *tst_MainWindow::toolButton(QAction *action) const
{
    auto *toolbar = m_window->findChild<QToolBar *>(QStringLiteral("acttb1"));
    return qobject_cast<QToolButton *>(toolbar->widgetForAction(action));
}

void tst_MainWindow::frame()
{
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ulmora - Associação v1.0"));
    QVERIFY(m_window->windowState() & Qt::WindowMaximized);
    QCOMPARE(m_window->centralWidget(), m_window->mdiArea());

    QCOMPARE(m_window->actUsuario()->text(), QStringLiteral("&Usuários"));
    QCOMPARE(m_window->actAssociado()->text(), QStringLiteral("&Associados"));
    QCOMPARE(m_window->actSair()->text(), QStringLiteral("&Sair"));
    for (QAction *action : {m_window->actUsuario(), m_window->actAssociado(), m_window->actSair()}) {
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->icon().isNull());
        QVERIFY(action->isEnabled());
    }

    auto *menuBar = m_window->findChild<QMenuBar *>(QStringLiteral("actmmb1"));
    QCOMPARE(m_window->menuBar(), menuBar);
    QCOMPARE(menuBar->font().family(), QStringLiteral("Segoe UI"));
    QCOMPARE(menuBar->font().pixelSize(), 12);
    QCOMPARE(menuBar->actions().size(), 2);
    QMenu *cadastros = menuBar->actions().at(0)->menu();
    QCOMPARE(cadastros->title(), QStringLiteral("&Cadastros"));
    QCOMPARE(cadastros->actions(), (QList<QAction *>{m_window->actUsuario(), m_window->actAssociado()}));
    QMenu *ferramentas = menuBar->actions().at(1)->menu();
    QCOMPARE(ferramentas->title(), QStringLiteral("&Ferramentas"));
    QCOMPARE(ferramentas->actions(), (QList<QAction *>{m_window->actCopiaSeguranca(), m_window->actRestaurar()}));
    QCOMPARE(m_window->actCopiaSeguranca()->text(), QStringLiteral("&Cópia de segurança…"));
    QCOMPARE(m_window->actRestaurar()->text(), QStringLiteral("&Restaurar cópia de segurança…"));

    auto *toolbar = m_window->findChild<QToolBar *>(QStringLiteral("acttb1"));
    QCOMPARE(toolbar->height(), 42);
    QCOMPARE(toolbar->iconSize(), QSize(32, 32));
    QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    const QList<QAction *> items = toolbar->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0), m_window->actAssociado());
    QVERIFY(items.at(1)->isSeparator());
    QCOMPARE(items.at(2), m_window->actSair());
    QCOMPARE(toolButton(m_window->actAssociado())->text(), QStringLiteral("&Associados"));
    QCOMPARE(toolButton(m_window->actSair())->text(), QStringLiteral("&Sair"));
    QCOMPARE(m_window->statusBar()->objectName(), QStringLiteral("sbUsuario"));
}

void tst_MainWindow::statusBarShowsTheNamesOnceShown()
{
    m_window = std::make_unique<TfrmPrincipal>();
    QCOMPARE(m_window->panelText(0), QStringLiteral("Usuário"));
    QCOMPARE(m_window->panelText(1), QStringLiteral("Empresa"));
    auto *panel0 = m_window->findChild<QLabel *>(QStringLiteral("sbUsuarioPanel0"));
    auto *panel1 = m_window->findChild<QLabel *>(QStringLiteral("sbUsuarioPanel1"));
    QCOMPARE(panel0->width(), 200);
    QCOMPARE(panel1->width(), 500);
    QVERIFY(panel0->x() < panel1->x());

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->panelText(0), QStringLiteral("JOSÉ DA SILVA"));
    QCOMPARE(m_window->panelText(1), QStringLiteral("ASSOCIAÇÃO DE TESTE"));
}

void tst_MainWindow::logoSitsInTheBottomRightCorner()
{
    open();
    auto *logo = m_window->findChild<QLabel *>(QStringLiteral("imgLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(137, 97));
    QCOMPARE(logo->pixmap().size(), QSize(128, 128));
    QWidget *area = m_window->mdiArea()->viewport();
    QCOMPARE(logo->geometry().bottomRight(), area->rect().bottomRight());

    m_window->showNormal();
    m_window->resize(700, 500);
    QTRY_COMPARE(logo->geometry().bottomRight(), area->rect().bottomRight());
}

void tst_MainWindow::usuariosChecksTheMasterFlag_data()
{
    QTest::addColumn<QString>("mst");
    QTest::addColumn<bool>("opens");
    QTest::newRow("S") << QStringLiteral("S") << true;
    QTest::newRow("N") << QStringLiteral("N") << false;
    QTest::newRow("lower-case s") << QStringLiteral("s") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("S with a blank") << QStringLiteral("S ") << false;
}

void tst_MainWindow::usuariosChecksTheMasterFlag()
{
    QFETCH(QString, mst);
    QFETCH(bool, opens);
    UsuarioLogado.mst = mst;
    open();
    MessageDialogHook messages;

    m_window->actUsuario()->trigger();
    QVERIFY(!m_window->actUsuario()->isEnabled());
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), opens ? 1 : 0);
    if (!opens) {
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("JOSÉ DA SILVA, você não tem permissão para essa ação.")});
        QCOMPARE(messages.shown.at(0).kind, MessageDialog::Kind::Information);
        QCOMPARE(messages.shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // No window was opened that could enable it again.
        m_window->actUsuario()->trigger();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(!m_window->actUsuario()->isEnabled());
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    QMdiSubWindow *child = m_window->mdiArea()->subWindowList().at(0);
    QVERIFY(qobject_cast<TfrmCadUsuario *>(child->widget()));
    QVERIFY(child->isVisible());
    QPointer<QWidget> inner = child->widget();
    child->close();
    QTRY_VERIFY(!inner);
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(m_window->actUsuario()->isEnabled());
}

void tst_MainWindow::registerActionDisabledWhileItsWindowIsOpen()
{
    open();
    QAction *action = m_window->actAssociado();
    action->trigger();
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow *child = m_window->mdiArea()->subWindowList().at(0);
    QVERIFY(qobject_cast<TfrmCadAssociado *>(child->widget()));
    QCOMPARE(child->windowTitle(), QStringLiteral("Associado"));
    // Shown at the size it was made with, inside its frame.
    QCOMPARE(child->widget()->size(), QSize(757, 408));
    QVERIFY(!action->isEnabled());
    QVERIFY(!toolButton(action)->isEnabled());
    // A second run is impossible while the window is open.
    QTest::mouseClick(toolButton(action), Qt::LeftButton);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    // The other register is not affected.
    QVERIFY(m_window->actUsuario()->isEnabled());

    // Closed by its frame.
    QPointer<QWidget> inner = child->widget();
    child->close();
    QTRY_VERIFY(!inner);
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(action->isEnabled());
    QVERIFY(toolButton(action)->isEnabled());

    // Closed by itself.
    QTest::mouseClick(toolButton(action), Qt::LeftButton);
    QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
    QVERIFY(!action->isEnabled());
    QPointer<QMdiSubWindow> frame = m_window->mdiArea()->subWindowList().at(0);
    inner = frame->widget();
    inner->close();
    QTRY_VERIFY(!inner);
    // Its frame goes with it.
    QTRY_VERIFY(!frame);
    QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(action->isEnabled());
}

void tst_MainWindow::sairClosesTheWindow()
{
    open();
    m_window->actAssociado()->trigger();
    QTest::mouseClick(toolButton(m_window->actSair()), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_MainWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
