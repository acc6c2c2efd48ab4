// Territory cards (69 x 120), the empty card place, and the objective cards (85 x 148).
#include "Desenhos.h"

#include "Mapa.h"
#include "Pintura.h"
#include "Territorios.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace {

const QColor Pergaminho(0xf4, 0xe8, 0xc8);
const QColor Tinta(0x2a, 0x1c, 0x0c);

QColor CorDoSimbolo(char s)
{
    switch (s) {
    case 'B': return QColor(0xc0, 0x30, 0x30);
    case 'Q': return QColor(0x30, 0x60, 0xc0);
    case 'T': return QColor(0x30, 0x90, 0x40);
    default: return QColor(0xd0, 0xa0, 0x30);
    }
}

void FundoDePergaminho(QPainter& p, const QRectF& r, QColor borda)
{
    p.fillRect(r, QColor(0x10, 0x0c, 0x06));
    QRadialGradient g(r.center(), r.height() * 0.7);
    g.setColorAt(0, Pergaminho);
    g.setColorAt(1, Pergaminho.darker(118));
    p.setPen(QPen(borda.darker(170), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(QPen(borda, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 3, 3);
}

/// The continent of a territory, with the territory itself picked out, taken from the map.
QImage Silhueta(int territorio, QSize tamanho)
{
    const TModeloMapa& m = ModeloMapa();
    const TContinente c = Territorios()[territorio].Continente;
    QRect caixa;
    for (int t = 1; t <= 42; ++t)
        if (Territorios()[t].Continente == c)
            caixa = caixa.united(m.Caixa[t]);
    caixa.adjust(-2, -2, 2, 2);
    QImage recorte(caixa.size(), QImage::Format_ARGB32_Premultiplied);
    recorte.fill(Qt::transparent);
    const QColor tinta = Continente(c).Tinta;
    for (int y = 0; y < caixa.height(); ++y)
        for (int x = 0; x < caixa.width(); ++x) {
            const int gx = caixa.left() + x, gy = caixa.top() + y;
            if (gx < 0 || gy < 0 || gx >= TModeloMapa::Largura || gy >= TModeloMapa::Altura)
                continue;
            const int t = m.Em(gx, gy);
            if (!t || Territorios()[t].Continente != c)
                continue;
            QColor cor = t == territorio ? QColor(0xb0, 0x1c, 0x14) : Misturar(tinta, QColor(0xff, 0xff, 0xff), 0.35);
            recorte.setPixel(x, y, cor.rgb());
        }
    QImage escalada = recorte.scaled(tamanho, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // An outline around the picked territory, drawn after scaling so it stays one pixel wide.
    return escalada;
}

QString NomeEmDuasLinhas(const QString& nome)
{
    if (nome.size() <= 10 || !nome.contains(QLatin1Char(' ')))
        return nome;
    const int meio = nome.size() / 2;
    int melhor = -1;
    for (int i = 0; i < nome.size(); ++i)
        if (nome[i] == QLatin1Char(' ') && (melhor < 0 || std::abs(i - meio) < std::abs(melhor - meio)))
            melhor = i;
    return nome.left(melhor) + QLatin1Char('\n') + nome.mid(melhor + 1);
}

// ---- Objectives ----------------------------------------------------------------------------------

struct TObjetivo {
    enum Tipo { Continentes, Territorios, Destruir } Tipo;
    std::vector<TContinente> Alvos; ///< continents to hold
    bool MaisUm = false;            ///< ... and a third continent of the player's choice
    int Numero = 0;                 ///< territories to hold, or the army colour to destroy
    int Exercitos = 1;              ///< armies on each of those territories
};

const std::vector<TObjetivo>& Objetivos()
{
    using enum TContinente;
    static const std::vector<TObjetivo> tabela = {
        {},
        {TObjetivo::Continentes, {Europa, Oceania}, true},
        {TObjetivo::Continentes, {Asia, AmericaSul}},
        {TObjetivo::Continentes, {Europa, AmericaSul}, true},
        {TObjetivo::Territorios, {}, false, 18, 2},
        {TObjetivo::Continentes, {Asia, Africa}},
        {TObjetivo::Continentes, {AmericaNorte, Africa}},
        {TObjetivo::Territorios, {}, false, 24, 1},
        {TObjetivo::Continentes, {AmericaNorte, Oceania}},
        {TObjetivo::Destruir, {}, false, 1},
        {TObjetivo::Destruir, {}, false, 2},
        {TObjetivo::Destruir, {}, false, 3},
        {TObjetivo::Destruir, {}, false, 4},
        {TObjetivo::Destruir, {}, false, 5},
        {TObjetivo::Destruir, {}, false, 6},
    };
    return tabela;
}

const char* const NomesPlurais[] = {"", "AMARELOS", "AZUIS", "BRANCOS", "PRETOS", "VERDES", "VERMELHOS"};

/// Height of a pill: two lines when the name does not fit in one.
double AlturaDaPilula(const QString& texto, double largura)
{
    return QFontMetricsF(FonteEstreita(10, true)).horizontalAdvance(texto) > largura - 8 ? 27 : 17;
}

void Pilula(QPainter& p, const QRectF& r, const QString& texto, QColor cor)
{
    p.setPen(QPen(cor.darker(170), 1));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, cor.lighter(115));
    g.setColorAt(1, cor.darker(112));
    p.setBrush(g);
    p.drawRoundedRect(r, 8.5, 8.5);
    TextoCentrado(p, r.adjusted(3, 0, -3, 0), texto, FonteEstreita(10, true), QColor(0x1a, 0x10, 0x04));
}

void VersoDoObjetivo(QPainter& p)
{
    const QRectF r(0, 0, 85, 148);
    p.fillRect(r, QColor(0x10, 0x0c, 0x06));
    QLinearGradient g(0, 0, 85, 148);
    g.setColorAt(0, QColor(0x6a, 0x16, 0x12));
    g.setColorAt(1, QColor(0x36, 0x08, 0x08));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    // diagonal lattice
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x60, 45), 1));
    for (int i = -150; i < 150; i += 9) {
        p.drawLine(QPointF(i, 0), QPointF(i + 148, 148));
        p.drawLine(QPointF(i + 148, 0), QPointF(i, 148));
    }
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x60), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 4, 4);
    // medallion
    QRadialGradient ouro(QPointF(40, 66), 26);
    ouro.setColorAt(0, QColor(0xff, 0xec, 0xa0));
    ouro.setColorAt(1, QColor(0xa0, 0x70, 0x20));
    p.setPen(QPen(QColor(0x30, 0x18, 0x04), 1.4));
    p.setBrush(ouro);
    p.drawEllipse(QPointF(42.5, 68), 24, 24);
    p.setBrush(QColor(0x6a, 0x16, 0x12));
    p.drawEllipse(QPointF(42.5, 68), 18, 18);
    p.setPen(QPen(QColor(0xff, 0xe0, 0x90), 1.2));
    p.setBrush(Qt::NoBrush);
    for (double raio : {12.0, 6.0})
        p.drawEllipse(QPointF(42.5, 68), raio, raio);
    p.drawLine(QPointF(42.5, 50), QPointF(42.5, 86));
    p.drawLine(QPointF(24.5, 68), QPointF(60.5, 68));
    QFont f = Fonte(10, true, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    TextoCentrado(p, QRectF(4, 100, 77, 16), QStringLiteral("OBJETIVO"), f, QColor(0xff, 0xe8, 0xa8), QColor(0, 0, 0, 200));
    TextoCentrado(p, QRectF(4, 18, 77, 20), QStringLiteral("VELMOR"), Fonte(12, true, true), QColor(0xff, 0xe8, 0xa8), QColor(0, 0, 0, 200));
    TextoCentrado(p, QRectF(6, 118, 73, 20), QStringLiteral("secreto"), Fonte(9, false, true), QColor(0xe8, 0xc8, 0x88));
}

void FaceDoObjetivo(QPainter& p, int numero)
{
    const TObjetivo& o = Objetivos()[size_t(numero)];
    const QRectF r(0, 0, 85, 148);
    FundoDePergaminho(p, r, QColor(0x8a, 0x20, 0x18));
    // header
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x20, 0x18));
    p.drawRect(QRectF(5, 5, 75, 17));
    TextoCentrado(p, QRectF(5, 5, 75, 17), QStringLiteral("OBJETIVO %1").arg(numero, 2, 10, QLatin1Char('0')),
        FonteEstreita(11, true), QColor(0xff, 0xf0, 0xc8));
    const QFont texto = FonteEstreita(11, true);
    switch (o.Tipo) {
    case TObjetivo::Continentes: {
        TextoCentrado(p, QRectF(7, 26, 71, 30), QStringLiteral("Conquistar na totalidade"), texto, Tinta);
        double y = 60;
        for (TContinente c : o.Alvos) {
            const QString nome = QString::fromUtf8(Continente(c).Nome);
            const double altura = AlturaDaPilula(nome, 71);
            Pilula(p, QRectF(7, y, 71, altura), nome, Continente(c).Tinta);
            y += altura + 4;
        }
        if (o.MaisUm) {
            TextoCentrado(p, QRectF(7, y, 71, 12), QStringLiteral("e mais"), FonteEstreita(10, false), Tinta);
            Pilula(p, QRectF(7, y + 13, 71, 17), QStringLiteral("1 \u00e0 escolha"), QColor(0xd8, 0xcc, 0xb0));
            y += 34;
        }
        break;
    }
    case TObjetivo::Territorios: {
        TextoCentrado(p, QRectF(7, 26, 71, 16), QStringLiteral("Conquistar"), texto, Tinta);
        TextoCentrado(p, QRectF(7, 40, 71, 40), QString::number(o.Numero), Fonte(36, true, true), QColor(0x8a, 0x20, 0x18));
        TextoCentrado(p, QRectF(7, 80, 71, 16), QStringLiteral("territ\u00f3rios"), texto, Tinta);
        TextoCentrado(p, QRectF(7, 98, 71, 42),
            o.Exercitos > 1 ? QStringLiteral("com pelo menos 2 ex\u00e9rcitos em cada um") : QStringLiteral("\u00e0 sua escolha"),
            FonteEstreita(11, false), Tinta);
        break;
    }
    case TObjetivo::Destruir: {
        TextoCentrado(p, QRectF(6, 24, 73, 26), QStringLiteral("Destruir os ex\u00e9rcitos"), FonteEstreita(12, true), Tinta);
        QRadialGradient halo(QPointF(42.5, 64), 15);
        halo.setColorAt(0, QColor(0, 0, 0, 60));
        halo.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(42.5, 64), 15, 15);
        DesenharSoldado(p, QRectF(34, 50, 17, 28), CorExercito(o.Numero), ContornoExercito(o.Numero));
        Pilula(p, QRectF(7, 80, 71, 17), QString::fromLatin1(NomesPlurais[o.Numero]), CorExercito(o.Numero).lighter(o.Numero == 4 ? 300 : 110));
        TextoCentrado(p, QRectF(6, 99, 73, 45),
            QStringLiteral("Se forem os seus ou j\u00e1 destru\u00eddos: 24 territ\u00f3rios"), FonteEstreita(10, false), Tinta);
        break;
    }
    }
}

} // namespace

QImage DesenharCarta(int numero)
{
    QImage img = NovaFigura(69, 120);
    QPainter p(&img);
    Suavizar(p);
    const QRectF r(0, 0, 69, 120);
    if (numero == 43) {
        const QColor ouro(0xc8, 0x98, 0x30);
        FundoDePergaminho(p, r, ouro);
        QRadialGradient brilho(QPointF(34.5, 56), 34);
        brilho.setColorAt(0, QColor(0xff, 0xf0, 0xa0, 200));
        brilho.setColorAt(1, QColor(0xff, 0xf0, 0xa0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(brilho);
        p.drawEllipse(QPointF(34.5, 56), 34, 34);
        // star
        QPolygonF estrela;
        for (int i = 0; i < 10; ++i) {
            const double raio = i % 2 ? 9 : 22;
            const double a = -M_PI / 2 + i * M_PI / 5;
            estrela << QPointF(34.5 + raio * std::cos(a), 52 + raio * std::sin(a));
        }
        p.setPen(QPen(QColor(0x60, 0x40, 0x08), 1.2));
        p.setBrush(ouro.lighter(120));
        p.drawPolygon(estrela);
        TextoCentrado(p, QRectF(4, 7, 61, 16), QStringLiteral("CORINGA"), FonteEstreita(12, true), QColor(0x6a, 0x40, 0x08));
        DesenharSimbolo(p, QRectF(12, 80, 45, 34), '*', ouro, QColor(0, 0, 0));
        return img.convertToFormat(QImage::Format_RGB32);
    }
    const TTerritorio& t = Territorios()[numero];
    const QColor tinta = Continente(t.Continente).Tinta;
    FundoDePergaminho(p, r, tinta.darker(130));
    // continent band
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawRect(QRectF(4, 4, 61, 13));
    TextoCentrado(p, QRectF(4, 4, 61, 13), QString::fromUtf8(Continente(t.Continente).Curto), FonteEstreita(10, true), QColor(0x1a, 0x10, 0x04));
    // name
    TextoCentrado(p, QRectF(5, 18, 59, 26), NomeEmDuasLinhas(t.NomeQ()), FonteEstreita(11, true), Tinta);
    // the continent with the territory picked out
    const QImage silhueta = Silhueta(numero, QSize(57, 42));
    const QPointF canto(34.5 - silhueta.width() / 2.0, 45 + (42 - silhueta.height()) / 2.0);
    p.setPen(QPen(tinta.darker(150), 0.8));
    p.setBrush(QColor(0xdc, 0xe8, 0xe8));
    p.drawRoundedRect(QRectF(5, 44, 59, 44), 3, 3);
    p.drawImage(canto, silhueta);
    // symbol
    DesenharSimbolo(p, QRectF(22, 90, 25, 25), t.Simbolo, CorDoSimbolo(t.Simbolo), QColor(0, 0, 0));
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage DesenharCartaVazia()
{
    QImage img = NovaFigura(69, 120, QColor(0x10, 0x0c, 0x06));
    QPainter p(&img);
    Suavizar(p);
    QPen tracejado(QColor(0xb8, 0x94, 0x4c, 160), 1.5, Qt::DashLine);
    p.setPen(tracejado);
    p.setBrush(QColor(0x22, 0x1a, 0x10));
    p.drawRoundedRect(QRectF(3, 3, 63, 114), 5, 5);
    DesenharSimbolo(p, QRectF(18, 44, 33, 30), '*', QColor(0x50, 0x44, 0x30), QColor(0x30, 0x26, 0x18));
    return img;
}

QImage DesenharObjetivo(int numero)
{
    QImage img = NovaFigura(85, 148);
    QPainter p(&img);
    Suavizar(p);
    if (numero <= 0 || numero >= int(Objetivos().size()))
        VersoDoObjetivo(p);
    else
        FaceDoObjetivo(p, numero);
    return img;
}
