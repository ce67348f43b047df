#include "TablePrint.h"

#include "MessageDialog.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TablePrint {

namespace {

QFont reportFont(int points, bool bold = false)
{
    QFont font(u"Sans Serif"_s);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

int render(QPrinter &printer, const PrintReport &report)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRect page = painter.viewport();
    const QFont titleFont = reportFont(12, true);
    const QFont subtitleFont = reportFont(8);
    const QFont headerFont = reportFont(8, true);
    const QFont bodyFont = reportFont(8);
    const int titleHeight = QFontMetrics(titleFont, &printer).height();
    const int subtitleHeight = QFontMetrics(subtitleFont, &printer).height();
    const int lineHeight = QFontMetrics(bodyFont, &printer).height() * 6 / 5;
    const int gap = lineHeight / 2;

    const int headerHeight = titleHeight + int(report.subtitle.size()) * subtitleHeight + gap + lineHeight + gap;
    const int footerHeight = lineHeight + gap;
    const int perPage = std::max(1, (page.height() - headerHeight - footerHeight) / lineHeight);
    const int rowCount = int(report.rows.size());
    const int pages = std::max(1, (rowCount + perPage - 1) / perPage);

    const int padding = lineHeight / 4;
    // Whole columns take their widest cell; the others share what is left.
    QList<int> width;
    int wholeWidth = 0;
    int totalShare = 0;
    {
        const QFontMetrics header(headerFont, &printer);
        const QFontMetrics body(bodyFont, &printer);
        for (qsizetype c = 0; c < report.columns.size(); ++c) {
            const auto &column = report.columns[c];
            int w = 0;
            if (column.whole) {
                w = header.horizontalAdvance(column.title);
                for (const QStringList &row : report.rows)
                    w = std::max(w, body.horizontalAdvance(row.value(c)));
                w += 2 * padding;
                wholeWidth += w;
            } else {
                totalShare += std::max(1, column.share);
            }
            width.append(w);
        }
    }
    const int shared = std::max(0, page.width() - wholeWidth);
    QList<int> left;
    int x = page.left();
    for (qsizetype c = 0; c < report.columns.size(); ++c) {
        if (!report.columns[c].whole)
            width[c] = shared * std::max(1, report.columns[c].share) / std::max(1, totalShare);
        left.append(x);
        x += width[c];
    }

    auto drawCells = [&](int y, const QStringList &cells) {
        const QFontMetrics metrics(painter.font(), &printer);
        for (int c = 0; c < report.columns.size(); ++c) {
            QString text = cells.value(c);
            text.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
            const QRect cell(left[c], y, width[c] - padding, lineHeight);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(text, Qt::ElideRight, cell.width()));
        }
    };

    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        int y = page.top();
        painter.setFont(titleFont);
        painter.drawText(QRect(page.left(), y, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         report.title);
        y += titleHeight;
        painter.setFont(subtitleFont);
        for (const QString &line : report.subtitle) {
            painter.drawText(QRect(page.left(), y, page.width(), subtitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             line);
            y += subtitleHeight;
        }
        y += gap;
        painter.setFont(headerFont);
        QStringList titles;
        for (const auto &column : report.columns)
            titles.append(column.title);
        drawCells(y, titles);
        y += lineHeight;
        painter.drawLine(page.left(), y, page.right(), y);
        y += gap;

        painter.setFont(bodyFont);
        const int first = p * perPage;
        const int last = std::min(rowCount, first + perPage);
        for (int r = first; r < last; ++r) {
            drawCells(y, report.rows[r]);
            y += lineHeight;
        }

        const int footerTop = page.bottom() - lineHeight;
        painter.drawLine(page.left(), footerTop - gap / 2, page.right(), footerTop - gap / 2);
        painter.drawText(QRect(page.left(), footerTop, page.width(), lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         u"Página %1 de %2"_s.arg(p + 1).arg(pages));
    }
    painter.end();
    return pages;
}

namespace {

void preparePrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

} // namespace

bool saveAsPdf(const QString &path, const PrintReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(report.title);
    return render(printer, report) > 0 && QFileInfo::exists(path);
}

void printWithPreview(QWidget *parent, const PrintReport &report, const QString &baseName)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    printer.setDocName(report.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"Imprimir"_s);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter *target) { render(*target, report); });
    if (auto *toolBar = preview.findChild<QToolBar *>()) {
        toolBar->addSeparator();
        QAction *pdf = toolBar->addAction(u"Salvar como PDF"_s);
        pdf->setObjectName(u"actSalvarPdf"_s);
        QObject::connect(pdf, &QAction::triggered, &preview, [&preview, &report, &baseName] {
            QString path
                = QFileDialog::getSaveFileName(&preview, u"Salvar como PDF"_s,
                                               QDir::home().filePath(baseName + u".pdf"_s), u"Documento PDF (*.pdf)"_s);
            if (path.isEmpty())
                return;
            if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
                path += u".pdf"_s;
            if (!saveAsPdf(path, report))
                MessageDialog::error(u"Não foi possível gravar %1."_s.arg(QDir::toNativeSeparators(path)));
        });
    }
    preview.exec();
}

} // namespace TablePrint
