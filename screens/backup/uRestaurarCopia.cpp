#include "uRestaurarCopia.h"

#include "DatabaseRestore.h"
#include "FbError.h"
#include "MessageDialog.h"
#include "uProgressoCopia.h"

#include <QDir>
#include <QFileInfo>

bool restaurarCopia(const ConnectionSettings &settings, const QString &backupFile, const QString &definitionsFile,
                    QWidget *parent)
{
    DatabaseRestore restore(settings);
    QString prepared;
    try {
        TfrmProgressoCopia progress(QStringLiteral("Restaurar cópia de segurança"), parent);
        restore.setProgress(progress.progress());
        prepared = progress.run([&] { return restore.prepare(backupFile); });
    } catch (const FbError &error) {
        MessageDialog::error(error.message());
        return false;
    }

    const QDateTime taken = DatabaseRestore::takenAt(backupFile);
    const QString question
        = QStringLiteral("A cópia de segurança de %1 foi restaurada e conferida.\n\nUsar agora o banco restaurado? O "
                         "banco de dados atual será mantido, renomeado com a data de hoje, e o programa será fechado.")
              .arg(taken.toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm")));
    if (MessageDialog::show(question, MessageDialog::Kind::Confirmation, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes) {
        restore.discard(prepared);
        return false;
    }
    QString kept;
    try {
        kept = restore.replaceCurrent(prepared, definitionsFile);
    } catch (const FbError &error) {
        restore.discard(prepared);
        MessageDialog::error(error.message());
        return false;
    }
    MessageDialog::information(QStringLiteral("O programa passa a usar o banco restaurado %1; o banco anterior foi "
                                              "guardado como %2.\n\nO programa será fechado: abra-o novamente.")
                                   .arg(QDir::toNativeSeparators(prepared), QDir::toNativeSeparators(kept)));
    return true;
}
