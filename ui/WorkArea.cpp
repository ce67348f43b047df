#include "WorkArea.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

WorkArea *WorkArea::install(QMdiArea *area)
{
    if (auto *existing = area->findChild<WorkArea *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new WorkArea(area);
}

WorkArea::WorkArea(QMdiArea *area) : QObject(area), m_area(area), imgLogo(new QLabel(area->viewport()))
{
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(137, 97);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    imgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgLogo->lower();
    area->viewport()->installEventFilter(this);
}

bool WorkArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize)
        placeLogo();
    return QObject::eventFilter(watched, event);
}

void WorkArea::placeLogo()
{
    const QWidget *viewport = m_area->viewport();
    imgLogo->move(viewport->width() - imgLogo->width(), viewport->height() - imgLogo->height());
}

void WorkArea::openChild(QWidget *child, QAction *action)
{
    child->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &QObject::destroyed, action, [action] { action->setEnabled(true); });
    // Its size and place in the work area are the window's own (placeInWorkArea).
    QMdiSubWindow *window = m_area->addSubWindow(child);
    // A child that closes itself leaves its frame behind otherwise.
    connect(child, &QObject::destroyed, window, &QObject::deleteLater);
    window->show();
}
