// The members' program's main window: what the menus and the toolbar offer
// for each combination of the member's packages, what a package that was
// not taken says, and the status bar.

#include "Application.h"
#include "LanguageControl.h"
#include "Session.h"
#include "uCadParceiro.h"
#include "uDMds.h"
#include "uPrincipalAcd.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class tst_PrincipalAcd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void packages_data();
    void packages();
    void captionAndStatusBar();
    void parceirosOpensThePartnerListOnce();

private:
    static QString menuText(QAction *action) { return action->text().remove(QLatin1Char('&')); }
};

void tst_PrincipalAcd::initTestCase()
{
    LanguageControl::install();
    CriaGlobais();
}

void tst_PrincipalAcd::cleanupTestCase()
{
    LiberaGlobais();
}

void tst_PrincipalAcd::packages_data()
{
    QTest::addColumn<QString>("pct01"); // Financeiro
    QTest::addColumn<QString>("pct02"); // Negativação
    QTest::newRow("both") << "S"
                          << "S";
    QTest::newRow("Financeiro only") << "S"
                                     << "N";
    QTest::newRow("Negativação only") << "N"
                                      << "S";
    QTest::newRow("none") << "N"
                          << "N";
    QTest::newRow("flag other than S") << "s"
                                       << "";
}

void tst_PrincipalAcd::packages()
{
    QFETCH(QString, pct01);
    QFETCH(QString, pct02);
    AssociadoAtual->setPct01(pct01);
    AssociadoAtual->setPct02(pct02);

    TfrmPrincipalAcd window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const struct
    {
        QAction *action;
        bool contratado;
        QString why;
    } expected[] = {
        {window.actFinanceiro(), pct01 == u"S",
         QStringLiteral("Pacote Financeiro não contratado. Fale com a sua associação.")},
        {window.actNegativacao(), pct02 == u"S",
         QStringLiteral("Pacote Negativação não contratado. Fale com a sua associação.")},
    };
    auto *toolbar = window.findChild<QToolBar *>(QStringLiteral("acttb1"));
    for (const auto &e : expected) {
        QCOMPARE(e.action->isEnabled(), e.contratado);
        if (e.contratado) {
            QCOMPARE(e.action->statusTip(), QString());
            QVERIFY(!e.action->toolTip().contains(QStringLiteral("não contratado")));
        } else {
            QCOMPARE(e.action->toolTip(), e.why);
            QCOMPARE(e.action->statusTip(), e.why);
        }
        // The toolbar button and the menu item follow the action.
        auto *button = qobject_cast<QToolButton *>(toolbar->widgetForAction(e.action));
        QVERIFY(button);
        QCOMPARE(button->isEnabled(), e.contratado);
    }
    // "Negativação" is a menu, from the toolbar too; its items follow the package.
    QMenu *negativacao = window.actNegativacao()->menu();
    QVERIFY(negativacao);
    QStringList items;
    for (QAction *item : negativacao->actions()) {
        items << menuText(item);
        QCOMPARE(item->isEnabled(), pct02 == u"S");
    }
    QCOMPARE(items, (QStringList{QStringLiteral("Negativar parceiro"), QStringLiteral("Minhas negativações"),
                                 QStringLiteral("Consulta")}));
    QCOMPARE(qobject_cast<QToolButton *>(toolbar->widgetForAction(window.actNegativacao()))->popupMode(),
             QToolButton::InstantPopup);
    // What needs no package is always there.
    QVERIFY(window.actParceiro()->isEnabled());
    QVERIFY(window.actSair()->isEnabled());
}

void tst_PrincipalAcd::captionAndStatusBar()
{
    UsuarioLogado.nome = QStringLiteral("CARLOS PEREIRA");
    AssociadoAtual->setNome(QStringLiteral("MERCADO BOA VISTA LTDA"));
    AssociacaoAtual->setNome(QStringLiteral("ASSOCIAÇÃO COMERCIAL DE ULMORA"));

    TfrmPrincipalAcd window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Ulmora - Associado v1.0"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QCOMPARE(window.panelText(0), QStringLiteral("CARLOS PEREIRA"));
    QCOMPARE(window.panelText(1), QStringLiteral("MERCADO BOA VISTA LTDA"));
    QCOMPARE(window.panelText(2), QStringLiteral("ASSOCIAÇÃO COMERCIAL DE ULMORA"));

    // Menu and toolbar offer the four actions, with their captions.
    QStringList menuItems;
    for (QAction *menu : window.menuBar()->actions())
        for (QAction *item : menu->menu()->actions())
            if (!item->isSeparator())
                menuItems << menuText(item);
    QCOMPARE(menuItems, (QStringList{QStringLiteral("Parceiros"), QStringLiteral("Sair"), QStringLiteral("Negativação"),
                                     QStringLiteral("Financeiro")}));
    QStringList tools;
    for (QAction *item : window.findChild<QToolBar *>(QStringLiteral("acttb1"))->actions())
        if (!item->isSeparator())
            tools << menuText(item);
    QCOMPARE(tools, (QStringList{QStringLiteral("Parceiros"), QStringLiteral("Negativação"),
                                 QStringLiteral("Financeiro"), QStringLiteral("Sair")}));

    window.actSair()->trigger();
    QVERIFY(!window.isVisible());
}

void tst_PrincipalAcd::parceirosOpensThePartnerListOnce()
{
    // The list window needs the presentation tables, not the database,
    // until it searches.
    TDMds dmds;
    DMds = &dmds;
    {
        TfrmPrincipalAcd window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.actParceiro()->trigger();
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        auto *list = qobject_cast<TfrmCadParceiro *>(window.mdiArea()->subWindowList().at(0)->widget());
        QVERIFY(list);
        QVERIFY(!window.actParceiro()->isEnabled());
        list->close();
        QTRY_VERIFY(window.actParceiro()->isEnabled());
        QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 0);
    }
    DMds = nullptr;
}

QTEST_MAIN(tst_PrincipalAcd)
#include "tst_principalacd.moc"
