// The child of tst_killloop: registers new members for as long as it lives,
// each with two contacts and its login user, the way the member editor
// stores them (the presentation tables filled, the member entity built from
// them, the register's store flow). The test kills it with SIGKILL at random
// moments and then looks for what a kill may have left half-written.
//
//   ulmora_killwriter CONNECTION-DEFINITIONS ASSOCIATION-KEY
//
// Prints "stored N" after each member stored, and exits with status 1 when
// a store fails.

#include "ConnectionSettings.h"
#include "Session.h"
#include "TAssociado.h"
#include "TFones.h"
#include "TUsuarios.h"
#include "uDM.h"
#include "uDMds.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <memory>

#include <unistd.h>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CONNECTION-DEFINITIONS ASSOCIATION-KEY\n", argv[0]);
        return 2;
    }
    qputenv("ULMORA_CONNECTION_DEFS", argv[1]);
    const qint32 association = QString::fromLocal8Bit(argv[2]).toInt();

    auto dm = std::make_unique<TDM>();
    DM = dm.get();
    auto dmds = std::make_unique<TDMds>();
    DMds = dmds.get();
    AssociacaoAtual->setId(association);

    // Documents of their own in every run: the process id and a counter.
    const QString prefix = QString::number(getpid() % 100000).rightJustified(5, u'0');
    for (int n = 1;; ++n) {
        TAssociado novo;
        novo.setCnpj(prefix + QString::number(n).rightJustified(6, u'0'));
        novo.setNome(u"MEMBRO "_s + novo.cnpj());
        novo.setId_ass(association);
        novo.setAbilitado(u"S"_s);
        novo.setPct01(u"S"_s);
        novo.setPct02(u"N"_s);
        for (const char16_t *nome : {u"PRIMEIRO", u"SEGUNDO"}) {
            auto fone = std::make_unique<TFones>();
            fone->setNome(QString::fromUtf16(nome));
            fone->setDdd(u"11"_s);
            fone->setFone(u"30001000"_s);
            novo.fones().append(std::move(fone));
        }
        DMds->PopulacdsCadAssociado(novo);
        DMds->PopulacdsCadFoneAcd(novo);

        const std::unique_ptr<TAssociado> associado = DMds->PopulaObjAssociado();
        TUsuarios login;
        login.setNome(u"LOGIN"_s);
        login.setUsuario(u"U"_s + novo.cnpj());
        login.setSenha(novo.cnpj().left(5));
        login.setMst(u"S"_s);
        login.setAbilitado(u"S"_s);
        if (!DM->GravaAssociado(*associado, &login))
            return 1;
        std::printf("stored %d\n", n);
        std::fflush(stdout);
    }
}
