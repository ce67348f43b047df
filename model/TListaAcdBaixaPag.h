#pragma once

#include "EntityList.h"
#include "TAcdBaixaPag.h"

// The entries a settlement (or its reversal) works on, built by its caller;
// destroying the holder destroys them.
class TListaAcdBaixaPag
{
public:
    EntityList<TAcdBaixaPag> &lista() { return Flista; }
    const EntityList<TAcdBaixaPag> &lista() const { return Flista; }

private:
    EntityList<TAcdBaixaPag> Flista;
};
