// The board's pieces: troops, highlights, dice, cups, lamps, step pictures, turn buttons and window icons.
#include "Desenhos.h"

#include "Pintura.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <map>

namespace {

// ---- Troops (32 x 32; the bottom-left corner stays free for the army count) ----------------------

void Tanque(QPainter& p, QColor cor, QColor contorno)
{
    p.setPen(QPen(contorno, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cor.darker(150));
    p.drawRoundedRect(QRectF(6, 17, 25, 7), 3.5, 3.5); // tracks
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(9 + i * 4.8, 20.5), 1.6, 1.6);
    QLinearGradient g(0, 10, 0, 18);
    g.setColorAt(0, cor.lighter(125));
    g.setColorAt(1, cor.darker(115));
    p.setBrush(g);
    QPainterPath casco;
    casco.moveTo(7, 17);
    casco.lineTo(10, 12);
    casco.lineTo(29, 12);
    casco.lineTo(31, 17);
    casco.closeSubpath();
    p.drawPath(casco);
    p.drawRoundedRect(QRectF(13, 6.5, 11, 6.5), 2.5, 2.5); // turret
    p.drawRect(QRectF(1.5, 8.2, 12, 2.2));                 // gun
}

void Canhao(QPainter& p, QColor cor, QColor contorno)
{
    p.setPen(QPen(contorno, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 4, 0, 14);
    g.setColorAt(0, cor.lighter(130));
    g.setColorAt(1, cor.darker(125));
    p.setBrush(g);
    p.save();
    p.translate(18, 15);
    p.rotate(-28);
    p.drawRoundedRect(QRectF(-14, -3.4, 24, 6.8), 3, 3); // barrel
    p.drawEllipse(QPointF(10, 0), 4, 4);
    p.restore();
    p.setBrush(QColor(0x6a, 0x46, 0x20));
    p.drawRect(QRectF(14, 15, 14, 4)); // carriage
    p.setBrush(QColor(0x4a, 0x30, 0x14));
    p.drawEllipse(QPointF(22, 20), 5.5, 5.5); // wheel
    p.setBrush(cor);
    p.drawEllipse(QPointF(22, 20), 1.8, 1.8);
    p.setPen(QPen(contorno, 0.8));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QPointF(22 + std::cos(a) * 5, 20 + std::sin(a) * 5), QPointF(22 - std::cos(a) * 5, 20 - std::sin(a) * 5));
    }
}

void Aviao(QPainter& p, QColor cor, QColor contorno)
{
    p.setPen(QPen(contorno, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(8, 0, 30, 0);
    g.setColorAt(0, cor.lighter(125));
    g.setColorAt(1, cor.darker(120));
    p.setBrush(g);
    QPainterPath asa;
    asa.moveTo(19, 3);
    asa.lineTo(22, 3);
    asa.lineTo(21, 12);
    asa.lineTo(31, 16);
    asa.lineTo(31, 19);
    asa.lineTo(21, 17);
    asa.lineTo(20, 24);
    asa.lineTo(24, 26);
    asa.lineTo(24, 27.5);
    asa.lineTo(16, 27.5);
    asa.lineTo(16, 26);
    asa.lineTo(19, 24);
    asa.lineTo(18, 17);
    asa.lineTo(8, 19);
    asa.lineTo(8, 16);
    asa.lineTo(18, 12);
    asa.closeSubpath();
    p.drawPath(asa);
    p.setBrush(QColor(0x9c, 0xd4, 0xf0));
    p.drawEllipse(QRectF(18.8, 6, 3.2, 5));
}

void Navio(QPainter& p, QColor cor, QColor contorno)
{
    p.setPen(QPen(contorno, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cor.darker(110));
    QPainterPath casco;
    casco.moveTo(5, 16);
    casco.lineTo(31, 16);
    casco.lineTo(27, 24);
    casco.lineTo(9, 24);
    casco.closeSubpath();
    p.drawPath(casco);
    p.setBrush(cor.lighter(120));
    p.drawRect(QRectF(12, 10, 12, 6));
    p.drawRect(QRectF(15, 5, 5, 5));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(21.5, 3, 2.6, 7));
    p.drawRect(QRectF(24, 12, 7, 1.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0xd4, 0xf0, 220));
    p.drawRect(QRectF(13.5, 12, 2, 2));
    p.drawRect(QRectF(17, 12, 2, 2));
}

void Bandeira(QPainter& p, QColor cor, QColor contorno)
{
    p.setPen(QPen(contorno, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x6a, 0x46, 0x20));
    p.drawRect(QRectF(11, 2, 2.4, 25));
    QLinearGradient g(13, 0, 31, 0);
    g.setColorAt(0, cor.lighter(120));
    g.setColorAt(1, cor.darker(125));
    p.setBrush(g);
    QPainterPath pano;
    pano.moveTo(13.4, 3);
    pano.cubicTo(19, 0.5, 24, 6, 31, 3);
    pano.lineTo(31, 15);
    pano.cubicTo(24, 18, 19, 12.5, 13.4, 15);
    pano.closeSubpath();
    p.drawPath(pano);
    p.setPen(Qt::NoPen);
    p.setBrush(contorno);
    // a star on the cloth
    QPolygonF estrela;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 1.6 : 3.8;
        const double a = -M_PI / 2 + i * M_PI / 5;
        estrela << QPointF(22 + r * std::cos(a), 9 + r * std::sin(a));
    }
    p.drawPolygon(estrela);
    p.setBrush(QColor(0x4a, 0x30, 0x14));
    p.setPen(QPen(contorno, 1));
    p.drawRect(QRectF(8, 26, 8.5, 3));
}

QImage ComFundoTransparente(const std::function<void(QPainter&)>& desenho, int lado = 32)
{
    QImage img = NovaFigura(lado, lado);
    {
        QPainter p(&img);
        Suavizar(p);
        desenho(p);
    }
    return ComChave(img);
}

// ---- Dice and cups --------------------------------------------------------------------------------

void Pips(QPainter& p, const QRectF& r, int valor, QColor cor)
{
    const double a = r.width() * 0.26;
    const QPointF c = r.center();
    std::vector<QPointF> pontos;
    auto ponto = [&](double dx, double dy) { pontos.push_back(c + QPointF(dx * a, dy * a)); };
    if (valor % 2)
        ponto(0, 0);
    if (valor >= 2) {
        ponto(-1, -1);
        ponto(1, 1);
    }
    if (valor >= 4) {
        ponto(1, -1);
        ponto(-1, 1);
    }
    if (valor == 6) {
        ponto(-1, 0);
        ponto(1, 0);
    }
    const double raio = r.width() * 0.095;
    for (const QPointF& q : pontos) {
        QRadialGradient g(q - QPointF(raio * 0.3, raio * 0.3), raio * 1.2);
        g.setColorAt(0, cor.lighter(160));
        g.setColorAt(1, cor);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(q, raio, raio);
    }
}

void CorpoDoDado(QPainter& p, const QRectF& r, QColor cor)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r.translated(1.5, 2), 7, 7);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, cor.lighter(135));
    g.setColorAt(0.6, cor);
    g.setColorAt(1, cor.darker(145));
    p.setPen(QPen(cor.darker(220), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 5, 5);
}

QColor CorDoDado(bool ataque)
{
    return ataque ? QColor(0xc8, 0x1e, 0x1e) : QColor(0xf2, 0xc8, 0x22);
}

QColor CorDosPips(bool ataque)
{
    return ataque ? QColor(0xfa, 0xf6, 0xee) : QColor(0x1a, 0x1a, 0x1a);
}

/// The cup leans by frame: 0 and 2 stand upright (2 is also the picture at rest), the others shake.
double InclinacaoDoCopo(int quadro)
{
    static const double angulos[] = {0, -9, 0, 12, -14, 16, -12, 10, -6, 5};
    return angulos[quadro % 10];
}

// ---- Icons --------------------------------------------------------------------------------------

void Espadas(QPainter& p, const QRectF& r, QColor lamina = QColor(0xe8, 0xec, 0xf0))
{
    p.save();
    Suavizar(p);
    p.translate(r.center());
    const double s = r.width() / 40.0;
    p.scale(s, s);
    for (int lado : {-1, 1}) {
        p.save();
        p.rotate(45 * lado);
        p.setPen(QPen(QColor(0x20, 0x20, 0x28), 1.2));
        QLinearGradient g(-2, 0, 2, 0);
        g.setColorAt(0, lamina);
        g.setColorAt(1, lamina.darker(150));
        p.setBrush(g);
        QPainterPath espada;
        espada.moveTo(0, -17);
        espada.lineTo(2.4, -13);
        espada.lineTo(2.4, 7);
        espada.lineTo(-2.4, 7);
        espada.lineTo(-2.4, -13);
        espada.closeSubpath();
        p.drawPath(espada);
        p.setBrush(QColor(0xc8, 0x98, 0x30));
        p.drawRoundedRect(QRectF(-7, 7, 14, 3), 1.5, 1.5);
        p.setBrush(QColor(0x5a, 0x36, 0x14));
        p.drawRect(QRectF(-1.6, 10, 3.2, 6));
        p.setBrush(QColor(0xc8, 0x98, 0x30));
        p.drawEllipse(QPointF(0, 17.5), 2.2, 2.2);
        p.restore();
    }
    p.restore();
}

void Setas(QPainter& p, const QRectF& r)
{
    p.save();
    Suavizar(p);
    p.translate(r.center());
    const double s = r.width() / 40.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(0x10, 0x20, 0x10), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int lado : {-1, 1}) {
        QPainterPath seta;
        seta.moveTo(-14 * lado, -6 * lado + 3 * lado);
        seta.lineTo(6 * lado, -6 * lado + 3 * lado);
        seta.lineTo(6 * lado, -12 * lado + 3 * lado);
        seta.lineTo(16 * lado, -2 * lado + 3 * lado - 1 * lado);
        seta.lineTo(6 * lado, 8 * lado + 3 * lado - 2 * lado);
        seta.lineTo(6 * lado, 2 * lado + 3 * lado - 2 * lado);
        seta.lineTo(-14 * lado, 2 * lado + 3 * lado - 2 * lado);
        seta.closeSubpath();
        p.setBrush(lado > 0 ? QColor(0x6c, 0xd0, 0x5a) : QColor(0xf0, 0xd0, 0x50));
        p.drawPath(seta);
    }
    p.restore();
}

void Leque(QPainter& p, const QRectF& r, int cartas = 3)
{
    p.save();
    Suavizar(p);
    p.translate(r.center().x(), r.bottom() - r.height() * 0.08);
    const double s = r.height() / 40.0;
    p.scale(s, s);
    const char simbolos[] = {'B', 'Q', 'T'};
    for (int i = 0; i < cartas; ++i) {
        p.save();
        p.rotate((i - (cartas - 1) / 2.0) * 22);
        const QRectF carta(-8, -32, 16, 26);
        p.setPen(QPen(QColor(0x20, 0x18, 0x10), 1));
        p.setBrush(QColor(0xf6, 0xec, 0xd2));
        p.drawRoundedRect(carta, 2, 2);
        const QColor cores[] = {QColor(0xc0, 0x30, 0x30), QColor(0x30, 0x60, 0xc0), QColor(0x30, 0x90, 0x40)};
        DesenharSimbolo(p, QRectF(-5, -25, 10, 10), simbolos[i % 3], cores[i % 3], QColor(0, 0, 0));
        p.restore();
    }
    p.restore();
}

void Distintivo(QPainter& p, QPointF centro, double raio, QColor cor, const QString& texto)
{
    p.save();
    Suavizar(p);
    QRadialGradient g(centro - QPointF(raio * 0.3, raio * 0.3), raio * 1.3);
    g.setColorAt(0, cor.lighter(150));
    g.setColorAt(1, cor.darker(130));
    p.setPen(QPen(QColor(0, 0, 0, 220), 1.2));
    p.setBrush(g);
    p.drawEllipse(centro, raio, raio);
    QFont f = Fonte(int(raio * 1.5), true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(centro.x() - raio, centro.y() - raio - 0.5, raio * 2, raio * 2), Qt::AlignCenter, texto);
    p.restore();
}

void Globo(QPainter& p, const QRectF& r)
{
    p.save();
    Suavizar(p);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.7);
    g.setColorAt(0, QColor(0x6c, 0xb8, 0xe8));
    g.setColorAt(1, QColor(0x1a, 0x4a, 0x88));
    p.setPen(QPen(QColor(0x10, 0x20, 0x30), 1.2));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setClipRegion(QRegion(r.toRect(), QRegion::Ellipse));
    p.setBrush(QColor(0x7c, 0xb0, 0x50));
    p.setPen(QPen(QColor(0x30, 0x50, 0x20), 0.8));
    const double w = r.width();
    QPainterPath terra;
    terra.moveTo(r.left() + w * 0.15, r.top() + w * 0.25);
    terra.cubicTo(r.left() + w * 0.4, r.top() + w * 0.1, r.left() + w * 0.5, r.top() + w * 0.45, r.left() + w * 0.35, r.top() + w * 0.6);
    terra.cubicTo(r.left() + w * 0.25, r.top() + w * 0.7, r.left() + w * 0.1, r.top() + w * 0.5, r.left() + w * 0.15, r.top() + w * 0.25);
    terra.moveTo(r.left() + w * 0.6, r.top() + w * 0.3);
    terra.cubicTo(r.left() + w * 0.9, r.top() + w * 0.3, r.left() + w * 0.95, r.top() + w * 0.7, r.left() + w * 0.7, r.top() + w * 0.85);
    terra.cubicTo(r.left() + w * 0.55, r.top() + w * 0.7, r.left() + w * 0.5, r.top() + w * 0.45, r.left() + w * 0.6, r.top() + w * 0.3);
    p.drawPath(terra);
    p.restore();
}

void Camera(QPainter& p, const QRectF& r)
{
    p.save();
    Suavizar(p);
    const double w = r.width(), h = r.height();
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.2));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRoundedRect(QRectF(r.left() + w * 0.05, r.top() + h * 0.3, w * 0.9, h * 0.58), 3, 3);
    p.drawRect(QRectF(r.left() + w * 0.32, r.top() + h * 0.18, w * 0.3, h * 0.14));
    QRadialGradient g(r.left() + w * 0.48, r.top() + h * 0.56, w * 0.24);
    g.setColorAt(0, QColor(0x9c, 0xd4, 0xf0));
    g.setColorAt(1, QColor(0x10, 0x30, 0x60));
    p.setBrush(g);
    p.drawEllipse(QPointF(r.left() + w * 0.5, r.top() + h * 0.59), w * 0.2, w * 0.2);
    p.setBrush(QColor(0xf0, 0xd0, 0x50));
    p.drawRect(QRectF(r.left() + w * 0.76, r.top() + h * 0.36, w * 0.1, h * 0.08));
    p.restore();
}

void Boia(QPainter& p, const QRectF& r)
{
    p.save();
    Suavizar(p);
    const QPointF c = r.center();
    const double raio = r.width() / 2 - 1;
    p.setPen(QPen(QColor(0x20, 0x10, 0x10), 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(0xf4, 0xf0, 0xe8) : QColor(0xd8, 0x24, 0x20));
        p.drawPie(QRectF(c.x() - raio, c.y() - raio, raio * 2, raio * 2), (i * 90 + 45) * 16, 90 * 16);
    }
    p.setBrush(QColor(0x24, 0x50, 0x80));
    p.drawEllipse(c, raio * 0.48, raio * 0.48);
    p.setPen(Qt::white);
    p.setFont(Fonte(int(raio * 0.9), true));
    p.drawText(QRectF(c.x() - raio, c.y() - raio, raio * 2, raio * 2), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void SetaSimples(QPainter& p, const QRectF& r, bool direita)
{
    p.save();
    Suavizar(p);
    QPolygonF seta;
    const double w = r.width(), h = r.height();
    if (direita)
        seta << QPointF(r.left() + w * 0.3, r.top() + h * 0.2) << QPointF(r.left() + w * 0.75, r.center().y())
             << QPointF(r.left() + w * 0.3, r.top() + h * 0.8);
    else
        seta << QPointF(r.left() + w * 0.7, r.top() + h * 0.2) << QPointF(r.left() + w * 0.25, r.center().y())
             << QPointF(r.left() + w * 0.7, r.top() + h * 0.8);
    p.setPen(QPen(QColor(0, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf6, 0xd8, 0x70));
    p.drawPolygon(seta);
    p.restore();
}

void Proibido(QPainter& p, const QRectF& r)
{
    p.save();
    Suavizar(p);
    p.setPen(QPen(QColor(0xe0, 0x20, 0x20), r.width() / 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.25),
        QPointF(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.25));
    p.restore();
}

/// A glyph above the caption of a picture button, so its action reads at a glance.
TIcone IconeDaLegenda(const QString& legenda)
{
    static const std::map<QString, QString> glifos = {
        {QStringLiteral("Duelos"), QStringLiteral("\u2694")}, {QStringLiteral("Tutorial"), QStringLiteral("?")},
        {QStringLiteral("Perfil"), QStringLiteral("\u263b")}, {QStringLiteral("Miss\u00f5es"), QStringLiteral("\u2691")},
        {QStringLiteral("Ranking"), QStringLiteral("\u2605")}, {QStringLiteral("Patentes"), QStringLiteral("\u00bb")},
        {QStringLiteral("L\u00edderes"), QStringLiteral("\u265b")}, {QStringLiteral("Amigos"), QStringLiteral("\u263b\u263b")},
        {QStringLiteral("F\u00f3rum"), QStringLiteral("\u2709")}, {QStringLiteral("Regras"), QStringLiteral("\u2630")},
        {QStringLiteral("Sair"), QStringLiteral("\u2716")}, {QStringLiteral("Criar Jogo"), QStringLiteral("\u271a")},
        {QStringLiteral("Entrar"), QStringLiteral("\u279c")}, {QStringLiteral("Reentrar"), QStringLiteral("\u21bb")},
        {QStringLiteral("Assistir"), QStringLiteral("\u25c9")}, {QStringLiteral("Iniciar"), QStringLiteral("\u25b6")},
        {QStringLiteral("Pronto"), QStringLiteral("\u2714")}, {QStringLiteral("Voltar"), QStringLiteral("\u25c0")},
        {QStringLiteral("Trocar"), QStringLiteral("\u21c4")}, {QStringLiteral("Fechar"), QStringLiteral("\u2716")},
        {QStringLiteral("Criar Conta"), QStringLiteral("\u271a")}, {QStringLiteral("Salvar Dados"), QStringLiteral("\u2714")},
        {QStringLiteral("Mudar Senha"), QStringLiteral("\u2731")}, {QStringLiteral("F\u00e1cil"), QStringLiteral("\u2605")},
        {QStringLiteral("M\u00e9dia"), QStringLiteral("\u2605\u2605")}, {QStringLiteral("Dif\u00edcil"), QStringLiteral("\u2605\u2605\u2605")},
        {QStringLiteral("Cancelar"), QStringLiteral("\u2716")}, {QStringLiteral("Entregar"), QStringLiteral("\u2714")},
        {QStringLiteral("Meu Pa\u00eds"), QStringLiteral("\u2691")}, {QStringLiteral("Abandonar"), QStringLiteral("\u2716")},
        {QStringLiteral("Convidar"), QStringLiteral("\u271a")}, {QStringLiteral("Expulsar"), QStringLiteral("\u2716")},
        {QStringLiteral("Promover"), QStringLiteral("\u25b2")}, {QStringLiteral("Rebaixar"), QStringLiteral("\u25bc")},
        {QStringLiteral("Adicionar"), QStringLiteral("\u271a")}, {QStringLiteral("Remover"), QStringLiteral("\u2716")},
    };
    const auto achado = glifos.find(QString(legenda).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (achado == glifos.end())
        return {};
    const QString glifo = achado->second;
    // Actions that take something away are red, the others gold.
    const bool perigo = glifo == QStringLiteral("\u2716") || glifo == QStringLiteral("\u25bc");
    return [glifo, perigo](QPainter& p, const QRectF& r) {
        p.save();
        Suavizar(p);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(int(r.height() * 0.95));
        f.setBold(true);
        QPainterPath caminho;
        caminho.addText(0, 0, f, glifo);
        const QRectF caixa = caminho.boundingRect();
        const double escala = std::min(r.width() * 1.6 / caixa.width(), r.height() / caixa.height());
        QTransform t;
        t.translate(r.center().x(), r.center().y());
        t.scale(escala, escala);
        t.translate(-caixa.center().x(), -caixa.center().y());
        caminho = t.map(caminho);
        p.setPen(QPen(QColor(0, 0, 0, 210), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QLinearGradient g(0, r.top(), 0, r.bottom());
        g.setColorAt(0, perigo ? QColor(0xff, 0x90, 0x80) : QColor(0xff, 0xf0, 0xb0));
        g.setColorAt(1, perigo ? QColor(0xc0, 0x20, 0x18) : QColor(0xd0, 0x98, 0x30));
        p.setBrush(g);
        p.drawPath(caminho);
        p.restore();
    };
}

} // namespace

QImage DesenharTropa(int cor, int tipo)
{
    const QColor c = CorExercito(cor), contorno = ContornoExercito(cor);
    return ComFundoTransparente([&](QPainter& p) {
        switch (tipo % 6) {
        case 0:
            DesenharSoldado(p, QRectF(12, 0, 17, 27), c, contorno);
            break;
        case 1: Tanque(p, c, contorno); break;
        case 2: Canhao(p, c, contorno); break;
        case 3: Aviao(p, c, contorno); break;
        case 4: Navio(p, c, contorno); break;
        default: Bandeira(p, c, contorno); break;
        }
    });
}

QImage DesenharFundoMarca(int marca)
{
    // 1 received armies (blue), 2 attacker or origin (orange), 3 target or destination (red),
    // 4 selectable (green): a glowing ring around the marker.
    static const QColor cores[] = {QColor(0x40, 0xa8, 0xff), QColor(0xff, 0x9a, 0x1a), QColor(0xff, 0x2a, 0x2a),
        QColor(0x50, 0xf0, 0x60)};
    const QColor cor = cores[(marca - 1) & 3];
    return ComFundoTransparente([&](QPainter& p) {
        QRadialGradient g(QPointF(16, 16), 16);
        g.setColorAt(0, QColor(cor.red(), cor.green(), cor.blue(), 110));
        g.setColorAt(0.75, QColor(cor.red(), cor.green(), cor.blue(), 230));
        g.setColorAt(1, QColor(cor.red(), cor.green(), cor.blue(), 255));
        p.setPen(QPen(cor.darker(200), 1.5));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
        p.setPen(QPen(cor.lighter(150), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 5, 5);
    }, 32);
}

QImage DesenharDado(bool ataque, int valor)
{
    QImage img = NovaFigura(40, 40, QColor(0x18, 0x10, 0x08));
    QPainter p(&img);
    Suavizar(p);
    const QRectF r(3, 3, 33, 33);
    CorpoDoDado(p, r, CorDoDado(ataque));
    Pips(p, r, valor, CorDosPips(ataque));
    return img;
}

QImage DesenharDadoParado(bool ataque, int posicao)
{
    // A die at rest: dimmed, showing the highest faces so the area never looks empty.
    QImage img = NovaFigura(40, 40, QColor(0x18, 0x10, 0x08));
    QPainter p(&img);
    Suavizar(p);
    const QRectF r(3, 3, 33, 33);
    CorpoDoDado(p, r, CorDoDado(ataque).darker(190));
    Pips(p, r, 7 - posicao, CorDosPips(ataque).darker(ataque ? 200 : 100));
    return img;
}

QImage DesenharCopo(bool ataque, int quadro)
{
    QImage img = NovaFigura(48, 48, QColor(0x1a, 0x10, 0x08));
    QPainter p(&img);
    Suavizar(p);
    const QColor couro = ataque ? QColor(0x9a, 0x22, 0x1a) : QColor(0x1e, 0x4a, 0x9a);
    const double angulo = InclinacaoDoCopo(quadro);
    const double salto = (quadro == 0 || quadro == 2) ? 0 : std::abs(angulo) / 4.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(QPointF(24, 43), 15, 3.5);
    p.translate(24, 42 - salto);
    p.rotate(angulo);
    QLinearGradient g(-14, 0, 14, 0);
    g.setColorAt(0, couro.darker(150));
    g.setColorAt(0.35, couro.lighter(135));
    g.setColorAt(1, couro.darker(170));
    p.setPen(QPen(QColor(0x10, 0x08, 0x04), 1.2));
    p.setBrush(g);
    QPainterPath copo;
    copo.moveTo(-12, 0);
    copo.lineTo(-15, -34);
    copo.lineTo(15, -34);
    copo.lineTo(12, 0);
    copo.closeSubpath();
    p.drawPath(copo);
    p.setBrush(QColor(0xd0, 0xa8, 0x48));
    p.drawRect(QRectF(-15.5, -35, 31, 4));
    p.drawRect(QRectF(-12.5, -3, 25, 3));
    p.setBrush(QColor(0x20, 0x10, 0x08));
    p.drawEllipse(QRectF(-14.5, -37.5, 29, 5));
    // stitching and the emblem
    p.setPen(QPen(QColor(0xf0, 0xd8, 0x90, 160), 1, Qt::DotLine));
    p.drawLine(QPointF(-13, -28), QPointF(13, -28));
    p.drawLine(QPointF(-11.5, -7), QPointF(11.5, -7));
    if (ataque)
        Espadas(p, QRectF(-9, -25, 18, 18));
    else {
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
        p.setBrush(QColor(0xe8, 0xe0, 0xc8));
        QPainterPath escudo;
        escudo.moveTo(-7, -24);
        escudo.lineTo(7, -24);
        escudo.lineTo(7, -16);
        escudo.quadTo(6, -10, 0, -8);
        escudo.quadTo(-6, -10, -7, -16);
        escudo.closeSubpath();
        p.drawPath(escudo);
    }
    // dice jumping out while it shakes
    if (salto > 0) {
        p.resetTransform();
        const QColor dado = CorDoDado(ataque);
        for (int i = 0; i < 2; ++i) {
            p.save();
            p.translate(10 + i * 26 + angulo * 0.3, 8 + ((quadro + i) % 3) * 2);
            p.rotate(quadro * 37 + i * 50);
            p.setPen(QPen(dado.darker(220), 0.8));
            p.setBrush(dado);
            p.drawRoundedRect(QRectF(-3.5, -3.5, 7, 7), 1.5, 1.5);
            p.restore();
        }
    }
    return img;
}

QImage DesenharConexao(int estado)
{
    static const std::map<int, QColor> cores = {{0, QColor(0x3a, 0x3a, 0x3a)}, {1, QColor(0x30, 0xe0, 0x40)},
        {10, QColor(0xff, 0xc8, 0x20)}, {11, QColor(0xe0, 0x20, 0x20)}};
    const QColor cor = cores.at(estado);
    QImage img = NovaFigura(16, 16, QColor(0x16, 0x11, 0x0a));
    QPainter p(&img);
    Suavizar(p);
    if (estado != 0) {
        QRadialGradient brilho(QPointF(8, 8), 8);
        brilho.setColorAt(0, QColor(cor.red(), cor.green(), cor.blue(), 160));
        brilho.setColorAt(1, QColor(cor.red(), cor.green(), cor.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(brilho);
        p.drawEllipse(QPointF(8, 8), 8, 8);
    }
    QRadialGradient g(QPointF(6.5, 6), 6);
    g.setColorAt(0, cor.lighter(estado ? 170 : 130));
    g.setColorAt(1, cor.darker(140));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 5, 5);
    return img;
}

QImage DesenharAcao(const QString& acao)
{
    QImage img = NovaFigura(45, 45, QColor(0x12, 0x0e, 0x08));
    QPainter p(&img);
    Suavizar(p);
    DesenharPlaca(p, QRectF(0, 0, 45, 45), QColor(0x4a, 0x3a, 0x22), 6, true);
    const QRectF icone(5, 5, 35, 35);
    if (acao == QLatin1String("AcaoTDireito")) {
        DesenharSoldado(p, QRectF(10, 4, 20, 34), QColor(0x7a, 0x8a, 0x4a), QColor(0, 0, 0));
        Distintivo(p, QPointF(33, 33), 8, QColor(0x20, 0x90, 0x30), QStringLiteral("+"));
    } else if (acao == QLatin1String("AcaoTContinente")) {
        Globo(p, QRectF(5, 5, 30, 30));
        Distintivo(p, QPointF(34, 34), 8, QColor(0x20, 0x90, 0x30), QStringLiteral("+"));
    } else if (acao == QLatin1String("AcaoAtacar")) {
        Espadas(p, icone);
    } else if (acao == QLatin1String("AcaoMover")) {
        Setas(p, icone);
    } else if (acao == QLatin1String("AcaoTroca")) {
        Leque(p, QRectF(4, 6, 37, 34));
        Distintivo(p, QPointF(35, 11), 7, QColor(0x20, 0x60, 0xc0), QStringLiteral("?"));
    } else {
        Leque(p, QRectF(4, 6, 37, 34));
        Distintivo(p, QPointF(34, 34), 8, QColor(0x20, 0x90, 0x30), QStringLiteral("+"));
    }
    return img;
}

QImage DesenharSoldadoDaVez(int cor)
{
    QImage img = NovaFigura(32, 32, QColor(0x12, 0x0e, 0x08));
    QPainter p(&img);
    Suavizar(p);
    QRadialGradient g(QPointF(16, 14), 18);
    g.setColorAt(0, QColor(0xff, 0xe8, 0xa0, 140));
    g.setColorAt(1, QColor(0xff, 0xe8, 0xa0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 15), 16, 16);
    DesenharSoldado(p, QRectF(7, 1, 18, 30), CorExercito(cor), ContornoExercito(cor));
    return img;
}

QImage DesenharBotaoDoTurno(const QString& botao)
{
    TIcone icone;
    if (botao == QLatin1String("paraataque"))
        icone = [](QPainter& p, const QRectF& r) {
            Espadas(p, r);
            Proibido(p, r);
        };
    else if (botao == QLatin1String("passavez"))
        icone = [](QPainter& p, const QRectF& r) {
            p.save();
            Suavizar(p);
            QPolygonF seta;
            const double w = r.width();
            seta << QPointF(r.left() + w * 0.08, r.top() + w * 0.3) << QPointF(r.left() + w * 0.55, r.top() + w * 0.3)
                 << QPointF(r.left() + w * 0.55, r.top() + w * 0.12) << QPointF(r.left() + w * 0.95, r.top() + w * 0.5)
                 << QPointF(r.left() + w * 0.55, r.top() + w * 0.88) << QPointF(r.left() + w * 0.55, r.top() + w * 0.7)
                 << QPointF(r.left() + w * 0.08, r.top() + w * 0.7);
            p.setPen(QPen(QColor(0, 0, 0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0x6c, 0xd0, 0x5a));
            p.drawPolygon(seta);
            p.restore();
        };
    else if (botao == QLatin1String("vercarta"))
        icone = [](QPainter& p, const QRectF& r) { Leque(p, r); };
    else
        icone = [](QPainter& p, const QRectF& r) {
            Leque(p, r);
            Proibido(p, r);
        };
    QImage img = NovaFigura(40, 40, QColor(0x12, 0x0e, 0x08));
    QPainter p(&img);
    Suavizar(p);
    DesenharPlaca(p, QRectF(0, 0, 40, 40), QColor(0x5a, 0x4a, 0x2a), 6);
    icone(p, QRectF(5, 5, 30, 30));
    return img;
}

QImage DesenharSuperAtaque(bool ligado)
{
    QImage img = NovaFigura(18, 97, QColor(0x12, 0x0e, 0x08));
    QPainter p(&img);
    Suavizar(p);
    const QColor base = ligado ? QColor(0xb0, 0x18, 0x10) : QColor(0x40, 0x3a, 0x34);
    DesenharPlaca(p, QRectF(0, 0, 18, 97), base, 5, !ligado);
    // lamp
    QRadialGradient g(QPointF(8, 8), 6);
    g.setColorAt(0, ligado ? QColor(0xff, 0xf0, 0x80) : QColor(0x80, 0x78, 0x70));
    g.setColorAt(1, ligado ? QColor(0xff, 0x50, 0x10) : QColor(0x30, 0x2a, 0x26));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(9, 9), 5, 5);
    // vertical caption
    p.save();
    p.translate(13.5, 92);
    p.rotate(-90);
    p.setFont(FonteEstreita(11, true));
    TextoComHalo(p, QPointF(0, 0), QStringLiteral("SUPER ATAQUE"), ligado ? QColor(0xff, 0xf0, 0xc0) : QColor(0xb0, 0xa8, 0x98),
        QColor(0, 0, 0, 220), 1.2);
    p.restore();
    return img;
}

QImage DesenharEsfera(int digito)
{
    // 0 off, 1 and 4 ready (green), 2 waiting (red), 3 the roulette light (gold); other digits other colours.
    static const QColor cores[] = {QColor(0x40, 0x40, 0x48), QColor(0x30, 0xd0, 0x40), QColor(0xd8, 0x30, 0x20),
        QColor(0xff, 0xc8, 0x20), QColor(0x30, 0xe8, 0x50), QColor(0x30, 0x80, 0xf0), QColor(0xa0, 0x40, 0xe0),
        QColor(0xf0, 0xf0, 0xf0), QColor(0xff, 0x80, 0x20), QColor(0x30, 0xe0, 0xe0)};
    const QColor cor = cores[std::clamp(digito, 0, 9)];
    QImage img = NovaFigura(30, 30, QColor(0x10, 0x0c, 0x08));
    QPainter p(&img);
    Suavizar(p);
    if (digito != 0) {
        QRadialGradient brilho(QPointF(15, 15), 15);
        brilho.setColorAt(0.4, QColor(cor.red(), cor.green(), cor.blue(), 150));
        brilho.setColorAt(1, QColor(cor.red(), cor.green(), cor.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(brilho);
        p.drawEllipse(QPointF(15, 15), 15, 15);
    }
    p.setPen(QPen(QColor(0xb8, 0x94, 0x4c), 1.5));
    p.setBrush(QColor(0x20, 0x18, 0x10));
    p.drawEllipse(QPointF(15, 15), 10.5, 10.5);
    QRadialGradient g(QPointF(12, 11), 10);
    g.setColorAt(0, cor.lighter(digito ? 180 : 130));
    g.setColorAt(0.5, cor);
    g.setColorAt(1, cor.darker(180));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(15, 15), 9, 9);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(12, 11), 3, 2);
    return img;
}

QImage DesenharFiguraDeJanela(const char* janela, const char* controle, int largura, int altura, const QString& legenda)
{
    const QString nome = QString::fromLatin1(janela) + QLatin1Char('_') + QString::fromLatin1(controle);
    if (nome.endsWith(QLatin1String("imChamaStaff")))
        return DesenharBotao(largura, altura, {}, Boia, QColor(0x30, 0x30, 0x38));
    if (nome == QLatin1String("TFrChat_Image17") || nome == QLatin1String("TFrMapa_Image6")
        || nome == QLatin1String("TFrPrintar_Image1"))
        return DesenharBotao(largura, altura, {}, Camera, QColor(0x30, 0x30, 0x38));
    if (nome == QLatin1String("TFrTroca_BtAnterior") || nome == QLatin1String("TFrTroca_BtProxima"))
        return DesenharBotao(largura, altura, {}, [&](QPainter& p, const QRectF& r) { SetaSimples(p, r, nome.endsWith(QLatin1String("Proxima"))); });
    if (nome == QLatin1String("TFrMapa_Image8")) {
        QImage img = NovaFigura(largura, altura, QColor(0x10, 0x0c, 0x08));
        QPainter p(&img);
        Suavizar(p);
        p.setPen(QPen(QColor(0xb8, 0x94, 0x4c), 1));
        p.setBrush(QColor(0x08, 0x06, 0x04));
        p.drawRoundedRect(QRectF(0.5, 0.5, largura - 1, altura - 1), 3, 3);
        p.setPen(QColor(0xb8, 0x94, 0x4c, 90));
        for (int x = 12; x < largura; x += 12)
            p.drawLine(QPointF(x, 3), QPointF(x, altura - 3));
        return img;
    }
    if (nome == QLatin1String("TFrMapa_imBar")) {
        // Shown cut to 0..120 pixels: green while there is time, red near the end.
        QImage img = NovaFigura(largura, altura);
        QPainter p(&img);
        QLinearGradient g(0, 0, largura, 0);
        g.setColorAt(0, QColor(0x30, 0xc0, 0x40));
        g.setColorAt(0.6, QColor(0xf0, 0xd0, 0x30));
        g.setColorAt(1, QColor(0xe0, 0x30, 0x20));
        p.fillRect(img.rect(), g);
        QLinearGradient brilho(0, 0, 0, altura);
        brilho.setColorAt(0, QColor(255, 255, 255, 110));
        brilho.setColorAt(0.5, QColor(255, 255, 255, 0));
        brilho.setColorAt(1, QColor(0, 0, 0, 90));
        p.fillRect(img.rect(), brilho);
        return img;
    }
    if (nome == QLatin1String("TFrPrepara_Image1")) {
        QImage img = NovaFigura(largura, altura, QColor(0x14, 0x10, 0x0a));
        QPainter p(&img);
        Suavizar(p);
        Globo(p, QRectF(8, 8, largura - 16, altura - 16));
        Espadas(p, QRectF(largura * 0.2, altura * 0.2, largura * 0.6, altura * 0.6));
        return img;
    }
    return DesenharBotao(largura, altura, legenda, IconeDaLegenda(legenda));
}
