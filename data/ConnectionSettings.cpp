#include "ConnectionSettings.h"

#include "FbError.h"
#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

bool isComment(QStringView text)
{
    return text.startsWith(u';') || text.startsWith(u'#');
}

// The value of one "Key=value" line, read literally (a password may hold
// any character): a value that opens with a double quote is everything up
// to the last double quote of the line; any other value runs to the end of
// the line or to a ';' after a blank (a comment), without the blanks around
// it. Nothing is unescaped and commas are plain characters. An empty result
// with `valid` false: a quote that is never closed, or text after it.
QString lineValue(QStringView text, bool &valid)
{
    valid = true;
    text = trimBlanks(text);
    if (text.startsWith(u'"')) {
        const qsizetype close = text.lastIndexOf(u'"');
        const QStringView after = trimBlanks(text.sliced(close + 1));
        if (close == 0 || !(after.isEmpty() || isComment(after))) {
            valid = false;
            return QString();
        }
        return text.sliced(1, close - 1).toString();
    }
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text.at(i) == u';' && isBlank(text.at(i - 1))) {
            text = trimBlanks(text.first(i));
            break;
        }
    }
    return text.toString();
}

QString unreadable(const QString &file, const QString &reason)
{
    return QStringLiteral("Arquivo de definições de conexão não pode ser lido: %1 (%2)").arg(file, reason);
}

// The keys of section `name` (matched without regard to case), upper-cased,
// with their values; throws FbError when the section is missing.
QHash<QString, QString> readSection(const QString &file, const QString &name)
{
    const QFileInfo info(file);
    if (!info.exists())
        throw FbError(QStringLiteral("Arquivo de definições de conexão não encontrado: %1").arg(file));
    if (!info.isFile())
        throw FbError(unreadable(file, QStringLiteral("não é um arquivo")));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw FbError(unreadable(file, in.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString content = utf8.decode(in.readAll());
    if (in.error() != QFileDevice::NoError)
        throw FbError(unreadable(file, in.errorString()));

    QHash<QString, QString> values;
    bool inSection = false;
    bool found = false;
    for (QStringView line : QStringView(content).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(QChar(0xFEFF)))
            line = line.sliced(1);
        const QStringView trimmed = trimBlanks(line);
        if (trimmed.isEmpty() || isComment(trimmed))
            continue;
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            const QStringView section = close > 0 ? trimBlanks(trimmed.sliced(1, close - 1)) : QStringView();
            inSection = section.compare(name, Qt::CaseInsensitive) == 0;
            found = found || inSection;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        const QString key = trimBlanks(line.first(equals)).toString().toUpper();
        bool valid = true;
        const QString value = lineValue(line.sliced(equals + 1), valid);
        if (!valid) {
            throw FbError(QStringLiteral("A definição de conexão '%1' em %2 tem aspas sem fechamento em %3")
                              .arg(name, file, trimBlanks(line.first(equals)).toString()));
        }
        values.insert(key, value);
    }
    if (!found)
        throw FbError(QStringLiteral("Definição de conexão '%1' não encontrada em %2").arg(name, file));
    return values;
}

} // namespace

QString ConnectionSettings::attachString() const
{
    if (isEmbedded())
        return database;
    if (port > 0)
        return server + u'/' + QString::number(port) + u':' + database;
    return server + u':' + database;
}

QString ConnectionSettings::definitionsFile()
{
    return ProgramFolders::connectionDefinition(QCoreApplication::applicationDirPath());
}

ConnectionSettings ConnectionSettings::load(const QString &name)
{
    const QString file = definitionsFile();
    if (file.isEmpty()) {
        throw FbError(QStringLiteral("Arquivo de definições de conexão não encontrado: %1")
                          .arg(ProgramFolders::connectionDefinitionCandidates(QCoreApplication::applicationDirPath())
                                   .join(QStringLiteral(", "))));
    }
    return load(file, name);
}

ConnectionSettings ConnectionSettings::load(const QString &file, const QString &name)
{
    const QHash<QString, QString> values = readSection(file, name);
    ConnectionSettings settings;
    settings.database = values.value(QStringLiteral("DATABASE"));
    settings.server = values.value(QStringLiteral("SERVER")).trimmed();
    const QString port = values.value(QStringLiteral("PORT")).trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        settings.port = port.toInt(&ok);
        if (!ok || settings.port <= 0 || settings.port > 65535)
            throw FbError(QStringLiteral("A definição de conexão '%1' em %2 tem um valor inválido em Port: %3")
                              .arg(name, file, port));
    }
    settings.userName = values.value(QStringLiteral("USER_NAME"), settings.userName);
    settings.password = values.value(QStringLiteral("PASSWORD"));
    settings.characterSet = values.value(QStringLiteral("CHARACTERSET"), settings.characterSet);
    if (settings.database.isEmpty())
        throw FbError(QStringLiteral("A definição de conexão '%1' em %2 não informa o banco de dados (Database)")
                          .arg(name, file));
    // A relative database path is taken from the definitions file's folder.
    if (settings.isEmbedded() && QFileInfo(settings.database).isRelative())
        settings.database = QFileInfo(file).dir().absoluteFilePath(settings.database);
    return settings;
}

namespace {

// A value as lineValue() reads it back: between double quotes whenever it
// is not empty, so that blanks at either end, quotes and ';' stay as they are.
QString writtenValue(const QString &value)
{
    return value.isEmpty() ? value : u'"' + value + u'"';
}

} // namespace

void ConnectionSettings::save(const QString &file, const QString &name) const
{
    for (const QString &value : {database, server, userName, password, characterSet}) {
        if (value.contains(u'\n') || value.contains(u'\r'))
            throw FbError(QStringLiteral("Um valor da definição de conexão '%1' tem uma quebra de linha e não pode "
                                         "ser gravado em %2")
                              .arg(name, file));
    }
    const QString text
        = QStringLiteral("[%1]\nDatabase=%2\nServer=%3\nPort=%4\nUser_Name=%5\nPassword=%6\n"
                         "CharacterSet=%7\n")
              .arg(name, writtenValue(database), server.trimmed(), port > 0 ? QString::number(port) : QString(),
                   writtenValue(userName), writtenValue(password), characterSet);
    // The password is kept in clear text: nobody but the owner reads it,
    // nor looks into a folder made for it.
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, ownerOnly | QFileDevice::ExeOwner);
    QSaveFile out(file);
    const bool written = out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) >= 0 && out.commit()
                         && QFile::setPermissions(file, ownerOnly);
    if (!written)
        throw FbError(QStringLiteral("Arquivo de definições de conexão não pode ser gravado: %1 (%2)")
                          .arg(file, out.errorString()));
}

void ConnectionSettings::writeDatabase(const QString &file, const QString &name, const QString &database)
{
    if (database.contains(u'\n') || database.contains(u'\r'))
        throw FbError(QStringLiteral("O caminho do banco de dados não pode ter quebra de linha: %1").arg(database));
    readSection(file, name); // the same refusals as load()
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw FbError(unreadable(file, in.errorString()));
    const QByteArray content = in.readAll();
    in.close();

    const QByteArray replacement = "Database=\"" + database.toUtf8() + '"';
    QList<QByteArray> lines = content.split('\n');
    bool inSection = false;
    qsizetype header = -1;
    qsizetype databaseLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString text = QString::fromUtf8(lines.at(i));
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        const QStringView trimmed = trimBlanks(QStringView(text).trimmed());
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            const QStringView section = close > 0 ? trimBlanks(trimmed.sliced(1, close - 1)) : QStringView();
            inSection = section.compare(name, Qt::CaseInsensitive) == 0;
            if (inSection && header < 0)
                header = i;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (inSection && equals > 0 && !isComment(trimmed)
            && trimBlanks(trimmed.first(equals)).compare(u"Database", Qt::CaseInsensitive) == 0)
            databaseLine = i; // the last one counts, as when reading
    }
    if (databaseLine >= 0) {
        QByteArray line = lines.at(databaseLine);
        const bool crlf = line.endsWith('\r');
        if (crlf)
            line.chop(1);
        // A comment after an unquoted value stays with the line.
        const QString text = QString::fromUtf8(line);
        const QString value = text.mid(text.indexOf(u'=') + 1);
        QByteArray comment;
        if (!trimBlanks(value).startsWith(u'"')) {
            for (qsizetype i = 1; i < value.size(); ++i) {
                if (value.at(i) == u';' && isBlank(value.at(i - 1))) {
                    qsizetype blank = i;
                    while (blank > 0 && isBlank(value.at(blank - 1)))
                        --blank;
                    comment = value.sliced(blank).toUtf8();
                    break;
                }
            }
        }
        lines[databaseLine] = replacement + comment + (crlf ? "\r" : "");
    } else {
        lines.insert(header + 1, replacement);
    }

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(lines.join('\n')) < 0 || !out.commit())
        throw FbError(QStringLiteral("Arquivo de definições de conexão não pode ser gravado: %1 (%2)")
                          .arg(file, out.errorString()));
}
