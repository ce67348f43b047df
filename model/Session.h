#pragma once

#include "TAssociacao.h"
#include "TAssociado.h"

#include <QString>

// The user who logged in, copied from the matching TUsuarios.
struct TUsuarioLogado
{
    qint32 id = 0;
    QString nome, usuario, senha;
    qint32 id_pai = 0;
    QString mst, abl;
};

// Session state shared by the data-access module and the screens. The session
// owns both objects; others read them or refill them in place, never free or
// replace them.
extern TAssociacao *AssociacaoAtual;
extern TAssociado *AssociadoAtual;
extern TUsuarioLogado UsuarioLogado;

// Called once by the data-access module when it is created, and on its
// destruction.
void CriaGlobais();
void LiberaGlobais();
