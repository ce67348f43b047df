#include "RestoreCheck.h"

#include "ConnectionSettings.h"
#include "FbError.h"

QString restoreProblem(const QStringList &restoreOutput, const ConnectionSettings &restored, const TableCounts *written)
{
    for (const QString &line : restoreOutput) {
        if (line.contains(QStringLiteral("ERROR")))
            return QStringLiteral("a restauração relatou um erro (%1)").arg(line);
    }
    if (!restoreOutput.join(u'\n').contains(QStringLiteral("finishing, closing, and going home")))
        return QStringLiteral("a restauração não chegou ao fim: a cópia está incompleta ou danificada");

    TableCounts actual;
    try {
        actual = countRows(restored);
    } catch (const FbError &error) {
        return QStringLiteral("o banco restaurado não pôde ser lido (%1)").arg(error.message());
    }
    if (!actual.contains(QStringLiteral("ASSOCIACAO")))
        return QStringLiteral("o arquivo não é uma cópia do banco de dados deste sistema");

    const QStringList differences = written ? countDifferences(*written, actual, false)
                                            : countDifferences(reportedCounts(restoreOutput), actual, true);
    if (!differences.isEmpty())
        return QStringLiteral("as linhas restauradas não conferem com as da cópia (%1)")
            .arg(differences.join(QStringLiteral("; ")));
    return {};
}
