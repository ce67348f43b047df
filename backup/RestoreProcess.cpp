#include "RestoreProcess.h"

#include "FbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace RestoreProcess {

QString helperPath()
{
    const QString fromEnvironment = qEnvironmentVariable("ULMORA_RESTORE_HELPER");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ulmora-restauracao"));
}

QStringList run(const ConnectionSettings &engine, const QString &backupFile, const QString &databaseFile,
                const FbServices::OutputLine &onLine)
{
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ULMORA_RESTORE_SERVER"), engine.server);
    environment.insert(QStringLiteral("ULMORA_RESTORE_PORT"), QString::number(engine.port));
    environment.insert(QStringLiteral("ULMORA_RESTORE_USER"), engine.userName);
    environment.insert(QStringLiteral("ULMORA_RESTORE_PASSWORD"), engine.password);
    // An engine of its own: the new file is the helper's alone until it
    // ends, and two embedded engines sharing one lock folder (this
    // process's and the helper's) now and then bring the helper down.
    const QTemporaryDir locks;
    if (engine.isEmbedded() && locks.isValid())
        environment.insert(QStringLiteral("FIREBIRD_LOCK"), locks.path());
    helper.setProcessEnvironment(environment);
    // A restore that meets the end of a cut copy asks for the next volume.
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.start(helperPath(), {backupFile, databaseFile});
    if (!helper.waitForStarted())
        throw FbError(QStringLiteral("O programa de restauração %1 não pôde ser iniciado.").arg(helperPath()));

    QStringList output;
    QByteArray pending;
    const auto takeLines = [&] {
        pending += helper.readAllStandardOutput();
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.first(end)).trimmed();
            pending.remove(0, end + 1);
            output << line;
            if (onLine)
                onLine(line);
        }
    };
    while (helper.state() != QProcess::NotRunning) {
        helper.waitForReadyRead(100);
        takeLines();
    }
    takeLines();
    if (!pending.trimmed().isEmpty())
        output << QString::fromUtf8(pending).trimmed();

    const QString error = QString::fromUtf8(helper.readAllStandardError()).trimmed();
    if (helper.exitStatus() != QProcess::NormalExit)
        throw FbError(QStringLiteral("A restauração foi interrompida: a cópia está danificada ou incompleta."));
    if (helper.exitCode() != 0)
        throw FbError(error.isEmpty() ? QStringLiteral("A restauração falhou.") : error);
    return output;
}

} // namespace RestoreProcess
