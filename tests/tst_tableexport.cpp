// The export of a list to CSV and XLSX and its printing to PDF, without a
// database: the files are read back with tools of their own (an RFC 4180
// parser, the sheet XML out of the zip, pdftotext) and compared cell by cell.

#include "ExportReading.h"
#include "MessageDialogHook.h"
#include "ModalAnswer.h"
#include "TableExport.h"
#include "TablePrint.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class FixedRows : public ExportRows
{
public:
    FixedRows(QList<ExportColumn> columns, QList<QVariantList> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows))
    {
    }
    QList<ExportColumn> columns() const override { return m_columns; }
    qsizetype rowCount() const override { return m_rows.size(); }
    QVariantList row(qsizetype index) override { return m_rows.at(index); }

private:
    QList<ExportColumn> m_columns;
    QList<QVariantList> m_rows;
};

// Many rows, each taking a little time, as a register read from the database.
class SlowRows : public ExportRows
{
public:
    explicit SlowRows(qsizetype count) : m_count(count) { }
    QList<ExportColumn> columns() const override { return {{u"Nome"_s}, {u"Data"_s, ExportColumn::Date}}; }
    qsizetype rowCount() const override { return m_count; }
    QVariantList row(qsizetype index) override
    {
        QThread::usleep(20);
        return {u"ASSOCIADO %1"_s.arg(index), QDate(2024, 1, 1)};
    }

private:
    qsizetype m_count;
};

const QString awkwardName = u"LOJA \"BOA\"; VIDA\nLTDA"_s;

FixedRows awkwardRows()
{
    return FixedRows({{u"Nome"_s},
                      {u"Documento"_s},
                      {u"CEP"_s},
                      {u"Cidade"_s},
                      {u"Data de cadastro"_s, ExportColumn::Date},
                      {u"Telefones"_s}},
                     {{awkwardName, u"12.ABC.345/01DE-35"_s, u"01310100"_s, u"SÃO PAULO"_s, QDate(2024, 5, 17),
                       u"(11) 32220001 (JOSÉ) / (11) 32220002"_s},
                      {u"AÇAÍ & CIA 🍇"_s, u"00123456000191"_s, u"04567000"_s, QString(), QDate(), u"😀"_s},
                      {QString(), QString(), QString(), QString(), QDate(), QString()}});
}

// What the CSV holds for awkwardRows(), title row first.
QList<QStringList> awkwardTexts()
{
    return {{u"Nome"_s, u"Documento"_s, u"CEP"_s, u"Cidade"_s, u"Data de cadastro"_s, u"Telefones"_s},
            {awkwardName, u"12.ABC.345/01DE-35"_s, u"01310100"_s, u"SÃO PAULO"_s, u"17/05/2024"_s,
             u"(11) 32220001 (JOSÉ) / (11) 32220002"_s},
            {u"AÇAÍ & CIA 🍇"_s, u"00123456000191"_s, u"04567000"_s, QString(), QString(), u"😀"_s},
            {QString(), QString(), QString(), QString(), QString(), QString()}};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_TableExport : public QObject
{
    Q_OBJECT

private slots:
    void csvRoundTrip();
    void xlsxRoundTrip();
    void writtenFileHasTheUsersPermissions_data();
    void writtenFileHasTheUsersPermissions();
    void cancelLeavesNoFile_data();
    void cancelLeavesNoFile();
    void shortExportShowsNoProgress();
    void failureIsTold_data();
    void failureIsTold();
    void printedPages_data();
    void printedPages();
};

void tst_TableExport::csvRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lista.csv"_s);
    FixedRows rows = awkwardRows();
    QCOMPARE(TableExport::writeCsv(path, rows), TableExport::Result::Written);

    const QByteArray bytes = readAll(path);
    QVERIFY2(bytes.startsWith("\xEF\xBB\xBF"), "UTF-8 byte-order mark");
    QVERIFY(bytes.endsWith("\r\n"));
    // Every record ends with CRLF; the only bare LF is the one inside the quoted name.
    QCOMPARE(bytes.count("\r\n"), qsizetype(4));
    QCOMPARE(bytes.count('\n'), qsizetype(5));

    bool ok = false;
    const QList<QStringList> records = ExportReading::parseCsv(QString::fromUtf8(bytes.mid(3)), &ok);
    QVERIFY2(ok, "the file follows the CSV quoting rules");
    QCOMPARE(records, awkwardTexts());
}

void tst_TableExport::xlsxRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lista.xlsx"_s);
    FixedRows rows = awkwardRows();
    QString error;
    QCOMPARE(TableExport::writeXlsx(path, rows, {}, &error), TableExport::Result::Written);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // Only the workbook is left in the folder: no passing file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"lista.xlsx"_s});

    const QByteArray sheet = ExportReading::zipMember(path, u"xl/worksheets/sheet1.xml"_s);
    QVERIFY2(!sheet.isEmpty(), "the workbook has a sheet (python3 zipfile)");
    const auto cells = ExportReading::sheetCells(sheet, ExportReading::zipMember(path, u"xl/sharedStrings.xml"_s));
    const QList<QStringList> texts = awkwardTexts();
    const QString letters = u"ABCDEF"_s;
    for (int r = 0; r < texts.size(); ++r) {
        for (int c = 0; c < texts[r].size(); ++c) {
            const QString ref = letters[c] + QString::number(r + 1);
            const QString expected = texts[r][c];
            if (c == 4 && r > 0) {
                // Dates are numbers (days since 30/12/1899) shown through a date format.
                if (expected.isEmpty()) {
                    QVERIFY2(!cells.contains(ref), qPrintable(ref));
                } else {
                    QVERIFY2(cells.contains(ref), qPrintable(ref));
                    QCOMPARE(cells[ref].type, u"n"_s);
                    QCOMPARE(cells[ref].value, QString::number(QDate(1899, 12, 30).daysTo(QDate(2024, 5, 17))));
                    QVERIFY(cells[ref].style != 0);
                }
                continue;
            }
            if (expected.isEmpty()) {
                QVERIFY2(!cells.contains(ref), qPrintable(ref));
                continue;
            }
            QVERIFY2(cells.contains(ref), qPrintable(ref));
            // Documents and CEPs too: text, so leading zeros and letters stay.
            QVERIFY2(cells[ref].type == u"inlineStr" || cells[ref].type == u"s" || cells[ref].type == u"str",
                     qPrintable(ref + u": "_s + cells[ref].type));
            QCOMPARE(cells[ref].value, expected);
        }
    }
    // The title row: bold, frozen, with the filter over the whole table.
    const int titleStyle = cells[u"A1"_s].style;
    QVERIFY(titleStyle != 0);
    QVERIFY(titleStyle != cells[u"E2"_s].style);
    QVERIFY(sheet.contains("ySplit=\"1\""));
    QVERIFY(sheet.contains("state=\"frozen\""));
    QVERIFY(sheet.contains("<autoFilter ref=\"A1:F4\""));
    QVERIFY(sheet.contains("<col "));
    const QByteArray styles = ExportReading::zipMember(path, u"xl/styles.xml"_s);
    QVERIFY(styles.contains("formatCode=\"dd/mm/yyyy\""));
    QVERIFY(styles.contains("<b/>"));
}

void tst_TableExport::writtenFileHasTheUsersPermissions_data()
{
    QTest::addColumn<bool>("xlsx");
    QTest::newRow("csv") << false;
    QTest::newRow("xlsx") << true;
}

// A workbook put in a shared folder is read by the colleagues the user's
// umask lets read it, as any file the user saves; the passing file it is
// built in is private, and that must not stay on the result.
void tst_TableExport::writtenFileHasTheUsersPermissions()
{
    QFETCH(bool, xlsx);
    QTemporaryDir dir;
    const QString path = dir.filePath(xlsx ? u"lista.xlsx"_s : u"lista.csv"_s);
    const mode_t previous = ::umask(022);
    FixedRows rows = awkwardRows();
    const auto result = xlsx ? TableExport::writeXlsx(path, rows) : TableExport::writeCsv(path, rows);
    ::umask(previous);
    QCOMPARE(result, TableExport::Result::Written);
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                  | QFileDevice::ReadOther));
    QVERIFY(!(permissions & (QFileDevice::WriteGroup | QFileDevice::WriteOther)));
}

void tst_TableExport::cancelLeavesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("older");
    QTest::newRow("csv") << u"lista.csv"_s << false;
    QTest::newRow("xlsx") << u"lista.xlsx"_s << false;
    QTest::newRow("csv over an older file") << u"lista.csv"_s << true;
    QTest::newRow("xlsx over an older file") << u"lista.xlsx"_s << true;
}

void tst_TableExport::cancelLeavesNoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, older);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (older) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("older");
    }
    QWidget window;
    window.show();
    SlowRows rows(100000);
    qsizetype shownAt = -1;
    ModalAnswer cancel([&](QDialog *dialog) {
        auto *progress = qobject_cast<QProgressDialog *>(dialog);
        QVERIFY(progress);
        shownAt = progress->value();
        QPushButton *button = nullptr;
        for (auto *candidate : progress->findChildren<QPushButton *>()) {
            if (candidate->text() == u"Cancelar")
                button = candidate;
        }
        QVERIFY2(button, "the progress dialog has Cancelar");
        QTest::mouseClick(button, Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!TableExport::exportTo(&window, rows, path));
    QVERIFY(cancel.answered());
    QVERIFY2(shownAt > 0 && shownAt < 100000, "shown while the rows are written");
    // 100,000 rows take two seconds here; the export stopped well before.
    QVERIFY(clock.elapsed() < 1900);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (older) {
        QCOMPARE(left, QStringList{name});
        QCOMPARE(readAll(path), QByteArray("older"));
    } else {
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u", "_s)));
    }
}

void tst_TableExport::shortExportShowsNoProgress()
{
    QTemporaryDir dir;
    FixedRows rows = awkwardRows();
    bool seen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout,
                     [&] { seen |= qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()) != nullptr; });
    watch.start(1);
    QVERIFY(TableExport::exportTo(nullptr, rows, dir.filePath(u"lista.xlsx"_s)));
    QVERIFY(TableExport::exportTo(nullptr, rows, dir.filePath(u"lista.csv"_s)));
    QVERIFY(!seen);
    for (const char *name : {"lista.xlsx", "lista.csv"}) {
        const QString file = dir.filePath(QLatin1StringView(name));
        QVERIFY2(QFileInfo(file).size() > 0, name);
    }
}

void tst_TableExport::failureIsTold_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("csv") << u"lista.csv"_s;
    QTest::newRow("xlsx") << u"lista.xlsx"_s;
}

void tst_TableExport::failureIsTold()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"falta/"_s + name);
    MessageDialogHook messages;
    FixedRows rows = awkwardRows();
    QVERIFY(!TableExport::exportTo(nullptr, rows, path));
    QCOMPARE(messages.shown.size(), qsizetype(1));
    QCOMPARE(messages.shown[0].kind, MessageDialog::Kind::Error);
    QVERIFY2(messages.shown[0].text.startsWith(u"Não foi possível exportar para "_s + QDir::toNativeSeparators(path)),
             qPrintable(messages.shown[0].text));
    QVERIFY(!QFileInfo::exists(path));
}

void tst_TableExport::printedPages_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("120") << 120;
}

void tst_TableExport::printedPages()
{
    QFETCH(int, count);
    PrintReport report;
    report.title = u"ASSOCIAÇÃO COMERCIAL"_s;
    report.subtitle = {u"Cadastro de associados - 10/12/2026 14:00"_s, u"Pesquisa: todos os associados"_s};
    report.columns = {{u"Nome"_s, 6}, {u"Documento"_s, 3}, {u"Endereço"_s, 7}, {u"Cidade/UF"_s, 4}, {u"Telefone"_s, 4}};
    for (int i = 1; i <= count; ++i)
        report.rows.append({u"ASSOCIADO %1"_s.arg(i, 3, 10, QChar(u'0')), u"12.345.678/0001-95"_s,
                            u"RUA DAS FLORES, 12\nCENTRO"_s, u"SÃO PAULO/SP"_s, u"(11) 32220001"_s});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"lista.pdf"_s);
    QVERIFY(TablePrint::saveAsPdf(pdf, report));
    const int pages = ExportReading::pdfPages(pdf);
    QVERIFY2(pages >= 1, "pdfinfo reads the file");
    const QString text = ExportReading::poppler(u"pdftotext"_s, pdf);
    QVERIFY(text.contains(u"ASSOCIAÇÃO COMERCIAL"_s));
    QVERIFY(text.contains(u"Pesquisa: todos os associados"_s));
    QVERIFY(text.contains(u"Página 1 de %1"_s.arg(pages)));
    QVERIFY(text.contains(u"Página %1 de %1"_s.arg(pages)));
    QVERIFY(!text.contains(u"Página %1 de"_s.arg(pages + 1)));
    if (count == 120) {
        QVERIFY2(pages > 1, "120 members take more than a page");
        // Every member printed once, in order, the line break as a space.
        qsizetype at = 0;
        for (int i = 1; i <= count; ++i) {
            const QString name = u"ASSOCIADO %1"_s.arg(i, 3, 10, QChar(u'0'));
            const qsizetype found = text.indexOf(name, at);
            QVERIFY2(found >= 0, qPrintable(name));
            at = found + name.size();
        }
        QVERIFY(text.contains(u"RUA DAS FLORES, 12 CENTRO"_s));
    }
}

QTEST_MAIN(tst_TableExport)
#include "tst_tableexport.moc"
