// The game port's logic: login, sessions, the lobby's players list, chat, profile, blacklist
// and the staff commands.
#pragma once

#include "Canal.h"
#include "Contas.h"
#include "Limitador.h"
#include "Limites.h"
#include "Pedido.h"
#include "Relogio.h"

#include <QStringList>

#include <memory>
#include <unordered_map>

class TLobby {
public:
    TLobby(TBancoContas& banco, const TLimites& limites, TRelogio relogio = {});
    ~TLobby();

    void Conectou(ICanal* canal);
    void Recebeu(ICanal* canal, const TPedido& pedido);
    void Desconectou(ICanal* canal);

    /// The games list's entries (players digit, status digit, name in 20 characters), kept by
    /// the rooms; the staff can close one.
    void AdicionarJogo(const QString& entrada);
    int JogadoresOnline() const;

private:
    struct TSessao {
        TSessao(ICanal* canal, const TLimites& limites)
            : Canal(canal), Chat(limites.ChatRajada, limites.ChatPorSegundo)
        {
        }
        const QString& Nick() const { return Conta->Nick; }
        int Nivel() const;

        ICanal* Canal;
        std::optional<TConta> Conta; ///< set once the login is accepted
        QString Token;
        bool NoLobby = false;
        int Posicao = 0;
        TBaldeFichas Chat;
        bool AvisadoRapido = false;
    };
    using TTratar = void (TLobby::*)(TSessao&, const TPedido&);
    enum class TAcesso { Qualquer, Logado, Staff, Administrador };
    struct TTratador {
        const char* Codigo;
        TAcesso Acesso;
        TTratar Tratar;
    };
    static const TTratador* BuscarTratador(const QString& codigo);

    // Session and lobby.
    void SrvSel(TSessao& s, const TPedido& p);
    void LogSer(TSessao& s, const TPedido& p);
    void InfAti(TSessao& s, const TPedido& p);
    void SolRet(TSessao& s, const TPedido& p);
    void EnvMsg(TSessao& s, const TPedido& p);
    void MsgPri(TSessao& s, const TPedido& p);
    void JogAnd(TSessao& s, const TPedido& p);
    void VolCha(TSessao& s, const TPedido& p);
    void SaiCha(TSessao& s, const TPedido& p);
    void BlkLis(TSessao& s, const TPedido& p);
    void UsuDat(TSessao& s, const TPedido& p);
    void SetVar(TSessao& s, const TPedido& p);
    void AtuSen(TSessao& s, const TPedido& p);
    void ChaSup(TSessao& s, const TPedido& p);
    // Staff (Moderacao.cpp).
    void TipUsu(TSessao& s, const TPedido& p);
    void KickUs(TSessao& s, const TPedido& p);
    void BanUsu(TSessao& s, const TPedido& p);
    void LibUsu(TSessao& s, const TPedido& p);
    void RetUsu(TSessao& s, const TPedido& p);
    void Logado(TSessao& s, const TPedido& p);
    void LibFre(TSessao& s, const TPedido& p);
    void BloFre(TSessao& s, const TPedido& p);
    void FecJog(TSessao& s, const TPedido& p);

    // Helpers.
    TSessao* SessaoDe(ICanal* canal);
    TSessao* SessaoLogada(const QString& nick);
    void Aviso(TSessao& s, const QString& texto);
    void ParaLobby(const QString& texto);
    QString LinhaJogador(const TSessao& s) const;
    QStringList NicksNoLobby() const;
    void EnviarListaCompleta(TSessao& s);
    void EnviarEstatisticas(TSessao& s);
    void AnunciarNoLobby(const QString& nick, bool estavaNaLista, const TSessao* exceto);
    void Expulsar(TSessao& alvo, const QString& codigo);
    bool PodeFalar(TSessao& s);
    TConta AplicarPrazos(TConta conta);
    QString NovoToken() const;
    std::optional<TConta> AlvoDaStaff(TSessao& s, const QString& nick);
    void ContaMudou(const TConta& conta);

    TBancoContas& FBanco;
    TLimites FLimites;
    TRelogio FRelogio;
    std::unordered_map<ICanal*, std::unique_ptr<TSessao>> FSessoes;
    QStringList FJogos;
    bool FChatLivre = true;
};

/// Staff level of an account type: 0 players, 1 moderators (5, 8), 2 administrators (6, 9).
int NivelStaff(int tipo);

/// The kind text of an account type in the players list.
QString TextoTipo(int tipo);

/// A notice cut into lines the lobby shows whole ("SrvMsg" is read up to 110 characters),
/// broken at blanks where it can.
QStringList LinhasDeAviso(const QString& texto);
