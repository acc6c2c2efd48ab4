// The 42 territories as the generator draws them: names, continents, card symbols, markers, neighbours.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

enum class TContinente { Asia, Africa, Europa, AmericaNorte, AmericaSul, Oceania };
inline constexpr int NumeroContinentes = 6;

struct TDadosContinente {
    const char* Codigo;  ///< "AS", "AF", ...
    const char* Nome;    ///< as written on the map
    const char* Curto;   ///< on the band of a card
    QColor Tinta;        ///< land tint on the map and on the cards
};
const TDadosContinente& Continente(TContinente c);

struct TTerritorio {
    int Numero;            ///< 1..42
    QString Nome;          ///< name of the territory list
    char Simbolo;          ///< 'T' triangle, 'B' ball, 'Q' square
    TContinente Continente;
    QPoint Marcador;       ///< top-left of the 32 x 32 marker on the board
    std::vector<int> Vizinhos;

    QPoint Centro() const { return Marcador + QPoint(16, 16); }
    QString NomeQ() const { return Nome; }
};

/// Territories 1..42 (index 0 is unused).
const std::array<TTerritorio, 43>& Territorios();
