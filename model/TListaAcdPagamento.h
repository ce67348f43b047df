#pragma once

#include "EntityList.h"
#include "TAcdPagamento.h"

// The TAcdPagamento rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaAcdPagamento
{
public:
    EntityList<TAcdPagamento> &lista() { return Flista; }
    const EntityList<TAcdPagamento> &lista() const { return Flista; }

private:
    EntityList<TAcdPagamento> Flista;
};
