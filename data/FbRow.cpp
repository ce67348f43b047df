#include "FbRow.h"

#include "FbApi.h"
#include "FbTypes.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace Firebird;

namespace {

// A NUMERIC or DECIMAL column holds an integer and its scale (value =
// integer * 10^scale). Dividing by the exact power of ten gives the double
// nearest to the decimal value (333 / 10 is 33.3); multiplying by 10^scale
// would multiply by an inexact 0.1 and read 33.300000000000004.
double scaledValue(qint64 integer, int scale)
{
    // Every power of ten up to 10^22 is exact in a double; Firebird's scales
    // go to -18.
    double power = 1.0;
    for (int i = 0; i < std::abs(scale); ++i)
        power *= 10.0;
    return scale < 0 ? double(integer) / power : double(integer) * power;
}

// The decimal text of integer * 10^scale, digit by digit: "-0.05" for -5 at
// scale -2.
QString decimalText(qint64 integer, int scale)
{
    if (scale >= 0)
        return QString::number(integer) + QString(scale, u'0');
    const bool negative = integer < 0;
    // Through the unsigned magnitude: the lowest qint64 has no positive.
    const quint64 magnitude = negative ? 0 - quint64(integer) : quint64(integer);
    QString digits = QString::number(magnitude).rightJustified(-scale + 1, u'0');
    digits.insert(digits.size() + scale, u'.');
    return negative ? u'-' + digits : digits;
}

} // namespace

FbRow::~FbRow()
{
    if (m_metadata)
        m_metadata->release();
}

void FbRow::reset(IMessageMetadata *metadata)
{
    if (m_metadata)
        m_metadata->release();
    m_metadata = metadata;
    m_columns.clear();
    m_buffer.clear();
    if (!metadata)
        return;
    metadata->addRef();
    fb::guarded([&] {
        fb::Status status;
        const unsigned count = metadata->getCount(&status);
        m_columns.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            Column c;
            c.name = QString::fromUtf8(metadata->getAlias(&status, i));
            c.type = metadata->getType(&status, i) & ~1u;
            c.scale = metadata->getScale(&status, i);
            c.length = metadata->getLength(&status, i);
            c.offset = metadata->getOffset(&status, i);
            c.nullOffset = metadata->getNullOffset(&status, i);
            m_columns.push_back(std::move(c));
        }
        m_buffer = QByteArray(int(metadata->getMessageLength(&status)), '\0');
    });
}

void FbRow::addCalculatedBoolean(const QString &name, bool value)
{
    m_calculated.push_back({name, value});
}

QString FbRow::columnName(int column) const
{
    if (column < int(m_columns.size()))
        return m_columns[std::size_t(column)].name;
    return m_calculated.at(std::size_t(column) - m_columns.size()).name;
}

int FbRow::fieldIndex(QStringView name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (sameFieldName(name, m_columns[i].name))
            return int(i);
    }
    for (std::size_t i = 0; i < m_calculated.size(); ++i) {
        if (sameFieldName(name, m_calculated[i].name))
            return int(m_columns.size() + i);
    }
    throw missingField(name);
}

const FbRow::Column &FbRow::column(int index) const
{
    if (index < 0 || index >= int(m_columns.size()))
        throw DataSetError(QStringLiteral("Coluna %1 inexistente").arg(index));
    return m_columns[std::size_t(index)];
}

bool FbRow::isNull(int index) const
{
    if (index >= int(m_columns.size()) && index < columnCount())
        return false;
    const Column &c = column(index);
    short indicator;
    std::memcpy(&indicator, m_buffer.constData() + c.nullOffset, sizeof indicator);
    return indicator != 0;
}

qint64 FbRow::scaledInteger(const Column &c) const
{
    qint64 value = 0;
    switch (c.type) {
    case SQL_SHORT: {
        qint16 v;
        std::memcpy(&v, data(c), sizeof v);
        value = v;
        break;
    }
    case SQL_LONG: {
        qint32 v;
        std::memcpy(&v, data(c), sizeof v);
        value = v;
        break;
    }
    case SQL_INT64: {
        qint64 v;
        std::memcpy(&v, data(c), sizeof v);
        value = v;
        break;
    }
    default:
        break;
    }
    return value;
}

qint32 FbRow::integerAt(int index) const
{
    if (isNull(index))
        return 0;
    if (index >= int(m_columns.size()))
        return booleanAt(index) ? 1 : 0;
    const Column &c = column(index);
    switch (c.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (c.scale == 0)
            return qint32(scaledInteger(c));
        return qint32(std::llround(floatAt(index)));
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return qint32(std::llround(floatAt(index)));
    case SQL_BOOLEAN:
        return booleanAt(index) ? 1 : 0;
    default: {
        bool ok = false;
        const qint32 value = textAt(index).trimmed().toInt(&ok);
        if (!ok)
            throw DataSetError(QStringLiteral("'%1' não é um valor inteiro válido").arg(textAt(index)));
        return value;
    }
    }
}

double FbRow::floatAt(int index) const
{
    if (isNull(index))
        return 0.0;
    if (index >= int(m_columns.size()))
        return booleanAt(index) ? 1.0 : 0.0;
    const Column &c = column(index);
    switch (c.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scaledValue(scaledInteger(c), c.scale);
    case SQL_FLOAT: {
        float v;
        std::memcpy(&v, data(c), sizeof v);
        return double(v);
    }
    case SQL_DOUBLE: {
        double v;
        std::memcpy(&v, data(c), sizeof v);
        return v;
    }
    default: {
        bool ok = false;
        const double value = textAt(index).trimmed().toDouble(&ok);
        if (!ok)
            throw DataSetError(QStringLiteral("'%1' não é um número válido").arg(textAt(index)));
        return value;
    }
    }
}

QString FbRow::textAt(int index) const
{
    if (isNull(index))
        return QString();
    if (index >= int(m_columns.size()))
        return booleanAt(index) ? QStringLiteral("True") : QStringLiteral("False");
    const Column &c = column(index);
    switch (c.type) {
    case SQL_VARYING: {
        quint16 length;
        std::memcpy(&length, data(c), sizeof length);
        return QString::fromUtf8(data(c) + sizeof length, length);
    }
    case SQL_TEXT: {
        // Fixed-length text comes padded with blanks up to its byte length.
        const char *begin = data(c);
        qsizetype length = c.length;
        while (length > 0 && begin[length - 1] == ' ')
            --length;
        return QString::fromUtf8(begin, length);
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return decimalText(scaledInteger(c), c.scale);
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return QString::number(floatAt(index));
    case SQL_TYPE_DATE:
        return dateTimeAt(index).date().toString(QStringLiteral("dd/MM/yyyy"));
    case SQL_TIMESTAMP:
        return dateTimeAt(index).toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case SQL_TYPE_TIME:
        return dateTimeAt(index).toDateTime().time().toString(QStringLiteral("hh:mm:ss"));
    case SQL_BOOLEAN:
        return booleanAt(index) ? QStringLiteral("True") : QStringLiteral("False");
    default:
        throw DataSetError(QStringLiteral("Tipo de coluna não suportado: %1").arg(c.name));
    }
}

DateTime FbRow::dateTimeAt(int index) const
{
    if (isNull(index))
        return DateTime();
    const Column &c = column(index);
    switch (c.type) {
    case SQL_TYPE_DATE: {
        ISC_DATE v;
        std::memcpy(&v, data(c), sizeof v);
        return fbtypes::fromIscDate(v);
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP v;
        std::memcpy(&v, data(c), sizeof v);
        return fbtypes::fromIscTimestamp(v);
    }
    case SQL_TYPE_TIME: {
        ISC_TIME v;
        std::memcpy(&v, data(c), sizeof v);
        return DateTime(double(v) / (24.0 * 3600.0 * 10000.0));
    }
    default:
        throw DataSetError(QStringLiteral("A coluna %1 não é uma data").arg(c.name));
    }
}

bool FbRow::booleanAt(int index) const
{
    if (index >= int(m_columns.size()) && index < columnCount())
        return m_calculated[std::size_t(index) - m_columns.size()].value;
    if (isNull(index))
        return false;
    const Column &c = column(index);
    switch (c.type) {
    case SQL_BOOLEAN:
        return *reinterpret_cast<const unsigned char *>(data(c)) != 0;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scaledInteger(c) != 0;
    default: {
        const QString text = textAt(index).trimmed().toUpper();
        return text == u"S" || text == u"T" || text == u"TRUE" || text == u"1";
    }
    }
}
