// Birth dates of the personal data: screen form dd/mm/aaaa, wire form aaaa-mm-dd.
#pragma once

#include <QString>

/// Field n of a date text whose "/" count as ",", blanks removed, as an integer (0 when not a number).
int CampoData(const QString& texto, int n);

/// "aaaa-mm-dd" for a valid date of exactly 10 characters between 1900 and `anoAtual`; empty otherwise.
QString DataValida(const QString& texto, int anoAtual);

/// "aaaa-mm-dd" as "dd/mm/aaaa"; any other text unchanged.
QString DataParaTela(const QString& texto);

/// The typed text reduced to its first 8 digits, masked as dd/mm/aaaa.
QString MascararData(const QString& texto);
