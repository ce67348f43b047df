#pragma once

#include "EntityList.h"
#include "TDRE.h"

// The TDRE rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaDRE
{
public:
    EntityList<TDRE> &lista() { return Flista; }
    const EntityList<TDRE> &lista() const { return Flista; }

private:
    EntityList<TDRE> Flista;
};
