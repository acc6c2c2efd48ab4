// The world map of the board: its territories as regions of pixels, and the 1010 x 700 picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <set>
#include <utility>
#include <vector>

/// The partition of the map into territories, computed once.
struct TModeloMapa {
    static constexpr int Largura = 1010;
    static constexpr int Altura = 700;
    /// 0 is sea; 1..42 the territory owning the pixel.
    std::vector<unsigned char> Regiao;
    /// Pairs (a < b) of territories whose regions share a land border.
    std::set<std::pair<int, int>> Fronteiras;
    /// Neighbour pairs (a < b) that do not touch: joined by a sea route.
    std::vector<std::pair<int, int>> RotasMaritimas;
    /// Bounding box of each territory's region.
    std::vector<QRect> Caixa;

    int Em(int x, int y) const { return Regiao[size_t(y) * Largura + size_t(x)]; }
};
const TModeloMapa& ModeloMapa();

/// Problems of the geometry: land borders between non-neighbours, markers off their territory.
std::vector<QString> ProblemasDoMapa();

/// The picture "mapa": the world map with the players' panel and the dice area of the board window.
QImage DesenharMapa();
