#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// Reading back what the export and the printing wrote, with tools of their
// own: a CSV parser following RFC 4180 (";" as the separator), the sheet XML
// of an XLSX file (taken out of the zip by python3's zipfile) and the text of
// a PDF (pdftotext, pdfinfo).
namespace ExportReading {

// The records of a CSV text; a quoted field may hold the separator, doubled
// quotes and line breaks. `ok` turns false on a stray quote.
inline QList<QStringList> parseCsv(const QString &text, bool *ok = nullptr, QChar separator = u';')
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool valid = true;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            if (!field.isEmpty())
                valid = false;
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            fieldStarted = false;
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            valid = false; // a bare line end outside quotes
            field += c;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        valid = false;
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records << record;
    }
    if (ok)
        *ok = valid;
    return records;
}

// One member of a zip file, through python3's zipfile.
inline QByteArray zipMember(const QString &zip, const QString &member)
{
    QProcess python;
    python.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))"),
         zip, member});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return QByteArray();
    return python.readAllStandardOutput();
}

// A cell of a sheet: its type attribute ("inlineStr", "s", "n" when none),
// style index and value (the text of an inline string, the <v> otherwise).
struct Cell
{
    QString type;
    int style = 0;
    QString value;
};

// The cells of a sheet XML by reference ("A1", "B2"...). Shared strings are
// resolved through `sharedStrings` (the workbook's xl/sharedStrings.xml) when
// given.
inline QHash<QString, Cell> sheetCells(const QByteArray &sheet, const QByteArray &sharedStrings = QByteArray())
{
    QStringList shared;
    if (!sharedStrings.isEmpty()) {
        QXmlStreamReader xml(sharedStrings);
        QString current;
        bool inItem = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"si") {
                inItem = true;
                current.clear();
            } else if (xml.isStartElement() && xml.name() == u"t" && inItem) {
                current += xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == u"si") {
                shared << current;
                inItem = false;
            }
        }
    }
    QHash<QString, Cell> cells;
    QXmlStreamReader xml(sheet);
    QString ref;
    Cell cell;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"c") {
            ref = xml.attributes().value(QStringLiteral("r")).toString();
            cell = Cell();
            cell.type = xml.attributes().hasAttribute(QStringLiteral("t"))
                            ? xml.attributes().value(QStringLiteral("t")).toString()
                            : QStringLiteral("n");
            cell.style = xml.attributes().value(QStringLiteral("s")).toInt();
        } else if (xml.isStartElement() && (xml.name() == u"v" || xml.name() == u"t")) {
            cell.value += xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"c") {
            if (cell.type == u"s")
                cell.value = shared.value(cell.value.toInt());
            cells.insert(ref, cell);
        }
    }
    return cells;
}

// The output of a poppler tool on a PDF file ("pdftotext" writes to stdout
// with "-").
inline QString poppler(const QString &tool, const QString &pdf)
{
    QProcess process;
    QStringList arguments{pdf};
    if (tool == u"pdftotext")
        arguments = {QStringLiteral("-layout"), pdf, QStringLiteral("-")};
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString &pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), pdf);
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace ExportReading
