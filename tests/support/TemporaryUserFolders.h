#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The user's configuration and data folders (XDG_CONFIG_HOME, XDG_DATA_HOME,
// which QStandardPaths reads) moved into a temporary folder of this test
// process for as long as the object lives, so that a test of a new desk
// neither reads nor writes the real ones, nor those of a test running
// beside it (Qt's test mode gives every test process the same ~/.qttest).
class TemporaryUserFolders
{
public:
    TemporaryUserFolders()
        : m_config(qgetenv("XDG_CONFIG_HOME")),
          m_data(qgetenv("XDG_DATA_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    }
    ~TemporaryUserFolders()
    {
        restore("XDG_CONFIG_HOME", m_hadConfig, m_config);
        restore("XDG_DATA_HOME", m_hadData, m_data);
    }
    TemporaryUserFolders(const TemporaryUserFolders &) = delete;
    TemporaryUserFolders &operator=(const TemporaryUserFolders &) = delete;

    QString path() const { return m_home.path(); }

private:
    static void restore(const char *name, bool had, const QByteArray &value)
    {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

    QTemporaryDir m_home;
    QByteArray m_config;
    QByteArray m_data;
    bool m_hadConfig;
    bool m_hadData;
};
