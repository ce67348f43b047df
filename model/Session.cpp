#include "Session.h"

TAssociacao *AssociacaoAtual = nullptr;
TAssociado *AssociadoAtual = nullptr;
TUsuarioLogado UsuarioLogado;

void CriaGlobais()
{
    AssociacaoAtual = new TAssociacao;
    AssociadoAtual = new TAssociado;
}

void LiberaGlobais()
{
    delete AssociacaoAtual;
    AssociacaoAtual = nullptr;
    delete AssociadoAtual;
    AssociadoAtual = nullptr;
}
