#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMdiArea;

namespace Ui {
class frmPrincipal;
}

// The main window: an MDI frame whose register windows (the member list, the
// user list) live inside its work area. Each register action is disabled
// while the window it opened exists, so at most one of each is open.
// Each register window is shown as an MDI child that is deleted when
// closed, and its action is enabled again when it is destroyed.
class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmPrincipal(QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    QAction *actUsuario() const;
    QAction *actAssociado() const;
    QAction *actSair() const;
    QMdiArea *mdiArea() const;
    // The text of status bar panel 0 (user) or 1 (association).
    QString panelText(int panel) const;

    void actAssociadoExecute();
    void actUsuarioExecute();
    void actSairExecute();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void openChild(QWidget *child, QAction *action);
    void placeLogo();

    std::unique_ptr<Ui::frmPrincipal> ui;
    QLabel *m_panels[2] = {nullptr, nullptr};
    QLabel *imgLogo = nullptr;
};

// The main window while it exists (the register windows reach it through here).
extern TfrmPrincipal *frmPrincipal;
