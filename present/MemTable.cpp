#include "MemTable.h"

#include <QLocale>

#include <cmath>

namespace {

const QString DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

// Collects what an operation changed and tells the views and screens once,
// when the outermost operation (or bulk load) ends, so handlers never see a
// half-done step.
class MemTable::Notifier
{
public:
    explicit Notifier(MemTable &table) : m_table(table) { m_table.openNotify(); }
    ~Notifier() { m_table.closeNotify(); }
    Notifier(const Notifier &) = delete;
    Notifier &operator=(const Notifier &) = delete;

private:
    MemTable &m_table;
};

MemTable::Column MemTable::Column::integer(const QString &name, bool required)
{
    return {name, Type::Integer, 0, required, {}, {}};
}

MemTable::Column MemTable::Column::text(const QString &name, int size, bool required)
{
    return {name, Type::Text, size, required, {}, {}};
}

MemTable::Column MemTable::Column::boolean(const QString &name)
{
    return {name, Type::Boolean, 0, false, {}, {}};
}

MemTable::Column MemTable::Column::dateTime(const QString &name)
{
    return {name, Type::DateTime, 0, false, {}, {}};
}

MemTable::Column MemTable::Column::number(const QString &name)
{
    return {name, Type::Float, 0, false, {}, {}};
}

MemTable::MemTable(const QList<Column> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(columns.begin(), columns.end())
{
}

MemTable::~MemTable() = default;

// --- columns ---------------------------------------------------------------

int MemTable::columnIndex(QStringView name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (sameFieldName(name, m_columns[i].name))
            return int(i);
    }
    return -1;
}

int MemTable::fieldIndex(QStringView name) const
{
    const int index = columnIndex(name);
    if (index < 0)
        throw missingField(name);
    return index;
}

void MemTable::setLabel(int column, const QString &label)
{
    m_columns.at(std::size_t(column)).label = label;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void MemTable::setEditMask(int column, const QString &mask)
{
    m_columns.at(std::size_t(column)).editMask = mask;
    emit editMaskChanged(column);
}

// --- notification ------------------------------------------------------------

void MemTable::openNotify()
{
    if (m_notifyDepth++ > 0)
        return;
    m_notifyRow = m_current;
    m_notifyState = m_state;
    m_dirty = false;
    m_rowsChanged = false;
}

void MemTable::closeNotify()
{
    if (--m_notifyDepth > 0 || m_bulkDepth > 0)
        return;
    const bool moved = m_current != m_notifyRow || m_rowsChanged;
    const bool stateMoved = m_state != m_notifyState;
    const bool anything = moved || stateMoved || m_dirty;
    if (moved)
        emit currentRowChanged(m_current);
    if (stateMoved)
        emit stateChanged(m_state);
    if (anything)
        emit changed();
}

void MemTable::beginBulk()
{
    openNotify();
    if (m_bulkDepth++ == 0)
        beginResetModel();
}

void MemTable::endBulk()
{
    if (--m_bulkDepth == 0)
        endResetModel();
    closeNotify();
}

// --- rows ----------------------------------------------------------------------

void MemTable::insertRowAt(int row)
{
    if (!m_bulkDepth)
        beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(m_rows.begin() + row, Row(m_columns.size()));
    if (!m_bulkDepth)
        endInsertRows();
    m_rowsChanged = m_dirty = true;
}

void MemTable::removeRowAt(int row)
{
    if (!m_bulkDepth)
        beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    if (!m_bulkDepth)
        endRemoveRows();
    m_rowsChanged = m_dirty = true;
}

QVariant MemTable::value(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= fieldCount())
        return QVariant();
    return m_rows[std::size_t(row)][std::size_t(column)];
}

// --- cursor ----------------------------------------------------------------------

void MemTable::completePending()
{
    if (m_state == State::Browse)
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void MemTable::first()
{
    Notifier notifier(*this);
    completePending();
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
}

void MemTable::last()
{
    Notifier notifier(*this);
    completePending();
    m_current = int(m_rows.size()) - 1;
    m_bof = m_rows.empty();
    m_eof = true;
}

void MemTable::next()
{
    Notifier notifier(*this);
    completePending();
    if (m_current + 1 < int(m_rows.size())) {
        ++m_current;
        m_bof = m_eof = false;
    } else {
        m_eof = true;
    }
}

void MemTable::prior()
{
    Notifier notifier(*this);
    completePending();
    if (m_current > 0) {
        --m_current;
        m_bof = m_eof = false;
    } else {
        m_bof = true;
    }
}

void MemTable::setCurrentRow(int row)
{
    if (row == m_current || row < 0 || row >= int(m_rows.size()))
        return;
    Notifier notifier(*this);
    const int pendingNew = m_state == State::Insert ? m_current : -1;
    const std::size_t before = m_rows.size();
    completePending();
    // An untouched new row above the target was dropped: the target moved up.
    if (pendingNew >= 0 && m_rows.size() < before && row > pendingNew)
        --row;
    m_current = row;
    m_bof = m_eof = false;
}

// --- states ----------------------------------------------------------------------

void MemTable::requireRows() const
{
    if (m_rows.empty())
        throw DataSetError(QStringLiteral("Não é possível executar esta operação em uma tabela vazia."));
}

void MemTable::requireEditing() const
{
    if (m_state == State::Browse)
        throw DataSetError(QStringLiteral("A tabela não está em modo de edição ou inclusão."));
}

void MemTable::append()
{
    Notifier notifier(*this);
    completePending();
    startInsert(int(m_rows.size()));
}

void MemTable::insert()
{
    Notifier notifier(*this);
    completePending();
    startInsert(m_current < 0 ? 0 : m_current);
}

void MemTable::startInsert(int row)
{
    // New rows go at or after the current one, so once the new row is
    // dropped again the previous row is back at its old index.
    m_restoreRow = m_current;
    insertRowAt(row);
    m_current = row;
    m_state = State::Insert;
    m_saved.clear();
    m_bof = m_eof = false;
    m_modified = false;
    if (m_afterInsert)
        m_afterInsert(*this);
    // The handler's defaults are not the user's change: a row nobody touched
    // is still dropped when the cursor moves on.
    m_modified = false;
}

void MemTable::edit()
{
    if (m_state != State::Browse)
        return;
    requireRows();
    Notifier notifier(*this);
    m_saved = m_rows[std::size_t(m_current)];
    m_state = State::Edit;
    m_modified = false;
}

void MemTable::post()
{
    if (m_state == State::Browse)
        return;
    Notifier notifier(*this);
    if (m_beforePost)
        m_beforePost(*this);
    if (m_state == State::Browse) // the handler completed the row itself
        return;
    const Row &row = m_rows[std::size_t(m_current)];
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].required && !row[i].isValid())
            throw DataSetError(QStringLiteral("Campo '%1' deve ter um valor.").arg(m_columns[i].name));
    }
    m_state = State::Browse;
    m_saved.clear();
    m_modified = false;
    m_dirty = true;
}

void MemTable::cancel()
{
    if (m_state == State::Browse)
        return;
    Notifier notifier(*this);
    if (m_state == State::Edit) {
        m_rows[std::size_t(m_current)] = std::move(m_saved);
        if (!m_bulkDepth)
            emit dataChanged(index(m_current, 0), index(m_current, fieldCount() - 1));
    } else {
        const int row = m_current;
        // Views move their current index away from a row that goes, which
        // moves the cursor: that must meet a completed row, not this one
        // again.
        m_state = State::Browse;
        removeRowAt(row);
        int restore = std::min(m_restoreRow, int(m_rows.size()) - 1);
        if (restore < 0 && !m_rows.empty())
            restore = 0;
        m_current = restore;
        m_bof = m_eof = m_rows.empty();
    }
    m_state = State::Browse;
    m_saved.clear();
    m_modified = false;
    m_dirty = true;
}

void MemTable::remove()
{
    Notifier notifier(*this);
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    requireRows();
    completePending();
    if (m_beforeDelete && !m_beforeDelete(*this))
        return;
    if (m_state != State::Browse || m_rows.empty()) // the handler left the row pending or emptied the table
        return;
    const int row = m_current;
    removeRowAt(row);
    m_current = std::min(row, int(m_rows.size()) - 1);
    m_bof = m_eof = m_rows.empty();
}

void MemTable::empty()
{
    Notifier notifier(*this);
    if (!m_bulkDepth)
        beginResetModel();
    m_rows.clear();
    if (!m_bulkDepth)
        endResetModel();
    m_current = -1;
    m_bof = m_eof = true;
    m_state = State::Browse;
    m_saved.clear();
    m_modified = false;
    m_restoreRow = -1;
    m_rowsChanged = m_dirty = true;
}

// --- values of the current row --------------------------------------------------

const QVariant &MemTable::cell(int column) const
{
    static const QVariant null;
    if (column < 0 || column >= fieldCount())
        throw DataSetError(QStringLiteral("Coluna %1 inexistente").arg(column));
    if (m_current < 0)
        return null;
    return m_rows[std::size_t(m_current)][std::size_t(column)];
}

namespace {

// For the entities an empty text and a null read alike.
bool sameValue(const QVariant &stored, const QVariant &value)
{
    const auto empty = [](const QVariant &v) {
        return !v.isValid() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
    };
    if (empty(stored) || empty(value))
        return empty(stored) && empty(value);
    return stored.typeId() == value.typeId() && stored == value;
}

} // namespace

void MemTable::store(int column, QVariant value)
{
    requireEditing();
    Notifier notifier(*this);
    QVariant &stored = m_rows[std::size_t(m_current)][std::size_t(column)];
    // Writing what the cell holds is no change: a grid's cell editor that
    // was opened and left hands its text back, and a new row nobody typed
    // into must still be dropped.
    if (!sameValue(stored, value))
        m_modified = true;
    stored = std::move(value);
    m_dirty = true;
    if (!m_bulkDepth) {
        const QModelIndex changedIndex = index(m_current, column);
        emit dataChanged(changedIndex, changedIndex);
    }
}

void MemTable::badValue(const Column &c, const QString &shown)
{
    throw DataSetError(QStringLiteral("'%1' não é um valor válido para o campo '%2'.").arg(shown, c.name));
}

bool MemTable::isNull(int column) const
{
    return !cell(column).isValid();
}

qint32 MemTable::integerAt(int column) const
{
    const QVariant &v = cell(column);
    if (!v.isValid())
        return 0;
    const Column &c = m_columns[std::size_t(column)];
    switch (c.type) {
    case Type::Integer:
        return v.toInt();
    case Type::Float:
        return qint32(std::llround(v.toDouble()));
    case Type::DateTime:
        return qint32(std::trunc(v.toDouble()));
    case Type::Boolean:
        return v.toBool() ? 1 : 0;
    case Type::Text: {
        bool ok = false;
        const qint32 value = v.toString().trimmed().toInt(&ok);
        if (!ok)
            badValue(c, v.toString());
        return value;
    }
    }
    return 0;
}

QString MemTable::textAt(int column) const
{
    const QVariant &v = cell(column);
    if (!v.isValid())
        return QString();
    switch (m_columns[std::size_t(column)].type) {
    case Type::Text:
        return v.toString();
    case Type::Integer:
        return QString::number(v.toInt());
    case Type::Float:
        return QString::number(v.toDouble());
    case Type::Boolean:
        return booleanText(v.toBool());
    case Type::DateTime:
        return DateTime(v.toDouble()).toDateTime().toString(DateTimeFormat);
    }
    return QString();
}

double MemTable::floatAt(int column) const
{
    const QVariant &v = cell(column);
    if (!v.isValid())
        return 0.0;
    const Column &c = m_columns[std::size_t(column)];
    switch (c.type) {
    case Type::Integer:
    case Type::Float:
    case Type::DateTime:
        return v.toDouble();
    case Type::Boolean:
        return v.toBool() ? 1.0 : 0.0;
    case Type::Text: {
        const QVariant number = fromText(Column::number(c.name), v.toString());
        return number.toDouble();
    }
    }
    return 0.0;
}

DateTime MemTable::dateTimeAt(int column) const
{
    const QVariant &v = cell(column);
    if (!v.isValid())
        return DateTime();
    const Column &c = m_columns[std::size_t(column)];
    switch (c.type) {
    case Type::Integer:
    case Type::Float:
    case Type::DateTime:
        return DateTime(v.toDouble());
    case Type::Text:
        return DateTime(fromText(Column::dateTime(c.name), v.toString()).toDouble());
    case Type::Boolean:
        badValue(c, booleanText(v.toBool()));
    }
    return DateTime();
}

bool MemTable::booleanAt(int column) const
{
    const QVariant &v = cell(column);
    if (!v.isValid())
        return false;
    const Column &c = m_columns[std::size_t(column)];
    switch (c.type) {
    case Type::Boolean:
        return v.toBool();
    case Type::Integer:
    case Type::Float:
        return v.toDouble() != 0.0;
    case Type::Text:
        return fromText(Column::boolean(c.name), v.toString()).toBool();
    case Type::DateTime:
        badValue(c, textAt(column));
    }
    return false;
}

// --- conversions into a column -----------------------------------------------------

QVariant MemTable::fromText(const Column &c, const QString &text) const
{
    if (c.type == Type::Text) {
        if (c.size > 0 && text.size() > c.size)
            throw DataSetError(
                QStringLiteral("O valor excede o tamanho do campo '%1' (%2 caracteres).").arg(c.name).arg(c.size));
        return text;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant();
    bool ok = false;
    switch (c.type) {
    case Type::Integer: {
        const qint32 value = trimmed.toInt(&ok);
        if (ok)
            return value;
        break;
    }
    case Type::Float: {
        double value = trimmed.toDouble(&ok);
        if (!ok)
            value = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(trimmed, &ok);
        if (ok)
            return value;
        break;
    }
    case Type::Boolean:
        if (trimmed.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (trimmed.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
        break;
    case Type::DateTime: {
        if (const std::optional<DateTime> dateTime = DateTime::fromText(trimmed))
            return dateTime->days();
        break;
    }
    case Type::Text:
        break;
    }
    badValue(c, text);
}

QVariant MemTable::fromInteger(const Column &c, qint32 value) const
{
    switch (c.type) {
    case Type::Integer:
        return value;
    case Type::Float:
    case Type::DateTime:
        return double(value);
    case Type::Boolean:
        return value != 0;
    case Type::Text:
        return fromText(c, QString::number(value));
    }
    return QVariant();
}

QVariant MemTable::fromFloat(const Column &c, double value) const
{
    switch (c.type) {
    case Type::Float:
    case Type::DateTime:
        return value;
    case Type::Integer:
        return qint32(std::llround(value));
    case Type::Boolean:
        return value != 0.0;
    case Type::Text:
        return fromText(c, QString::number(value));
    }
    return QVariant();
}

QVariant MemTable::fromDateTime(const Column &c, DateTime value) const
{
    switch (c.type) {
    case Type::DateTime:
    case Type::Float:
        return value.days();
    case Type::Integer:
        return qint32(std::trunc(value.days()));
    case Type::Text:
        return fromText(c, value.toDateTime().toString(DateTimeFormat));
    case Type::Boolean:
        break;
    }
    badValue(c, value.toDateTime().toString(DateTimeFormat));
}

QVariant MemTable::fromBoolean(const Column &c, bool value) const
{
    switch (c.type) {
    case Type::Boolean:
        return value;
    case Type::Integer:
        return value ? 1 : 0;
    case Type::Float:
        return value ? 1.0 : 0.0;
    case Type::Text:
        return fromText(c, booleanText(value));
    case Type::DateTime:
        break;
    }
    badValue(c, booleanText(value));
}

// What an editor widget hands over: text from line edits, a state from check
// boxes, numbers and dates from spin boxes and date edits.
QVariant MemTable::fromVariant(const Column &c, const QVariant &value) const
{
    if (!value.isValid())
        return QVariant();
    switch (value.typeId()) {
    case QMetaType::QString:
        return fromText(c, value.toString());
    case QMetaType::Bool:
        return fromBoolean(c, value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return fromInteger(c, value.toInt());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromFloat(c, value.toDouble());
    case QMetaType::QDateTime:
        return fromDateTime(c, DateTime::fromDateTime(value.toDateTime()));
    case QMetaType::QDate:
        return fromDateTime(c, DateTime::fromDate(value.toDate()));
    default:
        return fromText(c, value.toString());
    }
}

void MemTable::setInteger(int column, qint32 value)
{
    requireEditing();
    store(column, fromInteger(this->column(column), value));
}

void MemTable::setText(int column, const QString &value)
{
    requireEditing();
    store(column, fromText(this->column(column), value));
}

void MemTable::setFloat(int column, double value)
{
    requireEditing();
    store(column, fromFloat(this->column(column), value));
}

void MemTable::setDateTime(int column, DateTime value)
{
    requireEditing();
    store(column, fromDateTime(this->column(column), value));
}

void MemTable::setBoolean(int column, bool value)
{
    requireEditing();
    store(column, fromBoolean(this->column(column), value));
}

void MemTable::setNull(int column)
{
    requireEditing();
    (void)this->column(column);
    store(column, QVariant());
}

void MemTable::setValue(int column, const QVariant &value)
{
    requireEditing();
    store(column, fromVariant(this->column(column), value));
}

// --- model --------------------------------------------------------------------------

int MemTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MemTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : fieldCount();
}

QVariant MemTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const QVariant &v = m_rows[std::size_t(index.row())][std::size_t(index.column())];
        if (!v.isValid())
            return QVariant();
        if (m_columns[std::size_t(index.column())].type == Type::DateTime) {
            const DateTime dateTime(v.toDouble());
            if (role == Qt::DisplayRole && dateTime.isEmpty())
                return QVariant();
            return dateTime.toDateTime();
        }
        return v;
    }
    case Qt::ForegroundRole:
        return m_foregroundRule ? m_foregroundRule(index.row()) : QVariant();
    default:
        return QVariant();
    }
}

bool MemTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    try {
        Notifier notifier(*this);
        setCurrentRow(index.row());
        // A refused value leaves the row as it was, not in editing.
        QVariant converted = fromVariant(m_columns[std::size_t(index.column())], value);
        edit();
        store(index.column(), std::move(converted));
    } catch (const DataSetError &error) {
        emit errorOccurred(error.message());
        return false;
    }
    return true;
}

QVariant MemTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < fieldCount()) {
        const Column &c = m_columns[std::size_t(section)];
        return c.label.isEmpty() ? c.name : c.label;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MemTable::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}
