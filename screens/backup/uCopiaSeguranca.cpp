#include "uCopiaSeguranca.h"

#include "BackupPlace.h"
#include "MessageDialog.h"
#include "VerifiedBackup.h"
#include "WindowConventions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <stdexcept>

TfrmCopiaSeguranca::TfrmCopiaSeguranca(ConnectionSettings settings, QString iniFile, QWidget *parent)
    : QDialog(parent), m_settings(std::move(settings)), m_iniFile(std::move(iniFile))
{
    setObjectName(QStringLiteral("frmCopiaSeguranca"));
    setWindowTitle(QStringLiteral("Cópia de segurança"));
    setFont(WindowConventions::tahoma(8));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Pasta das cópias:"), this), 0, 0);
    m_pasta = new QLineEdit(this);
    m_pasta->setObjectName(QStringLiteral("edtPasta"));
    m_pasta->setReadOnly(true);
    m_pasta->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_pasta, 0, 1);
    m_alterar = new QPushButton(QStringLiteral("&Alterar pasta..."), this);
    m_alterar->setObjectName(QStringLiteral("btnPasta"));
    grid->addWidget(m_alterar, 0, 2);
    m_ultima = new QLabel(this);
    m_ultima->setObjectName(QStringLiteral("lblUltima"));
    grid->addWidget(m_ultima, 1, 0, 1, 3);
    m_etapa = new QLabel(this);
    m_etapa->setObjectName(QStringLiteral("lblEtapa"));
    grid->addWidget(m_etapa, 2, 0, 1, 3);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbCopia"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    grid->addWidget(m_bar, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_copiar = new QPushButton(QStringLiteral("&Fazer cópia"), this);
    m_copiar->setObjectName(QStringLiteral("btnCopiar"));
    m_copiar->setDefault(true);
    m_fechar = new QPushButton(QStringLiteral("Fe&char"), this);
    m_fechar->setObjectName(QStringLiteral("btnFechar"));
    buttons->addWidget(m_copiar);
    buttons->addWidget(m_fechar);
    grid->addLayout(buttons, 4, 0, 1, 3);

    m_pasta->setText(QDir::toNativeSeparators(BackupPlace::folder(m_iniFile, m_settings)));
    showLastCopy();
    resize(560, 150);
    WindowConventions::fixDialogFrame(this);

    connect(m_alterar, &QPushButton::clicked, this, &TfrmCopiaSeguranca::btnPastaClick);
    connect(m_copiar, &QPushButton::clicked, this, &TfrmCopiaSeguranca::btnCopiarClick);
    connect(m_fechar, &QPushButton::clicked, this, &TfrmCopiaSeguranca::reject);
}

QString TfrmCopiaSeguranca::pasta() const
{
    return QDir::fromNativeSeparators(m_pasta->text());
}

QString TfrmCopiaSeguranca::ultimaCopia() const
{
    return m_ultima->text();
}

void TfrmCopiaSeguranca::showLastCopy()
{
    const std::optional<QDateTime> last = VerifiedBackup(m_settings, pasta()).folder().lastCopy();
    m_ultima->setText(last ? QStringLiteral("Última cópia: %1").arg(last->toString(QStringLiteral("dd/MM/yyyy HH:mm")))
                           : QStringLiteral("Última cópia: nenhuma nesta pasta"));
}

void TfrmCopiaSeguranca::setPasta(const QString &folder)
{
    try {
        BackupPlace::remember(m_iniFile, folder);
    } catch (const std::runtime_error &error) {
        MessageDialog::error(
            QStringLiteral("A pasta não pôde ser guardada: %1").arg(QString::fromStdString(error.what())));
        return;
    }
    m_pasta->setText(QDir::toNativeSeparators(folder));
    showLastCopy();
}

void TfrmCopiaSeguranca::btnPastaClick()
{
    const QString folder
        = QFileDialog::getExistingDirectory(this, QStringLiteral("Pasta das cópias de segurança"), pasta());
    if (!folder.isEmpty())
        setPasta(folder);
}

void TfrmCopiaSeguranca::btnCopiarClick()
{
    m_running = true;
    for (QPushButton *button : {m_copiar, m_alterar, m_fechar})
        button->setEnabled(false);
    VerifiedBackup backup(m_settings, pasta());
    backup.setProgress([this](int percent, const QString &step) {
        m_bar->setValue(percent);
        m_etapa->setText(step);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    const VerifiedBackup::Result result = backup.run();
    for (QPushButton *button : {m_copiar, m_alterar, m_fechar})
        button->setEnabled(true);
    m_running = false;
    showLastCopy();
    if (!result.ok) {
        m_etapa->setText(QStringLiteral("A cópia falhou."));
        m_bar->setValue(0);
        MessageDialog::error(result.message);
        return;
    }
    QString text
        = QStringLiteral("Cópia de segurança gravada e conferida em %1.").arg(QDir::toNativeSeparators(result.file));
    if (!result.removed.isEmpty())
        text += QStringLiteral("\n\nCópias antigas removidas: %1.").arg(result.removed.size());
    MessageDialog::information(text);
}

void TfrmCopiaSeguranca::reject()
{
    if (!m_running)
        QDialog::reject();
}
