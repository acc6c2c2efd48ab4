// The world map: the 42 territories (and the joker), colours, continents and the trade worth.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

inline constexpr int NumeroTerritorios = 42;
/// Card 43 is the joker: it has a record in the table, but it is no territory.
inline constexpr int NumeroCartas = 43;
inline constexpr int NumeroCores = 6;

/// One territory: nine text fields, numbers kept as decimal text.
struct TPais {
    QString Nome;       ///< 18 characters, blank-padded
    QString Simbolo;    ///< "T", "B", "Q", or "*" for the joker
    QString Continente; ///< two-letter code
    QString Vizinhos;   ///< two-digit numbers separated by one blank
    QString PosX;
    QString PosY;
    QString Dono = QStringLiteral("1");
    QString Exercitos = QStringLiteral("0");
    QString Marca = QStringLiteral("0");
};

/// The 43 lines of the territory list, exactly as stored (blanks are significant).
const QStringList& ListaPaisesPadrao();

/// The table 1..43 cut from the 43 lines by column (columns count Windows-1252 characters).
std::array<TPais, NumeroCartas> CarregarPaises(const QStringList& linhas);

/// Whether n is a territory (1..42) / a card (1..43) / an army colour (1..6).
constexpr bool TerritorioValido(int n) { return n >= 1 && n <= NumeroTerritorios; }
constexpr bool CartaValida(int n) { return n >= 1 && n <= NumeroCartas; }
constexpr bool CorValida(int c) { return c >= 1 && c <= NumeroCores; }

/// "Amarelo".."Vermelho" for colours 1..6; empty otherwise.
QString NomeCor(int cor);
/// The colour of an army in windows ($BBGGRR) for colours 1..6; 0 otherwise.
quint32 CorBGRDoExercito(int cor);

/// The continents in order, two letters and two digits of territory count each.
inline constexpr const char* TextoContinentes = "AS12AF06EU07AN09AM04OC04";

/// Armies worth the trade that follows the n-th trade of the game.
int BonusTroca(int n);
