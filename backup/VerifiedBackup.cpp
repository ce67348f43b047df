#include "VerifiedBackup.h"

#include "FbError.h"
#include "FbServices.h"
#include "RestoreCheck.h"
#include "RestoreProcess.h"
#include "TableCounts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Leaves no scratch database behind, whatever happened.
struct ScratchDatabase
{
    ConnectionSettings settings;
    ~ScratchDatabase()
    {
        try {
            FbServices::dropDatabase(settings);
        } catch (const FbError &) {
            if (settings.isEmbedded())
                QFile::remove(settings.database);
        }
    }
};

} // namespace

VerifiedBackup::VerifiedBackup(ConnectionSettings settings, const QString &folder)
    : m_settings(std::move(settings)),
      m_folder(folder, BackupFolder::databaseName(m_settings)),
      m_clock(&QDateTime::currentDateTime)
{
}

void VerifiedBackup::report(int percent, const QString &step) const
{
    if (m_progress)
        m_progress(percent, step);
}

bool VerifiedBackup::isDue() const
{
    const std::optional<QDateTime> last = m_folder.lastCopy();
    return !last || last->addDays(1) < m_clock();
}

QString VerifiedBackup::reasonOf(const FbError &error) const
{
    if (FbServices::isRefusedForRights(error))
        return QStringLiteral("o usuário %1 não tem permissão para copiar este banco de dados (só o SYSDBA ou o "
                              "dono do banco)")
            .arg(m_settings.userName);
    // The embedded engine lets one process at a time hold a database file.
    if (m_settings.isEmbedded() && error.message().contains(QStringLiteral("already opened with engine instance")))
        return QStringLiteral("o banco de dados %1 está aberto em outro programa (feche-o e tente de novo)")
            .arg(m_settings.database);
    return error.message();
}

VerifiedBackup::Result VerifiedBackup::run()
{
    Result result;
    const QDateTime now = m_clock();
    const QString target = m_folder.copyPath(now);
    const QString provisional = target + QStringLiteral(".parcial");
    const auto fail = [&](const QString &reason) {
        QFile::remove(provisional);
        result.message = QStringLiteral("A cópia de segurança não foi feita: %1. As cópias anteriores foram mantidas.")
                             .arg(reason);
        return result;
    };

    // A server's folder is the server's: the engine says when it can't write there.
    if (m_settings.isEmbedded() && !QDir().mkpath(m_folder.path()))
        return fail(QStringLiteral("a pasta %1 não pôde ser criada").arg(m_folder.path()));
    if (QFileInfo::exists(target))
        return fail(QStringLiteral("já existe uma cópia com o nome %1").arg(target));

    try {
        // Progress: the tables written, then those restored, then the count.
        report(0, QStringLiteral("Copiando o banco de dados..."));
        QStringList backupOutput;
        int tablesWritten = 0;
        const int tables = int(tableNames(m_settings).size());
        FbServices::backup(m_settings, provisional, [&](const QString &line) {
            backupOutput << line;
            if (line.contains(QStringLiteral("writing data for table")))
                report(tables > 0 ? 45 * ++tablesWritten / tables : 0, QStringLiteral("Copiando o banco de dados..."));
        });
        const TableCounts written = reportedCounts(backupOutput);

        report(45, QStringLiteral("Verificando a cópia..."));
        ScratchDatabase scratch{m_settings};
        scratch.settings.database = QFileInfo(target).dir().filePath(QFileInfo(target).completeBaseName()
                                                                     + QStringLiteral("-verificacao.fdb"));
        // One left by a run that was cut off would block the restore.
        if (scratch.settings.isEmbedded())
            QFile::remove(scratch.settings.database);
        qsizetype withRows = 0;
        for (qint64 rows : written)
            withRows += rows > 0 ? 1 : 0;
        int tablesRestored = 0;
        const QStringList restoreOutput
            = RestoreProcess::run(m_settings, provisional, scratch.settings.database, [&](const QString &line) {
                  if (line.contains(QStringLiteral("restoring data for table")))
                      report(45 + (withRows > 0 ? 45 * ++tablesRestored / int(withRows) : 0),
                             QStringLiteral("Verificando a cópia..."));
              });
        report(90, QStringLiteral("Conferindo as linhas de cada tabela..."));
        const QString problem = restoreProblem(restoreOutput, scratch.settings, &written);
        if (!problem.isEmpty())
            return fail(problem);
    } catch (const FbError &error) {
        return fail(reasonOf(error));
    }

    if (!QFile::rename(provisional, target))
        return fail(QStringLiteral("o arquivo %1 não pôde ser renomeado").arg(provisional));
    result.ok = true;
    result.file = target;
    for (const QString &old : copiesToRemove(m_folder.copies(), now)) {
        if (QFile::remove(old))
            result.removed << old;
    }
    report(100, QStringLiteral("Cópia de segurança concluída."));
    return result;
}
