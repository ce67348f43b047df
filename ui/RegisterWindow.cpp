#include "RegisterWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace {

class WorkAreaPlacement : public QObject
{
public:
    explicit WorkAreaPlacement(QWidget *window) : QObject(window), m_window(window), m_designSize(window->size())
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            if (event->type() == QEvent::ParentChange)
                setFrameButtons();
            else if (event->type() == QEvent::Show && !event->spontaneous() && !m_placed)
                place();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMdiSubWindow *frame() const { return qobject_cast<QMdiSubWindow *>(m_window->parentWidget()); }

    void setFrameButtons()
    {
        if (QMdiSubWindow *subWindow = frame())
            subWindow->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }

    void place()
    {
        QMdiSubWindow *subWindow = frame();
        if (!subWindow || !subWindow->mdiArea())
            return;
        m_placed = true;
        setFrameButtons();
        subWindow->resize(subWindow->size() - m_window->size() + m_designSize);
        const QSize area = subWindow->mdiArea()->viewport()->size();
        subWindow->move(std::max(0, (area.width() - subWindow->width()) / 2),
                        std::max(0, (area.height() - subWindow->height()) / 2));
    }

    QWidget *m_window;
    const QSize m_designSize;
    bool m_placed = false;
};

} // namespace

void placeInWorkArea(QWidget *window)
{
    new WorkAreaPlacement(window);
}

TTipoPesqParceiro chosenSearchField(const QComboBox *list)
{
    switch (list->findText(list->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive)) {
    case 1:
        return tpDocumento;
    case 2:
        return tpEndereco;
    case 3:
        return tpBairro;
    default:
        return tpNome;
    }
}
