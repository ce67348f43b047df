#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class frmLogin;
}

// The gate of the program: the association by its CNPJ (it must be active),
// then one of its active users by user name and password. Ends accepted only
// through a successful "Entrar", which leaves the association in
// AssociacaoAtual, the user in UsuarioLogado and the CNPJ in the ini file
// (ProgramFolders::iniFolder()) for the next start.
class TfrmLogin : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLogin(QWidget *parent = nullptr);
    ~TfrmLogin() override;

    // The folder of the ini file: ProgramFolders::iniFolder() unless set
    // (tests).
    void setIniDirectory(const QString &directory) { m_iniDirectory = directory; }
    // The full path of the ini file, set each time the dialog is shown.
    const QString &caminhoIni() const { return CaminhoIni; }

    static QString nomeIni() { return QStringLiteral("ul_associacao.ini"); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    QString LeIni() const;
    void GravaIni(const QString &cnpj);
    void edtCNPJExit();
    void btnOKClick();
    bool ValidaLogin(const QString &usuario, const QString &senha);
    void btnCancelaClick();

    void setUserFieldsEnabled(bool enabled);

    std::unique_ptr<Ui::frmLogin> ui;
    QString m_iniDirectory;
    QString CaminhoIni;
};
