// Every message code of both directions: the one table the dispatcher and the senders use.
#pragma once

#include <QString>

#include <span>

/// Family of an inbound code: which group of handlers serves it.
enum class TFamilia { Sessao, Lobby, Sala, Partida, Comunidade, Cartas };

struct TCodigoEntrada {
    const char* Codigo;
    /// [first N] width of the field area; 0 when the handler reads it whole.
    int Largura;
    TFamilia Familia;
};

enum class TModoEnvio { Numerada, Direta };

struct TCodigoSaida {
    const char* Codigo;
    TModoEnvio Modo;
};

std::span<const TCodigoEntrada> CodigosEntrada();
std::span<const TCodigoSaida> CodigosSaida();

/// The inbound entry of a code (compared exactly), or nullptr.
const TCodigoEntrada* BuscarCodigoEntrada(const QString& codigo);

/// The outbound entry of a code, or nullptr.
const TCodigoSaida* BuscarCodigoSaida(const QString& codigo);
