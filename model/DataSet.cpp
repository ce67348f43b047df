#include "DataSet.h"

bool DataSet::sameFieldName(QStringView a, QStringView b)
{
    // Simple case folding maps one character to one, so names of different
    // lengths never match. The columns of one table share their prefix
    // (ACD_A_NOM, ACD_A_NUM, ...): from the end, two names usually differ at
    // the first character compared.
    if (a.size() != b.size())
        return false;
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        if (x >= u'a' && x <= u'z')
            x -= u'a' - u'A';
        if (y >= u'a' && y <= u'z')
            y -= u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

DataSetError DataSet::missingField(QStringView name)
{
    return DataSetError(QStringLiteral("Campo '%1' não encontrado").arg(name));
}

void DataSet::readOnly()
{
    throw DataSetError(QStringLiteral("Conjunto de dados somente leitura"));
}

void DataSet::setInteger(int, qint32) { readOnly(); }
void DataSet::setText(int, const QString &) { readOnly(); }
void DataSet::setFloat(int, double) { readOnly(); }
void DataSet::setDateTime(int, DateTime) { readOnly(); }
void DataSet::setBoolean(int, bool) { readOnly(); }
void DataSet::setNull(int) { readOnly(); }
