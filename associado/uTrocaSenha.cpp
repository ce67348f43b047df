#include "uTrocaSenha.h"

#include "ui_uTrocaSenha.h"

#include "InputConventions.h"
#include "MessageDialog.h"
#include "PasswordStarStyle.h"
#include "Session.h"
#include "TListaUsuarios.h"
#include "TUsuarios.h"
#include "Trim.h"
#include "UpperCaseValidator.h"
#include "WindowConventions.h"
#include "uDM.h"

TfrmTrocaSenha::TfrmTrocaSenha(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmTrocaSenha>())
{
    ui->setupUi(this);
    // The association's login's look: Tahoma 14 point (a 19-pixel
    // character height), a fixed frame.
    setFont(WindowConventions::tahoma(14));
    WindowConventions::fixDialogFrame(this);

    // Typed as the login types it, or it could never be typed there.
    for (QLineEdit *field : {ui->edtNovaSenha, ui->edtConfirma}) {
        UpperCaseValidator::apply(field);
        PasswordStarStyle::apply(field);
    }
    ui->btnOK->setAutoDefault(false);
    ui->btnCancela->setAutoDefault(false);

    InputConventions::install(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &TfrmTrocaSenha::btnOKClick);
    connect(ui->btnCancela, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmTrocaSenha::~TfrmTrocaSenha() = default;

bool TfrmTrocaSenha::ValidaSenha(const QString &senha, const QString &confirmacao)
{
    QLineEdit *focus = ui->edtNovaSenha;
    QString problem;
    if (senha == AssociadoAtual->cnpj().left(5))
        problem = QStringLiteral("A nova senha não pode ser a senha inicial.");
    else if (senha.size() < tamanhoMinimo())
        problem = QStringLiteral("A nova senha deve ter pelo menos %1 caracteres.").arg(tamanhoMinimo());
    else if (senha.size() > tamanhoMaximo())
        problem = QStringLiteral("A nova senha deve ter no máximo %1 caracteres.").arg(tamanhoMaximo());
    else if (confirmacao != senha) {
        problem = QStringLiteral("A confirmação não confere com a nova senha.");
        focus = ui->edtConfirma;
    }
    if (problem.isEmpty())
        return true;
    MessageDialog::information(problem);
    // Typed again from the field that failed: the confirmation always, the
    // new password too when it was the one refused.
    ui->edtConfirma->clear();
    if (focus == ui->edtNovaSenha)
        ui->edtNovaSenha->clear();
    focus->setFocus();
    return false;
}

void TfrmTrocaSenha::btnOKClick()
{
    // The login compares what is typed without its surrounding blanks, so
    // that is what is stored.
    const QString senha = Trim(ui->edtNovaSenha->text());
    if (!ValidaSenha(senha, Trim(ui->edtConfirma->text())))
        return;
    // The user as stored now with only its password changed: the session's
    // copy was read at the login, and writing it back would undo what
    // another seat changed in the user since. Without a stored row the
    // session's copy goes, and the database refuses it as deleted.
    TUsuarios user;
    user.setId(UsuarioLogado.id);
    user.setNome(UsuarioLogado.nome);
    user.setUsuario(UsuarioLogado.usuario);
    user.setAbilitado(UsuarioLogado.abl);
    user.setMst(UsuarioLogado.mst);
    user.setId_pai(UsuarioLogado.id_pai);
    const std::unique_ptr<TListaUsuarios> stored = DM->LeUsuario(UsuarioLogado.id_pai);
    for (const auto &current : stored->Lista()) {
        if (current->id() == UsuarioLogado.id) {
            user.setNome(current->nome());
            user.setUsuario(current->usuario());
            user.setAbilitado(current->abilitado());
            user.setMst(current->mst());
            user.setVersao(current->versao());
        }
    }
    user.setSenha(senha);
    if (!DM->IUAcdUsuarios(user))
        return;
    accept();
}
