#include "uCopiaAutomatica.h"

#include "BackupPlace.h"
#include "MessageDialog.h"
#include "VerifiedBackup.h"
#include "uProgressoCopia.h"

bool copiaAoSair(const ConnectionSettings &settings, const QString &iniFile, const BackupClock &clock, QWidget *parent)
{
    if (!settings.isEmbedded())
        return false;
    VerifiedBackup backup(settings, BackupPlace::folder(iniFile, settings));
    if (clock)
        backup.setClock(clock);
    if (!backup.isDue())
        return false;
    TfrmProgressoCopia progress(QStringLiteral("Cópia de segurança automática"), parent);
    backup.setProgress(progress.progress());
    const VerifiedBackup::Result result = progress.run([&] { return backup.run(); });
    if (!result.ok)
        MessageDialog::error(result.message);
    return true;
}
