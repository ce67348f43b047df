#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class frmLoginAcd;
}

// The gate of the members' program: the association's CNPJ (digits, with or
// without its punctuation, letters of an alphanumeric CNPJ in either case),
// a member user and its password, all three checked together by the database
// on "Entrar". A refusal never says which of them was wrong; the third
// refusal in a row closes the dialog. Ends accepted only through a
// successful "Entrar", which leaves the association in AssociacaoAtual, the
// member in AssociadoAtual, the user (without its password) in UsuarioLogado
// and the CNPJ in the program's own ini file (ProgramFolders::iniFolder()).
class TfrmLoginAcd : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLoginAcd(QWidget *parent = nullptr);
    ~TfrmLoginAcd() override;

    // The folder of the ini file: ProgramFolders::iniFolder() unless set
    // (tests).
    void setIniDirectory(const QString &directory) { m_iniDirectory = directory; }
    const QString &caminhoIni() const { return CaminhoIni; }
    static QString nomeIni() { return QStringLiteral("ul_associado.ini"); }

    // After an accepted login: the password is still the initial one the
    // association's member register gave, so it must be changed first.
    bool senhaInicial() const { return m_senhaInicial; }

    static int tentativasPermitidas() { return 3; }
    static QString mensagemRecusa() { return QStringLiteral("Usuário ou senha inválidos, ou acesso não ativo."); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    QString LeIni() const;
    void GravaIni(const QString &cnpj);
    void btnOKClick();
    bool ValidaLogin(const QString &cnpj, const QString &usuario, const QString &senha);

    std::unique_ptr<Ui::frmLoginAcd> ui;
    QString m_iniDirectory;
    QString CaminhoIni;
    int m_falhas = 0;
    bool m_senhaInicial = false;
};
