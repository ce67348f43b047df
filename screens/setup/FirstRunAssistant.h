#pragma once

#include "ConnectionSettings.h"

#include <QDialog>
#include <QString>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class TDM;

// What a program shows on a desk where no connection definition is found:
// a new database on this computer (made in the user's data folder by the
// program itself), an existing database file, or a Firebird server (tried
// before anything is kept). A database without an association then takes
// its first association (CNPJ, name) and master user (name, login, password
// typed twice), so that the office can log in at once. The definition is
// written to the user's configuration folder, readable by its owner only,
// and the dialog ends accepted; "Cancelar" ends it rejected, writing
// nothing (a database already made stays: the next time, making it again
// is refused with a pointer to "Usar um banco de dados existente").
class FirstRunAssistant : public QDialog
{
    Q_OBJECT

public:
    explicit FirstRunAssistant(QWidget *parent = nullptr);
    ~FirstRunAssistant() override;

    // The gate ProgramStart opens on a desk without a definition: true once
    // one is written.
    static bool run();

private:
    enum Page { Choice, NewDatabase, ExistingFile, Server, Association };

    QWidget *choicePage();
    QWidget *newDatabasePage();
    QWidget *existingFilePage();
    QWidget *serverPage();
    QWidget *associationPage();

    void showPage(Page page);
    void next();
    void back();

    bool createDatabase();
    bool useFile();
    bool useServer();
    // Opens the database of `settings` and goes on to the association or to
    // the end; false (with the reason shown) when it can't be opened.
    bool open(const ConnectionSettings &settings, const QString &failure);
    bool storeAssociation();
    void finish();
    void browse();

    QStackedWidget *m_pages = nullptr;
    QRadioButton *m_rbNovo = nullptr;
    QRadioButton *m_rbExistente = nullptr;
    QRadioButton *m_rbServidor = nullptr;
    QLabel *m_lblArquivoNovo = nullptr;
    QLineEdit *m_edtArquivo = nullptr;
    QLineEdit *m_edtServidor = nullptr;
    QSpinBox *m_spnPorta = nullptr;
    QLineEdit *m_edtBanco = nullptr;
    QLineEdit *m_edtUsuarioBanco = nullptr;
    QLineEdit *m_edtSenhaBanco = nullptr;
    QLineEdit *m_edtCNPJ = nullptr;
    QLineEdit *m_edtNomeAssociacao = nullptr;
    QLineEdit *m_edtNomeUsuario = nullptr;
    QLineEdit *m_edtLogin = nullptr;
    QLineEdit *m_edtSenha = nullptr;
    QLineEdit *m_edtConfirma = nullptr;
    QPushButton *m_btnVoltar = nullptr;
    QPushButton *m_btnAvancar = nullptr;
    QPushButton *m_btnCancela = nullptr;

    // In the user's folders: ~/.config/ulmora/connections.ini and
    // ~/.local/share/ulmora/ulmora.fdb.
    const QString m_definitionsFile;
    const QString m_newDatabaseFile;
    ConnectionSettings m_settings; // the database chosen, written by finish()
    std::unique_ptr<TDM> m_dm; // the chosen database, while the association is asked for
};
