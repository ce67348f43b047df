#include "RememberedValue.h"

#include <QSettings>

#include <stdexcept>

QString readRememberedValue(const QString &iniPath, const QString &key)
{
    return QSettings(iniPath, QSettings::IniFormat).value(key, QString()).toString();
}

void writeRememberedValue(const QString &iniPath, const QString &key, const QString &value)
{
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(key, value);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw std::runtime_error(QStringLiteral("Unable to write to %1").arg(iniPath).toStdString());
}
