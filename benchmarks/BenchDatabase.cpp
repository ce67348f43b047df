#include "BenchDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdio>

namespace {

QString sourceFile(const QString &relative)
{
    return QDir(QStringLiteral(ULMORA_SOURCE_DIR)).filePath(relative);
}

const char *const sources[] = {"data/schema.sql", "data/reference.sql", "data/cidades.sql",
                               "scripts/create-database.sh", "benchmarks/members.sql"};

} // namespace

BenchDatabase::BenchDatabase(const QString &folder)
    : m_folder(QDir(folder).absolutePath()), m_path(QDir(m_folder).filePath(QStringLiteral("bench.fdb")))
{
}

QByteArray BenchDatabase::sourcesDigest()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char *source : sources) {
        QFile file(sourceFile(QLatin1StringView(source)));
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result().toHex();
}

bool BenchDatabase::ensure()
{
    const QByteArray digest = sourcesDigest();
    if (QFile::exists(m_path)) {
        QFile stamp(stampPath());
        if (stamp.open(QIODevice::ReadOnly) && stamp.readAll().trimmed() == digest)
            return true;
        std::printf("The scripts changed since %s was built: building it again\n", qPrintable(m_path));
        std::fflush(stdout);
        if (!QFile::remove(m_path)) {
            m_error = QStringLiteral("cannot remove %1").arg(m_path);
            return false;
        }
    }
    if (!QDir().mkpath(m_folder)) {
        m_error = QStringLiteral("cannot create the folder %1").arg(m_folder);
        return false;
    }
    // Built under another name and renamed when complete: an interrupted
    // build is never mistaken for a finished database.
    const QString partial = m_path + QStringLiteral(".partial");
    QFile::remove(partial);

    QElapsedTimer timer;
    timer.start();
    const bool ok =
        // Schema, payment methods and cities, as every database of the program.
        run(QStringLiteral("bash"), {sourceFile(QStringLiteral("scripts/create-database.sh")), partial}, 600000)
        // Writing each of some 10,000 pages through to the disk would make the
        // load several times slower; the finished file goes back to forced
        // writes, as the program's own databases have them.
        && run(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), partial}, 60000)
        && run(QStringLiteral("isql-fb"),
               {QStringLiteral("-q"), QStringLiteral("-bail"), QStringLiteral("-ch"), QStringLiteral("UTF8"),
                QStringLiteral("-i"), sourceFile(QStringLiteral("benchmarks/members.sql")), partial},
               1800000)
        && run(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("sync"), partial}, 60000);
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    QFile stamp(stampPath());
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate) || stamp.write(digest + '\n') < 0) {
        m_error = QStringLiteral("cannot write %1").arg(stampPath());
        QFile::remove(partial);
        return false;
    }
    stamp.close();
    if (!QFile::rename(partial, m_path)) {
        m_error = QStringLiteral("cannot rename %1 to %2").arg(partial, m_path);
        return false;
    }
    m_built = true;
    m_buildSeconds = double(timer.elapsed()) / 1000.0;
    return true;
}

bool BenchDatabase::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The embedded engine on a local file: SYSDBA needs no password.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ISC_USER"), QStringLiteral("SYSDBA"));
    environment.remove(QStringLiteral("ISC_PASSWORD"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        m_error = QStringLiteral("%1 could not start").arg(program);
        return false;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        m_error = QStringLiteral("%1 %2 did not finish").arg(program, arguments.join(u' '));
        return false;
    }
    const QString output = QString::fromUtf8(process.readAll());
    // isql reports script errors on its output, not always by its exit code.
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || output.contains(QStringLiteral("Statement failed")) || output.contains(QStringLiteral("SQLSTATE"))) {
        m_error = QStringLiteral("%1 %2 failed:\n%3").arg(program, arguments.join(u' '), output);
        return false;
    }
    return true;
}
