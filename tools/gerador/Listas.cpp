// The picture lists of the lobby and community windows: rank insignia, account types, emotes, games list,
// friends, country roles, duel titles and the ranking's place medals.
#include "Desenhos.h"

#include "Pintura.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

// ---- Rank insignia -------------------------------------------------------------------------------

enum class TForca { Exercito, Marinha, Aeronautica, Ministro };

/// Marks of a rank: 0 chevrons, 1 bars, 2 silver stars, 3 gold stars on a laurel, 4 general's stars on red.
struct TGrau {
    TForca Forca;
    int Nivel;
    int Quantidade;
};

TGrau GrauDaPatente(int patente)
{
    static const int exercito[20][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 0}, {2, 1},
        {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {4, 2}, {4, 3}, {4, 4}, {4, 5}};
    static const int marinha[18][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {2, 2}, {2, 3},
        {3, 1}, {3, 2}, {3, 3}, {3, 4}, {4, 2}, {4, 3}, {4, 4}, {4, 5}};
    static const int aeronautica[22][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
        {2, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {4, 2}, {4, 3}, {4, 4}, {4, 5}};
    if (patente >= 1 && patente <= 20)
        return {TForca::Exercito, exercito[patente - 1][0], exercito[patente - 1][1]};
    if (patente >= 21 && patente <= 38)
        return {TForca::Marinha, marinha[patente - 21][0], marinha[patente - 21][1]};
    if (patente >= 39 && patente <= 60)
        return {TForca::Aeronautica, aeronautica[patente - 39][0], aeronautica[patente - 39][1]};
    return {TForca::Ministro, 5, 5};
}

QColor CorDaForca(TForca f)
{
    switch (f) {
    case TForca::Exercito: return QColor(0x4e, 0x5a, 0x2a);
    case TForca::Marinha: return QColor(0x16, 0x26, 0x5a);
    case TForca::Aeronautica: return QColor(0x2a, 0x5a, 0x8a);
    case TForca::Ministro: return QColor(0x7a, 0x10, 0x10);
    }
    return Qt::gray;
}

void Estrela(QPainter& p, QPointF c, double raio, QColor cor)
{
    QPolygonF e;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? raio * 0.42 : raio;
        const double a = -M_PI / 2 + i * M_PI / 5;
        e << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(QPen(cor.darker(260), std::max(0.6, raio / 6)));
    p.setBrush(cor);
    p.drawPolygon(e);
}

void EmblemaDaForca(QPainter& p, const QRectF& r, TForca f)
{
    const QColor ouro(0xf0, 0xcc, 0x60);
    const QPointF c = r.center();
    const double s = std::min(r.width(), r.height()) / 2;
    p.save();
    switch (f) {
    case TForca::Exercito:
        p.setPen(QPen(ouro, s * 0.16));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, s * 0.78, s * 0.78);
        Estrela(p, c, s * 0.6, ouro);
        break;
    case TForca::Marinha: {
        p.setPen(QPen(ouro, s * 0.17, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(c + QPointF(0, -s * 0.7), c + QPointF(0, s * 0.75));
        p.drawLine(c + QPointF(-s * 0.35, -s * 0.4), c + QPointF(s * 0.35, -s * 0.4));
        p.drawArc(QRectF(c.x() - s * 0.7, c.y() - s * 0.2, s * 1.4, s * 0.95), 200 * 16, 140 * 16);
        p.drawEllipse(c + QPointF(0, -s * 0.8), s * 0.16, s * 0.16);
        break;
    }
    case TForca::Aeronautica: {
        p.setPen(QPen(ouro.darker(200), s * 0.05));
        p.setBrush(ouro);
        for (int lado : {-1, 1}) {
            QPainterPath asa;
            asa.moveTo(c + QPointF(lado * s * 0.12, -s * 0.1));
            asa.cubicTo(c + QPointF(lado * s * 0.6, -s * 0.55), c + QPointF(lado * s * 0.95, -s * 0.35),
                c + QPointF(lado * s * 1.0, -s * 0.3));
            asa.cubicTo(c + QPointF(lado * s * 0.7, s * 0.1), c + QPointF(lado * s * 0.4, s * 0.25), c + QPointF(lado * s * 0.12, s * 0.2));
            asa.closeSubpath();
            p.drawPath(asa);
        }
        p.drawEllipse(c, s * 0.2, s * 0.2);
        break;
    }
    case TForca::Ministro:
        Estrela(p, c, s * 0.85, ouro);
        break;
    }
    p.restore();
}

void MarcasDoGrau(QPainter& p, const QRectF& r, const TGrau& g)
{
    const QColor ouro(0xf4, 0xd0, 0x60), prata(0xe8, 0xec, 0xf0);
    const double h = r.height();
    p.save();
    switch (g.Nivel) {
    case 0: {
        if (g.Quantidade == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(prata);
            p.drawEllipse(r.center(), h * 0.14, h * 0.14);
            break;
        }
        const double passo = std::min(r.width() / (g.Quantidade + 0.5), h * 0.55);
        const double x0 = r.center().x() - passo * (g.Quantidade - 1) / 2.0;
        p.setPen(QPen(ouro, std::max(1.2, h * 0.13), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < g.Quantidade; ++i) {
            const double x = x0 + i * passo;
            QPolygonF v;
            v << QPointF(x - passo * 0.35, r.top() + h * 0.28) << QPointF(x + passo * 0.1, r.center().y())
              << QPointF(x - passo * 0.35, r.bottom() - h * 0.28);
            p.drawPolyline(v);
        }
        break;
    }
    case 1: {
        const double largura = std::min(r.width() * 0.16, h * 0.28);
        const double total = g.Quantidade * largura * 1.6;
        const double x0 = r.center().x() - total / 2;
        p.setPen(QPen(QColor(0x40, 0x30, 0x08), 0.6));
        p.setBrush(ouro);
        for (int i = 0; i < g.Quantidade; ++i)
            p.drawRect(QRectF(x0 + i * largura * 1.6, r.top() + h * 0.2, largura, h * 0.6));
        break;
    }
    case 2:
    case 3:
    case 4:
    case 5: {
        const QColor cor = g.Nivel == 2 ? prata : ouro;
        if (g.Quantidade == 0) {
            QPolygonF tri;
            tri << QPointF(r.center().x(), r.top() + h * 0.2) << QPointF(r.center().x() + h * 0.3, r.bottom() - h * 0.2)
                << QPointF(r.center().x() - h * 0.3, r.bottom() - h * 0.2);
            p.setPen(QPen(cor.darker(250), 0.6));
            p.setBrush(cor);
            p.drawPolygon(tri);
            break;
        }
        const double raio = std::min(h * 0.36, r.width() / (g.Quantidade * 2.1));
        const double passo = raio * 2.05;
        const double x0 = r.center().x() - passo * (g.Quantidade - 1) / 2.0;
        const double y = g.Nivel == 3 ? r.center().y() - h * 0.08 : r.center().y();
        for (int i = 0; i < g.Quantidade; ++i)
            Estrela(p, QPointF(x0 + i * passo, y), raio, cor);
        if (g.Nivel == 3) {
            p.setPen(QPen(QColor(0x8a, 0xb0, 0x50), std::max(1.0, h * 0.08), Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(r.left() + r.width() * 0.12, r.top() - h * 0.3, r.width() * 0.76, h * 1.2), 200 * 16, 140 * 16);
        }
        break;
    }
    }
    p.restore();
}

// ---- Faces of the emotes ---------------------------------------------------------------------------

enum class TOlhos { Normal, Piscando, Fechados, Grandes, Oculos, Coracoes, Bravos, X };
enum class TBoca { Sorriso, Risada, Triste, Aberta, Reta, Lingua, Beijo, Onda, Dentes };

struct TCara {
    TOlhos Olhos;
    TBoca Boca;
    QColor Pele;
    int Extra = 0; ///< 1 tear, 2 horns, 3 halo, 4 sweat, 5 blush, 6 zzz
};

void DesenharCara(QPainter& p, const TCara& c)
{
    const QPointF centro(9.5, 9.5);
    QRadialGradient g(QPointF(7.5, 7), 9.5);
    g.setColorAt(0, c.Pele.lighter(130));
    g.setColorAt(1, c.Pele.darker(120));
    if (c.Extra == 3) {
        p.setPen(QPen(QColor(0xff, 0xe0, 0x60), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4.5, 0.3, 10, 2.6));
    }
    if (c.Extra == 2) {
        p.setPen(QPen(QColor(0x40, 0, 0), 0.6));
        p.setBrush(QColor(0xc0, 0x10, 0x10));
        p.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(2.2, 0.5), QPointF(6, 3)}));
        p.drawPolygon(QPolygonF({QPointF(16, 5), QPointF(16.8, 0.5), QPointF(13, 3)}));
    }
    p.setPen(QPen(QColor(0x50, 0x30, 0x00), 0.9));
    p.setBrush(g);
    p.drawEllipse(centro, 8.2, 8.2);
    const QColor escuro(0x2a, 0x18, 0x08);
    p.setPen(QPen(escuro, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(escuro);
    auto olho = [&](double x) {
        switch (c.Olhos) {
        case TOlhos::Normal: p.drawEllipse(QPointF(x, 7.5), 0.9, 1.3); break;
        case TOlhos::Piscando:
            if (x > 9.5)
                p.drawLine(QPointF(x - 1.3, 7.8), QPointF(x + 1.3, 7.8));
            else
                p.drawEllipse(QPointF(x, 7.5), 0.9, 1.3);
            break;
        case TOlhos::Fechados: p.drawArc(QRectF(x - 1.5, 6.5, 3, 2.5), 0, 180 * 16); break;
        case TOlhos::Grandes:
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(x, 7.3), 1.8, 2.2);
            p.setBrush(escuro);
            p.drawEllipse(QPointF(x, 7.6), 0.7, 0.9);
            break;
        case TOlhos::Oculos:
            p.drawRoundedRect(QRectF(x - 2.4, 6, 4.8, 3), 1, 1);
            p.drawLine(QPointF(7.1, 6.8), QPointF(11.9, 6.8));
            break;
        case TOlhos::Coracoes: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe0, 0x20, 0x40));
            QPainterPath cor;
            cor.moveTo(x, 9.2);
            cor.cubicTo(x - 3, 7, x - 1.5, 4.5, x, 6.2);
            cor.cubicTo(x + 1.5, 4.5, x + 3, 7, x, 9.2);
            p.drawPath(cor);
            p.setPen(QPen(escuro, 1.2));
            p.setBrush(escuro);
            break;
        }
        case TOlhos::Bravos:
            p.drawEllipse(QPointF(x, 8), 0.9, 1.1);
            p.drawLine(QPointF(x - 1.8, x < 9.5 ? 5.2 : 6.6), QPointF(x + 1.8, x < 9.5 ? 6.6 : 5.2));
            break;
        case TOlhos::X:
            p.drawLine(QPointF(x - 1.2, 6.3), QPointF(x + 1.2, 8.7));
            p.drawLine(QPointF(x + 1.2, 6.3), QPointF(x - 1.2, 8.7));
            break;
        }
    };
    olho(6.6);
    olho(12.4);
    p.setBrush(Qt::NoBrush);
    switch (c.Boca) {
    case TBoca::Sorriso: p.drawArc(QRectF(5.5, 8, 8, 6), 200 * 16, 140 * 16); break;
    case TBoca::Risada: {
        p.setBrush(QColor(0x80, 0x10, 0x10));
        QPainterPath b;
        b.moveTo(5.2, 11);
        b.lineTo(13.8, 11);
        b.quadTo(13.5, 16, 9.5, 16);
        b.quadTo(5.5, 16, 5.2, 11);
        p.drawPath(b);
        break;
    }
    case TBoca::Triste: p.drawArc(QRectF(6, 12, 7, 5), 20 * 16, 140 * 16); break;
    case TBoca::Aberta:
        p.setBrush(QColor(0x60, 0x10, 0x10));
        p.drawEllipse(QPointF(9.5, 13), 1.8, 2.2);
        break;
    case TBoca::Reta: p.drawLine(QPointF(6.5, 13), QPointF(12.5, 13)); break;
    case TBoca::Lingua:
        p.drawArc(QRectF(5.5, 8, 8, 6), 200 * 16, 140 * 16);
        p.setBrush(QColor(0xf0, 0x60, 0x80));
        p.setPen(QPen(QColor(0x80, 0x20, 0x30), 0.7));
        p.drawEllipse(QRectF(8.5, 12.8, 3.5, 3.6));
        break;
    case TBoca::Beijo:
        p.setPen(QPen(QColor(0xc0, 0x20, 0x40), 1.3));
        p.drawEllipse(QPointF(9.5, 13), 1.2, 1.2);
        break;
    case TBoca::Onda: {
        QPainterPath o;
        o.moveTo(6, 13.5);
        o.cubicTo(7.5, 11.5, 8.5, 15, 9.5, 13.2);
        o.cubicTo(10.5, 11.5, 11.5, 15, 13, 13);
        p.drawPath(o);
        break;
    }
    case TBoca::Dentes:
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(5.8, 11.2, 7.4, 3.6), 1.2, 1.2);
        p.drawLine(QPointF(5.8, 13), QPointF(13.2, 13));
        break;
    }
    p.setPen(Qt::NoPen);
    switch (c.Extra) {
    case 1:
        p.setBrush(QColor(0x50, 0xb0, 0xff));
        p.drawEllipse(QRectF(3.5, 9, 2.2, 3.4));
        break;
    case 4:
        p.setBrush(QColor(0x70, 0xc0, 0xff));
        p.drawEllipse(QRectF(14, 3, 2.2, 3.2));
        break;
    case 5:
        p.setBrush(QColor(0xff, 0x60, 0x60, 140));
        p.drawEllipse(QPointF(4.5, 11), 1.8, 1.1);
        p.drawEllipse(QPointF(14.5, 11), 1.8, 1.1);
        break;
    case 6:
        p.setPen(QColor(0x20, 0x40, 0xa0));
        p.setFont(Fonte(6, true));
        p.drawText(QPointF(12.5, 4.5), QStringLiteral("z"));
        break;
    default: break;
    }
}

void Glifo(QPainter& p, const QString& glifo, QColor cor, int tamanho = 17)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(tamanho);
    QPainterPath caminho;
    caminho.addText(0, 0, f, glifo);
    const QRectF caixa = caminho.boundingRect();
    caminho.translate(9.5 - caixa.center().x(), 9.5 - caixa.center().y());
    // Scaled to fill the 19 x 19 place whatever the glyph's own size.
    const QRectF caixa2 = caminho.boundingRect();
    const double escala = std::min(17.0 / caixa2.width(), 17.0 / caixa2.height());
    QTransform t;
    t.translate(9.5, 9.5);
    t.scale(escala, escala);
    t.translate(-caixa2.center().x(), -caixa2.center().y());
    caminho = t.map(caminho);
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 1, 0, 18);
    g.setColorAt(0, cor.lighter(130));
    g.setColorAt(1, cor);
    p.setBrush(g);
    p.drawPath(caminho);
}

void Medalha(QPainter& p, const QRectF& r, QColor metal, const QString& texto, QColor fita1, QColor fita2)
{
    // ribbon
    const double w = r.width();
    p.setPen(QPen(QColor(0, 0, 0, 180), 0.8));
    QPolygonF fita;
    fita << QPointF(r.left() + w * 0.2, r.top()) << QPointF(r.left() + w * 0.8, r.top())
         << QPointF(r.left() + w * 0.64, r.top() + r.height() * 0.45) << QPointF(r.left() + w * 0.36, r.top() + r.height() * 0.45);
    QLinearGradient gf(r.left(), 0, r.right(), 0);
    gf.setColorAt(0, fita1);
    gf.setColorAt(0.5, fita2);
    gf.setColorAt(1, fita1);
    p.setBrush(gf);
    p.drawPolygon(fita);
    const double raio = std::min(w * 0.45, r.height() * 0.3);
    const QPointF c(r.center().x(), r.bottom() - raio - 1);
    QRadialGradient g(c - QPointF(raio * 0.35, raio * 0.35), raio * 1.4);
    g.setColorAt(0, metal.lighter(160));
    g.setColorAt(0.6, metal);
    g.setColorAt(1, metal.darker(170));
    p.setPen(QPen(metal.darker(250), 1));
    p.setBrush(g);
    p.drawEllipse(c, raio, raio);
    p.setPen(QPen(metal.lighter(130), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, raio * 0.78, raio * 0.78);
    if (!texto.isEmpty())
        TextoCentrado(p, QRectF(c.x() - raio, c.y() - raio, raio * 2, raio * 2), texto, Fonte(int(raio * 1.2), true, true),
            metal.darker(300));
}

} // namespace

QImage DesenharInsignia(int patente, int largura, int altura)
{
    const TGrau g = GrauDaPatente(patente);
    QImage img = NovaFigura(largura, altura, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    const QColor base = CorDaForca(g.Forca);
    const QRectF r(0, 0, largura, altura);
    QLinearGradient fundo(0, 0, 0, altura);
    fundo.setColorAt(0, base.lighter(140));
    fundo.setColorAt(0.5, base);
    fundo.setColorAt(1, base.darker(160));
    p.setPen(QPen(QColor(0xc8, 0xa0, 0x48), altura >= 20 ? 1.4 : 0.8));
    p.setBrush(fundo);
    p.drawRoundedRect(r.adjusted(0.7, 0.7, -0.7, -0.7), altura * 0.25, altura * 0.25);
    const double emblema = altura * 0.95;
    if (g.Nivel == 4 || g.Forca == TForca::Ministro) {
        // general officers: a red field behind the stars
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xa0, 0x14, 0x14));
        p.drawRoundedRect(QRectF(emblema + 1, altura * 0.16, largura - emblema - altura * 0.3, altura * 0.68), 2, 2);
    }
    EmblemaDaForca(p, QRectF(altura * 0.12, altura * 0.08, emblema * 0.82, emblema * 0.82), g.Forca);
    MarcasDoGrau(p, QRectF(emblema + 1, altura * 0.12, largura - emblema - altura * 0.3, altura * 0.76), g);
    return img;
}

QImage DesenharTipoConta(int tipo)
{
    struct TTipo {
        QColor Cor;
        const char* Letra;
        bool Escudo;
    };
    static const TTipo tipos[] = {
        {QColor(0x70, 0x70, 0x70), "?", false}, // visitor
        {QColor(0x2e, 0x9a, 0x3a), "J", false}, // player
        {QColor(0x2a, 0x70, 0xc8), "J", false}, // registered player
        {QColor(0xa0, 0x20, 0x20), "!", false}, // restricted
        {QColor(0xe0, 0xb0, 0x20), "V", false}, // VIP
        {QColor(0x2a, 0x5c, 0xd8), "M", true},  // moderator
        {QColor(0xc0, 0x20, 0x20), "A", true},  // administrator
        {QColor(0x8a, 0x3a, 0xb0), "C", false}, // clan member
        {QColor(0x2e, 0x9a, 0x3a), "S", true},  // staff
        {QColor(0xd8, 0x98, 0x10), "\u265b", true}, // owner
        {QColor(0x20, 0xa8, 0xa8), "V+", false}, // VIP plus
        {QColor(0x60, 0x60, 0xc0), "T", false}, // tester
        {QColor(0xd0, 0x60, 0x20), "E", false}, // event
    };
    const TTipo& t = tipos[std::clamp(tipo, 0, int(std::size(tipos)) - 1)];
    QImage img = NovaFigura(25, 25, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    QRadialGradient g(QPointF(10, 9), 13);
    g.setColorAt(0, t.Cor.lighter(150));
    g.setColorAt(1, t.Cor.darker(140));
    p.setPen(QPen(QColor(0xe8, 0xd8, 0xa8), 1.2));
    p.setBrush(g);
    if (t.Escudo) {
        QPainterPath escudo;
        escudo.moveTo(3, 3);
        escudo.lineTo(22, 3);
        escudo.lineTo(22, 12);
        escudo.quadTo(21, 20, 12.5, 23);
        escudo.quadTo(4, 20, 3, 12);
        escudo.closeSubpath();
        p.drawPath(escudo);
    } else {
        p.drawEllipse(QPointF(12.5, 12.5), 10.5, 10.5);
    }
    TextoCentrado(p, QRectF(3, 3, 19, 18), QString::fromUtf8(t.Letra), Fonte(12, true), Qt::white, QColor(0, 0, 0, 160));
    return img;
}

QImage DesenharEmote(int indice)
{
    const QColor amarelo(0xff, 0xd0, 0x30);
    static const TCara caras[] = {
        {TOlhos::Normal, TBoca::Sorriso, amarelo},           // 0 smile
        {TOlhos::Normal, TBoca::Triste, amarelo},            // 1 sad
        {TOlhos::Piscando, TBoca::Sorriso, amarelo},         // 2 wink
        {TOlhos::Fechados, TBoca::Risada, amarelo},          // 3 laugh
        {TOlhos::Bravos, TBoca::Triste, QColor(0xf0, 0x60, 0x30)}, // 4 angry
        {TOlhos::Grandes, TBoca::Aberta, amarelo},           // 5 surprised
        {TOlhos::Oculos, TBoca::Sorriso, amarelo},           // 6 cool
        {TOlhos::Normal, TBoca::Lingua, amarelo},            // 7 tongue
        {TOlhos::Coracoes, TBoca::Sorriso, amarelo},         // 8 in love
        {TOlhos::Fechados, TBoca::Triste, amarelo, 1},       // 9 crying
        {TOlhos::Fechados, TBoca::Reta, amarelo, 6},         // 10 sleepy
        {TOlhos::Normal, TBoca::Onda, amarelo},              // 11 confused
        {TOlhos::Normal, TBoca::Reta, amarelo},              // 12 neutral
        {TOlhos::Piscando, TBoca::Beijo, amarelo, 5},        // 13 kiss
        {TOlhos::Bravos, TBoca::Dentes, QColor(0xc8, 0x30, 0xa0), 2}, // 14 devil
        {TOlhos::Fechados, TBoca::Sorriso, amarelo, 3},      // 15 angel
        {TOlhos::Normal, TBoca::Onda, QColor(0x90, 0xd0, 0x50)}, // 16 sick
        {TOlhos::X, TBoca::Aberta, amarelo},                 // 17 knocked out
        {TOlhos::Normal, TBoca::Dentes, amarelo},            // 18 grin
        {TOlhos::Normal, TBoca::Sorriso, amarelo, 4},        // 19 phew
        {TOlhos::Fechados, TBoca::Sorriso, amarelo, 5},      // 20 blushing
        {TOlhos::Grandes, TBoca::Reta, amarelo},             // 21 staring
        {TOlhos::Bravos, TBoca::Reta, amarelo},              // 22 determined
        {TOlhos::Oculos, TBoca::Dentes, amarelo},            // 23 very cool
        {TOlhos::Grandes, TBoca::Triste, amarelo, 1},        // 24 sobbing
    };
    struct TSimbolo {
        const char* Glifo;
        QColor Cor;
    };
    static const TSimbolo simbolos[] = {
        {"\u2665", QColor(0xe0, 0x20, 0x40)}, {"\u2605", QColor(0xff, 0xc8, 0x20)}, {"\u2600", QColor(0xff, 0xb0, 0x20)},
        {"\u263e", QColor(0xf0, 0xe0, 0x90)}, {"\u2691", QColor(0xe0, 0x30, 0x30)}, {"\u2620", QColor(0xf0, 0xf0, 0xf0)},
        {"\u2694", QColor(0xd0, 0xd8, 0xe0)}, {"\u265b", QColor(0xff, 0xc8, 0x20)}, {"\u2615", QColor(0xe0, 0xa8, 0x60)},
        {"\u266b", QColor(0x60, 0xa0, 0xff)}, {"\u2714", QColor(0x40, 0xd0, 0x40)}, {"\u2718", QColor(0xe0, 0x30, 0x30)},
        {"\u26a1", QColor(0xff, 0xe0, 0x20)}, {"\u2744", QColor(0xa0, 0xe0, 0xff)}, {"?", QColor(0x60, 0xa0, 0xff)},
        {"!", QColor(0xff, 0x80, 0x20)},
    };
    QImage img = NovaFigura(19, 19, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    if (indice < int(std::size(caras)))
        DesenharCara(p, caras[indice]);
    else {
        const TSimbolo& s = simbolos[size_t(indice - int(std::size(caras))) % std::size(simbolos)];
        Glifo(p, QString::fromUtf8(s.Glifo), s.Cor);
    }
    return img;
}

QImage DesenharSoldadoListaJogos()
{
    QImage img = NovaFigura(20, 25, QColor(0, 0, 0));
    QPainter p(&img);
    DesenharSoldado(p, QRectF(3, 1, 14, 23), QColor(0x7a, 0x8a, 0x4a), QColor(0xe0, 0xd0, 0xa0));
    return img;
}

QImage DesenharEstadoDeJogo(int digito)
{
    // 0 waiting for players, 1 playing, 2 locked with a password, 3 starting, 4 full (watch only),
    // 5 finished, 6 to 8 duels 1x1, 2x2, 3x3, 9 stopped.
    QImage img = NovaFigura(35, 25, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    auto placa = [&](QColor cor, const QString& texto) {
        p.setPen(QPen(cor.lighter(150), 1));
        QLinearGradient g(0, 3, 0, 22);
        g.setColorAt(0, cor.lighter(120));
        g.setColorAt(1, cor.darker(150));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1.5, 3.5, 32, 18), 4, 4);
        TextoCentrado(p, QRectF(2, 4, 31, 17), texto, FonteEstreita(11, true), Qt::white, QColor(0, 0, 0, 160));
    };
    switch (digito) {
    case 0: placa(QColor(0x2e, 0x9a, 0x3a), QStringLiteral("Livre")); break;
    case 1: {
        p.fillRect(img.rect(), Qt::black);
        QImage espadas = DesenharAcao(QStringLiteral("AcaoAtacar"));
        p.drawImage(QRectF(5, 0, 25, 25), espadas, QRectF(5, 5, 35, 35));
        break;
    }
    case 2: {
        p.setPen(QPen(QColor(0xd0, 0xb0, 0x50), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(11.5, 2.5, 12, 14), 0, 180 * 16);
        p.drawLine(QPointF(11.5, 9.5), QPointF(11.5, 12));
        p.drawLine(QPointF(23.5, 9.5), QPointF(23.5, 12));
        p.setPen(QPen(QColor(0x40, 0x30, 0x08), 1));
        p.setBrush(QColor(0xf0, 0xc8, 0x40));
        p.drawRoundedRect(QRectF(8.5, 11, 18, 12), 2, 2);
        p.setBrush(QColor(0x40, 0x30, 0x08));
        p.drawEllipse(QPointF(17.5, 16), 1.6, 1.6);
        break;
    }
    case 3: placa(QColor(0xd0, 0x90, 0x10), QStringLiteral("Inicia")); break;
    case 4: placa(QColor(0xa0, 0x20, 0x20), QStringLiteral("Cheio")); break;
    case 5: placa(QColor(0x50, 0x50, 0x58), QStringLiteral("Fim")); break;
    case 6: placa(QColor(0x6a, 0x2a, 0x9a), QStringLiteral("1x1")); break;
    case 7: placa(QColor(0x6a, 0x2a, 0x9a), QStringLiteral("2x2")); break;
    case 8: placa(QColor(0x6a, 0x2a, 0x9a), QStringLiteral("3x3")); break;
    default: placa(QColor(0x30, 0x30, 0x30), QStringLiteral("Pausa")); break;
    }
    return img;
}

QImage DesenharAmigo(bool online)
{
    QImage img = NovaFigura(33, 23, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    const QColor cor = online ? QColor(0x40, 0xd0, 0x50) : QColor(0x70, 0x70, 0x70);
    if (online) {
        QRadialGradient brilho(QPointF(16.5, 11.5), 13);
        brilho.setColorAt(0, QColor(0x40, 0xd0, 0x50, 110));
        brilho.setColorAt(1, QColor(0x40, 0xd0, 0x50, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(brilho);
        p.drawEllipse(QPointF(16.5, 11.5), 16, 11);
    }
    p.setPen(QPen(cor.darker(200), 1));
    p.setBrush(cor);
    p.drawEllipse(QPointF(16.5, 7), 4.2, 4.2);
    QPainterPath corpo;
    corpo.moveTo(8.5, 21.5);
    corpo.quadTo(9, 12.5, 16.5, 12.5);
    corpo.quadTo(24, 12.5, 24.5, 21.5);
    corpo.closeSubpath();
    p.drawPath(corpo);
    return img;
}

QImage DesenharPapel(int papel)
{
    QImage img = NovaFigura(25, 25, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    if (papel == 0) {
        DesenharSoldado(p, QRectF(6, 1, 13, 23), QColor(0x7a, 0x8a, 0x4a), QColor(0xe0, 0xd0, 0xa0));
    } else if (papel == 1) {
        p.setPen(QPen(QColor(0x40, 0x30, 0x08), 0.8));
        p.setBrush(QColor(0xf0, 0xc8, 0x40));
        p.drawRect(QRectF(5, 6, 5, 13));
        p.drawRect(QRectF(15, 6, 5, 13));
    } else {
        QPainterPath coroa;
        coroa.moveTo(3, 19);
        coroa.lineTo(3, 8);
        coroa.lineTo(8, 13);
        coroa.lineTo(12.5, 5);
        coroa.lineTo(17, 13);
        coroa.lineTo(22, 8);
        coroa.lineTo(22, 19);
        coroa.closeSubpath();
        QLinearGradient g(0, 5, 0, 19);
        g.setColorAt(0, QColor(0xff, 0xf0, 0xa0));
        g.setColorAt(1, QColor(0xc0, 0x88, 0x20));
        p.setPen(QPen(QColor(0x50, 0x30, 0x04), 1));
        p.setBrush(g);
        p.drawPath(coroa);
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        p.drawEllipse(QPointF(12.5, 15), 1.8, 1.8);
    }
    return img;
}

QImage DesenharTituloDuelo(int indice)
{
    // Ten titles of rising worth: bronze, silver and gold with one to three stars, then a platinum crown.
    QImage img = NovaFigura(25, 25, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    static const QColor metais[] = {QColor(0xc0, 0x7a, 0x38), QColor(0xc8, 0xcc, 0xd4), QColor(0xf0, 0xc4, 0x40),
        QColor(0xd8, 0xf0, 0xff)};
    const int metal = std::min(indice / 3, 3);
    const int estrelas = indice >= 9 ? 0 : indice % 3 + 1;
    Medalha(p, QRectF(3, 0, 19, 25), metais[metal], indice >= 9 ? QStringLiteral("\u265b") : QString(),
        QColor(0x20, 0x40, 0xa0), QColor(0xc0, 0x20, 0x20));
    for (int i = 0; i < estrelas; ++i)
        Estrela(p, QPointF(12.5 + (i - (estrelas - 1) / 2.0) * 5.2, 17), 2.6, QColor(0xff, 0xf8, 0xe0));
    return img;
}

/// The medals of the top three places of the ranking window (30 x 50).
QImage DesenharMedalhaDeLugar(int lugar, int largura, int altura)
{
    static const QColor metais[] = {QColor(0xf0, 0xc4, 0x40), QColor(0xc8, 0xcc, 0xd4), QColor(0xc0, 0x7a, 0x38)};
    QImage img = NovaFigura(largura, altura, QColor(0, 0, 0));
    QPainter p(&img);
    Suavizar(p);
    Medalha(p, QRectF(0, 0, largura, altura), metais[std::clamp(lugar - 1, 0, 2)], QString::number(lugar),
        QColor(0x20, 0x40, 0xa0), QColor(0xf0, 0xf0, 0xf0));
    return img;
}
