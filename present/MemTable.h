#pragma once

#include "DataSet.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

// An in-memory table behind a grid or an edit dialog: typed columns, ordered
// rows and a cursor on the current row, with the browse / edit / insert states
// of a data-aware form. As a DataSet the entities' mappings read and write its
// current row; as a table model views show and edit it.
//
// Rules the screens rely on:
// - Moving the cursor (first, next, prior, last, setCurrentRow) while a row is
//   being edited or inserted completes that row first: a changed row is
//   posted, an untouched one is dropped (an edit is undone, a new row
//   removed). Values set by the after-insert event do not count as changes.
// - post runs the before-post event, then checks the required columns; a
//   null one fails with DataSetError naming it and the row stays pending.
// - remove on a row being inserted only drops it. Otherwise the pending row
//   is completed, then the before-delete event may veto (answer false): the
//   row stays, nothing is raised.
// - Writes need the edit or insert state (DataSetError otherwise). A text
//   longer than its column is refused with DataSetError, never cut.
// - Errors of the operations are DataSetError; the table is left as it was
//   before the failing step.
class MemTable : public QAbstractTableModel, public DataSet
{
    Q_OBJECT

public:
    enum class Type { Integer, Text, Boolean, DateTime, Float };
    enum class State { Browse, Edit, Insert };
    Q_ENUM(State)

    struct Column
    {
        QString name;
        Type type = Type::Text;
        int size = 0; // text columns: most characters a value may have
        bool required = false;
        QString label; // header title; the name when empty
        QString editMask; // for the screens' fields; the table stores raw values

        static Column integer(const QString &name, bool required = false);
        static Column text(const QString &name, int size, bool required = false);
        static Column boolean(const QString &name);
        static Column dateTime(const QString &name);
        static Column number(const QString &name);
    };

    using Event = std::function<void(MemTable &)>;
    // Answers whether the deletion may go on; false vetoes it silently.
    using DeleteEvent = std::function<bool(MemTable &)>;

    explicit MemTable(const QList<Column> &columns, QObject *parent = nullptr);
    ~MemTable() override;

    // Columns.
    int fieldCount() const { return int(m_columns.size()); }
    const Column &column(int column) const { return m_columns.at(std::size_t(column)); }
    // -1 when the table has no such column (case-insensitive).
    int columnIndex(QStringView name) const;
    void setLabel(int column, const QString &label);
    void setEditMask(int column, const QString &mask);
    QString editMask(int column) const { return this->column(column).editMask; }

    // Events, one handler each.
    void setAfterInsert(Event handler) { m_afterInsert = std::move(handler); }
    void setBeforePost(Event handler) { m_beforePost = std::move(handler); }
    void setBeforeDelete(DeleteEvent handler) { m_beforeDelete = std::move(handler); }

    // Cursor and state.
    State state() const { return m_state; }
    bool isEditing() const { return m_state != State::Browse; } // edit or insert
    bool isModified() const { return m_modified; }
    int currentRow() const { return m_current; } // -1 when the table is empty
    int recordCount() const { return int(m_rows.size()); } // a row being inserted counts
    bool isEmpty() const { return m_rows.empty(); }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    void first();
    void last();
    // On the last row, next stays there and sets eof; on the first, prior
    // stays and sets bof.
    void next();
    void prior();
    // Makes `row` current (a grid's selection); the same row keeps a pending
    // edit going.
    void setCurrentRow(int row);

    void append();
    void insert(); // before the current row
    void edit();
    void post();
    void cancel();
    void remove(); // "delete"
    // Every row at once, without events; a pending row is dropped.
    void empty();

    // Raw values: an invalid QVariant is null. Integer columns hold int, text
    // QString, boolean bool, float double, date-time the day count (double).
    QVariant value(int row, int column) const;
    // Value of the current row converted to the column's type, as setData does.
    void setValue(int column, const QVariant &value);

    // Grey rows and the like: the answer is the row's ForegroundRole.
    void setForegroundRule(std::function<QVariant(int row)> rule) { m_foregroundRule = std::move(rule); }

    // Filling many rows: views see one reset at the end and the table's own
    // signals come once; events still run per row.
    class BulkLoad
    {
    public:
        explicit BulkLoad(MemTable &table) : m_table(table) { m_table.beginBulk(); }
        ~BulkLoad() { m_table.endBulk(); }
        BulkLoad(const BulkLoad &) = delete;
        BulkLoad &operator=(const BulkLoad &) = delete;

    private:
        MemTable &m_table;
    };

    // QAbstractItemModel.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Editing a cell makes its row current and puts it into editing, as a
    // data-aware grid does. A refused value answers false and emits
    // errorOccurred.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // DataSet: the current row (null when the table is empty).
    using DataSet::isNull;
    using DataSet::setBoolean;
    using DataSet::setDateTime;
    using DataSet::setFloat;
    using DataSet::setInteger;
    using DataSet::setNull;
    using DataSet::setText;
    int fieldIndex(QStringView name) const override;
    bool isNull(int column) const override;
    qint32 integerAt(int column) const override;
    QString textAt(int column) const override;
    double floatAt(int column) const override;
    DateTime dateTimeAt(int column) const override;
    bool booleanAt(int column) const override;
    void setInteger(int column, qint32 value) override;
    void setText(int column, const QString &value) override;
    void setFloat(int column, double value) override;
    void setDateTime(int column, DateTime value) override;
    void setBoolean(int column, bool value) override;
    void setNull(int column) override;

signals:
    void currentRowChanged(int row); // also when rows around the current one came or went
    void stateChanged(MemTable::State state);
    // After any operation that moved the cursor, changed a value, a row or
    // the state: where enabling rules hook in.
    void changed();
    void editMaskChanged(int column);
    // An edit made through the model (setData) was refused.
    void errorOccurred(const QString &message);

private:
    using Row = std::vector<QVariant>;
    class Notifier;

    void beginBulk();
    void endBulk();
    void openNotify();
    void closeNotify();

    const QVariant &cell(int column) const;
    void store(int column, QVariant value);
    void requireEditing() const;
    void requireRows() const;
    QVariant fromText(const Column &c, const QString &text) const;
    QVariant fromVariant(const Column &c, const QVariant &value) const;
    QVariant fromInteger(const Column &c, qint32 value) const;
    QVariant fromFloat(const Column &c, double value) const;
    QVariant fromDateTime(const Column &c, DateTime value) const;
    QVariant fromBoolean(const Column &c, bool value) const;
    [[noreturn]] static void badValue(const Column &c, const QString &shown);

    void completePending();
    void startInsert(int row);
    void insertRowAt(int row);
    void removeRowAt(int row);

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Browse;
    bool m_modified = false;
    Row m_saved; // the row as it was when editing began
    int m_restoreRow = -1; // current row to go back to when a new row is dropped

    Event m_afterInsert;
    Event m_beforePost;
    DeleteEvent m_beforeDelete;
    std::function<QVariant(int)> m_foregroundRule;

    int m_bulkDepth = 0;
    int m_notifyDepth = 0;
    int m_notifyRow = -1;
    State m_notifyState = State::Browse;
    bool m_dirty = false;
    bool m_rowsChanged = false;
};
