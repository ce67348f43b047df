// The in-memory table: states, cursor, events and its face as a table model.

#include "MemTable.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Column = MemTable::Column;

// A small table of the shape the screens use: a required key, texts, a mark.
std::unique_ptr<MemTable> makeTable()
{
    return std::make_unique<MemTable>(QList<Column>{Column::integer(u"COD"_s, true), Column::text(u"NOME"_s, 10),
                                                    Column::boolean(u"MARCA"_s), Column::dateTime(u"DATA"_s),
                                                    Column::number(u"VALOR"_s)});
}

void addRow(MemTable &table, qint32 cod, const QString &nome)
{
    table.append();
    table.setInteger(u"COD", cod);
    table.setText(u"NOME", nome);
    table.post();
}

// Rows A(1), B(2), C(3), cursor on the first.
std::unique_ptr<MemTable> abc()
{
    auto table = makeTable();
    addRow(*table, 1, u"A"_s);
    addRow(*table, 2, u"B"_s);
    addRow(*table, 3, u"C"_s);
    table->first();
    return table;
}

QStringList names(const MemTable &table)
{
    QStringList result;
    for (int row = 0; row < table.recordCount(); ++row)
        result << table.value(row, 1).toString();
    return result;
}

} // namespace

class tst_MemTable : public QObject
{
    Q_OBJECT

private slots:
    void emptyTableHasNoCurrentRow();
    void cursorWalk();
    void appendAndInsertStartNewRowsInInsertState();
    void cancelOfNewRowReturnsToPreviousRow_data();
    void cancelOfNewRowReturnsToPreviousRow();
    void editCancelRestoresTheRow();
    void pendingRowIsCompletedByCursorMove_data();
    void pendingRowIsCompletedByCursorMove();
    void setCurrentRowPastDroppedNewRow();
    void writingTheSameValueIsNoChange_data();
    void writingTheSameValueIsNoChange();
    void cancelledNewRowWhileAViewMovesItsCursor();
    void requiredColumnIsCheckedAfterBeforePost();
    void beforeDeleteCanVetoSilently();
    void deleteOfNewRowOnlyDropsIt();
    void deleteOnEmptyTableFails();
    void emptyRemovesAllRowsWithoutEvents();
    void writesNeedEditState();
    void overlongTextIsRefusedNotCut();
    void nullReadsAsEmptyValues();
    void conversionsBetweenTypes();
    void setDataEditsTheRowLikeAGrid();
    void setDataRefusalIsReported();
    void notificationsAfterEachOperation();
    void bulkLoadNotifiesOnce();
    void rolesHeaderAndMask();
    void columnsAreFoundWithoutRegardToCase_data();
    void columnsAreFoundWithoutRegardToCase();
    void modelTesterAcceptsEveryOperation();
};

void tst_MemTable::emptyTableHasNoCurrentRow()
{
    auto table = makeTable();
    QCOMPARE(table->recordCount(), 0);
    QCOMPARE(table->currentRow(), -1);
    QVERIFY(table->bof());
    QVERIFY(table->eof());
    QCOMPARE(table->state(), MemTable::State::Browse);
    table->first();
    table->next();
    table->prior();
    table->last();
    QCOMPARE(table->currentRow(), -1);
    QVERIFY(table->eof());
    // Reads without a row are the null values, not an error.
    QCOMPARE(table->integer(u"cod"), 0);
    QCOMPARE(table->text(u"nome"), QString());
}

void tst_MemTable::cursorWalk()
{
    auto table = abc();
    QCOMPARE(table->currentRow(), 0);
    QVERIFY(table->bof());
    QVERIFY(!table->eof());

    // The usual loop visits every row once and stops on the last.
    QStringList seen;
    while (!table->eof()) {
        seen << table->text(u"NOME");
        table->next();
    }
    QCOMPARE(seen, QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(table->currentRow(), 2);

    table->prior();
    QCOMPARE(table->currentRow(), 1);
    QVERIFY(!table->eof());
    table->prior();
    table->prior();
    QCOMPARE(table->currentRow(), 0);
    QVERIFY(table->bof());

    table->last();
    QCOMPARE(table->currentRow(), 2);
    QVERIFY(table->eof());

    table->setCurrentRow(1);
    QCOMPARE(table->text(u"NOME"), u"B"_s);
    QVERIFY(!table->eof() && !table->bof());
    table->setCurrentRow(7); // out of range: ignored
    QCOMPARE(table->currentRow(), 1);
}

void tst_MemTable::appendAndInsertStartNewRowsInInsertState()
{
    auto table = abc();
    int afterInsertCalls = 0;
    table->setAfterInsert([&](MemTable &t) {
        ++afterInsertCalls;
        t.setBoolean(u"MARCA", true);
    });

    table->setCurrentRow(1);
    table->insert();
    QCOMPARE(table->state(), MemTable::State::Insert);
    QCOMPARE(table->currentRow(), 1); // before B
    QCOMPARE(table->recordCount(), 4);
    QVERIFY(table->boolean(u"MARCA"));
    QVERIFY(!table->isModified()); // the handler's defaults are not a change
    table->setInteger(u"COD", 9);
    table->setText(u"NOME", u"X"_s);
    table->post();
    QCOMPARE(table->state(), MemTable::State::Browse);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(names(*table), QStringList({u"A"_s, u"X"_s, u"B"_s, u"C"_s}));

    table->append();
    QCOMPARE(table->currentRow(), 4);
    QCOMPARE(table->state(), MemTable::State::Insert);
    QCOMPARE(afterInsertCalls, 2);

    // Insert on an empty table gives its first row.
    auto empty = makeTable();
    empty->insert();
    QCOMPARE(empty->currentRow(), 0);
    QCOMPARE(empty->recordCount(), 1);
}

void tst_MemTable::cancelOfNewRowReturnsToPreviousRow_data()
{
    QTest::addColumn<bool>("append");
    QTest::addColumn<int>("startRow");

    QTest::newRow("append from first") << true << 0;
    QTest::newRow("append from last") << true << 2;
    QTest::newRow("insert before first") << false << 0;
    QTest::newRow("insert before middle") << false << 1;
}

void tst_MemTable::cancelOfNewRowReturnsToPreviousRow()
{
    QFETCH(bool, append);
    QFETCH(int, startRow);

    auto table = abc();
    table->setCurrentRow(startRow);
    const QString before = table->text(u"NOME");
    append ? table->append() : table->insert();
    table->setText(u"NOME", u"X"_s);
    table->cancel();
    QCOMPARE(table->state(), MemTable::State::Browse);
    QCOMPARE(names(*table), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(table->currentRow(), startRow);
    QCOMPARE(table->text(u"NOME"), before);
}

void tst_MemTable::editCancelRestoresTheRow()
{
    auto table = abc();
    table->next();
    table->edit();
    QCOMPARE(table->state(), MemTable::State::Edit);
    table->setText(u"NOME", u"MUDOU"_s);
    table->setNull(u"COD");
    table->cancel();
    QCOMPARE(table->state(), MemTable::State::Browse);
    QCOMPARE(table->text(u"NOME"), u"B"_s);
    QCOMPARE(table->integer(u"COD"), 2);

    table->edit();
    table->setText(u"NOME", u"NOVO"_s);
    table->post();
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(names(*table), QStringList({u"A"_s, u"NOVO"_s, u"C"_s}));
}

void tst_MemTable::pendingRowIsCompletedByCursorMove_data()
{
    QTest::addColumn<QString>("pending"); // edit or insert
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("expectedRow");

    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    const QStringList edited{u"A"_s, u"Z"_s, u"C"_s};
    const QStringList inserted{u"A"_s, u"Z"_s, u"B"_s, u"C"_s};

    // The pending row is B (edit) or a new row before B (insert); cursor on it.
    QTest::newRow("changed edit, next") << u"edit"_s << true << u"next"_s << edited << 2;
    QTest::newRow("changed edit, prior") << u"edit"_s << true << u"prior"_s << edited << 0;
    QTest::newRow("changed edit, first") << u"edit"_s << true << u"first"_s << edited << 0;
    QTest::newRow("changed edit, last") << u"edit"_s << true << u"last"_s << edited << 2;
    QTest::newRow("changed edit, select") << u"edit"_s << true << u"select2"_s << edited << 2;
    QTest::newRow("untouched edit, next") << u"edit"_s << false << u"next"_s << abc << 2;
    QTest::newRow("changed new row, next") << u"insert"_s << true << u"next"_s << inserted << 2;
    QTest::newRow("changed new row, last") << u"insert"_s << true << u"last"_s << inserted << 3;
    QTest::newRow("changed new row, select") << u"insert"_s << true << u"select2"_s << inserted << 2;
    // An untouched new row disappears, and the move starts from B.
    QTest::newRow("untouched new row, next") << u"insert"_s << false << u"next"_s << abc << 2;
    QTest::newRow("untouched new row, prior") << u"insert"_s << false << u"prior"_s << abc << 0;
    QTest::newRow("untouched new row, first") << u"insert"_s << false << u"first"_s << abc << 0;
    QTest::newRow("untouched new row, last") << u"insert"_s << false << u"last"_s << abc << 2;
}

void tst_MemTable::pendingRowIsCompletedByCursorMove()
{
    QFETCH(QString, pending);
    QFETCH(bool, changed);
    QFETCH(QString, move);
    QFETCH(QStringList, expected);
    QFETCH(int, expectedRow);

    auto table = abc();
    // Defaults set on a new row must not make it "changed".
    table->setAfterInsert([](MemTable &t) { t.setInteger(u"COD", 99); });
    table->setCurrentRow(1);
    if (pending == u"edit")
        table->edit();
    else
        table->insert();
    if (changed)
        table->setText(u"NOME", u"Z"_s);

    if (move == u"next")
        table->next();
    else if (move == u"prior")
        table->prior();
    else if (move == u"first")
        table->first();
    else if (move == u"last")
        table->last();
    else
        table->setCurrentRow(2);

    QCOMPARE(table->state(), MemTable::State::Browse);
    QCOMPARE(names(*table), expected);
    QCOMPARE(table->currentRow(), expectedRow);
}

void tst_MemTable::writingTheSameValueIsNoChange_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("dropped");

    // A grid's cell editor opened and left hands back an empty text.
    QTest::newRow("empty text") << QVariant(QString()) << true;
    QTest::newRow("null") << QVariant() << true;
    QTest::newRow("the after-insert default again") << QVariant(99) << true;
    QTest::newRow("a text") << QVariant(u"Z"_s) << false;
    QTest::newRow("a blank") << QVariant(u" "_s) << false;
}

// A new row nobody typed into is dropped when the cursor moves on, also when
// values equal to what it holds were written into it.
void tst_MemTable::writingTheSameValueIsNoChange()
{
    QFETCH(QVariant, value);
    QFETCH(bool, dropped);

    auto table = abc();
    table->setAfterInsert([](MemTable &t) { t.setInteger(u"COD", 99); });
    table->setCurrentRow(1);
    table->insert();
    const int column = table->fieldIndex(value.typeId() == QMetaType::Int ? u"COD" : u"NOME");
    QVERIFY(table->setData(table->index(1, column), value));
    QCOMPARE(table->isModified(), !dropped);
    table->next();
    QCOMPARE(table->recordCount(), dropped ? 3 : 4);
    QCOMPARE(table->state(), MemTable::State::Browse);
}

void tst_MemTable::cancelledNewRowWhileAViewMovesItsCursor()
{
    // A grid moves its current index off a row that goes and makes the next
    // row current: the new row is gone once, and no other row with it.
    auto table = abc();
    connect(table.get(), &QAbstractItemModel::rowsAboutToBeRemoved, table.get(),
            [&table](const QModelIndex &, int first) {
                if (first + 1 < table->rowCount())
                    table->setCurrentRow(first + 1);
            });
    table->setCurrentRow(1);
    table->insert();
    QCOMPARE(table->recordCount(), 4);
    table->cancel();
    QCOMPARE(names(*table), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(table->state(), MemTable::State::Browse);
}

void tst_MemTable::setCurrentRowPastDroppedNewRow()
{
    // Selecting C while an untouched new row sits above it must land on C,
    // whose index drops by one when the new row goes.
    auto table = abc();
    table->insert(); // before A
    QCOMPARE(table->recordCount(), 4);
    table->setCurrentRow(3);
    QCOMPARE(table->recordCount(), 3);
    QCOMPARE(table->text(u"NOME"), u"C"_s);
}

void tst_MemTable::requiredColumnIsCheckedAfterBeforePost()
{
    auto table = makeTable();
    table->append();
    table->setText(u"NOME", u"SEM CHAVE"_s);
    try {
        table->post();
        QFAIL("post of a row without its required key succeeded");
    } catch (const DataSetError &error) {
        QVERIFY2(error.message().contains(u"COD"_s), qPrintable(error.message()));
    }
    QCOMPARE(table->state(), MemTable::State::Insert);
    QCOMPARE(table->text(u"NOME"), u"SEM CHAVE"_s);

    // A cursor move must not lose the row either: it fails the same way.
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->first());
    QCOMPARE(table->state(), MemTable::State::Insert);

    // The before-post event runs first and may supply the value.
    table->setBeforePost([](MemTable &t) {
        if (t.isNull(u"COD"))
            t.setInteger(u"COD", 0);
    });
    table->post();
    QCOMPARE(table->state(), MemTable::State::Browse);
    QCOMPARE(table->integer(u"COD"), 0);
    QVERIFY(!table->isNull(u"COD"));
}

void tst_MemTable::beforeDeleteCanVetoSilently()
{
    auto table = abc();
    QStringList asked;
    table->setBeforeDelete([&](MemTable &t) {
        asked << t.text(u"NOME");
        return t.text(u"NOME") != u"B"_s;
    });

    table->setCurrentRow(1);
    table->remove(); // vetoed: no error, row stays
    QCOMPARE(names(*table), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->state(), MemTable::State::Browse);

    table->last();
    table->remove();
    QCOMPARE(names(*table), QStringList({u"A"_s, u"B"_s}));
    QCOMPARE(table->currentRow(), 1); // the row before the removed last one

    table->first();
    table->remove();
    QCOMPARE(names(*table), QStringList({u"B"_s}));
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(asked, QStringList({u"B"_s, u"C"_s, u"A"_s}));

    // A pending edit is completed before the event sees the row.
    table->edit();
    table->setText(u"NOME", u"D"_s);
    table->remove();
    QCOMPARE(asked.last(), u"D"_s);
    QVERIFY(table->isEmpty());
    QCOMPARE(table->currentRow(), -1);
}

void tst_MemTable::deleteOfNewRowOnlyDropsIt()
{
    auto table = abc();
    bool asked = false;
    table->setBeforeDelete([&](MemTable &) {
        asked = true;
        return true;
    });
    table->setCurrentRow(2);
    table->append();
    table->setText(u"NOME", u"NOVA"_s);
    table->remove();
    QVERIFY(!asked);
    QCOMPARE(names(*table), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(table->state(), MemTable::State::Browse);
}

void tst_MemTable::deleteOnEmptyTableFails()
{
    auto table = makeTable();
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->remove());
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->edit());
}

void tst_MemTable::emptyRemovesAllRowsWithoutEvents()
{
    auto table = abc();
    bool asked = false;
    table->setBeforeDelete([&](MemTable &) {
        asked = true;
        return false;
    });
    table->setBeforePost([&](MemTable &) { asked = true; });
    table->edit();
    table->setText(u"NOME", u"PENDENTE"_s);
    table->empty();
    QVERIFY(!asked);
    QCOMPARE(table->recordCount(), 0);
    QCOMPARE(table->currentRow(), -1);
    QCOMPARE(table->state(), MemTable::State::Browse);
    QVERIFY(table->eof() && table->bof());
}

void tst_MemTable::writesNeedEditState()
{
    auto table = abc();
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->setText(u"NOME", u"X"_s));
    QCOMPARE(table->text(u"NOME"), u"A"_s);
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->setInteger(u"NAOEXISTE", 1));
    try {
        table->edit();
        table->setInteger(u"NAOEXISTE", 1);
        QFAIL("a write to a missing column succeeded");
    } catch (const DataSetError &error) {
        QVERIFY(error.message().contains(u"NAOEXISTE"_s));
    }
}

void tst_MemTable::overlongTextIsRefusedNotCut()
{
    auto table = abc();
    table->edit();
    table->setText(u"NOME", u"0123456789"_s); // exactly the width
    try {
        table->setText(u"NOME", u"0123456789X"_s);
        QFAIL("an over-long text was accepted");
    } catch (const DataSetError &error) {
        QVERIFY2(error.message().contains(u"NOME"_s), qPrintable(error.message()));
    }
    QCOMPARE(table->text(u"NOME"), u"0123456789"_s);
    // Accented letters count as one character each.
    table->setText(u"NOME", u"ÁÉÍÓÚÃÕÇÂÊ"_s);
    QCOMPARE(table->text(u"NOME"), u"ÁÉÍÓÚÃÕÇÂÊ"_s);
}

void tst_MemTable::nullReadsAsEmptyValues()
{
    auto table = makeTable();
    table->append();
    QVERIFY(table->isNull(u"NOME"));
    QCOMPARE(table->integer(u"COD"), 0);
    QCOMPARE(table->text(u"NOME"), QString());
    QCOMPARE(table->boolean(u"MARCA"), false);
    QVERIFY(table->dateTime(u"DATA").isEmpty());
    QCOMPARE(table->number(u"VALOR"), 0.0);
    QVERIFY(!table->value(0, 0).isValid());

    // Empty text is a value in a text column, null elsewhere.
    table->setText(u"NOME", QString());
    QVERIFY(!table->isNull(u"NOME"));
    table->setText(u"COD", u"  "_s);
    QVERIFY(table->isNull(u"COD"));
}

void tst_MemTable::conversionsBetweenTypes()
{
    auto table = makeTable();
    table->append();
    table->setText(u"COD", u" 42 "_s);
    QCOMPARE(table->integer(u"COD"), 42);
    QCOMPARE(table->text(u"COD"), u"42"_s);
    QVERIFY_THROWS_EXCEPTION(DataSetError, table->setText(u"COD", u"4x"_s));
    QCOMPARE(table->integer(u"COD"), 42);

    const DateTime moment = DateTime::fromDateTime(QDateTime(QDate(2024, 2, 29), QTime(13, 45, 10)));
    table->setDateTime(u"DATA", moment);
    QCOMPARE(table->dateTime(u"DATA"), moment);
    QCOMPARE(table->text(u"DATA"), u"29/02/2024 13:45:10"_s);
    table->setText(u"DATA", u"01/03/2024"_s);
    QCOMPARE(table->dateTime(u"DATA").date(), QDate(2024, 3, 1));

    table->setBoolean(u"MARCA", true);
    QCOMPARE(table->text(u"MARCA"), u"True"_s);
    QCOMPARE(table->integer(u"MARCA"), 1);

    table->setFloat(u"VALOR", 12.5);
    QCOMPARE(table->number(u"VALOR"), 12.5);
    table->setText(u"VALOR", u"7,25"_s); // as typed in a Brazilian field
    QCOMPARE(table->number(u"VALOR"), 7.25);
}

void tst_MemTable::setDataEditsTheRowLikeAGrid()
{
    auto table = abc();
    QSignalSpy states(table.get(), &MemTable::stateChanged);

    QVERIFY(table->setData(table->index(1, 1), u"BB"_s));
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->state(), MemTable::State::Edit);
    QCOMPARE(states.count(), 1);
    QCOMPARE(table->data(table->index(1, 1)).toString(), u"BB"_s);

    // Editing another row posts this one first.
    QVERIFY(table->setData(table->index(2, 0), 30));
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(table->value(1, 1).toString(), u"BB"_s);
    QCOMPARE(table->integer(u"COD"), 30);
    QCOMPARE(table->state(), MemTable::State::Edit);
    table->cancel();
    QCOMPARE(table->integer(u"COD"), 3);

    // A check box hands a bool, a date edit a QDateTime.
    QVERIFY(table->setData(table->index(0, 2), true));
    QVERIFY(table->setData(table->index(0, 3), QDateTime(QDate(2023, 1, 2), QTime(0, 0))));
    table->post();
    QVERIFY(table->boolean(u"MARCA"));
    QCOMPARE(table->data(table->index(0, 3)).toDateTime().date(), QDate(2023, 1, 2));
}

void tst_MemTable::setDataRefusalIsReported()
{
    auto table = abc();
    QSignalSpy errors(table.get(), &MemTable::errorOccurred);
    QVERIFY(!table->setData(table->index(0, 1), u"LONGO DEMAIS"_s));
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.at(0).at(0).toString().contains(u"NOME"_s));
    QCOMPARE(table->value(0, 1).toString(), u"A"_s);
    QCOMPARE(table->state(), MemTable::State::Browse);

    // A pending row that cannot be posted keeps the cursor where it is.
    table->append();
    table->setText(u"NOME", u"SEM COD"_s);
    QVERIFY(!table->setData(table->index(0, 1), u"X"_s));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(table->currentRow(), 3);
    QCOMPARE(table->state(), MemTable::State::Insert);
    QCOMPARE(table->value(0, 1).toString(), u"A"_s);
}

void tst_MemTable::notificationsAfterEachOperation()
{
    auto table = abc();
    QSignalSpy rows(table.get(), &MemTable::currentRowChanged);
    QSignalSpy states(table.get(), &MemTable::stateChanged);
    QSignalSpy changes(table.get(), &MemTable::changed);
    QSignalSpy values(table.get(), &MemTable::dataChanged);

    table->next();
    QCOMPARE(rows.count(), 1);
    QCOMPARE(rows.at(0).at(0).toInt(), 1);
    QCOMPARE(changes.count(), 1);

    table->edit();
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).value<MemTable::State>(), MemTable::State::Edit);
    table->setText(u"NOME", u"Q"_s);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toModelIndex(), table->index(1, 1));

    // Moving with a changed row posts it: one move, one state change and one
    // change notice for the whole step, sent when the step is done.
    rows.clear();
    states.clear();
    changes.clear();
    int rowSeen = -2;
    MemTable::State stateSeen = MemTable::State::Edit;
    connect(table.get(), &MemTable::changed, this, [&] {
        rowSeen = table->currentRow();
        stateSeen = table->state();
    });
    table->next();
    QCOMPARE(rows.count(), 1);
    QCOMPARE(states.count(), 1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(rowSeen, 2);
    QCOMPARE(stateSeen, MemTable::State::Browse);

    // Deleting keeps the index but brings another row under the cursor.
    rows.clear();
    table->setCurrentRow(0);
    rows.clear();
    table->remove();
    QCOMPARE(rows.count(), 1);
    QCOMPARE(table->text(u"NOME"), u"Q"_s);
}

void tst_MemTable::bulkLoadNotifiesOnce()
{
    auto table = makeTable();
    int afterInsertCalls = 0;
    table->setAfterInsert([&](MemTable &) { ++afterInsertCalls; });
    QSignalSpy resets(table.get(), &MemTable::modelReset);
    QSignalSpy inserted(table.get(), &MemTable::rowsInserted);
    QSignalSpy values(table.get(), &MemTable::dataChanged);
    QSignalSpy changes(table.get(), &MemTable::changed);
    QSignalSpy rows(table.get(), &MemTable::currentRowChanged);
    {
        MemTable::BulkLoad bulk(*table);
        table->empty();
        for (int i = 1; i <= 50; ++i)
            addRow(*table, i, QString::number(i));
        table->first();
    }
    QCOMPARE(afterInsertCalls, 50); // events still run per row
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(values.count(), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(table->recordCount(), 50);
    QCOMPARE(table->currentRow(), 0);
}

void tst_MemTable::rolesHeaderAndMask()
{
    auto table = abc();
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), u"NOME"_s);
    table->setLabel(1, u"Nome"_s);
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), u"Nome"_s);

    QCOMPARE(table->data(table->index(0, 0)).toInt(), 1);
    QVERIFY(!table->data(table->index(0, 3)).isValid()); // null date shows nothing
    QVERIFY(table->flags(table->index(0, 1)).testFlag(Qt::ItemIsEditable));

    QVERIFY(!table->data(table->index(1, 1), Qt::ForegroundRole).isValid());
    table->setForegroundRule(
        [&](int row) { return table->value(row, 0).toInt() == 2 ? QVariant(QColor(128, 128, 128)) : QVariant(); });
    QCOMPARE(table->data(table->index(1, 4), Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
    QVERIFY(!table->data(table->index(0, 1), Qt::ForegroundRole).isValid());

    QSignalSpy masks(table.get(), &MemTable::editMaskChanged);
    table->setEditMask(1, u"000.000.000-00;0;_"_s);
    QCOMPARE(table->editMask(1), u"000.000.000-00;0;_"_s);
    QCOMPARE(masks.count(), 1);
    QCOMPARE(table->columnIndex(u"nome"), 1);
    QCOMPARE(table->columnIndex(u"outro"), -1);
}

void tst_MemTable::columnsAreFoundWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");

    QTest::newRow("as declared") << u"ACD_A_NOM"_s << 0;
    QTest::newRow("lower case") << u"acd_a_nom"_s << 0;
    QTest::newRow("mixed case") << u"Acd_a_Nom"_s << 0;
    QTest::newRow("declared in mixed case") << u"EXCLUIR"_s << 1;
    QTest::newRow("accented, other case") << u"descrição"_s << 2;
    QTest::newRow("accent left out") << u"DESCRICAO"_s << -1;
    QTest::newRow("shorter") << u"acd_a_no"_s << -1;
    QTest::newRow("longer") << u"acd_a_nomx"_s << -1;
    QTest::newRow("one letter differs") << u"acd_b_nom"_s << -1;
    // Folding by setting bit 0x20 would take DEL for '_' and '{' for '['.
    QTest::newRow("DEL for underscore") << u"ACD\x7f"
                                           "A\x7f"
                                           "NOM"_s
                                        << -1;
    QTest::newRow("brace for bracket") << u"{X}"_s << -1;
    QTest::newRow("empty") << QString() << -1;
}

void tst_MemTable::columnsAreFoundWithoutRegardToCase()
{
    QFETCH(QString, name);
    QFETCH(int, column);

    MemTable table({Column::text(u"ACD_A_NOM"_s, 100), Column::boolean(u"Excluir"_s), Column::text(u"DESCRIÇÃO"_s, 10),
                    Column::text(u"[X]"_s, 1)});
    QCOMPARE(table.columnIndex(name), column);
    if (column < 0)
        QVERIFY_THROWS_EXCEPTION(DataSetError, table.fieldIndex(name));
    else
        QCOMPARE(table.fieldIndex(name), column);
}

void tst_MemTable::modelTesterAcceptsEveryOperation()
{
    auto table = makeTable();
    QAbstractItemModelTester tester(table.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    addRow(*table, 1, u"A"_s);
    addRow(*table, 2, u"B"_s);
    table->first();
    table->insert();
    table->cancel();
    table->insert();
    table->setInteger(u"COD", 3);
    table->next(); // posts the new row
    table->edit();
    table->setText(u"NOME", u"E"_s);
    table->cancel();
    table->remove();
    QVERIFY(table->setData(table->index(0, 1), u"S"_s));
    table->post();
    table->setBeforeDelete([](MemTable &) { return false; });
    table->remove();
    table->setBeforeDelete({});
    table->append();
    table->remove();
    {
        MemTable::BulkLoad bulk(*table);
        table->empty();
        for (int i = 0; i < 5; ++i)
            addRow(*table, i + 10, u"L"_s);
    }
    table->empty();
    QCOMPARE(table->rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_MemTable)
#include "tst_memtable.moc"
