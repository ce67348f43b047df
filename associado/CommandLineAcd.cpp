#include "CommandLineAcd.h"

#include "LanguageControl.h"

#include <QByteArrayList>
#include <QCommandLineParser>
#include <QCoreApplication>

int handleCommandLineAcd(int argc, char *argv[])
{
    static const QByteArrayList ours{"-h", "--help", "--help-all", "-v", "--version", "-?"};
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        asked = asked || ours.contains(QByteArray(argv[i]));
    // Anything else is the toolkit's (-platform, -style, ...).
    if (!asked)
        return -1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ULMORA_VERSION));
    LanguageControl::install();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Ulmora - Associado: o programa da equipe de um associado de uma associação comercial (parceiros, "
        "negativação e financeiro).\n"
        "A definição de conexão é procurada em ULMORA_CONNECTION_DEFS, connections.ini ao lado do programa, "
        "~/.config/ulmora/connections.ini e /etc/ulmora/connections.ini; sem nenhuma, o programa oferece criar "
        "ou escolher um banco de dados."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Ends the process: --help and --version with 0, an unknown option
    // beside them with 1.
    parser.process(app);
    return 0;
}
