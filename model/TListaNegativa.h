#pragma once

#include "EntityList.h"
#include "TNegativa.h"

// The TNegativa rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaNegativa
{
public:
    EntityList<TNegativa> &lista() { return Flista; }
    const EntityList<TNegativa> &lista() const { return Flista; }

private:
    EntityList<TNegativa> Flista;
};
