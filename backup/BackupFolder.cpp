#include "BackupFolder.h"

#include "ConnectionSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const auto stampFormat = QStringLiteral("yyyyMMdd-HHmmss");

const QRegularExpression &copyName()
{
    static const QRegularExpression pattern(QStringLiteral("^(.+)-(\\d{8}-\\d{6})\\.fbk$"));
    return pattern;
}

} // namespace

BackupFolder::BackupFolder(QString folder, QString databaseName)
    : m_folder(std::move(folder)), m_databaseName(std::move(databaseName))
{
}

QString BackupFolder::besideDatabase(const ConnectionSettings &settings)
{
    return QFileInfo(settings.database).absolutePath();
}

QString BackupFolder::databaseName(const ConnectionSettings &settings)
{
    return QFileInfo(settings.database).completeBaseName();
}

QString BackupFolder::copyPath(const QDateTime &taken) const
{
    return QDir(m_folder).filePath(m_databaseName + u'-' + taken.toString(stampFormat) + QStringLiteral(".fbk"));
}

QDateTime BackupFolder::takenAt(const QString &fileName)
{
    const QRegularExpressionMatch match = copyName().match(QFileInfo(fileName).fileName());
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(2), stampFormat);
}

QList<DatedCopy> BackupFolder::copies() const
{
    QList<DatedCopy> found;
    const QDir dir(m_folder);
    const QStringList names = dir.entryList({m_databaseName + QStringLiteral("-*.fbk")}, QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = copyName().match(name);
        if (!match.hasMatch() || match.captured(1) != m_databaseName)
            continue;
        const QDateTime taken = QDateTime::fromString(match.captured(2), stampFormat);
        if (taken.isValid())
            found << DatedCopy{dir.filePath(name), taken};
    }
    return found;
}

std::optional<QDateTime> BackupFolder::lastCopy() const
{
    std::optional<QDateTime> last;
    for (const DatedCopy &copy : copies()) {
        if (!last || copy.taken > *last)
            last = copy.taken;
    }
    return last;
}
