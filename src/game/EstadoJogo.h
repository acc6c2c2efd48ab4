// The program-wide game-table state: the board and everything known about the game in progress.
#pragma once

#include "game/Tabuleiro.h"

#include <QString>
#include <QStringList>

#include <array>

struct TEstadoJogo {
    /// The board 1..43 at indexes 0..42 (use Pais()).
    std::array<TPais, NumeroCartas> Paises = CarregarPaises(ListaPaisesPadrao());
    /// Id of the game room the user is in (first field of every in-game message).
    QString JogoAtual;
    bool SouCriador = false;
    bool Reentrando = false;
    bool PartidaComecou = false;
    bool BencaoAres = false;
    /// The user's own colour 1..6, 0 when seated nowhere.
    int MinhaCor = 0;
    int PesoPartida = 0;
    bool MinhaVez = false;
    QString Fase;
    QString ContinenteAtual;
    QString MarcasPartida = QStringLiteral("NNN");
    /// The hand: two digits per card, in order of receipt.
    QString Cartas;
    int AvancosEnviados = 0;
    bool CartaDevida = false;
    /// Troop-picture type per colour 1..6 (indexes 0..5).
    std::array<QString, NumeroCores> TipoTropa = {"0", "0", "0", "0", "0", "0"};
    int AlvoAtaque = 0;
    int AlvoDefesa = 0;
    QString CorAlvo;
    /// Territory each attack die attacks from (0 = free).
    std::array<int, 3> Atacantes = {0, 0, 0};
    int DadosAtaque = 0;
    QString EsperaDadosAtaque;
    QString EsperaDadosDefesa;
    QString ContinentesPendentes;
    int MovOrigem = 0;
    int MovDestino = 0;
    QString ResultadoAtaque;
    QString ResultadoDefesa;
    /// Game chat lines held back while the chat is paused.
    QStringList ChatPausado;
    QString NumeroObjetivo = QStringLiteral("00");

    /// Territory or card n (1..43); throws EErro outside the table.
    TPais& Pais(int n);
    const TPais& Pais(int n) const;

    void Reiniciar();
};

extern TEstadoJogo EstadoJogo;

/// Owner colour of territory n (strict: a text that is not a number throws).
int DonoDe(int n);
/// Armies on territory n (strict).
int ExercitosDe(int n);
/// Whether territory a lists b as a neighbour (false outside the table).
bool SaoVizinhos(int a, int b);
