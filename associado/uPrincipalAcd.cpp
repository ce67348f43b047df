#include "uPrincipalAcd.h"

#include "ui_uPrincipalAcd.h"

#include "MessageDialog.h"
#include "Session.h"
#include "StandardTexts.h"
#include "WorkArea.h"
#include "uCadParceiro.h"
#include "uConsNegativa.h"
#include "uNegativacoes.h"
#include "uNegativar.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QShowEvent>
#include <QToolButton>

TfrmPrincipalAcd::TfrmPrincipalAcd(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmPrincipalAcd>())
{
    ui->setupUi(this);

    // The association's main window's look: Segoe UI menus, a 42-pixel toolbar.
    QFont menuFont(QStringLiteral("Segoe UI"));
    menuFont.setPixelSize(12);
    ui->actmmb1->setFont(menuFont);
    ui->acttb1->setFixedHeight(42);

    const QString initial[3] = {QStringLiteral("Usuário"), QStringLiteral("Associado"), QStringLiteral("Associação")};
    const int widths[3] = {200, 300, 300};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(initial[i], ui->sbUsuario);
        m_panels[i]->setObjectName(QStringLiteral("sbUsuarioPanel%1").arg(i));
        m_panels[i]->setFixedWidth(widths[i]);
        ui->sbUsuario->addWidget(m_panels[i]);
    }

    m_workArea = WorkArea::install(ui->mdiArea);
    HabilitaPacotes();
    MontaMenuNegativacao();

    connect(ui->actParceiro, &QAction::triggered, this, &TfrmPrincipalAcd::actParceiroExecute);
    connect(ui->actFinanceiro, &QAction::triggered, this, &TfrmPrincipalAcd::actPacoteExecute);
    connect(ui->actSair, &QAction::triggered, this, &TfrmPrincipalAcd::actSairExecute);

    setWindowState(Qt::WindowMaximized);
}

TfrmPrincipalAcd::~TfrmPrincipalAcd() = default;

QAction *TfrmPrincipalAcd::actParceiro() const
{
    return ui->actParceiro;
}

QAction *TfrmPrincipalAcd::actNegativacao() const
{
    return ui->actNegativacao;
}

QAction *TfrmPrincipalAcd::actNegativar() const
{
    return ui->actNegativar;
}

QAction *TfrmPrincipalAcd::actMinhasNegativacoes() const
{
    return ui->actMinhasNegativacoes;
}

QAction *TfrmPrincipalAcd::actConsNegativado() const
{
    return ui->actConsNegativado;
}

QAction *TfrmPrincipalAcd::actFinanceiro() const
{
    return ui->actFinanceiro;
}

QAction *TfrmPrincipalAcd::actSair() const
{
    return ui->actSair;
}

QMdiArea *TfrmPrincipalAcd::mdiArea() const
{
    return ui->mdiArea;
}

QString TfrmPrincipalAcd::panelText(int panel) const
{
    return m_panels[panel]->text();
}

QString TfrmPrincipalAcd::pacoteNaoContratado(const QString &pacote)
{
    return StandardTexts::pacoteNaoContratado(pacote);
}

void TfrmPrincipalAcd::HabilitaPacotes()
{
    const struct
    {
        QAction *action;
        QString flag;
        QString pacote;
    } pacotes[] = {
        {ui->actNegativacao, AssociadoAtual ? AssociadoAtual->pct02() : QString(), QStringLiteral("Negativação")},
        {ui->actFinanceiro, AssociadoAtual ? AssociadoAtual->pct01() : QString(), QStringLiteral("Financeiro")},
    };
    for (const auto &p : pacotes) {
        const bool contratado = p.flag == u"S";
        p.action->setEnabled(contratado);
        const QString why = contratado ? QString() : pacoteNaoContratado(p.pacote);
        p.action->setToolTip(contratado ? p.action->iconText().remove(QLatin1Char('&')) : why);
        p.action->setStatusTip(why);
    }
}

void TfrmPrincipalAcd::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmPrincipalAcd::FormShow()
{
    m_panels[0]->setText(UsuarioLogado.nome);
    m_panels[1]->setText(AssociadoAtual ? AssociadoAtual->nome() : QString());
    m_panels[2]->setText(AssociacaoAtual ? AssociacaoAtual->nome() : QString());
}

void TfrmPrincipalAcd::actParceiroExecute()
{
    m_workArea->openChild(new TfrmCadParceiro(), ui->actParceiro);
    ui->actParceiro->setEnabled(false);
}

void TfrmPrincipalAcd::actPacoteExecute()
{
    // The package's windows are not part of this version yet.
    MessageDialog::information(QStringLiteral("Disponível em uma próxima versão."));
}

void TfrmPrincipalAcd::MontaMenuNegativacao()
{
    // "Negativação" opens its menu, from the menu bar as from the toolbar;
    // without the package the menu is out of reach and so are its items.
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuNegativacao"));
    for (QAction *item : {ui->actNegativar, ui->actMinhasNegativacoes, ui->actConsNegativado}) {
        menu->addAction(item);
        item->setEnabled(ui->actNegativacao->isEnabled());
    }
    ui->actNegativacao->setMenu(menu);
    if (auto *button = qobject_cast<QToolButton *>(ui->acttb1->widgetForAction(ui->actNegativacao)))
        button->setPopupMode(QToolButton::InstantPopup);
    connect(ui->actNegativar, &QAction::triggered, this, &TfrmPrincipalAcd::actNegativarExecute);
    connect(ui->actMinhasNegativacoes, &QAction::triggered, this, &TfrmPrincipalAcd::actMinhasNegativacoesExecute);
    connect(ui->actConsNegativado, &QAction::triggered, this, &TfrmPrincipalAcd::actConsNegativadoExecute);
}

void TfrmPrincipalAcd::actNegativarExecute()
{
    TfrmNegativar::NegativarParceiro(this);
}

void TfrmPrincipalAcd::actMinhasNegativacoesExecute()
{
    if (auto *janela = TfrmNegativacoes::cria()) {
        m_workArea->openChild(janela, ui->actMinhasNegativacoes);
        ui->actMinhasNegativacoes->setEnabled(false);
    }
}

void TfrmPrincipalAcd::actConsNegativadoExecute()
{
    if (auto *janela = TfrmConsNegativa::cria()) {
        m_workArea->openChild(janela, ui->actConsNegativado);
        ui->actConsNegativado->setEnabled(false);
    }
}

void TfrmPrincipalAcd::actSairExecute()
{
    close();
}
