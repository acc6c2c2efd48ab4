// The world map of the board: land shapes around the board's markers, territories grown from seeds,
// sea routes where two neighbours do not touch, names placed clear of the markers, and the board's panels.
#include "Mapa.h"

#include "Pintura.h"
#include "Territorios.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr int L = TModeloMapa::Largura;
constexpr int A = TModeloMapa::Altura;

/// Where the map ends and the board's panels begin.
constexpr int LimiteDireito = 824;
constexpr int TopoBarra = 60;

// ---- Geometry ------------------------------------------------------------------------------------

/// A piece of land (or a sea carved out of land when `Territorios` is empty) and the territories that share it.
struct TTerra {
    std::vector<QPointF> Contorno;
    std::vector<int> Territorios;
};

const std::vector<TTerra>& Terras()
{
    static const std::vector<TTerra> terras = {
        // North America with Central America down to the isthmus.
        {{{28, 96}, {44, 80}, {72, 72}, {108, 68}, {150, 66}, {184, 70}, {214, 78}, {232, 96}, {222, 112},
             {240, 124}, {260, 136}, {268, 160}, {256, 184}, {234, 198}, {216, 214}, {204, 236}, {190, 250},
             {166, 256}, {150, 272}, {134, 268}, {122, 280}, {126, 298}, {144, 310}, {160, 318}, {152, 324},
             {130, 314}, {104, 304}, {80, 294}, {54, 284}, {44, 264}, {52, 244}, {66, 230}, {72, 212},
             {68, 190}, {74, 168}, {64, 148}, {52, 132}, {36, 122}, {22, 110}},
            {2, 23, 40, 32, 22, 10, 29, 25}},
        // South America.
        {{{146, 316}, {166, 310}, {188, 316}, {208, 324}, {228, 336}, {248, 348}, {266, 364}, {262, 386},
             {248, 410}, {232, 430}, {218, 452}, {208, 476}, {198, 500}, {188, 520}, {176, 532}, {164, 522},
             {158, 498}, {148, 470}, {140, 440}, {136, 410}, {130, 380}, {124, 352}, {130, 332}},
            {13, 11, 9, 6}},
        // Africa.
        {{{338, 256}, {356, 248}, {382, 246}, {408, 248}, {430, 246}, {450, 248}, {468, 252}, {470, 264},
             {478, 282}, {488, 300}, {502, 316}, {520, 324}, {514, 336}, {504, 348}, {498, 372}, {490, 398},
             {480, 424}, {472, 450}, {462, 474}, {446, 490}, {432, 482}, {424, 456}, {418, 428}, {410, 402},
             {400, 378}, {394, 354}, {382, 338}, {362, 334}, {342, 328}, {328, 312}, {324, 290}, {330, 270}},
            {5, 16, 36, 14, 1}},
        // Eurasia, Scandinavia joined to Russia in the north.
        {{{362, 194}, {372, 182}, {376, 170}, {384, 158}, {396, 152}, {410, 149}, {426, 147}, {440, 147},
             {454, 142}, {464, 132}, {460, 122}, {448, 118}, {438, 122}, {428, 128}, {416, 132}, {404, 134},
             {392, 126}, {386, 112}, {392, 100}, {404, 88}, {422, 80}, {446, 76}, {470, 82}, {490, 80},
             {512, 76}, {540, 70}, {574, 66}, {610, 64}, {650, 68}, {690, 74}, {730, 80}, {766, 88},
             {796, 98}, {810, 116}, {800, 132}, {786, 140}, {776, 152}, {770, 166}, {760, 180}, {750, 192},
             {744, 206}, {750, 216}, {742, 230}, {736, 246}, {728, 262}, {718, 278}, {708, 292}, {704, 306},
             {710, 322}, {702, 342}, {690, 350}, {678, 340}, {670, 322}, {662, 306}, {650, 300}, {638, 306},
             {628, 324}, {614, 348}, {604, 338}, {596, 318}, {588, 300}, {578, 290}, {564, 292}, {552, 300},
             {540, 306}, {524, 308}, {510, 306}, {502, 296}, {492, 282}, {482, 264}, {468, 250}, {470, 240},
             {478, 236}, {466, 234}, {456, 240}, {446, 240}, {440, 228}, {432, 240}, {424, 240}, {420, 226},
             {408, 222}, {398, 226}, {388, 232}, {372, 236}, {362, 232}, {356, 218}},
            {3, 34, 33, 27, 37, 4, 30, 15, 35, 39, 26, 42, 12, 18, 31, 41}},
        // Seas carved out of the land.
        {{{176, 50}, {196, 50}, {200, 80}, {210, 92}, {212, 108}, {204, 124}, {188, 128}, {176, 118}, {170, 102}, {178, 80}}, {}}, // Hudson
        {{{468, 212}, {480, 206}, {496, 208}, {500, 216}, {490, 222}, {476, 222}}, {}},                    // Black Sea
        {{{516, 214}, {524, 210}, {530, 220}, {528, 236}, {522, 244}, {516, 234}}, {}},                    // Caspian
        {{{380, 136}, {392, 136}, {410, 136}, {430, 127}, {448, 121}, {458, 128}, {452, 140}, {438, 144}, {420, 146}, {402, 148}}, {}}, // Baltic
        // Islands.
        {{{250, 72}, {268, 64}, {294, 60}, {322, 62}, {340, 68}, {344, 82}, {332, 98}, {322, 116}, {306, 130},
             {292, 126}, {280, 112}, {266, 100}, {254, 88}},
            {17}},
        {{{332, 130}, {344, 125}, {360, 126}, {370, 132}, {368, 146}, {356, 153}, {340, 152}, {330, 144}}, {20}},
        {{{330, 160}, {340, 157}, {350, 162}, {356, 176}, {352, 190}, {344, 198}, {330, 197}, {326, 186},
             {332, 176}, {324, 168}},
            {19}},
        {{{504, 410}, {518, 404}, {530, 414}, {530, 440}, {520, 462}, {506, 460}, {500, 438}}, {24}},
        {{{764, 204}, {778, 200}, {790, 214}, {798, 236}, {800, 258}, {792, 274}, {778, 282}, {766, 272},
             {770, 256}, {762, 240}, {764, 222}},
            {21}},
        {{{636, 362}, {648, 358}, {664, 368}, {678, 384}, {682, 402}, {670, 408}, {654, 396}, {640, 380}}, {38}},
        {{{690, 360}, {706, 352}, {724, 356}, {732, 372}, {728, 392}, {714, 402}, {696, 400}, {688, 384}}, {8}},
        {{{744, 418}, {762, 406}, {788, 406}, {808, 416}, {816, 430}, {798, 442}, {772, 444}, {750, 434}}, {28}},
        {{{658, 470}, {670, 452}, {692, 446}, {712, 440}, {732, 448}, {750, 446}, {770, 456}, {790, 472},
             {798, 496}, {786, 518}, {756, 528}, {728, 520}, {702, 514}, {680, 520}, {662, 506}, {654, 486}},
            {7}},
    };
    return terras;
}

/// Seeds of each territory besides its marker centre: they shape the regions where markers alone would not.
const std::vector<std::pair<int, QPointF>>& SementesExtras()
{
    static const std::vector<std::pair<int, QPointF>> sementes = {
        {2, {45, 100}}, {23, {150, 85}}, {40, {80, 140}}, {32, {170, 140}}, {22, {245, 150}},
        {22, {222, 130}}, {22, {220, 84}}, {37, {405, 128}}, {10, {85, 200}}, {29, {195, 215}}, {25, {110, 270}}, {25, {140, 300}},
        {13, {190, 330}}, {9, {240, 380}}, {9, {215, 430}}, {11, {145, 450}}, {11, {165, 510}}, {6, {190, 490}},
        {5, {345, 300}}, {5, {390, 320}}, {16, {460, 262}}, {36, {495, 320}}, {14, {410, 370}}, {1, {450, 475}},
        {37, {425, 95}}, {27, {455, 100}}, {27, {500, 190}}, {33, {445, 160}}, {33, {450, 232}}, {3, {410, 150}},
        {34, {370, 225}}, {34, {425, 230}}, {31, {470, 240}}, {31, {530, 290}}, {31, {490, 230}}, {4, {520, 250}},
        {4, {575, 235}}, {30, {528, 108}}, {30, {590, 212}}, {30, {598, 224}}, {30, {572, 180}}, {4, {582, 248}}, {15, {540, 80}}, {15, {600, 150}}, {15, {607, 185}}, {26, {628, 225}}, {27, {470, 128}}, {35, {650, 90}},
        {35, {700, 90}}, {39, {680, 180}}, {42, {770, 110}}, {42, {740, 190}}, {26, {660, 215}},
        {12, {720, 250}}, {12, {630, 240}}, {12, {614, 238}}, {39, {690, 206}}, {18, {610, 330}}, {41, {695, 330}}, {18, {570, 280}},
    };
    return sementes;
}

/// The outline of a piece of land, with a ragged coast.
QPainterPath Costa(const std::vector<QPointF>& pontos, int semente)
{
    QPolygonF contorno;
    const size_t n = pontos.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF a = pontos[i];
        const QPointF b = pontos[(i + 1) % n];
        const QPointF d = b - a;
        const double comprimento = std::hypot(d.x(), d.y());
        const int passos = std::max(1, int(comprimento / 3));
        const QPointF normal(-d.y() / std::max(comprimento, 1e-9), d.x() / std::max(comprimento, 1e-9));
        for (int k = 0; k < passos; ++k) {
            const QPointF q = a + d * (double(k) / passos);
            const double desvio = (Ruido(q.x() / 14.0, q.y() / 14.0, semente, 3) - 0.5) * 7.0
                * (k == 0 ? 0.0 : 1.0);
            contorno << q + normal * desvio;
        }
    }
    QPainterPath caminho;
    caminho.addPolygon(contorno);
    caminho.closeSubpath();
    return caminho;
}

/// Euclidean-like distance (chamfer 3-4, in pixels) of every pixel to the nearest pixel where `alvo` holds.
std::vector<float> Distancia(const std::vector<unsigned char>& alvo)
{
    const float inf = 1e9f;
    std::vector<float> d(size_t(L) * A);
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = alvo[i] ? 0.f : inf;
    auto em = [&](int x, int y) -> float& { return d[size_t(y) * L + x]; };
    for (int y = 0; y < A; ++y)
        for (int x = 0; x < L; ++x) {
            float& v = em(x, y);
            if (x > 0) v = std::min(v, em(x - 1, y) + 3);
            if (y > 0) {
                v = std::min(v, em(x, y - 1) + 3);
                if (x > 0) v = std::min(v, em(x - 1, y - 1) + 4);
                if (x + 1 < L) v = std::min(v, em(x + 1, y - 1) + 4);
            }
        }
    for (int y = A - 1; y >= 0; --y)
        for (int x = L - 1; x >= 0; --x) {
            float& v = em(x, y);
            if (x + 1 < L) v = std::min(v, em(x + 1, y) + 3);
            if (y + 1 < A) {
                v = std::min(v, em(x, y + 1) + 3);
                if (x + 1 < L) v = std::min(v, em(x + 1, y + 1) + 4);
                if (x > 0) v = std::min(v, em(x - 1, y + 1) + 4);
            }
        }
    for (float& v : d)
        v /= 3.f;
    return d;
}

TModeloMapa CalcularModelo()
{
    TModeloMapa m;
    m.Regiao.assign(size_t(L) * A, 0);
    // Which piece of land covers each pixel: later pieces win, so seas and islands come last.
    QImage pecas(L, A, QImage::Format_Grayscale8);
    pecas.fill(0);
    {
        QPainter p(&pecas);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        const auto& terras = Terras();
        for (size_t i = 0; i < terras.size(); ++i) {
            p.setBrush(QColor(int(i + 1), int(i + 1), int(i + 1)));
            p.drawPath(Costa(terras[i].Contorno, int(31 + i * 7)));
        }
    }
    struct TSemente {
        int Territorio;
        QPointF Ponto;
    };
    std::vector<TSemente> sementes;
    for (int t = 1; t <= 42; ++t)
        sementes.push_back({t, QPointF(Territorios()[t].Centro())});
    for (const auto& [t, ponto] : SementesExtras())
        sementes.push_back({t, ponto});

    const auto& terras = Terras();
    for (int y = 0; y < A; ++y) {
        const uchar* linha = pecas.constScanLine(y);
        for (int x = 0; x < L; ++x) {
            const int peca = linha[x];
            if (peca == 0 || terras[size_t(peca - 1)].Territorios.empty())
                continue;
            const auto& donos = terras[size_t(peca - 1)].Territorios;
            if (donos.size() == 1) {
                m.Regiao[size_t(y) * L + x] = static_cast<unsigned char>(donos[0]);
                continue;
            }
            // Borders wander a little: distances are measured from a warped point.
            const double wx = x + (Ruido(x / 22.0, y / 22.0, 7, 3) - 0.5) * 14;
            const double wy = y + (Ruido(x / 22.0, y / 22.0, 8, 3) - 0.5) * 14;
            double melhor = std::numeric_limits<double>::max();
            int dono = 0;
            for (const TSemente& s : sementes) {
                if (std::find(donos.begin(), donos.end(), s.Territorio) == donos.end())
                    continue;
                const double d = (s.Ponto.x() - wx) * (s.Ponto.x() - wx) + (s.Ponto.y() - wy) * (s.Ponto.y() - wy);
                if (d < melhor) {
                    melhor = d;
                    dono = s.Territorio;
                }
            }
            m.Regiao[size_t(y) * L + x] = static_cast<unsigned char>(dono);
        }
    }

    m.Caixa.assign(43, QRect());
    for (int y = 0; y < A; ++y)
        for (int x = 0; x < L; ++x) {
            const int t = m.Em(x, y);
            if (!t)
                continue;
            m.Caixa[t] = m.Caixa[t].united(QRect(x, y, 1, 1));
            if (x + 1 < L && m.Em(x + 1, y) && m.Em(x + 1, y) != t)
                m.Fronteiras.insert(std::minmax(t, m.Em(x + 1, y)));
            if (y + 1 < A && m.Em(x, y + 1) && m.Em(x, y + 1) != t)
                m.Fronteiras.insert(std::minmax(t, m.Em(x, y + 1)));
        }
    for (int a = 1; a <= 42; ++a)
        for (int b : Territorios()[a].Vizinhos)
            if (a < b && !m.Fronteiras.count({a, b}))
                m.RotasMaritimas.push_back({a, b});
    return m;
}

// ---- Painting ------------------------------------------------------------------------------------

QRgb Multiplicar(QColor c, double f)
{
    return qRgb(std::clamp(int(c.red() * f), 0, 255), std::clamp(int(c.green() * f), 0, 255),
        std::clamp(int(c.blue() * f), 0, 255));
}

QRgb MisturarRgb(QRgb a, QRgb b, double t)
{
    return qRgb(int(qRed(a) + (qRed(b) - qRed(a)) * t), int(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
        int(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

/// Sea and land, pixel by pixel: depth-tinted water, relief-shaded land, borders and coasts.
void PintarTerraEMar(QImage& img, const TModeloMapa& m)
{
    std::vector<unsigned char> terra(m.Regiao.size());
    std::vector<unsigned char> mar(m.Regiao.size());
    for (size_t i = 0; i < m.Regiao.size(); ++i) {
        terra[i] = m.Regiao[i] != 0;
        mar[i] = !terra[i];
    }
    const std::vector<float> ateTerra = Distancia(terra);
    const std::vector<float> ateMar = Distancia(mar);
    const QColor fundo(0x17, 0x3a, 0x5e), raso(0x3f, 0x88, 0xb0);

    // Water first, with a faint graticule painted over it.
    for (int y = 0; y < A; ++y) {
        QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < L; ++x) {
            const float d = ateTerra[size_t(y) * L + x];
            const double profundo = std::clamp(d / 38.0, 0.0, 1.0);
            const double onda = Ruido(x / 60.0, y / 18.0, 3, 4);
            QColor c = Misturar(raso, fundo, std::pow(profundo, 0.7));
            linha[x] = Multiplicar(c, 0.9 + 0.16 * onda);
        }
    }
    {
        QPainter p(&img);
        Suavizar(p);
        p.setPen(QPen(QColor(200, 225, 240, 34), 1));
        for (int x = 40; x < LimiteDireito; x += 80)
            p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, A));
        for (int y = 20; y < A; y += 80)
            p.drawLine(QPointF(0, y + 0.5), QPointF(L, y + 0.5));
        // Wave strokes on the open sea.
        p.setPen(QPen(QColor(220, 240, 255, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 260; ++i) {
            const double x = Ruido(i * 1.7, 0.3, 91, 1) * LimiteDireito;
            const double y = TopoBarra + Ruido(0.7, i * 1.3, 92, 1) * (560 - TopoBarra);
            if (ateTerra[size_t(std::clamp(int(y), 0, A - 1)) * L + std::clamp(int(x), 0, L - 1)] < 14)
                continue;
            QPainterPath onda;
            onda.moveTo(x, y);
            onda.quadTo(x + 3, y - 2.5, x + 6, y);
            onda.quadTo(x + 9, y - 2.5, x + 12, y);
            p.drawPath(onda);
        }
    }

    // Land: continent tint, a shade per territory, relief, coasts and borders.
    const auto& territorios = Territorios();
    for (int y = 0; y < A; ++y) {
        QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < L; ++x) {
            const size_t i = size_t(y) * L + x;
            const int t = m.Regiao[i];
            if (!t) {
                const float d = ateTerra[i];
                if (d <= 2.2f)
                    linha[x] = MisturarRgb(linha[x], qRgb(0xe8, 0xf4, 0xf8), d <= 1.1f ? 0.55 : 0.25);
                continue;
            }
            const QColor tinta = Continente(territorios[t].Continente).Tinta;
            const double tom = 0.9 + 0.12 * ((t * 37) % 5) / 4.0;
            const double h = Ruido(x / 45.0, y / 45.0, 11, 5);
            const double hx = Ruido((x + 1) / 45.0, y / 45.0, 11, 5) - h;
            const double hy = Ruido(x / 45.0, (y + 1) / 45.0, 11, 5) - h;
            const double luz = std::clamp(1.0 + (-hx - hy) * 28.0, 0.88, 1.12);
            const double grao = 0.975 + 0.05 * Ruido(x / 2.5, y / 2.5, 13, 2);
            double f = tom * luz * grao;
            const float costa = ateMar[i];
            if (costa < 4.f)
                f *= 0.84 + 0.04 * costa;
            linha[x] = Multiplicar(tinta, f);
            // borders
            const int direita = x + 1 < L ? m.Regiao[i + 1] : 0;
            const int abaixo = y + 1 < A ? m.Regiao[i + L] : 0;
            const int esquerda = x > 0 ? m.Regiao[i - 1] : 0;
            const int acima = y > 0 ? m.Regiao[i - L] : 0;
            bool fronteira = false, continental = false;
            for (int v : {direita, abaixo, esquerda, acima}) {
                if (v && v != t) {
                    fronteira = true;
                    continental |= territorios[v].Continente != territorios[t].Continente;
                }
            }
            if (continental)
                linha[x] = qRgb(0x6a, 0x1c, 0x10);
            else if (fronteira && (direita != t || abaixo != t))
                linha[x] = Multiplicar(tinta, 0.42);
            else if (fronteira)
                linha[x] = Multiplicar(tinta, 0.7);
            if (costa <= 1.1f)
                linha[x] = qRgb(0x2e, 0x24, 0x18);
        }
    }
}

/// The nearest pair of coast pixels of two territories.
std::pair<QPointF, QPointF> PontosMaisProximos(const TModeloMapa& m, int a, int b)
{
    auto costa = [&](int t) {
        std::vector<QPoint> pontos;
        const QRect c = m.Caixa[t];
        for (int y = c.top(); y <= c.bottom(); ++y)
            for (int x = c.left(); x <= c.right(); ++x)
                if (m.Em(x, y) == t
                    && ((x > 0 && !m.Em(x - 1, y)) || (x + 1 < L && !m.Em(x + 1, y)) || (y > 0 && !m.Em(x, y - 1))
                        || (y + 1 < A && !m.Em(x, y + 1))))
                    pontos.push_back({x, y});
        return pontos;
    };
    const auto pa = costa(a), pb = costa(b);
    double melhor = std::numeric_limits<double>::max();
    std::pair<QPointF, QPointF> par;
    for (const QPoint& p : pa)
        for (const QPoint& q : pb) {
            const double d = double(p.x() - q.x()) * (p.x() - q.x()) + double(p.y() - q.y()) * (p.y() - q.y());
            if (d < melhor) {
                melhor = d;
                par = {QPointF(p), QPointF(q)};
            }
        }
    return par;
}

void DesenharRota(QPainter& p, QPointF a, QPointF b, double curva)
{
    const QPointF meio = (a + b) / 2;
    const QPointF d = b - a;
    const QPointF controle = meio + QPointF(-d.y(), d.x()) * curva;
    QPainterPath rota;
    rota.moveTo(a);
    rota.quadTo(controle, b);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 25, 45, 150), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rota);
    QPen tracejado(QColor(0xf6, 0xee, 0xd2), 1.8, Qt::CustomDashLine, Qt::FlatCap);
    tracejado.setDashPattern({3, 2.2});
    p.setPen(tracejado);
    p.drawPath(rota);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xee, 0xd2));
    p.drawEllipse(a, 2, 2);
    p.drawEllipse(b, 2, 2);
}

void DesenharRotas(QPainter& p, const TModeloMapa& m)
{
    Suavizar(p);
    for (const auto& [a, b] : m.RotasMaritimas) {
        if ((a == 2 && b == 42)) {
            // Alaska and Vladivostok meet across the edge of the map.
            DesenharRota(p, QPointF(36, 104), QPointF(2, 112), 0.0);
            DesenharRota(p, QPointF(802, 118), QPointF(LimiteDireito - 2, 112), 0.0);
            p.setFont(FonteEstreita(10, true));
            TextoComHalo(p, QPointF(4, 128), QStringLiteral("\u2190 Vladivostok"), QColor(0xf6, 0xee, 0xd2), QColor(10, 25, 45, 200));
            TextoComHalo(p, QPointF(758, 110), QStringLiteral("Alaska \u2192"), QColor(0xf6, 0xee, 0xd2), QColor(10, 25, 45, 200));
            continue;
        }
        auto [pa, pb] = PontosMaisProximos(m, a, b);
        // Start a little inland so the route visibly joins the two coasts.
        const QPointF ca = QPointF(Territorios()[a].Centro()), cb = QPointF(Territorios()[b].Centro());
        auto recuar = [](QPointF ponto, QPointF centro) {
            const QPointF d = centro - ponto;
            const double n = std::hypot(d.x(), d.y());
            return n < 1 ? ponto : ponto + d * (std::min(4.0, n) / n);
        };
        pa = recuar(pa, ca);
        pb = recuar(pb, cb);
        const double distancia = std::hypot(pb.x() - pa.x(), pb.y() - pa.y());
        DesenharRota(p, pa, pb, distancia > 60 ? 0.18 : 0.0);
    }
}

/// Rectangles the names must keep clear of.
std::vector<QRectF> Marcadores()
{
    std::vector<QRectF> r;
    for (int t = 1; t <= 42; ++t)
        r.emplace_back(QRectF(Territorios()[t].Marcador, QSizeF(32, 32)));
    return r;
}

double Sobreposicao(const QRectF& a, const QRectF& b)
{
    const QRectF i = a.intersected(b);
    return i.isEmpty() ? 0 : i.width() * i.height();
}

QString RotuloDoMapa(int t)
{
    if (t == 31)
        return QStringLiteral("O. M\u00e9dio");
    return Territorios()[t].NomeQ();
}

void DesenharNomes(QPainter& p, const TModeloMapa& m)
{
    const QFont fonte = FonteEstreita(11, true);
    const QFontMetricsF medida(fonte);
    const std::vector<QRectF> marcadores = Marcadores();
    std::vector<QRectF> ocupados;
    p.setFont(fonte);
    for (int t = 1; t <= 42; ++t) {
        const QString nome = RotuloDoMapa(t);
        const QRectF mk = marcadores[size_t(t - 1)];
        const double w = medida.horizontalAdvance(nome) + 4;
        const double h = medida.height();
        // Candidate places around the marker, best first.
        const std::vector<QRectF> candidatos = {
            QRectF(mk.center().x() - w / 2, mk.bottom() + 1, w, h),
            QRectF(mk.center().x() - w / 2, mk.top() - h - 1, w, h),
            QRectF(mk.right() + 2, mk.center().y() - h / 2, w, h),
            QRectF(mk.left() - w - 2, mk.center().y() - h / 2, w, h),
            QRectF(mk.right() - 4, mk.bottom() - 2, w, h),
            QRectF(mk.left() - w + 4, mk.bottom() - 2, w, h),
            QRectF(mk.right() - 4, mk.top() - h + 2, w, h),
            QRectF(mk.left() - w + 4, mk.top() - h + 2, w, h),
        };
        double melhorCusto = std::numeric_limits<double>::max();
        QRectF melhor = candidatos[0];
        for (size_t c = 0; c < candidatos.size(); ++c) {
            const QRectF& r = candidatos[c];
            double custo = c * 3.0;
            for (const QRectF& outro : marcadores)
                custo += Sobreposicao(r, outro) * 4;
            for (const QRectF& outro : ocupados)
                custo += Sobreposicao(r, outro) * 8;
            if (r.left() < 1 || r.right() > LimiteDireito - 1 || r.top() < TopoBarra + 1)
                custo += 5000;
            int fora = 0, total = 0;
            for (int y = int(r.top()); y < int(r.bottom()); y += 2)
                for (int x = int(r.left()); x < int(r.right()); x += 2) {
                    ++total;
                    if (x < 0 || y < 0 || x >= L || y >= A || m.Em(x, y) != t)
                        ++fora;
                }
            custo += total ? 60.0 * fora / total : 0;
            if (custo < melhorCusto) {
                melhorCusto = custo;
                melhor = r;
            }
        }
        ocupados.push_back(melhor);
        const QPointF base(melhor.left() + 2, melhor.top() + medida.ascent());
        TextoComHalo(p, base, nome, QColor(0x1e, 0x14, 0x08), QColor(0xff, 0xf8, 0xe6, 215), 2.0);
    }
}

void DesenharNomesDosContinentes(QPainter& p)
{
    struct TLugar {
        TContinente C;
        QPointF Ponto;
        double Angulo;
    };
    const TLugar lugares[] = {
        {TContinente::AmericaNorte, {20, 330}, -8},
        {TContinente::AmericaSul, {100, 566}, 0},
        {TContinente::Europa, {246, 264}, 0},
        {TContinente::Africa, {360, 520}, 0},
        {TContinente::Asia, {528, 372}, 0},
        {TContinente::Oceania, {548, 505}, 0},
    };
    QFont fonte = Fonte(15, true, true);
    fonte.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(fonte);
    for (const TLugar& l : lugares) {
        p.save();
        p.translate(l.Ponto);
        p.rotate(l.Angulo);
        const QColor tinta = Continente(l.C).Tinta;
        TextoComHalo(p, QPointF(0, 0), QString::fromUtf8(Continente(l.C).Nome), tinta.lighter(120), QColor(10, 30, 50, 190), 2.0);
        p.restore();
    }
}

void DesenharNomesDosOceanos(QPainter& p)
{
    struct TOceano {
        const char* Nome;
        QPointF Ponto;
    };
    const TOceano oceanos[] = {
        {"Oceano\nPac\u00edfico", {18, 372}},
        {"Oceano\nAtl\u00e2ntico", {262, 400}},
        {"Oceano\n\u00cdndico", {556, 430}},
    };
    QFont fonte = Fonte(12, false, true);
    fonte.setItalic(true);
    fonte.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(fonte);
    p.setPen(QColor(0xd8, 0xe8, 0xf0, 150));
    for (const TOceano& o : oceanos) {
        const QStringList linhas = QString::fromUtf8(o.Nome).split(QLatin1Char('\n'));
        for (int i = 0; i < linhas.size(); ++i)
            p.drawText(o.Ponto + QPointF(i * 8, i * 15 + 12), linhas[i]);
    }
}

void DesenharRosaDosVentos(QPainter& p, QPointF c, double r)
{
    p.save();
    Suavizar(p);
    p.translate(c);
    p.setPen(QPen(QColor(0xf0, 0xe6, 0xc8, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.72, r * 0.72);
    p.drawEllipse(QPointF(0, 0), r * 0.64, r * 0.64);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45);
        const double comprimento = i % 2 ? r * 0.6 : r;
        QPolygonF ponta;
        ponta << QPointF(0, -comprimento) << QPointF(r * 0.12, 0) << QPointF(0, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf4, 0xec, 0xd0, 220));
        p.drawPolygon(ponta);
        QPolygonF sombra;
        sombra << QPointF(0, -comprimento) << QPointF(-r * 0.12, 0) << QPointF(0, 0);
        p.setBrush(QColor(0x8a, 0x6a, 0x30, 220));
        p.drawPolygon(sombra);
        p.restore();
    }
    p.setFont(Fonte(12, true, true));
    p.setPen(QColor(0xf4, 0xec, 0xd0));
    p.drawText(QRectF(-10, -r - 17, 20, 16), Qt::AlignCenter, QStringLiteral("N"));
    p.restore();
}

// ---- The board's panels -------------------------------------------------------------------------

void PintarCouro(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x3a, 0x2c, 0x1a));
    g.setColorAt(1, QColor(0x22, 0x18, 0x0e));
    p.fillRect(r, g);
    QImage textura(r.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < textura.height(); ++y)
        for (int x = 0; x < textura.width(); ++x) {
            const double n = Ruido((r.left() + x) / 4.0, (r.top() + y) / 4.0, 21, 3);
            const int a = int(std::abs(n - 0.5) * 70);
            textura.setPixel(x, y, n > 0.5 ? qPremultiply(qRgba(255, 235, 200, a)) : qPremultiply(qRgba(0, 0, 0, a)));
        }
    p.drawImage(r.topLeft(), textura);
}

void Moldura(QPainter& p, const QRectF& r, QColor cor = QColor(0xb8, 0x94, 0x4c))
{
    p.save();
    Suavizar(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 180), 3));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(cor, 1.2));
    p.drawRoundedRect(r, 4, 4);
    p.restore();
}

void Cavidade(QPainter& p, const QRectF& r, QColor fundo = QColor(0x12, 0x0e, 0x08))
{
    p.save();
    Suavizar(p);
    p.setPen(QPen(QColor(0xb8, 0x94, 0x4c, 160), 1));
    p.setBrush(fundo);
    p.drawRoundedRect(r, 3, 3);
    p.restore();
}

void Legenda(QPainter& p, QPointF base, const QString& texto, int tamanho = 11, QColor cor = QColor(0xe8, 0xd4, 0xa0))
{
    p.setFont(FonteEstreita(tamanho, true));
    TextoComHalo(p, base, texto, cor, QColor(0, 0, 0, 200), 1.2);
}

void DesenharPaineis(QPainter& p)
{
    Suavizar(p);
    // Top bar across the map.
    PintarCouro(p, QRectF(0, 0, LimiteDireito, TopoBarra - 4));
    QLinearGradient sombra(0, TopoBarra - 4, 0, TopoBarra + 6);
    sombra.setColorAt(0, QColor(0, 0, 0, 150));
    sombra.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, TopoBarra - 4, LimiteDireito, 10), sombra);
    p.fillRect(QRectF(0, TopoBarra - 5, LimiteDireito, 1.5), QColor(0xb8, 0x94, 0x4c));
    // Title.
    QFont titulo = Fonte(30, true, true);
    titulo.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(titulo);
    QLinearGradient ouro(0, 8, 0, 44);
    ouro.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    ouro.setColorAt(1, QColor(0xc0, 0x88, 0x30));
    QPainterPath nome;
    nome.addText(QPointF(16, 41), titulo, QStringLiteral("VELMOR"));
    p.setPen(QPen(QColor(0, 0, 0, 220), 3));
    p.drawPath(nome);
    p.setPen(Qt::NoPen);
    p.setBrush(ouro);
    p.drawPath(nome);
    Legenda(p, QPointF(196, 26), QStringLiteral("A GUERRA PELOS"), 11);
    Legenda(p, QPointF(196, 40), QStringLiteral("42 TERRIT\u00d3RIOS"), 11);
    // Player on turn and action.
    Cavidade(p, QRectF(370, 18, 38, 38));
    Legenda(p, QPointF(314, 34), QStringLiteral("Vez de"), 11);
    Cavidade(p, QRectF(406, 11, 51, 51));
    // Card counters: a symbol before each counter label.
    const struct {
        char Simbolo;
        double X;
        QColor Cor;
    } cartas[] = {{'B', 562, QColor(0xc0, 0x30, 0x30)}, {'Q', 636, QColor(0x30, 0x60, 0xc0)},
        {'T', 700, QColor(0x30, 0x90, 0x40)}, {'*', 772, QColor(0xd0, 0xa0, 0x30)}};
    Legenda(p, QPointF(476, 34), QStringLiteral("Suas cartas"), 11);
    for (const auto& c : cartas) {
        Cavidade(p, QRectF(c.X - 4, 14, 56, 32));
        DesenharSimbolo(p, QRectF(c.X, 19, 22, 22), c.Simbolo, c.Cor, QColor(0, 0, 0));
    }

    // Right panel.
    const QRectF direito(LimiteDireito, 0, L - LimiteDireito, A);
    PintarCouro(p, direito);
    p.fillRect(QRectF(LimiteDireito, 0, 2, A), QColor(0xb8, 0x94, 0x4c));
    p.fillRect(QRectF(LimiteDireito - 3, 0, 3, A), QColor(0, 0, 0, 120));
    Legenda(p, QPointF(840, 18), QStringLiteral("VELMOR \u2022 PARTIDA"), 12, QColor(0xff, 0xe8, 0xa8));
    Cavidade(p, QRectF(830, 62, 176, 24), QColor(0x2a, 0x2a, 0x10));
    for (int k = 1; k <= 6; ++k) {
        const double y = 84 + 40 * (k - 1);
        const QRectF linha(828, y - 1, 178, 38);
        Cavidade(p, linha, QColor(0x16, 0x11, 0x0a));
        p.fillRect(QRectF(829, y, 3, 36), CorExercito(k));
        p.setPen(QPen(QColor(0xb8, 0x94, 0x4c, 90), 1));
        p.drawLine(QPointF(878, y + 30), QPointF(1002, y + 30));
    }
    // Armies to place.
    Cavidade(p, QRectF(828, 322, 178, 30), QColor(0x16, 0x11, 0x0a));
    Cavidade(p, QRectF(956, 324, 46, 26), QColor(0x30, 0x10, 0x08));
    // Turn buttons.
    for (int i = 0; i < 4; ++i) {
        const double x = 831 + 43 * i + (i == 3 ? 1 : 0);
        Cavidade(p, QRectF(x - 2, 359, 44, 44));
    }
    // Objective card.
    Legenda(p, QPointF(884, 420), QStringLiteral("Seu Objetivo"), 11);
    p.fillRect(QRectF(878, 429, 85, 148), QColor(0, 0, 0, 120));
    Moldura(p, QRectF(872, 423, 89, 152));
    // Clock, rounds and trades.
    Cavidade(p, QRectF(830, 588, 176, 108), QColor(0x16, 0x11, 0x0a));

    // Bottom strip under the map: chat on the left, dice and turn controls on the right.
    PintarCouro(p, QRectF(0, 586, 434, A - 586));
    p.fillRect(QRectF(0, 585, 434, 1.5), QColor(0xb8, 0x94, 0x4c));
    PintarCouro(p, QRectF(434, 536, LimiteDireito - 434, A - 536));
    p.fillRect(QRectF(434, 535, LimiteDireito - 434, 1.5), QColor(0xb8, 0x94, 0x4c));
    p.fillRect(QRectF(433, 536, 1.5, A - 536), QColor(0xb8, 0x94, 0x4c));
    Cavidade(p, QRectF(2, 589, 429, 109), QColor(0, 0, 0));
    // Own name, attackers and staff call.
    Cavidade(p, QRectF(435, 592, 193, 26));
    Legenda(p, QPointF(500, 633), QStringLiteral("Atacantes"), 11);
    Cavidade(p, QRectF(465, 636, 141, 56));
    Legenda(p, QPointF(440, 566), QStringLiteral("Ajuda"), 11);
    // Dice area.
    Cavidade(p, QRectF(634, 594, 54, 104), QColor(0x1a, 0x10, 0x08));
    Legenda(p, QPointF(750, 595), QStringLiteral("Ataque"), 10, QColor(0xff, 0x9a, 0x7a));
    Legenda(p, QPointF(750, 648), QStringLiteral("Defesa"), 10, QColor(0x9a, 0xc8, 0xff));
    Cavidade(p, QRectF(707, 597, 124, 44), QColor(0x30, 0x0e, 0x08));
    Cavidade(p, QRectF(707, 649, 124, 44), QColor(0x08, 0x18, 0x30));
    // Armies per click and the turn clock.
    Cavidade(p, QRectF(682, 540, 126, 42));
    Legenda(p, QPointF(620, 556), QStringLiteral("Ex\u00e9rcitos"), 11);
    Legenda(p, QPointF(620, 578), QStringLiteral("Tempo"), 11);
}

} // namespace

const TModeloMapa& ModeloMapa()
{
    static const TModeloMapa modelo = CalcularModelo();
    return modelo;
}

std::vector<QString> ProblemasDoMapa()
{
    const TModeloMapa& m = ModeloMapa();
    const auto& territorios = Territorios();
    std::vector<QString> problemas;
    for (const auto& [a, b] : m.Fronteiras) {
        const auto& v = territorios[a].Vizinhos;
        if (std::find(v.begin(), v.end(), b) != v.end())
            continue;
        QPoint onde;
        for (int y = 0; y + 1 < A && onde.isNull(); ++y)
            for (int x = 0; x + 1 < L && onde.isNull(); ++x)
                if ((m.Em(x, y) == a && (m.Em(x + 1, y) == b || m.Em(x, y + 1) == b))
                    || (m.Em(x, y) == b && (m.Em(x + 1, y) == a || m.Em(x, y + 1) == a)))
                    onde = QPoint(x, y);
        problemas.push_back(QStringLiteral("%1 e %2 se tocam sem serem vizinhos (em %3,%4)")
                                .arg(territorios[a].NomeQ(), territorios[b].NomeQ())
                                .arg(onde.x())
                                .arg(onde.y()));
    }
    std::map<std::pair<int, int>, int> comprimento;
    for (int y = 0; y + 1 < A; ++y)
        for (int x = 0; x + 1 < L; ++x) {
            const int t = m.Em(x, y);
            for (int v : {m.Em(x + 1, y), m.Em(x, y + 1)})
                if (t && v && v != t)
                    ++comprimento[std::minmax(t, v)];
        }
    for (const auto& [par, n] : comprimento)
        if (n < 12)
            problemas.push_back(QStringLiteral("a fronteira de %1 e %2 é curta demais (%3 pixels)")
                                    .arg(territorios[par.first].NomeQ(), territorios[par.second].NomeQ())
                                    .arg(n));
    for (int t = 1; t <= 42; ++t) {
        const QPoint c = territorios[t].Centro();
        if (m.Em(c.x(), c.y()) != t)
            problemas.push_back(QStringLiteral("o centro do marcador de %1 fica fora dele").arg(territorios[t].NomeQ()));
        int dentro = 0;
        const QPoint mk = territorios[t].Marcador;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                dentro += m.Em(mk.x() + x, mk.y() + y) == t;
        if (dentro < 32 * 32 * 45 / 100)
            problemas.push_back(QStringLiteral("o marcador de %1 cobre pouco do territ\u00f3rio (%2%)").arg(territorios[t].NomeQ()).arg(dentro * 100 / 1024));
    }
    return problemas;
}

QImage DesenharMapa()
{
    const TModeloMapa& m = ModeloMapa();
    QImage img(L, A, QImage::Format_RGB32);
    PintarTerraEMar(img, m);
    QPainter p(&img);
    Suavizar(p);
    DesenharRotas(p, m);
    DesenharNomesDosOceanos(p);
    DesenharNomesDosContinentes(p);
    DesenharRosaDosVentos(p, QPointF(62, 470), 36);
    DesenharNomes(p, m);
    DesenharPaineis(p);
    return img;
}
