// Drawing helpers shared by every picture of the generator.
#include "Pintura.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

QFont Fonte(int pixels, bool negrito, bool serifada)
{
    QFont f(serifada ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont FonteEstreita(int pixels, bool negrito)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage NovaFigura(int largura, int altura, QColor fundo)
{
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    img.fill(fundo);
    return img;
}

void Suavizar(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor CorExercito(int cor)
{
    switch (cor) {
    case 1: return QColor(0xf2, 0xc8, 0x1e);
    case 2: return QColor(0x2a, 0x5c, 0xd8);
    case 3: return QColor(0xf4, 0xf1, 0xe8);
    case 4: return QColor(0x2c, 0x2c, 0x30);
    case 5: return QColor(0x2e, 0x9a, 0x3a);
    case 6: return QColor(0xd2, 0x26, 0x22);
    default: return QColor(0x90, 0x90, 0x90);
    }
}

QColor ContornoExercito(int cor)
{
    return cor == 4 ? QColor(0xd8, 0xd8, 0xd0) : QColor(0x14, 0x10, 0x0c);
}

QImage ComChave(const QImage& desenho, QColor chave, QColor fundoBorda)
{
    QImage origem = desenho.convertToFormat(QImage::Format_ARGB32);
    QImage saida(origem.size(), QImage::Format_RGB32);
    for (int y = 0; y < origem.height(); ++y) {
        const QRgb* o = reinterpret_cast<const QRgb*>(origem.constScanLine(y));
        QRgb* s = reinterpret_cast<QRgb*>(saida.scanLine(y));
        for (int x = 0; x < origem.width(); ++x) {
            const int a = qAlpha(o[x]);
            if (a < 128) {
                s[x] = chave.rgb();
                continue;
            }
            const double t = a / 255.0;
            s[x] = qRgb(int(qRed(o[x]) * t + fundoBorda.red() * (1 - t)),
                int(qGreen(o[x]) * t + fundoBorda.green() * (1 - t)),
                int(qBlue(o[x]) * t + fundoBorda.blue() * (1 - t)));
            if (s[x] == (chave.rgb() | 0xff000000u))
                s[x] ^= 0x010000; // never the key by accident
        }
    }
    return saida;
}

namespace {

double Hash(int x, int y, int semente)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(semente) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0xffffff);
}

double Suave(double t)
{
    return t * t * (3 - 2 * t);
}

double RuidoValor(double x, double y, int semente)
{
    const int xi = int(std::floor(x));
    const int yi = int(std::floor(y));
    const double tx = Suave(x - xi);
    const double ty = Suave(y - yi);
    const double a = Hash(xi, yi, semente), b = Hash(xi + 1, yi, semente);
    const double c = Hash(xi, yi + 1, semente), d = Hash(xi + 1, yi + 1, semente);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

} // namespace

double Ruido(double x, double y, int semente, int oitavas)
{
    double soma = 0, amplitude = 1, total = 0, f = 1;
    for (int i = 0; i < oitavas; ++i) {
        soma += RuidoValor(x * f, y * f, semente + i * 101) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        f *= 2;
    }
    return soma / total;
}

void TextoCentrado(QPainter& p, const QRectF& r, const QString& texto, QFont fonte, QColor cor, QColor halo, int flags)
{
    int tamanho = fonte.pixelSize();
    for (; tamanho > 6; --tamanho) {
        fonte.setPixelSize(tamanho);
        const QRectF ocupado = QFontMetricsF(fonte).boundingRect(r, flags | Qt::TextWordWrap, texto);
        if (ocupado.width() <= r.width() + 0.5 && ocupado.height() <= r.height() + 0.5)
            break;
    }
    p.setFont(fonte);
    if (halo.alpha() > 0) {
        p.setPen(halo);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx || dy)
                    p.drawText(r.translated(dx, dy), flags | Qt::TextWordWrap, texto);
    }
    p.setPen(cor);
    p.drawText(r, flags | Qt::TextWordWrap, texto);
}

void TextoComHalo(QPainter& p, QPointF base, const QString& texto, const QColor& cor, const QColor& halo, double raio)
{
    QPainterPath caminho;
    caminho.addText(base, p.font(), texto);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(halo, raio * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(caminho);
    p.restore();
    p.save();
    p.setPen(cor);
    p.drawText(base, texto);
    p.restore();
}

void DesenharSimbolo(QPainter& p, const QRectF& r, char simbolo, QColor cor, QColor contorno)
{
    p.save();
    Suavizar(p);
    p.setPen(QPen(contorno, std::max(1.0, r.width() / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, cor.lighter(135));
    g.setColorAt(1, cor.darker(125));
    p.setBrush(g);
    const QRectF q = r.adjusted(r.width() * 0.08, r.height() * 0.08, -r.width() * 0.08, -r.height() * 0.08);
    switch (simbolo) {
    case 'T': {
        QPolygonF tri;
        tri << QPointF(q.center().x(), q.top()) << q.bottomRight() << q.bottomLeft();
        p.drawPolygon(tri);
        break;
    }
    case 'Q':
        p.drawRect(q.adjusted(q.width() * 0.06, q.height() * 0.06, -q.width() * 0.06, -q.height() * 0.06));
        break;
    case 'B':
        p.drawEllipse(q);
        break;
    default: {
        const double w = q.width() / 2.1;
        DesenharSimbolo(p, QRectF(q.left(), q.top() + q.height() * 0.45, w, w), 'B', QColor(0xc0, 0x30, 0x30), contorno);
        DesenharSimbolo(p, QRectF(q.right() - w, q.top() + q.height() * 0.45, w, w), 'Q', QColor(0x30, 0x60, 0xc0), contorno);
        DesenharSimbolo(p, QRectF(q.center().x() - w / 2, q.top(), w, w), 'T', QColor(0x30, 0x90, 0x40), contorno);
        break;
    }
    }
    p.restore();
}

void DesenharSoldado(QPainter& p, const QRectF& r, QColor cor, QColor contorno)
{
    // Drawn in a 20 x 32 design box scaled into r.
    p.save();
    Suavizar(p);
    p.translate(r.topLeft());
    p.scale(r.width() / 20.0, r.height() / 32.0);
    const QPen linha(contorno, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(linha);
    const QColor escura = cor.darker(140);
    // rifle behind the body
    p.setBrush(QColor(0x5a, 0x3c, 0x1e));
    p.drawRect(QRectF(15.2, 3.5, 2.0, 20));
    // legs
    p.setBrush(escura);
    p.drawRect(QRectF(5.5, 20, 3.6, 10.5));
    p.drawRect(QRectF(10.6, 20, 3.6, 10.5));
    // body
    QLinearGradient g(0, 10, 20, 10);
    g.setColorAt(0, cor.lighter(125));
    g.setColorAt(1, cor.darker(120));
    p.setBrush(g);
    QPainterPath corpo;
    corpo.moveTo(4, 11);
    corpo.lineTo(16, 11);
    corpo.lineTo(15, 22);
    corpo.lineTo(5, 22);
    corpo.closeSubpath();
    p.drawPath(corpo);
    // belt
    p.setBrush(QColor(0x3a, 0x2a, 0x14));
    p.drawRect(QRectF(5, 18, 10, 2));
    // arm holding the rifle
    p.setBrush(cor);
    p.drawRect(QRectF(13.5, 12, 3, 7));
    // head
    p.setBrush(QColor(0xf0, 0xc8, 0xa0));
    p.drawEllipse(QRectF(6.5, 4.5, 7, 7));
    // helmet
    p.setBrush(escura);
    QPainterPath capacete;
    capacete.moveTo(4.8, 7.6);
    capacete.cubicTo(5, 1.5, 15, 1.5, 15.2, 7.6);
    capacete.closeSubpath();
    p.drawPath(capacete);
    p.restore();
}

QColor Misturar(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void DesenharPlaca(QPainter& p, const QRectF& r, QColor base, double raio, bool afundada)
{
    p.save();
    Suavizar(p);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, afundada ? base.darker(130) : base.lighter(140));
    g.setColorAt(0.5, base);
    g.setColorAt(1, afundada ? base.lighter(115) : base.darker(150));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), raio, raio);
    p.setPen(QPen(QColor(255, 255, 255, afundada ? 30 : 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), raio - 1, raio - 1);
    p.restore();
}

QImage DesenharBotao(int largura, int altura, const QString& legenda, const TIcone& icone, QColor base)
{
    QImage img = NovaFigura(largura, altura, QColor(0x10, 0x0c, 0x06));
    QPainter p(&img);
    Suavizar(p);
    const QRectF r(0, 0, largura, altura);
    DesenharPlaca(p, r, base, std::min(6.0, altura / 5.0));
    // brushed texture
    for (int y = 2; y < altura - 2; y += 2) {
        p.setPen(QColor(255, 255, 255, int(6 + 10 * Ruido(0.3, y * 0.7, 17, 2))));
        p.drawLine(QPointF(3, y), QPointF(largura - 3, y));
    }
    // rivets
    if (largura >= 60 && altura >= 30) {
        p.setPen(Qt::NoPen);
        for (QPointF c : {QPointF(5, 5), QPointF(largura - 5, 5), QPointF(5, altura - 5), QPointF(largura - 5, altura - 5)}) {
            QRadialGradient rg(c - QPointF(0.6, 0.6), 2.2);
            rg.setColorAt(0, QColor(0xf0, 0xe0, 0xb0));
            rg.setColorAt(1, QColor(0x40, 0x30, 0x10));
            p.setBrush(rg);
            p.drawEllipse(c, 1.8, 1.8);
        }
    }
    const QRectF interior = r.adjusted(4, 3, -4, -3);
    if (icone && !legenda.isEmpty()) {
        const double lado = std::min(interior.height() * 0.55, interior.width());
        icone(p, QRectF(interior.center().x() - lado / 2, interior.top() + 1, lado, lado));
        TextoCentrado(p, QRectF(interior.left(), interior.top() + lado + 1, interior.width(), interior.bottom() - interior.top() - lado - 1),
            legenda, FonteEstreita(std::max(9, altura / 4)), QColor(0xff, 0xf2, 0xc8), QColor(0, 0, 0, 200));
    } else if (icone) {
        const double lado = std::min(interior.width(), interior.height());
        icone(p, QRectF(interior.center().x() - lado / 2, interior.center().y() - lado / 2, lado, lado));
    } else {
        TextoCentrado(p, interior, legenda, FonteEstreita(std::max(10, altura / 3)), QColor(0xff, 0xf2, 0xc8), QColor(0, 0, 0, 200));
    }
    return img;
}
