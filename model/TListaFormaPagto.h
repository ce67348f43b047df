#pragma once

#include "EntityList.h"
#include "TFormaPagto.h"

// The TFormaPagto rows a search or reader hands to its caller; destroying the
// holder destroys them.
class TListaFormaPagto
{
public:
    EntityList<TFormaPagto> &lista() { return Flista; }
    const EntityList<TFormaPagto> &lista() const { return Flista; }

private:
    EntityList<TFormaPagto> Flista;
};
