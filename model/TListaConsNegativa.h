#pragma once

#include "EntityList.h"
#include "TConsNegativa.h"

// The TConsNegativa rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaConsNegativa
{
public:
    EntityList<TConsNegativa> &lista() { return Flista; }
    const EntityList<TConsNegativa> &lista() const { return Flista; }

private:
    EntityList<TConsNegativa> Flista;
};
