#include "uProgressoCopia.h"

#include "WindowConventions.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TfrmProgressoCopia::TfrmProgressoCopia(const QString &title, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProgressoCopia"));
    setWindowTitle(title);
    setFont(WindowConventions::tahoma(8));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    m_step = new QLabel(QStringLiteral("Preparando..."), this);
    m_step->setObjectName(QStringLiteral("lblEtapa"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbCopia"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    layout->addWidget(m_step);
    layout->addWidget(m_bar);
    resize(420, 90);
    WindowConventions::fixDialogFrame(this);
}

BackupProgress TfrmProgressoCopia::progress()
{
    return [this](int percent, const QString &step) {
        m_bar->setValue(percent);
        m_step->setText(step);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

int TfrmProgressoCopia::value() const
{
    return m_bar->value();
}

QString TfrmProgressoCopia::step() const
{
    return m_step->text();
}

void TfrmProgressoCopia::reject()
{
    if (m_done)
        QDialog::reject();
}

void TfrmProgressoCopia::finish()
{
    m_done = true;
    hide();
}
