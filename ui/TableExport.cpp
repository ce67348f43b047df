#include "TableExport.h"

#include "MessageDialog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <sys/stat.h>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace TableExport {

namespace {

const QString dateFormat = u"dd/MM/yyyy"_s;

bool keepGoing(const Progress &progress, qsizetype done)
{
    return !progress || progress(done);
}

// A field as the CSV rules write it: quoted, its quotes doubled, when it holds
// the separator, a quote or a line break.
void appendCsvField(QByteArray &out, const QString &field)
{
    const QByteArray utf8 = field.toUtf8();
    const bool quote = utf8.contains(';') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r');
    if (!quote) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QString cellText(const QVariant &cell, ExportColumn::Kind kind)
{
    if (kind == ExportColumn::Date) {
        const QDate date = cell.toDate();
        return date.isValid() ? date.toString(dateFormat) : QString();
    }
    return cell.toString();
}

} // namespace

Format formatOf(const QString &path)
{
    return path.endsWith(u".xlsx"_s, Qt::CaseInsensitive) ? Format::Xlsx : Format::Csv;
}

Result writeCsv(const QString &path, ExportRows &rows, const Progress &progress, QString *error)
{
    // The file replaces what is at the path only when it is committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return Result::Failed;
    }
    const QList<ExportColumn> columns = rows.columns();
    QByteArray out("\xEF\xBB\xBF");
    auto endLine = [&] {
        out += "\r\n";
        if (out.size() >= 64 * 1024) {
            file.write(out);
            out.clear();
        }
    };
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (c)
            out += ';';
        appendCsvField(out, columns[c].title);
    }
    endLine();
    const qsizetype count = rows.rowCount();
    for (qsizetype r = 0; r < count; ++r) {
        const QVariantList cells = rows.row(r);
        for (qsizetype c = 0; c < columns.size(); ++c) {
            if (c)
                out += ';';
            appendCsvField(out, cellText(cells.value(c), columns[c].kind));
        }
        endLine();
        if (!keepGoing(progress, r + 1)) {
            file.cancelWriting();
            return Result::Cancelled;
        }
    }
    file.write(out);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return Result::Failed;
    }
    return Result::Written;
}

namespace {

// What open() gives a new file: read and write for everyone the umask lets through.
QFileDevice::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permission> bits[]
        = {{S_IRUSR, QFileDevice::ReadOwner},  {S_IWUSR, QFileDevice::WriteOwner}, {S_IRGRP, QFileDevice::ReadGroup},
           {S_IWGRP, QFileDevice::WriteGroup}, {S_IROTH, QFileDevice::ReadOther},  {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto &[bit, permission] : bits) {
        if (!(mask & bit))
            permissions |= permission;
    }
    return permissions;
}

struct WorkbookFree
{
    void operator()(lxw_workbook *workbook) const { lxw_workbook_free(workbook); }
};

} // namespace

Result writeXlsx(const QString &path, ExportRows &rows, const Progress &progress, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return Result::Failed;
    };
    // The workbook is written beside the target under a passing name and
    // takes the target's name only when it is complete.
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteDir().filePath(u"."_s + target.fileName() + u"-XXXXXX"_s));
    if (!partial.open())
        return fail(partial.errorString());
    partial.close();
    const QByteArray partialName = QFile::encodeName(partial.fileName());

    // Row by row to the disk: a register of 100,000 members is not held in
    // memory a second time.
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    std::unique_ptr<lxw_workbook, WorkbookFree> workbook(workbook_new_opt(partialName.constData(), &options));
    if (!workbook)
        return fail(u"não foi possível criar a planilha"_s);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook.get(), nullptr);
    lxw_format *bold = workbook_add_format(workbook.get());
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(workbook.get());
    format_set_num_format(date, "dd/mm/yyyy");

    const QList<ExportColumn> columns = rows.columns();
    QList<int> widths(columns.size(), 0);
    lxw_error status = LXW_NO_ERROR;
    auto check = [&status](lxw_error result) {
        if (result != LXW_NO_ERROR && status == LXW_NO_ERROR)
            status = result;
    };
    for (qsizetype c = 0; c < columns.size(); ++c) {
        check(worksheet_write_string(sheet, 0, lxw_col_t(c), columns[c].title.toUtf8().constData(), bold));
        // Room for the filter's button beside a bold title.
        widths[c] = int(columns[c].title.size()) + 4;
    }
    const QDate excelEpoch(1899, 12, 30);
    const qsizetype count = rows.rowCount();
    for (qsizetype r = 0; r < count && status == LXW_NO_ERROR; ++r) {
        const QVariantList cells = rows.row(r);
        const auto row = lxw_row_t(r + 1);
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QVariant cell = cells.value(c);
            if (columns[c].kind == ExportColumn::Date) {
                const QDate day = cell.toDate();
                if (day.isValid()) {
                    check(worksheet_write_number(sheet, row, lxw_col_t(c), double(excelEpoch.daysTo(day)), date));
                    widths[c] = qMax(widths[c], 12);
                }
                continue;
            }
            const QString text = cell.toString();
            if (text.isEmpty())
                continue;
            check(worksheet_write_string(sheet, row, lxw_col_t(c), text.toUtf8().constData(), nullptr));
            widths[c] = qMax(widths[c], int(text.size()) + 2);
        }
        if (!keepGoing(progress, r + 1))
            return Result::Cancelled;
    }
    if (status != LXW_NO_ERROR)
        return fail(QString::fromUtf8(lxw_strerror(status)));
    for (qsizetype c = 0; c < columns.size(); ++c)
        check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), qMin(widths[c], 60), nullptr));
    worksheet_freeze_panes(sheet, 1, 0);
    check(worksheet_autofilter(sheet, 0, 0, lxw_row_t(count), lxw_col_t(qMax<qsizetype>(columns.size() - 1, 0))));
    status = workbook_close(workbook.release());
    if (status != LXW_NO_ERROR)
        return fail(QString::fromUtf8(lxw_strerror(status)));
    // The passing file was made private; the workbook gets the permissions
    // of the file it replaces, or those of any new file of the user's.
    QFile::setPermissions(partial.fileName(),
                          target.exists() ? QFile::permissions(target.absoluteFilePath()) : newFilePermissions());
    // rename() replaces an older file at the path in one step.
    if (std::rename(partialName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return fail(u"não foi possível gravar o arquivo"_s);
    return Result::Written;
}

QString askExportPath(QWidget *parent, const QString &baseName)
{
    const QString xlsx = u"Planilha do Excel (*.xlsx)"_s;
    const QString csv = u"CSV separado por ponto e vírgula (*.csv)"_s;
    QString chosen = xlsx;
    QString path = QFileDialog::getSaveFileName(parent, u"Exportar"_s, QDir::home().filePath(baseName + u".xlsx"_s),
                                                xlsx + u";;"_s + csv, &chosen);
    if (path.isEmpty())
        return path;
    // The extension follows the format chosen when the name has none of its own.
    const QString extension = chosen == csv ? u".csv"_s : u".xlsx"_s;
    if (!path.endsWith(u".csv"_s, Qt::CaseInsensitive) && !path.endsWith(u".xlsx"_s, Qt::CaseInsensitive))
        path += extension;
    return path;
}

bool exportTo(QWidget *parent, ExportRows &rows, const QString &path)
{
    const qsizetype count = rows.rowCount();
    QProgressDialog dialog(u"Exportando %1 linhas..."_s.arg(count), u"Cancelar"_s, 0, int(count), parent);
    dialog.setWindowTitle(u"Exportar"_s);
    dialog.setWindowModality(Qt::WindowModal);
    // Shown only when the export looks like taking longer than this.
    dialog.setMinimumDuration(500);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    const Progress progress = [&dialog, count](qsizetype done) {
        // Often enough for the bar and for Cancelar to answer at once.
        if (done % 64 == 0 || done == count)
            dialog.setValue(int(done));
        return !dialog.wasCanceled();
    };
    QString error;
    const Result result = formatOf(path) == Format::Xlsx ? writeXlsx(path, rows, progress, &error)
                                                         : writeCsv(path, rows, progress, &error);
    dialog.reset();
    if (result == Result::Failed)
        MessageDialog::error(u"Não foi possível exportar para %1: %2"_s.arg(QDir::toNativeSeparators(path), error));
    return result == Result::Written;
}

bool exportWithDialog(QWidget *parent, ExportRows &rows, const QString &baseName)
{
    const QString path = askExportPath(parent, baseName);
    return !path.isEmpty() && exportTo(parent, rows, path);
}

} // namespace TableExport
