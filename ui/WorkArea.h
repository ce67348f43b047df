#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMdiArea;
class QWidget;

// The work area of a main window (frmPrincipal of either program): the
// register windows open in it as MDI children, each deleted when closed, and
// the action that opened one is enabled again when it goes. The product logo
// sits under the children in the area's bottom-right corner, cut to its
// 137 x 97 box. Installed once the window's controls exist:
//
//     m_workArea = WorkArea::install(ui->mdiArea);
//     m_workArea->openChild(new TfrmCadParceiro(), ui->actParceiro);
class WorkArea : public QObject
{
    Q_OBJECT

public:
    // The area's helper (made once; owned by the area).
    static WorkArea *install(QMdiArea *area);

    // Shows `child` in a frame of the area (its size and place there are the
    // window's own: placeInWorkArea) and enables `action` again when the
    // child is destroyed.
    void openChild(QWidget *child, QAction *action);

    QLabel *logo() const { return imgLogo; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WorkArea(QMdiArea *area);
    void placeLogo();

    QMdiArea *m_area;
    QLabel *imgLogo;
};
