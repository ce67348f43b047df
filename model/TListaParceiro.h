#pragma once

#include "EntityList.h"
#include "TPesqParceiro.h"

// The TPesqParceiro rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaParceiro
{
public:
    EntityList<TPesqParceiro> &Lista() { return FLista; }
    const EntityList<TPesqParceiro> &Lista() const { return FLista; }

private:
    EntityList<TPesqParceiro> FLista;
};
