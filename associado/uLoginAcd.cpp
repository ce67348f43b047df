#include "uLoginAcd.h"

#include "ui_uLoginAcd.h"

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

// The first empty one of the fields, with its message; none when all hold text.
struct MissingField
{
    QLineEdit *field;
    QString message;
};
} // namespace

TfrmLoginAcd::TfrmLoginAcd(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmLoginAcd>()), m_iniDirectory(ProgramFolders::iniFolder())
{
    ui->setupUi(this);
    // The association's login's look: Tahoma 14 point (a 19-pixel
    // character height), a fixed frame.
    setFont(WindowConventions::tahoma(14));
    WindowConventions::fixDialogFrame(this);

    UpperCaseValidator::apply(ui->edtUsuario);
    UpperCaseValidator::apply(ui->edtSenha);
    PasswordStarStyle::apply(ui->edtSenha);
    // Enter must never press "Entrar" as a default button: it moves on.
    ui->btnOK->setAutoDefault(false);
    ui->btnCancela->setAutoDefault(false);

    InputConventions::install(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmLoginAcd::btnOKClick);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmLoginAcd::~TfrmLoginAcd() = default;

void TfrmLoginAcd::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLoginAcd::FormShow()
{
    CaminhoIni = QDir(m_iniDirectory).filePath(nomeIni());
    ui->edtCNPJ->setText(Trim(LeIni()));
    ui->edtCNPJ->setFocus();
}

QString TfrmLoginAcd::LeIni() const
{
    return readRememberedValue(CaminhoIni, iniKey);
}

void TfrmLoginAcd::GravaIni(const QString &cnpj)
{
    writeRememberedValue(CaminhoIni, iniKey, cnpj);
}

void TfrmLoginAcd::btnOKClick()
{
    // A field of blanks is as empty as one without text: nothing would be
    // compared but blanks.
    const MissingField required[] = {
        {ui->edtCNPJ, QStringLiteral("O campo \"CNPJ\" deve ser preenchido!")},
        {ui->edtUsuario, QStringLiteral("O campo \"Usuário\" deve ser preenchido!")},
        {ui->edtSenha, QStringLiteral("O campo \"Senha\" deve ser preenchido!")},
    };
    for (const MissingField &missing : required) {
        if (Trim(missing.field->text()).isEmpty()) {
            MessageDialog::information(missing.message);
            missing.field->setFocus();
            return;
        }
    }
    if (!ValidaLogin(ui->edtCNPJ->text(), ui->edtUsuario->text(), ui->edtSenha->text())) {
        ++m_falhas;
        MessageDialog::information(mensagemRecusa());
        if (m_falhas >= tentativasPermitidas())
            reject();
        return;
    }
    GravaIni(ui->edtCNPJ->text());
    accept();
}

bool TfrmLoginAcd::ValidaLogin(const QString &cnpj, const QString &usuario, const QString &senha)
{
    // The CNPJ is stored as its characters only, letters as capitals: the
    // one cleaning every document goes through.
    TUsuarios user;
    bool inicial = false;
    if (!DM->LeLoginAssociado(LimpaDocumento(cnpj), Trim(usuario), Trim(senha), user, inicial))
        return false;
    UsuarioLogado.id = user.id();
    UsuarioLogado.nome = user.nome();
    UsuarioLogado.usuario = user.usuario();
    UsuarioLogado.senha.clear();
    UsuarioLogado.id_pai = user.id_pai();
    UsuarioLogado.mst = user.mst();
    UsuarioLogado.abl = user.abilitado();
    m_senhaInicial = inicial;
    return true;
}
