#include "DataSet.h"

bool DataSet::sameFieldNameFolded(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

DataSetError DataSet::missingField(QStringView name)
{
    return DataSetError(QStringLiteral("Campo '%1' não encontrado").arg(name));
}

void DataSet::readOnly()
{
    throw DataSetError(QStringLiteral("Conjunto de dados somente leitura"));
}

void DataSet::setInteger(int, qint32)
{
    readOnly();
}
void DataSet::setText(int, const QString &)
{
    readOnly();
}
void DataSet::setFloat(int, double)
{
    readOnly();
}
void DataSet::setDateTime(int, DateTime)
{
    readOnly();
}
void DataSet::setBoolean(int, bool)
{
    readOnly();
}
void DataSet::setNull(int)
{
    readOnly();
}
