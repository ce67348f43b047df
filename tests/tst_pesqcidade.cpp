// The city search against a real city register: F2 with a fragment of the
// name, walking the result with the arrows without leaving the search text,
// "OK" only with rows, and the rows kept from one opening to the next.

#include "Controls.h"
#include "DataModules.h"
#include "KeyTyping.h"
#include "MessageRecorder.h"
#include "uDM.h"
#include "uDMds.h"
#include "uPesqCidade.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// Names compare without regard to case or accents.
const char fixture[] = R"(
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3550308', 'SÃO PAULO', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3548906', 'SÃO CARLOS', 'SP');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('1303908', 'SÃO PAULO DE OLIVENÇA', 'AM');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3304557', 'RIO DE JANEIRO', 'RJ');
insert into CIDADE (CID_A_COD, CID_A_DSC, CID_A_UF) values ('3106200', 'BELO HORIZONTE', 'MG');
)";

} // namespace

class tst_PesqCidade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void layout();
    void searchByFragment_data();
    void searchByFragment();
    void arrowsWalkTheResultFromTheSearchText();
    void okOnlyWithRows();
    void enterConfirmsTheCurrentRow();
    void rowsKeptBetweenTwoOpenings();

private:
    void open();
    void search(const QString &text);
    QStringList codes() const;
    QString currentCode() const { return DMds->cdsPesqCidade->text(u"CID_A_COD"); }

    QLineEdit *edtPesq() const { return child(m_dialog.get(), "edtPesq"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(m_dialog.get(), name); }
    QTableView *grid() const { return child<QTableView>(m_dialog.get(), "grdPes"); }

    std::unique_ptr<DataModules> m_modules;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TfrmPesqCidade> m_dialog;
};

void tst_PesqCidade::initTestCase()
{
    m_modules = std::make_unique<DataModules>(QString::fromUtf8(fixture), DataModules::WithPresentation);
    QVERIFY2(m_modules->isValid(), qPrintable(m_modules->error()));
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_PesqCidade::cleanupTestCase()
{
    m_messages.reset();
    m_modules.reset();
}

void tst_PesqCidade::init()
{
    DMds->cdsPesqCidade->empty();
    open();
}

void tst_PesqCidade::cleanup()
{
    m_dialog.reset();
    // No search here may fail.
    QCOMPARE(m_messages->texts(), QStringList());
}

void tst_PesqCidade::open()
{
    m_dialog = std::make_unique<TfrmPesqCidade>();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void tst_PesqCidade::search(const QString &text)
{
    edtPesq()->setFocus();
    edtPesq()->selectAll();
    typeText(edtPesq(), text);
    QTest::keyClick(edtPesq(), Qt::Key_F2);
}

QStringList tst_PesqCidade::codes() const
{
    QStringList result;
    const MemTable *table = DMds->cdsPesqCidade;
    for (int row = 0; row < table->recordCount(); ++row)
        result << table->value(row, 0).toString();
    return result;
}

void tst_PesqCidade::layout()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Pesquisa Cidade"));
    QCOMPARE(m_dialog->size(), QSize(426, 325));
    QCOMPARE(grid()->size(), QSize(410, 235));
    QCOMPARE(edtPesq()->width(), 318);
    QCOMPARE(button("btnPesq")->text(), QStringLiteral("[F2] Pesquisar"));
    QCOMPARE(button("btnOK")->size(), QSize(75, 25));
    QVERIFY(button("btnOK")->isDefault());
    QCOMPARE(button("btnCancela")->text(), QStringLiteral("Cancela"));
    const QStringList titles{QStringLiteral("Cód. IBGE"), QStringLiteral("Cidade"), QStringLiteral("UF")};
    for (int column = 0; column < 3; ++column)
        QCOMPARE(grid()->model()->headerData(column, Qt::Horizontal).toString(), titles.at(column));
    // The name column is wider than the code, the code than the state.
    QVERIFY(grid()->columnWidth(1) > grid()->columnWidth(0));
    QVERIFY(grid()->columnWidth(0) > grid()->columnWidth(2));

    // Tab order: search text, search button, "OK", "Cancela", grid.
    search(QStringLiteral("RIO"));
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{QStringLiteral("edtPesq"), QStringLiteral("btnPesq"), QStringLiteral("btnOK"),
                                 QStringLiteral("btnCancela"), QStringLiteral("grdPes")}));
}

void tst_PesqCidade::searchByFragment_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("fragment, lower case and without accents")
        << QStringLiteral("sao paulo") << QStringLiteral("SAO PAULO")
        << QStringList{QStringLiteral("3550308"), QStringLiteral("1303908")};
    QTest::newRow("inner fragment") << QStringLiteral("de") << QStringLiteral("DE")
                                    << QStringList{QStringLiteral("1303908"), QStringLiteral("3304557")};
    QTest::newRow("blanks around are trimmed")
        << QStringLiteral("  carlos ") << QStringLiteral("  CARLOS ") << QStringList{QStringLiteral("3548906")};
    QTest::newRow("no match") << QStringLiteral("XYZ") << QStringLiteral("XYZ") << QStringList();
}

void tst_PesqCidade::searchByFragment()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, found);

    search(typed);
    QCOMPARE(edtPesq()->text(), shown);
    QStringList sortedCodes = codes();
    sortedCodes.sort();
    found.sort();
    QCOMPARE(sortedCodes, found);
    QCOMPARE(grid()->model()->rowCount(), int(found.size()));
    QCOMPARE(button("btnOK")->isEnabled(), !found.isEmpty());
    // The search button does the same as F2.
    DMds->cdsPesqCidade->empty();
    QTest::mouseClick(button("btnPesq"), Qt::LeftButton);
    QCOMPARE(DMds->cdsPesqCidade->recordCount(), int(found.size()));
}

void tst_PesqCidade::arrowsWalkTheResultFromTheSearchText()
{
    search(QStringLiteral("SÃO"));
    const QStringList rows = codes();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(currentCode(), rows.at(0));

    // Up on the first row does nothing.
    QTest::keyClick(edtPesq(), Qt::Key_Up);
    QCOMPARE(currentCode(), rows.at(0));
    QTest::keyClick(edtPesq(), Qt::Key_Down);
    QCOMPARE(currentCode(), rows.at(1));
    QCOMPARE(grid()->currentIndex().row(), 1);
    QTest::keyClick(edtPesq(), Qt::Key_Down);
    QCOMPARE(currentCode(), rows.at(2));
    // Down on the last row does nothing.
    QTest::keyClick(edtPesq(), Qt::Key_Down);
    QCOMPARE(currentCode(), rows.at(2));
    QTest::keyClick(edtPesq(), Qt::Key_Up);
    QCOMPARE(currentCode(), rows.at(1));
    QCOMPARE(grid()->currentIndex().row(), 1);
    // The focus never left the search text.
    QCOMPARE(QApplication::focusWidget(), edtPesq());

    // Clicking a row of the grid moves the table too.
    const QModelIndex first = grid()->model()->index(0, 1);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(first).center());
    QCOMPARE(currentCode(), rows.at(0));
}

void tst_PesqCidade::okOnlyWithRows()
{
    QVERIFY(!button("btnOK")->isEnabled());
    search(QStringLiteral("RIO"));
    QVERIFY(button("btnOK")->isEnabled());
    search(QStringLiteral("NENHUMA"));
    QCOMPARE(DMds->cdsPesqCidade->recordCount(), 0);
    QVERIFY(!button("btnOK")->isEnabled());
    // Enter with "OK" disabled does not close the dialog.
    QTest::keyClick(edtPesq(), Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
}

void tst_PesqCidade::enterConfirmsTheCurrentRow()
{
    search(QStringLiteral("SÃO"));
    QTest::keyClick(edtPesq(), Qt::Key_Down);
    const QString chosen = codes().at(1);
    QTest::keyClick(edtPesq(), Qt::Key_Return);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(currentCode(), chosen);

    open();
    QTest::keyClick(edtPesq(), Qt::Key_Escape);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
}

void tst_PesqCidade::rowsKeptBetweenTwoOpenings()
{
    search(QStringLiteral("BELO"));
    m_dialog->reject();
    open();
    // A fresh dialog: empty search text, the rows of the last search.
    QVERIFY(edtPesq()->text().isEmpty());
    QCOMPARE(codes(), QStringList{QStringLiteral("3106200")});
    QCOMPARE(grid()->model()->rowCount(), 1);
    QVERIFY(button("btnOK")->isEnabled());
}

QTEST_MAIN(tst_PesqCidade)
#include "tst_pesqcidade.moc"
