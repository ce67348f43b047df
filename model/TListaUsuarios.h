#pragma once

#include "EntityList.h"
#include "TUsuarios.h"

// The TUsuarios rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaUsuarios
{
public:
    EntityList<TUsuarios> &Lista() { return FLista; }
    const EntityList<TUsuarios> &Lista() const { return FLista; }

private:
    EntityList<TUsuarios> FLista;
};
