#include "uPrincipal.h"

#include "ui_uPrincipal.h"

#include "BackupPlace.h"
#include "ConnectionSettings.h"
#include "FbConnection.h"
#include "MessageDialog.h"
#include "ProgramFolders.h"
#include "Session.h"
#include "WorkArea.h"
#include "uCopiaSeguranca.h"
#include "uDM.h"
#include "uLogin.h"
#include "uRestaurarCopia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include <QLabel>
#include <QMdiArea>
#include <QShowEvent>

#include "uCadAssociado.h"
#include "uCadUsuario.h"

TfrmPrincipal *frmPrincipal = nullptr;

TfrmPrincipal::TfrmPrincipal(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmPrincipal>())
{
    ui->setupUi(this);

    QFont menuFont(QStringLiteral("Segoe UI"));
    menuFont.setPixelSize(12);
    ui->actmmb1->setFont(menuFont);
    ui->acttb1->setFixedHeight(42);

    const QString initial[2] = {QStringLiteral("Usuário"), QStringLiteral("Empresa")};
    const int widths[2] = {200, 500};
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(initial[i], ui->sbUsuario);
        m_panels[i]->setObjectName(QStringLiteral("sbUsuarioPanel%1").arg(i));
        m_panels[i]->setFixedWidth(widths[i]);
        ui->sbUsuario->addWidget(m_panels[i]);
    }

    m_workArea = WorkArea::install(ui->mdiArea);

    connect(ui->actAssociado, &QAction::triggered, this, &TfrmPrincipal::actAssociadoExecute);
    connect(ui->actUsuario, &QAction::triggered, this, &TfrmPrincipal::actUsuarioExecute);
    connect(ui->actSair, &QAction::triggered, this, &TfrmPrincipal::actSairExecute);
    connect(ui->actCopiaSeguranca, &QAction::triggered, this, &TfrmPrincipal::actCopiaSegurancaExecute);
    connect(ui->actRestaurar, &QAction::triggered, this, &TfrmPrincipal::actRestaurarExecute);
    m_iniFile = QDir(ProgramFolders::iniFolder()).filePath(TfrmLogin::nomeIni());

    setWindowState(Qt::WindowMaximized);
    frmPrincipal = this;
}

TfrmPrincipal::~TfrmPrincipal()
{
    if (frmPrincipal == this)
        frmPrincipal = nullptr;
}

QAction *TfrmPrincipal::actUsuario() const
{
    return ui->actUsuario;
}

QAction *TfrmPrincipal::actAssociado() const
{
    return ui->actAssociado;
}

QAction *TfrmPrincipal::actSair() const
{
    return ui->actSair;
}

QAction *TfrmPrincipal::actCopiaSeguranca() const
{
    return ui->actCopiaSeguranca;
}

QAction *TfrmPrincipal::actRestaurar() const
{
    return ui->actRestaurar;
}

QMdiArea *TfrmPrincipal::mdiArea() const
{
    return ui->mdiArea;
}

QString TfrmPrincipal::panelText(int panel) const
{
    return m_panels[panel]->text();
}

void TfrmPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmPrincipal::FormShow()
{
    m_panels[0]->setText(UsuarioLogado.nome);
    m_panels[1]->setText(AssociacaoAtual ? AssociacaoAtual->nome() : QString());
}

void TfrmPrincipal::actAssociadoExecute()
{
    m_workArea->openChild(new TfrmCadAssociado(), ui->actAssociado);
    ui->actAssociado->setEnabled(false);
}

void TfrmPrincipal::actUsuarioExecute()
{
    if (UsuarioLogado.mst == u"S")
        m_workArea->openChild(new TfrmCadUsuario(), ui->actUsuario);
    else
        MessageDialog::information(UsuarioLogado.nome + QStringLiteral(", você não tem permissão para essa ação."));
    ui->actUsuario->setEnabled(false);
}

void TfrmPrincipal::actSairExecute()
{
    close();
}

namespace {

bool masterOnly()
{
    if (UsuarioLogado.mst == u"S")
        return true;
    MessageDialog::information(UsuarioLogado.nome + QStringLiteral(", você não tem permissão para essa ação."));
    return false;
}

} // namespace

void TfrmPrincipal::actCopiaSegurancaExecute()
{
    if (!masterOnly())
        return;
    TfrmCopiaSeguranca dialog(DM->connection().settings(), m_iniFile, this);
    dialog.exec();
}

void TfrmPrincipal::actRestaurarExecute()
{
    if (!masterOnly())
        return;
    const ConnectionSettings settings = DM->connection().settings();
    if (!settings.isEmbedded()) {
        MessageDialog::warning(QStringLiteral("O programa está conectado a um servidor Firebird: a restauração de uma "
                                              "cópia é feita pelo administrador do servidor (veja o README)."),
                               QMessageBox::Ok);
        return;
    }
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Restaurar cópia de segurança"),
                                                      BackupPlace::folder(m_iniFile, settings),
                                                      QStringLiteral("Cópias de segurança (*.fbk)"));
    if (!file.isEmpty())
        restaurar(file);
}

void TfrmPrincipal::restaurar(const QString &backupFile)
{
    if (!restaurarCopia(DM->connection().settings(), backupFile, ConnectionSettings::definitionsFile(), this))
        return;
    m_bancoSubstituido = true;
    close();
}
