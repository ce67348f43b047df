#include "uDM.h"

#include "FbStatement.h"

void TDM::createPartnerStatements()
{
}
