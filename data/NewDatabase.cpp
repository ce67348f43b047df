#include "NewDatabase.h"

#include "FbConnection.h"
#include "FbError.h"
#include "SqlScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void createNewDatabase(const ConnectionSettings &settings, const QString &scriptsFolder)
{
    const QDir scripts(scriptsFolder);
    const QStringList files{QStringLiteral("schema.sql"), QStringLiteral("reference.sql"),
                            QStringLiteral("cidades.sql")};
    for (const QString &file : files) {
        if (scriptsFolder.isEmpty() || !QFileInfo::exists(scripts.filePath(file)))
            throw FbError(QStringLiteral("O script %1 não foi encontrado em %2").arg(file, scriptsFolder));
    }
    if (settings.isEmbedded()) {
        if (QFileInfo::exists(settings.database))
            throw FbError(QStringLiteral("O arquivo %1 já existe e não será alterado").arg(settings.database));
        QDir().mkpath(QFileInfo(settings.database).absolutePath());
    }

    FbConnection::createDatabase(settings);
    try {
        FbConnection connection(settings);
        for (const QString &file : files)
            runSqlScript(connection, scripts.filePath(file));
    } catch (...) {
        try {
            FbConnection::dropDatabase(settings);
        } catch (const FbError &) {
            if (settings.isEmbedded())
                QFile::remove(settings.database);
        }
        throw;
    }
}
