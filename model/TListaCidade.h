#pragma once

#include "EntityList.h"
#include "TCidade.h"

// The TCidade rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaCidade
{
public:
    EntityList<TCidade> &lista() { return Flista; }
    const EntityList<TCidade> &lista() const { return Flista; }

private:
    EntityList<TCidade> Flista;
};
