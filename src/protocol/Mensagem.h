// The text syntax every message shares: optional sequence number, six-letter code, blank, fields.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int TamanhoCodigo = 6;

/// An inbound text with its sequence number split off.
struct TNumeracao {
    bool Numerada = false;
    int Numero = 0;
    QString Resto; ///< the text after the number (the whole text when not numbered)
};

/// Splits off the sequence number: present when the first character is a decimal digit; then
/// characters 1..4 are the number (strict: a malformed one throws EErroConversao).
TNumeracao SepararNumero(const QString& texto);

/// Characters 1..6 of a text without its number; empty when it is shorter than 6.
QString CodigoDe(const QString& semNumero);

/// The field area: from the 8th character on.
QString CamposDe(const QString& semNumero);

/// Code + " " + the fields joined by ","; the code alone when there are no fields.
QString MontarMensagem(const QString& codigo, const QStringList& campos = {});
