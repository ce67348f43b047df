#pragma once

#include "EntityList.h"
#include "TConta.h"

// The TConta rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaConta
{
public:
    EntityList<TConta> &lista() { return Flista; }
    const EntityList<TConta> &lista() const { return Flista; }

private:
    EntityList<TConta> Flista;
};
