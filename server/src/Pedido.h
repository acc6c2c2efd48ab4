// A client's request as it arrives: session token, optional sequence number, code and fields.
#pragma once

#include <QString>

#include <optional>

struct TPedido {
    QString Token;
    bool Numerada = false;
    int Numero = 0;
    QString Codigo;
    QString Campos; ///< everything after the code and its blank

    /// Field n (from 1) of the field area; empty when absent.
    QString Campo(int n) const;
    /// Everything after the first comma of the field area: a free text that may hold commas.
    QString Resto() const;
};

/// Splits a request: 4 characters of token, then a sequence number when a digit follows, then
/// a code of six letters or digits starting with a capital, then nothing or a blank and the
/// fields. nullopt for anything else, so garbage never reaches a handler.
std::optional<TPedido> LerPedido(const QString& texto);
