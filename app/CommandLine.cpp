#include "CommandLine.h"

#include "BackupPlace.h"
#include "ConnectionSettings.h"
#include "FbError.h"
#include "LanguageControl.h"
#include "VerifiedBackup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstring>

namespace CommandLine {

bool runsWithoutWindows(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--backup", "--help", "-h", "-?"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

int run(const QString &iniFile)
{
    // Qt's own texts of the help (usage, options) in Portuguese too.
    LanguageControl::install();
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ulmora - Associação: cadastro de associados e usuários."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
                                  QStringLiteral("Mostra esta ajuda e termina."));
    const QCommandLineOption backup(QStringLiteral("backup"),
                                    QStringLiteral("Faz uma cópia de segurança verificada do banco de dados da "
                                                   "definição de conexão, sem abrir janelas, na PASTA informada "
                                                   "(senão na pasta escolhida no programa, ou na pasta do banco), "
                                                   "e remove as cópias antigas (ficam as 7 últimas diárias e as 4 "
                                                   "últimas semanais)."));
    parser.addOption(help);
    parser.addOption(backup);
    parser.addPositionalArgument(QStringLiteral("PASTA"), QStringLiteral("Pasta das cópias (com --backup)."),
                                 QStringLiteral("[PASTA]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        err << parser.errorText() << '\n';
        return 1;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (!parser.isSet(backup) || parser.positionalArguments().size() > 1) {
        err << QStringLiteral("Uso: ulmora --backup [PASTA] (veja ulmora --help)") << '\n';
        return 1;
    }

    ConnectionSettings settings;
    try {
        settings = ConnectionSettings::load();
    } catch (const FbError &error) {
        err << error.message() << '\n';
        return 1;
    }
    const QString folder = parser.positionalArguments().isEmpty()
                               ? BackupPlace::folder(iniFile, settings)
                               : QDir(parser.positionalArguments().constFirst()).absolutePath();
    VerifiedBackup copy(settings, folder);
    const VerifiedBackup::Result result = copy.run();
    if (!result.ok) {
        err << result.message << '\n';
        return 1;
    }
    out << QStringLiteral("Cópia de segurança gravada em %1").arg(result.file) << '\n';
    for (const QString &removed : result.removed)
        out << QStringLiteral("Cópia antiga removida: %1").arg(removed) << '\n';
    return 0;
}

} // namespace CommandLine
