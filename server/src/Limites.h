// The limits that keep one client from hurting the others; tests shorten some of them.
#pragma once

#include <QtGlobal>

struct TLimites {
    double MensagensRajada = 60;      ///< requests a client may send at once
    double MensagensPorSegundo = 20;  ///< and on average
    int ExcessoMaximo = 200;          ///< requests dropped in a row before the client is dropped
    double ChatRajada = 6;            ///< chat lines (public and private) at once
    double ChatPorSegundo = 1;        ///< and on average
    int TamanhoLinhaChat = 200;       ///< characters of a chat line; the rest is cut
    qint64 SaidaMaxima = 8 << 20;     ///< bytes waiting for a client that does not read; more drops it
    qint64 LeituraPorVez = 256 << 10; ///< bytes read from one client before the others get a turn
    int EsperaLoginMs = 60000;        ///< a connection that has not logged in by then is closed
    int OciosidadeMs = 120000;        ///< a logged-in client silent that long is closed (keep-alive is 10 s)
    int EsperaFechamentoMs = 5000;    ///< a closing client that does not take its last bytes is cut
    int EsperaHttpMs = 10000;         ///< the login request must be complete by then
    int HistoricoSaida = 1000;        ///< numbered messages kept for the client's retransmission request
    int ConexoesMaximas = 512;        ///< simultaneous connections on the game and account ports
    int ListaNegraMaxima = 100;       ///< nicks on one blacklist
};

/// Milliseconds of a monotonic clock.
qint64 RelogioMs();
