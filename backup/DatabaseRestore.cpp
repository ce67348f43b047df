#include "DatabaseRestore.h"

#include "BackupFolder.h"
#include "FbError.h"
#include "RestoreCheck.h"
#include "RestoreProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const auto stampFormat = QStringLiteral("yyyyMMdd-HHmmss");

QString besideCurrent(const ConnectionSettings &current, const QString &what, const QDateTime &now)
{
    const QFileInfo database(current.database);
    return database.dir().filePath(
        QStringLiteral("%1-%2-%3.fdb").arg(database.completeBaseName(), what, now.toString(stampFormat)));
}

} // namespace

DatabaseRestore::DatabaseRestore(ConnectionSettings current)
    : m_current(std::move(current)), m_clock(&QDateTime::currentDateTime)
{
}

QDateTime DatabaseRestore::takenAt(const QString &backupFile)
{
    const QDateTime fromName = BackupFolder::takenAt(backupFile);
    return fromName.isValid() ? fromName : QFileInfo(backupFile).lastModified();
}

QString DatabaseRestore::prepare(const QString &backupFile)
{
    if (!m_current.isEmbedded())
        throw FbError(QStringLiteral("O programa está conectado a um servidor Firebird: a restauração de uma cópia é "
                                     "feita pelo administrador do servidor (veja o README)."));
    if (!QFileInfo(backupFile).isFile())
        throw FbError(QStringLiteral("A cópia %1 não foi encontrada.").arg(backupFile));

    const QString prepared = besideCurrent(m_current, QStringLiteral("restaurado"), m_clock());
    if (QFileInfo::exists(prepared))
        throw FbError(QStringLiteral("Já existe o arquivo %1.").arg(prepared));
    ConnectionSettings restored = m_current;
    restored.database = prepared;
    try {
        if (m_progress)
            m_progress(0, QStringLiteral("Restaurando a cópia..."));
        int tables = 0;
        const QStringList output = RestoreProcess::run(m_current, backupFile, prepared, [&](const QString &line) {
            // The system has about twenty tables; the bar only shows that it moves.
            if (m_progress && line.contains(QStringLiteral("restoring data for table")))
                m_progress(qMin(90, 5 * ++tables), QStringLiteral("Restaurando a cópia..."));
        });
        if (m_progress)
            m_progress(90, QStringLiteral("Conferindo as linhas de cada tabela..."));
        const QString problem = restoreProblem(output, restored);
        if (!problem.isEmpty())
            throw FbError(problem);
    } catch (const FbError &error) {
        QFile::remove(prepared);
        throw FbError(QStringLiteral("A cópia %1 não pôde ser restaurada: %2. Nada foi alterado.")
                          .arg(QFileInfo(backupFile).fileName(), error.message()));
    }
    if (m_progress)
        m_progress(100, QStringLiteral("Cópia restaurada e conferida."));
    return prepared;
}

void DatabaseRestore::discard(const QString &prepared)
{
    QFile::remove(prepared);
}

QString DatabaseRestore::replaceCurrent(const QString &prepared, const QString &definitionsFile, const QString &name)
{
    const QString kept = besideCurrent(m_current, QStringLiteral("substituido"), m_clock());
    if (QFileInfo::exists(kept) || !QFile::rename(m_current.database, kept))
        throw FbError(
            QStringLiteral("O banco de dados atual %1 não pôde ser renomeado para %2.").arg(m_current.database, kept));
    try {
        ConnectionSettings::writeDatabase(definitionsFile, name, prepared);
    } catch (const FbError &) {
        QFile::rename(kept, m_current.database);
        throw;
    }
    return kept;
}
