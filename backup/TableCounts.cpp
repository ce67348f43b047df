#include "TableCounts.h"

#include "FbConnection.h"
#include "FbStatement.h"
#include "FbTransaction.h"

#include <QRegularExpression>

namespace {

QStringList tableNamesOf(FbConnection &connection)
{
    QStringList tables;
    FbStatement list(connection, QStringLiteral("select trim(RDB$RELATION_NAME) as NOME from RDB$RELATIONS "
                                                "where coalesce(RDB$SYSTEM_FLAG, 0) = 0 and RDB$VIEW_BLR is null "
                                                "order by 1"));
    const auto rows = list.open();
    while (rows->next())
        tables << rows->text(u"NOME");
    return tables;
}

} // namespace

QStringList tableNames(const ConnectionSettings &settings)
{
    FbConnection connection(settings);
    return tableNamesOf(connection);
}

TableCounts countRows(const ConnectionSettings &settings)
{
    FbConnection connection(settings);
    FbTransaction transaction(connection);
    const QStringList tables = tableNamesOf(connection);
    TableCounts counts;
    for (const QString &table : std::as_const(tables)) {
        // Names come from the catalog, never from a person.
        FbStatement count(connection, QStringLiteral("select count(*) as LINHAS from \"%1\"")
                                          .arg(QString(table).replace(u'"', QStringLiteral("\"\""))));
        const auto rows = count.open();
        if (rows->next())
            counts.insert(table, rows->integer(u"LINHAS"));
    }
    transaction.commit();
    return counts;
}

TableCounts reportedCounts(const QStringList &output)
{
    static const QRegularExpression table(QStringLiteral("(?:writing|restoring) data for table (\\S+)"));
    static const QRegularExpression records(QStringLiteral("(\\d+) records (?:written|restored)"));
    TableCounts counts;
    QString current;
    for (const QString &line : output) {
        if (const QRegularExpressionMatch m = table.match(line); m.hasMatch()) {
            current = m.captured(1);
            counts.insert(current, 0);
        } else if (const QRegularExpressionMatch r = records.match(line); r.hasMatch() && !current.isEmpty()) {
            // A large table is reported every 10,000 rows on the way: the
            // last line before the next table holds its total.
            counts.insert(current, r.captured(1).toLongLong());
        }
    }
    return counts;
}

QStringList countDifferences(const TableCounts &expected, const TableCounts &actual, bool missingIsEmpty)
{
    QStringList differences;
    QStringList tables = expected.keys() + actual.keys();
    tables.removeDuplicates();
    tables.sort();
    for (const QString &table : std::as_const(tables)) {
        const bool inExpected = expected.contains(table);
        const bool inActual = actual.contains(table);
        if (!missingIsEmpty && !inExpected) {
            differences << QStringLiteral("tabela %1 não está na cópia").arg(table);
        } else if (!missingIsEmpty && !inActual) {
            differences << QStringLiteral("tabela %1 não foi restaurada").arg(table);
        } else if (expected.value(table) != actual.value(table)) {
            differences << QStringLiteral("tabela %1: %2 linhas na cópia, %3 restauradas")
                               .arg(table)
                               .arg(expected.value(table))
                               .arg(actual.value(table));
        }
    }
    return differences;
}
