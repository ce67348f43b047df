#include "uDM.h"

#include "FbStatement.h"

void TDM::createSearchStatements()
{
    FDPesqAssociado = statement();
    FDPesqCidade = statement();
    FDPesqParceiro = statement();
}
