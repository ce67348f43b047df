#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QWidget;

// A column of an exported table: its title and what its cells hold. A text
// cell is written as text whatever it looks like (a document or a CEP keeps
// its leading zeros and letters); a date cell holds a QDate (null: empty) and
// is written as a date.
struct ExportColumn
{
    enum Kind { Text, Date };
    QString title;
    Kind kind = Text;
};

// The rows a list window exports, read once, in order, from the first.
class ExportRows
{
public:
    virtual ~ExportRows() = default;
    virtual QList<ExportColumn> columns() const = 0;
    virtual qsizetype rowCount() const = 0;
    // The cells of row `index` (0, 1, 2... in turn), one per column.
    virtual QVariantList row(qsizetype index) = 0;
};

namespace TableExport {

enum class Format { Csv, Xlsx };
enum class Result { Written, Cancelled, Failed };

// Told how many rows are written; answers false to stop the export.
using Progress = std::function<bool(qsizetype done)>;

// The file formats: UTF-8 CSV with a byte-order mark, ";" between fields,
// fields quoted where the CSV rules ask (a ";", a quote, a line break), CRLF
// line ends; or an XLSX workbook with one sheet: a bold, frozen header row
// with an auto-filter, texts as texts, dates as dates shown dd/mm/aaaa,
// columns as wide as their content. A file is only there once it is whole:
// a stopped or failed export leaves the path as it was. `error` takes the
// reason of a failure.
Result writeCsv(const QString &path, ExportRows &rows, const Progress &progress = {}, QString *error = nullptr);
Result writeXlsx(const QString &path, ExportRows &rows, const Progress &progress = {}, QString *error = nullptr);

// The format a file name asks for (.xlsx, otherwise CSV).
Format formatOf(const QString &path);

// Asks where to save (the save dialog offers both formats, the first being
// XLSX); an empty text when the user gives up. `baseName` is the suggested
// file name without extension.
QString askExportPath(QWidget *parent, const QString &baseName);

// Writes `rows` to `path` in the format its name asks for; an export that
// takes more than half a second shows a progress dialog with "Cancelar".
// A failure is told in a message; true when the file was written.
bool exportTo(QWidget *parent, ExportRows &rows, const QString &path);

// Both: askExportPath then exportTo.
bool exportWithDialog(QWidget *parent, ExportRows &rows, const QString &baseName);

} // namespace TableExport
