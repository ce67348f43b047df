#pragma once

#include "ConnectionSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "Cópia de segurança": the backup folder (changed with "Alterar pasta...",
// remembered in the program's ini file), when the last copy was made, and
// "Fazer cópia", which makes a verified copy with its progress on the bar
// and then says where it went, or why it failed.
class TfrmCopiaSeguranca : public QDialog
{
    Q_OBJECT

public:
    TfrmCopiaSeguranca(ConnectionSettings settings, QString iniFile, QWidget *parent = nullptr);

    QString pasta() const;
    // What "Alterar pasta..." does once a folder is chosen.
    void setPasta(const QString &folder);

    void btnPastaClick();
    void btnCopiarClick();

    QPushButton *btnCopiar() const { return m_copiar; }
    QProgressBar *pbCopia() const { return m_bar; }
    QString ultimaCopia() const;

protected:
    void reject() override;

private:
    void showLastCopy();

    ConnectionSettings m_settings;
    QString m_iniFile;
    QLineEdit *m_pasta = nullptr;
    QPushButton *m_alterar = nullptr;
    QLabel *m_ultima = nullptr;
    QLabel *m_etapa = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_copiar = nullptr;
    QPushButton *m_fechar = nullptr;
    bool m_running = false;
};
