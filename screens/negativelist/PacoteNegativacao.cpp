#include "PacoteNegativacao.h"

#include "MessageDialog.h"
#include "Session.h"
#include "StandardTexts.h"
#include "TAssociado.h"

namespace PacoteNegativacao {

bool contratado()
{
    return AssociadoAtual && AssociadoAtual->pct02() == u"S";
}

QString naoContratado()
{
    return StandardTexts::pacoteNaoContratado(QStringLiteral("Negativação"));
}

bool confere()
{
    if (contratado())
        return true;
    MessageDialog::information(naoContratado());
    return false;
}

} // namespace PacoteNegativacao
