// The program's windows: one instance each, created once at start in a fixed order.
#include "app/Janelas.h"

#include "community/Amigos.h"
#include "community/BlackList.h"
#include "community/Gradua.h"
#include "community/Lideres.h"
#include "community/Login.h"
#include "community/Missao.h"
#include "community/NovaConta.h"
#include "community/Perfil.h"
#include "community/Printar.h"
#include "community/Ranking.h"
#include "community/Regras.h"
#include "game/FimDeJogo.h"
#include "game/Mapa.h"
#include "game/Prepara.h"
#include "game/Troca.h"
#include "lobby/ChatMetal.h"

TFrLogin* FrLogin = nullptr;
TFrPrepara* FrPrepara = nullptr;
TFrMapa* FrMapa = nullptr;
TFrTroca* FrTroca = nullptr;
TFrEliminado* FrEliminado = nullptr;
TFrVitoria* FrVitoria = nullptr;
TFrChat* FrChat = nullptr;
TfrAmigos* frAmigos = nullptr;
TFrGradua* FrGradua = nullptr;
TFRRegvelmor* FRRegvelmor = nullptr;
TFrPrintar* FrPrintar = nullptr;
TfrMissao* frMissao = nullptr;
TfrPerfil* frPerfil = nullptr;
TfrLiderDetalhe* frLiderDetalhe = nullptr;
TfrNovaConta* frNovaConta = nullptr;
TfrLiderEntrada* frLiderEntrada = nullptr;
TfrBlackList* frBlackList = nullptr;
TFrRanking2* FrRanking2 = nullptr;
TFrRanking* FrRanking = nullptr;

void CriarJanelas(const QStringList& argumentos)
{
    FrLogin = new TFrLogin(argumentos);
    FrPrepara = new TFrPrepara;
    FrMapa = new TFrMapa;
    FrTroca = new TFrTroca;
    FrEliminado = new TFrEliminado;
    FrVitoria = new TFrVitoria;
    FrChat = new TFrChat;
    frAmigos = new TfrAmigos;
    FrGradua = new TFrGradua;
    FRRegvelmor = new TFRRegvelmor;
    FrPrintar = new TFrPrintar;
    frMissao = new TfrMissao;
    frPerfil = new TfrPerfil;
    frLiderDetalhe = new TfrLiderDetalhe;
    frNovaConta = new TfrNovaConta;
    frLiderEntrada = new TfrLiderEntrada;
    frBlackList = new TfrBlackList;
    FrRanking2 = new TFrRanking2;
    // Every window is top-level without a parent, so the lobby, preparation and board windows
    // each have their own task-bar button.
}

namespace {

template <typename T>
void Destruir(T*& janela)
{
    delete janela;
    janela = nullptr;
}

} // namespace

void DestruirJanelas()
{
    // The connection first: a message its reader still delivers may touch any window.
    if (FrLogin)
        FrLogin->DestruirConexao();
    Destruir(FrRanking);
    Destruir(FrRanking2);
    Destruir(frBlackList);
    Destruir(frLiderEntrada);
    Destruir(frNovaConta);
    Destruir(frLiderDetalhe);
    Destruir(frPerfil);
    Destruir(frMissao);
    Destruir(FrPrintar);
    Destruir(FRRegvelmor);
    Destruir(FrGradua);
    Destruir(frAmigos);
    Destruir(FrChat);
    Destruir(FrVitoria);
    Destruir(FrEliminado);
    Destruir(FrTroca);
    Destruir(FrMapa);
    Destruir(FrPrepara);
    Destruir(FrLogin);
}

TFrRanking* ObterFrRanking()
{
    if (!FrRanking)
        FrRanking = new TFrRanking;
    return FrRanking;
}
