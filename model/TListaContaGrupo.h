#pragma once

#include "EntityList.h"
#include "TContaGrupo.h"

// The TContaGrupo rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaContaGrupo
{
public:
    EntityList<TContaGrupo> &lista() { return Flista; }
    const EntityList<TContaGrupo> &lista() const { return Flista; }

private:
    EntityList<TContaGrupo> Flista;
};
