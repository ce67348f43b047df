#pragma once

#include "DataSet.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace Firebird {
class IMessageMetadata;
}

// A row of a Firebird message (a fetched row, or the outputs of an executed
// statement) read through the data-set interface. Calculated columns can be
// added after the database's ones.
class FbRow : public DataSet
{
public:
    FbRow() = default;
    ~FbRow() override;
    FbRow(const FbRow &) = delete;
    FbRow &operator=(const FbRow &) = delete;

    // Takes a reference on `metadata`; sizes the buffer for it.
    void reset(Firebird::IMessageMetadata *metadata);
    unsigned char *buffer() { return reinterpret_cast<unsigned char *>(m_buffer.data()); }
    Firebird::IMessageMetadata *metadata() const { return m_metadata; }

    // A boolean column that is not in the database, with a fixed value.
    void addCalculatedBoolean(const QString &name, bool value);

    int columnCount() const { return int(m_columns.size()) + int(m_calculated.size()); }
    QString columnName(int column) const;

    using DataSet::isNull;
    int fieldIndex(QStringView name) const override;
    bool isNull(int column) const override;
    qint32 integerAt(int column) const override;
    QString textAt(int column) const override;
    double floatAt(int column) const override;
    DateTime dateTimeAt(int column) const override;
    bool booleanAt(int column) const override;

private:
    struct Column
    {
        QString name;
        unsigned type = 0;
        int scale = 0;
        unsigned length = 0;
        unsigned offset = 0;
        unsigned nullOffset = 0;
    };
    struct Calculated
    {
        QString name;
        bool value = false;
    };

    const Column &column(int index) const;
    const char *data(const Column &c) const { return m_buffer.constData() + c.offset; }
    qint64 scaledInteger(const Column &c) const;

    Firebird::IMessageMetadata *m_metadata = nullptr;
    QByteArray m_buffer;
    std::vector<Column> m_columns;
    std::vector<Calculated> m_calculated;
};
