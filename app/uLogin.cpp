#include "uLogin.h"

#include "ui_uLogin.h"

#include "InputConventions.h"
#include "MessageDialog.h"
#include "PasswordStarStyle.h"
#include "ProgramFolders.h"
#include "RememberedValue.h"
#include "Session.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"
#include "uRotinas.h"

#include <QCoreApplication>
#include <QDir>
#include <QShowEvent>

#include <stdexcept>

namespace {
const QString iniKey = QStringLiteral("Login/CNPJ");
}

TfrmLogin::TfrmLogin(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmLogin>()), m_iniDirectory(ProgramFolders::iniFolder())
{
    ui->setupUi(this);
    // Tahoma 14 point: a 19-pixel character height.
    setFont(WindowConventions::tahoma(14));
    WindowConventions::fixDialogFrame(this);

    UpperCaseValidator::apply(ui->edtUsuario);
    UpperCaseValidator::apply(ui->edtSenha);
    PasswordStarStyle::apply(ui->edtSenha);
    // Enter must never press "Entrar" as a default button: it moves on.
    ui->btnOK->setAutoDefault(false);
    ui->btnCancela->setAutoDefault(false);

    connect(InputConventions::install(this), &InputConventions::left, this, [this](QWidget *control) {
        if (control == ui->edtCNPJ)
            edtCNPJExit();
    });
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmLogin::btnOKClick);
    connect(ui->btnCancela, &QPushButton::clicked, this, &TfrmLogin::btnCancelaClick);
}

TfrmLogin::~TfrmLogin() = default;

void TfrmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogin::FormShow()
{
    CaminhoIni = QDir(m_iniDirectory).filePath(nomeIni());
    ui->edtCNPJ->setText(Trim(LeIni()));
    ui->edtCNPJ->setFocus();
}

QString TfrmLogin::LeIni() const
{
    return readRememberedValue(CaminhoIni, iniKey);
}

void TfrmLogin::GravaIni(const QString &cnpj)
{
    writeRememberedValue(CaminhoIni, iniKey, cnpj);
}

void TfrmLogin::setUserFieldsEnabled(bool enabled)
{
    ui->edtUsuario->setEnabled(enabled);
    ui->edtSenha->setEnabled(enabled);
    ui->btnOK->setEnabled(enabled);
}

void TfrmLogin::edtCNPJExit()
{
    // A login is only ever checked against the active association whose CNPJ
    // stands in the field: an unknown or inactive one, and a read that
    // failed, close the user fields again.
    bool found = false;
    try {
        // The stored CNPJ holds only its digits and capitals: typed with
        // its punctuation or in small letters it is the same document.
        found = DM->LeAssociacao(LimpaDocumento(ui->edtCNPJ->text()));
    } catch (...) {
        setUserFieldsEnabled(false);
        throw;
    }
    if (found && AssociacaoAtual->abilitado() == u"S") {
        setUserFieldsEnabled(true);
        ui->edtUsuario->setFocus();
        return;
    }
    setUserFieldsEnabled(false);
    MessageDialog::information(
        QStringLiteral("Seu acesso não está ativo, por favor procure o responsável pelo aplicativo."));
}

void TfrmLogin::btnOKClick()
{
    // Only blanks count as empty: no user logs in by a blank name or
    // password.
    if (Trim(ui->edtUsuario->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo \"Usuário\" deve ser preenchido!"));
        if (ui->edtUsuario->isEnabled() && ui->edtUsuario->isVisible())
            ui->edtUsuario->setFocus();
        return;
    }
    if (Trim(ui->edtSenha->text()).isEmpty()) {
        MessageDialog::information(QStringLiteral("O campo \"Senha\" deve ser preenchido!"));
        if (ui->edtSenha->isEnabled() && ui->edtSenha->isVisible())
            ui->edtSenha->setFocus();
        return;
    }
    if (!ValidaLogin(ui->edtUsuario->text(), ui->edtSenha->text())) {
        MessageDialog::information(QStringLiteral("Login inválido!"));
        return;
    }
    GravaIni(ui->edtCNPJ->text());
    accept();
}

bool TfrmLogin::ValidaLogin(const QString &usuario, const QString &senha)
{
    // The database compares: the association's passwords never come here.
    const QString typedPassword = Trim(senha);
    const std::unique_ptr<TUsuarios> user = DM->LeUsuarioLogin(AssociacaoAtual->id(), Trim(usuario), typedPassword);
    if (!user)
        return false;
    UsuarioLogado.id = user->id();
    UsuarioLogado.nome = user->nome();
    UsuarioLogado.usuario = user->usuario();
    UsuarioLogado.senha = typedPassword; // equal to the stored one
    UsuarioLogado.id_pai = user->id_pai();
    UsuarioLogado.mst = user->mst();
    UsuarioLogado.abl = user->abilitado();
    return true;
}

void TfrmLogin::btnCancelaClick()
{
    reject();
}
