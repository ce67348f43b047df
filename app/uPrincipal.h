#pragma once

#include <QMainWindow>

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
    QMdiArea *mdiArea() const;
    // The text of status bar panel 0 (user) or 1 (association).
    QString panelText(int panel) const;

    void actAssociadoExecute();
    void actUsuarioExecute();
    void actSairExecute();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    std::unique_ptr<Ui::frmPrincipal> ui;
    QLabel *m_panels[2] = {nullptr, nullptr};
    WorkArea *m_workArea = nullptr;
};

// The main window while it exists (the register windows reach it through here).
extern TfrmPrincipal *frmPrincipal;
