#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class WorkArea;

namespace Ui {
class frmPrincipal;
}

// The main window: an MDI frame whose register windows (the member list, the
// user list) live inside its work area (WorkArea). Each register action is
// disabled while the window it opened exists, so at most one of each is open.
class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmPrincipal(QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    QAction *actUsuario() const;
    QAction *actAssociado() const;
    QAction *actSair() const;
    QAction *actCopiaSeguranca() const;
    QAction *actRestaurar() const;
    QMdiArea *mdiArea() const;
    // The text of status bar panel 0 (user) or 1 (association).
    QString panelText(int panel) const;

    void actAssociadoExecute();
    void actUsuarioExecute();
    void actSairExecute();
    // Master users only: the backup dialog, and the restore of a copy
    // chosen in a file dialog (after which the window closes).
    void actCopiaSegurancaExecute();
    void actRestaurarExecute();
    void restaurar(const QString &backupFile);

    // The program's ini file (where the backup folder is remembered): the
    // one in ProgramFolders::iniFolder() unless set.
    void setIniFile(const QString &iniFile) { m_iniFile = iniFile; }
    const QString &iniFile() const { return m_iniFile; }
    // A restore replaced the database: the program ends without the backup
    // of its end, and must be opened again.
    bool bancoSubstituido() const { return m_bancoSubstituido; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    std::unique_ptr<Ui::frmPrincipal> ui;
    QLabel *m_panels[2] = {nullptr, nullptr};
    WorkArea *m_workArea = nullptr;
    QString m_iniFile;
    bool m_bancoSubstituido = false;
};

// The main window while it exists (the register windows reach it through here).
extern TfrmPrincipal *frmPrincipal;
