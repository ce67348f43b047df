#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// A printed list: a title and lines under it on every page (who, when, which
// search), the columns with their share of the page's width, and one line
// per row; each page ends with "Página x de y".
struct PrintReport
{
    struct Column
    {
        QString title;
        int share = 1;
        // Printed whole, as wide as its widest cell (a document, a city with
        // its state): the other columns share what is left.
        bool whole = false;
    };
    QString title;
    QStringList subtitle;
    QList<Column> columns;
    QList<QStringList> rows;
};

namespace TablePrint {

// Draws `report` on `printer`, page after page; answers the number of pages.
// A cell too long for its column is cut with "…" (never one of a whole
// column), a line break in it printed as a space. The page is A4 landscape.
int render(QPrinter &printer, const PrintReport &report);

// Writes `report` as a PDF file at `path`; false when it cannot be written.
bool saveAsPdf(const QString &path, const PrintReport &report);

// The print preview with the system print dialog behind its print button,
// and a "Salvar como PDF" button that asks for a file.
void printWithPreview(QWidget *parent, const PrintReport &report, const QString &baseName);

} // namespace TablePrint
