#pragma once

#include "DateTime.h"

#include <QString>

#include <stdexcept>

// Raised by a data set for a missing column or a value it cannot convert.
// The text is what the user reads.
class DataSetError : public std::runtime_error
{
public:
    explicit DataSetError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) { }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// What a query result and an in-memory table have in common: named, typed
// columns found without regard to case and a current row. A null column reads
// as 0, empty text, the empty date or false. The entities' mapping operations
// take this interface and nothing else.
class DataSet
{
public:
    virtual ~DataSet() = default;

    // Index of the column with that name (case-insensitive); throws
    // DataSetError naming the column when there is none.
    virtual int fieldIndex(QStringView name) const = 0;

    virtual bool isNull(int column) const = 0;
    virtual qint32 integerAt(int column) const = 0;
    virtual QString textAt(int column) const = 0;
    virtual double floatAt(int column) const = 0;
    virtual DateTime dateTimeAt(int column) const = 0;
    virtual bool booleanAt(int column) const = 0;

    // Writing is for editable data sets (in-memory tables); a read-only data
    // set throws DataSetError.
    virtual void setInteger(int column, qint32 value);
    virtual void setText(int column, const QString &value);
    virtual void setFloat(int column, double value);
    virtual void setDateTime(int column, DateTime value);
    virtual void setBoolean(int column, bool value);
    virtual void setNull(int column);

    // By name: the form the mapping operations use.
    qint32 integer(QStringView name) const { return integerAt(fieldIndex(name)); }
    QString text(QStringView name) const { return textAt(fieldIndex(name)); }
    double number(QStringView name) const { return floatAt(fieldIndex(name)); }
    DateTime dateTime(QStringView name) const { return dateTimeAt(fieldIndex(name)); }
    bool boolean(QStringView name) const { return booleanAt(fieldIndex(name)); }
    bool isNull(QStringView name) const { return isNull(fieldIndex(name)); }

    void setInteger(QStringView name, qint32 value) { setInteger(fieldIndex(name), value); }
    void setText(QStringView name, const QString &value) { setText(fieldIndex(name), value); }
    void setFloat(QStringView name, double value) { setFloat(fieldIndex(name), value); }
    void setDateTime(QStringView name, DateTime value) { setDateTime(fieldIndex(name), value); }
    void setBoolean(QStringView name, bool value) { setBoolean(fieldIndex(name), value); }
    void setNull(QStringView name) { setNull(fieldIndex(name)); }

protected:
    // Whether two column names are equal without regard to case. Column
    // names are ASCII, and every row read or written looks several of them
    // up, so ASCII names are compared here directly; others go through
    // Qt's full case folding. Simple case folding maps one character to one,
    // so names of different lengths never match. The columns of one table
    // share their prefix (ACD_A_NOM, ACD_A_NUM, ...): from the end, two names
    // usually differ at the first character compared.
    static bool sameFieldName(QStringView a, QStringView b)
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = a.size() - 1; i >= 0; --i) {
            char16_t x = a[i].unicode();
            char16_t y = b[i].unicode();
            if (x == y)
                continue;
            if (x >= 0x80 || y >= 0x80)
                return sameFieldNameFolded(a, b);
            if (x >= u'a' && x <= u'z')
                x -= u'a' - u'A';
            if (y >= u'a' && y <= u'z')
                y -= u'a' - u'A';
            if (x != y)
                return false;
        }
        return true;
    }

    // The message of a missing column, shared by every implementation.
    static DataSetError missingField(QStringView name);
    [[noreturn]] static void readOnly();

private:
    static bool sameFieldNameFolded(QStringView a, QStringView b);
};
