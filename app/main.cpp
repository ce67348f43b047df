#include "FbError.h"
#include "uDM.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    try {
        TDM dm;
        DM = &dm;
        QMessageBox::information(nullptr, QStringLiteral("Ulmora - Associação v1.0"),
                                 QStringLiteral("Banco de dados aberto: %1").arg(dm.connection().settings().attachString()));
        DM = nullptr;
    } catch (const FbError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Ulmora - Associação v1.0"), error.message());
        return 1;
    }
    return 0;
}
