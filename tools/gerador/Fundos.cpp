// Window backgrounds: each one frames the places of its window's controls
// and writes the captions the window itself does not draw.
#include "Desenhos.h"

#include "Mapa.h"
#include "Pintura.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QColor Ouro(0xd8, 0xb0, 0x58);
const QColor OuroClaro(0xff, 0xe8, 0xa8);

/// Dark leather with a faint world map behind, lit from the top.
QImage Base(int largura, int altura, QColor tom = QColor(0x2a, 0x22, 0x14))
{
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < altura; ++y) {
        QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < largura; ++x) {
            const double n = Ruido(x / 5.0, y / 5.0, 41, 3) * 0.5 + Ruido(x / 60.0, y / 60.0, 43, 3) * 0.5;
            const double dx = (x - largura / 2.0) / largura, dy = (y - altura * 0.35) / altura;
            const double vinheta = 1.15 - 0.9 * (dx * dx + dy * dy);
            const double f = (0.75 + 0.5 * n) * vinheta;
            linha[x] = qRgb(std::clamp(int(tom.red() * f), 0, 255), std::clamp(int(tom.green() * f), 0, 255),
                std::clamp(int(tom.blue() * f), 0, 255));
        }
    }
    // A watermark of the continents.
    const TModeloMapa& m = ModeloMapa();
    QImage terra(820, 480, QImage::Format_ARGB32_Premultiplied);
    terra.fill(Qt::transparent);
    for (int y = 60; y < 540; ++y)
        for (int x = 0; x < 820; ++x)
            if (m.Em(x, y))
                terra.setPixel(x, y - 60, qPremultiply(qRgba(0xff, 0xe0, 0xa0, 22)));
    QPainter p(&img);
    Suavizar(p);
    const QImage marca = terra.scaled(largura, altura, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(QPointF((largura - marca.width()) / 2.0, (altura - marca.height()) / 2.0), marca);
    return img;
}

void Titulo(QPainter& p, const QRectF& r, const QString& texto, int tamanho, Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter)
{
    QFont f = Fonte(tamanho, true, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, tamanho / 10.0);
    QFontMetricsF medida(f);
    QPointF base;
    const double w = medida.horizontalAdvance(texto);
    if (alinhamento & Qt::AlignHCenter)
        base.setX(r.center().x() - w / 2);
    else if (alinhamento & Qt::AlignRight)
        base.setX(r.right() - w);
    else
        base.setX(r.left());
    base.setY(r.center().y() + (medida.ascent() - medida.descent()) / 2);
    QPainterPath caminho;
    caminho.addText(base, f, texto);
    p.save();
    Suavizar(p);
    p.setPen(QPen(QColor(0, 0, 0, 200), std::max(2.0, tamanho / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(caminho);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, OuroClaro);
    g.setColorAt(1, QColor(0xc0, 0x88, 0x30));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(caminho);
    p.restore();
}

/// The sunken place of a control.
void Quadro(QPainter& p, const QRectF& r, QColor fundo = QColor(0, 0, 0))
{
    p.save();
    Suavizar(p);
    const QRectF fora = r.adjusted(-3, -3, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(fora.translated(0, 2), 5, 5);
    p.setPen(QPen(Ouro, 1.2));
    p.setBrush(fundo);
    p.drawRoundedRect(fora, 5, 5);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-1, -1, 1, 1));
    p.restore();
}

/// A raised panel grouping controls.
void Painel(QPainter& p, const QRectF& r, const QString& titulo = {}, QColor tom = QColor(0x1a, 0x14, 0x0a, 210))
{
    p.save();
    Suavizar(p);
    p.setPen(QPen(QColor(0, 0, 0, 180), 3));
    p.setBrush(tom);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(QPen(Ouro, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 6, 6);
    p.restore();
    if (!titulo.isEmpty()) {
        p.setFont(Fonte(12, true, true));
        const double w = QFontMetricsF(p.font()).horizontalAdvance(titulo) + 16;
        const QRectF faixa(r.left() + 14, r.top() - 9, w, 18);
        p.save();
        Suavizar(p);
        p.setPen(QPen(QColor(0, 0, 0), 1));
        QLinearGradient g(0, faixa.top(), 0, faixa.bottom());
        g.setColorAt(0, QColor(0x8a, 0x20, 0x18));
        g.setColorAt(1, QColor(0x4a, 0x0c, 0x08));
        p.setBrush(g);
        p.drawRoundedRect(faixa, 4, 4);
        p.restore();
        TextoCentrado(p, faixa, titulo, Fonte(12, true, true), OuroClaro);
    }
}

void Rotulo(QPainter& p, QPointF base, const QString& texto, int tamanho = 12, QColor cor = OuroClaro)
{
    p.setFont(FonteEstreita(tamanho, true));
    TextoComHalo(p, base, texto, cor, QColor(0, 0, 0, 210), 1.5);
}

/// A light strip behind black column titles.
void FaixaClara(QPainter& p, const QRectF& r)
{
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(0xf4, 0xe0, 0xa8));
    g.setColorAt(1, QColor(0xc8, 0xa8, 0x60));
    p.fillRect(r, g);
    p.setPen(QColor(0x50, 0x38, 0x10));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void Emblema(QPainter& p, QPointF c, double raio)
{
    p.save();
    Suavizar(p);
    QRadialGradient g(c - QPointF(raio * 0.3, raio * 0.3), raio * 1.4);
    g.setColorAt(0, QColor(0xff, 0xec, 0xa0));
    g.setColorAt(1, QColor(0x90, 0x60, 0x18));
    p.setPen(QPen(QColor(0x30, 0x18, 0x04), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, raio, raio);
    p.setBrush(QColor(0x6a, 0x16, 0x12));
    p.drawEllipse(c, raio * 0.78, raio * 0.78);
    p.setPen(QPen(QColor(0xff, 0xe0, 0x90), std::max(1.0, raio / 18)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, raio * 0.5, raio * 0.5);
    p.drawEllipse(c, raio * 0.25, raio * 0.25);
    p.drawLine(c + QPointF(0, -raio * 0.78), c + QPointF(0, raio * 0.78));
    p.drawLine(c + QPointF(-raio * 0.78, 0), c + QPointF(raio * 0.78, 0));
    p.restore();
}

void Botoes(QPainter& p, std::initializer_list<QRectF> lugares)
{
    for (const QRectF& r : lugares) {
        p.save();
        Suavizar(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawRoundedRect(r.adjusted(-2, -1, 3, 4), 7, 7);
        p.restore();
    }
}

void TiraDeTopo(QPainter& p, int largura, int altura)
{
    QLinearGradient g(0, 0, 0, altura);
    g.setColorAt(0, QColor(0x14, 0x10, 0x08, 230));
    g.setColorAt(1, QColor(0x30, 0x24, 0x12, 230));
    p.fillRect(QRectF(0, 0, largura, altura), g);
    p.fillRect(QRectF(0, altura - 2, largura, 2), Ouro);
}

// ---- The backgrounds --------------------------------------------------------------------------------

QImage Login(int w, int h)
{
    QImage img = Base(w, h);
    QPainter p(&img);
    Suavizar(p);
    Emblema(p, QPointF(70, 70), 42);
    Titulo(p, QRectF(124, 26, 400, 60), QStringLiteral("VELMOR"), 56);
    Rotulo(p, QPointF(128, 110), QStringLiteral("Estrat\u00e9gia e conquista em 42 territ\u00f3rios"), 14, QColor(0xe8, 0xd4, 0xa0));
    Painel(p, QRectF(118, 150, 470, 225), QStringLiteral("Entrar no jogo"));
    Rotulo(p, QPointF(150, 196), QStringLiteral("Usu\u00e1rio"));
    Quadro(p, QRectF(150, 201, 355, 21));
    Rotulo(p, QPointF(151, 249), QStringLiteral("Senha"));
    Quadro(p, QRectF(151, 254, 354, 21));
    Botoes(p, {QRectF(366, 296, 102, 65), QRectF(472, 297, 100, 63)});
    Rotulo(p, QPointF(140, 318), QStringLiteral("Primeira vez no Velmor?"), 12, QColor(0xe8, 0xd4, 0xa0));
    Rotulo(p, QPointF(140, 336), QStringLiteral("Crie sua conta em Nova Conta \u2192"), 12, QColor(0xe8, 0xd4, 0xa0));
    Quadro(p, QRectF(24, 420, 593, 25));
    return img;
}

QImage Chat(int w, int h)
{
    QImage img = Base(w, h);
    QPainter p(&img);
    Suavizar(p);
    TiraDeTopo(p, w, 62);
    Botoes(p, {QRectF(12, 10, 77, 47), QRectF(93, 10, 77, 47), QRectF(174, 11, 77, 47), QRectF(255, 11, 77, 47),
                  QRectF(337, 11, 77, 47), QRectF(417, 11, 77, 47), QRectF(499, 11, 77, 47), QRectF(580, 11, 77, 47),
                  QRectF(660, 11, 77, 47), QRectF(742, 11, 77, 47), QRectF(822, 10, 77, 47)});
    Emblema(p, QPointF(954, 32), 24);
    Quadro(p, QRectF(13, 86, 645, 495));
    // Players.
    Rotulo(p, QPointF(678, 78), QStringLiteral("Jogadores no Velmor"), 13);
    FaixaClara(p, QRectF(676, 84, 328, 17));
    Quadro(p, QRectF(676, 101, 328, 290));
    // Games.
    Rotulo(p, QPointF(680, 412), QStringLiteral("Jogos em andamento"), 13);
    Quadro(p, QRectF(680, 420, 317, 187));
    Rotulo(p, QPointF(684, 631), QStringLiteral("Jogo"), 12);
    Rotulo(p, QPointF(884, 632), QStringLiteral("Senha"), 12);
    Botoes(p, {QRectF(679, 644, 76, 47), QRectF(760, 644, 76, 47), QRectF(840, 644, 77, 47), QRectF(918, 644, 81, 46)});
    // Chat input, emotes and private target.
    Quadro(p, QRectF(12, 581, 387, 22));
    FaixaClara(p, QRectF(446, 581, 58, 22));
    Quadro(p, QRectF(506, 583, 153, 18));
    // Radio.
    Rotulo(p, QPointF(10, 628), QStringLiteral("R\u00e1dio Velmor"), 13);
    Rotulo(p, QPointF(10, 648), QStringLiteral("\u266b ao vivo"), 11, QColor(0xe8, 0xd4, 0xa0));
    Quadro(p, QRectF(8, 664, 161, 30));
    Quadro(p, QRectF(173, 608, 489, 86));
    return img;
}

QImage Prepara(int w, int h)
{
    QImage img = Base(w, h);
    QPainter p(&img);
    Suavizar(p);
    TiraDeTopo(p, w, 62);
    Titulo(p, QRectF(14, 8, 340, 32), QStringLiteral("Sala de Prepara\u00e7\u00e3o"), 24);
    Botoes(p, {QRectF(365, 10, 77, 46), QRectF(445, 10, 77, 46), QRectF(526, 10, 77, 46)});
    Emblema(p, QPointF(656, 32), 24);
    // Game modes.
    Painel(p, QRectF(230, 66, 466, 28));
    Rotulo(p, QPointF(242, 86), QStringLiteral("Modo:"), 14);
    // Seats.
    Rotulo(p, QPointF(14, 112), QStringLiteral("Escolha o seu ex\u00e9rcito"), 13);
    static const char* nomes[] = {"Amarelo", "Azul", "Branco", "Preto", "Verde", "Vermelho"};
    for (int k = 0; k < 6; ++k) {
        const double x = k % 2 ? 163 : 9;
        const double y = 120 + (k / 2) * 84;
        const QRectF lugar(x, y, 148, 78);
        Painel(p, lugar, {}, QColor(0x14, 0x10, 0x08, 225));
        p.fillRect(QRectF(x + 3, y + 20, 4, 54), CorExercito(k + 1));
        p.setFont(FonteEstreita(11, true));
        TextoComHalo(p, QPointF(x + 12, y + 70), QString::fromLatin1(nomes[k]), CorExercito(k + 1).lighter(k == 3 ? 300 : 110),
            QColor(0, 0, 0, 220), 1.4);
        // the lamp's socket
        p.setPen(QPen(Ouro, 1));
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(QRectF(x + 110, y + 40, 32, 32));
    }
    // Chat.
    Quadro(p, QRectF(320, 101, 373, 247));
    Quadro(p, QRectF(320, 349, 373, 18));
    Rotulo(p, QPointF(14, 372), QStringLiteral("F1 a F8: sinais para a sala"), 11, QColor(0xe8, 0xd4, 0xa0));
    Quadro(p, QRectF(3, 379, 694, 95));
    return img;
}

QImage NovaConta(int w, int h)
{
    QImage img = Base(w, h);
    QPainter p(&img);
    Suavizar(p);
    Emblema(p, QPointF(50, 50), 32);
    Titulo(p, QRectF(94, 24, 500, 50), QStringLiteral("Criando Nova Conta"), 32);
    Rotulo(p, QPointF(96, 94), QStringLiteral("Escolha seu apelido e sua senha e conte-nos um pouco sobre voc\u00ea."), 12, QColor(0xe8, 0xd4, 0xa0));
    Painel(p, QRectF(8, 112, 624, 285), {}, QColor(51, 51, 0, 235));
    Quadro(p, QRectF(17, 137, 355, 21));
    Quadro(p, QRectF(426, 138, 188, 20));
    Quadro(p, QRectF(426, 178, 188, 20));
    p.fillRect(QRectF(16, 218, 608, 1), Ouro);
    Rotulo(p, QPointF(20, 234), QStringLiteral("Dados pessoais"), 13);
    Botoes(p, {QRectF(543, 333, 78, 49)});
    return img;
}

QImage Perfil(int w, int h)
{
    QImage img = Base(w, h);
    QPainter p(&img);
    Suavizar(p);
    Emblema(p, QPointF(46, 38), 28);
    Titulo(p, QRectF(86, 12, 540, 50), QStringLiteral("Seu Perfil no Velmor"), 30);
    Painel(p, QRectF(12, 72, 616, 168), QStringLiteral("Dados pessoais"), QColor(25, 17, 1, 235));
    Painel(p, QRectF(14, 270, 300, 140), QStringLiteral("Estat\u00edsticas"), QColor(25, 17, 1, 235));
    for (QRectF r : {QRectF(32, 314, 48, 23), QRectF(102, 314, 48, 23), QRectF(161, 314, 48, 23), QRectF(234, 314, 48, 23),
             QRectF(78, 366, 72, 23), QRectF(183, 366, 60, 23)})
        Quadro(p, r, QColor(0, 0, 0, 160));
    Painel(p, QRectF(330, 270, 302, 190), QStringLiteral("Trocar a senha"), QColor(25, 17, 1, 235));
    Botoes(p, {QRectF(551, 181, 78, 49), QRectF(551, 365, 78, 49)});
    return img;
}

QImage Missao(int w, int h)
{
    QImage img = Base(w, h, QColor(0x22, 0x20, 0x12));
    QPainter p(&img);
    Suavizar(p);
    Emblema(p, QPointF(58, 58), 40);
    Titulo(p, QRectF(110, 70, 230, 40), QStringLiteral("Miss\u00f5es"), 34);
    // Honour and ranking, then the three medal counts with their medals.
    Painel(p, QRectF(205, 4, 136, 64));
    Painel(p, QRectF(360, 4, 190, 64));
    for (int i = 0; i < 3; ++i) // bronze, silver and gold above their counts
        p.drawImage(QPointF(380 + i * 65, 9), DesenharMedalhaDeLugar(3 - i, 20, 30));
    Rotulo(p, QPointF(380, 118), QStringLiteral("Escolha a dificuldade de uma nova miss\u00e3o"), 12);
    Botoes(p, {QRectF(379, 207, 76, 47), QRectF(459, 207, 76, 47), QRectF(539, 207, 76, 47)});
    Rotulo(p, QPointF(384, 272), QStringLiteral("3\u00aa Classe      2\u00aa Classe      1\u00aa Classe"), 11, QColor(0xe8, 0xd4, 0xa0));
    Painel(p, QRectF(342, 282, 290, 176), QStringLiteral("Os 10 melhores"));
    Rotulo(p, QPointF(20, 284), QStringLiteral("Briefing da miss\u00e3o"), 13);
    Quadro(p, QRectF(17, 295, 289, 103));
    Botoes(p, {QRectF(155, 408, 76, 47), QRectF(234, 408, 76, 47)});
    return img;
}

QImage BlackList(int w, int h)
{
    QImage img = Base(w, h, QColor(0x26, 0x16, 0x12));
    QPainter p(&img);
    Suavizar(p);
    Titulo(p, QRectF(14, 20, 400, 50), QStringLiteral("Lista Negra"), 36);
    Quadro(p, QRectF(12, 100, 184, 202));
    Botoes(p, {QRectF(16, 328, 78, 49), QRectF(112, 328, 78, 49)});
    Painel(p, QRectF(226, 100, 398, 150), QStringLiteral("Como funciona"));
    const QString texto = QStringLiteral(
        "Os jogadores da sua Lista Negra s\u00e3o marcados quando entram na sua sala de jogo.\n\n"
        "Digite o apelido e use Adicionar ou Remover. Na mesa, clique no nome de um jogador para trazê-lo para cá.");
    TextoCentrado(p, QRectF(242, 116, 368, 124), texto, FonteEstreita(13, false), QColor(0xf0, 0xe0, 0xc0), QColor(0, 0, 0, 0),
        Qt::AlignLeft | Qt::AlignTop);
    Quadro(p, QRectF(24, 424, 593, 16), QColor(0, 0, 0, 150));
    return img;
}

QImage LiderEntrada(int w, int h)
{
    QImage img = Base(w, h, QColor(0x1c, 0x22, 0x2a));
    QPainter p(&img);
    Suavizar(p);
    Titulo(p, QRectF(14, 10, 360, 34), QStringLiteral("L\u00edderes Mundiais"), 30);
    Rotulo(p, QPointF(16, 64), QStringLiteral("Distribui\u00e7\u00e3o dos pa\u00edses e seus l\u00edderes"), 13, QColor(0xe8, 0xd4, 0xa0));
    Botoes(p, {QRectF(377, 9, 78, 49), QRectF(459, 9, 78, 49)});
    const struct {
        const char* Texto;
        double X;
    } colunas[] = {{"Rank", 22}, {"Pa\u00eds", 78}, {"L\u00edder", 258}, {"Membros", 446}, {"Vit\u00f3rias", 548}};
    FaixaClara(p, QRectF(16, 98, 608, 20));
    for (const auto& c : colunas) {
        p.setFont(FonteEstreita(13, true));
        p.setPen(QColor(0x20, 0x14, 0x04));
        p.drawText(QPointF(c.X, 113), QString::fromUtf8(c.Texto));
    }
    Quadro(p, QRectF(16, 121, 608, 327));
    Rotulo(p, QPointF(170, 470), QStringLiteral("Duplo clique num pa\u00eds para ver os detalhes"), 12, QColor(0xe8, 0xd4, 0xa0));
    return img;
}

QImage LiderDetalhes(int w, int h)
{
    QImage img = Base(w, h, QColor(0x1c, 0x22, 0x2a));
    QPainter p(&img);
    Suavizar(p);
    Titulo(p, QRectF(14, 10, 360, 34), QStringLiteral("Detalhes do Pa\u00eds"), 30);
    Botoes(p, {QRectF(377, 9, 78, 49), QRectF(459, 9, 78, 49)});
    Painel(p, QRectF(6, 74, 292, 160));
    const char* legendas[] = {"Rank", "Vit\u00f3rias", "Partidas", "Deser\u00e7\u00f5es"};
    for (int i = 0; i < 4; ++i) {
        Rotulo(p, QPointF(28, 142 + i * 25), QString::fromUtf8(legendas[i]), 14);
        Quadro(p, QRectF(212, 122 + i * 25, 55, 22), QColor(0, 0, 0, 150));
    }
    FaixaClara(p, QRectF(304, 102, 328, 19));
    Quadro(p, QRectF(304, 122, 328, 280));
    Rotulo(p, QPointF(20, 272), QStringLiteral("Convidar jogador"), 12);
    Quadro(p, QRectF(20, 279, 181, 25));
    Botoes(p, {QRectF(211, 257, 78, 49), QRectF(211, 347, 78, 49), QRectF(18, 347, 78, 49), QRectF(115, 347, 78, 49)});
    Quadro(p, QRectF(24, 431, 593, 25));
    return img;
}

QImage ListaAmigos(int w, int h)
{
    QImage img = Base(w, h, QColor(0x1a, 0x26, 0x1c));
    QPainter p(&img);
    Suavizar(p);
    Titulo(p, QRectF(14, 12, 420, 50), QStringLiteral("Lista de Amigos"), 34);
    Botoes(p, {QRectF(459, 9, 78, 49)});
    Quadro(p, QRectF(11, 80, 618, 257));
    Rotulo(p, QPointF(40, 390), QStringLiteral("Apelido"), 14);
    Quadro(p, QRectF(129, 372, 181, 25));
    Botoes(p, {QRectF(313, 350, 78, 49), QRectF(435, 350, 78, 49)});
    Quadro(p, QRectF(24, 431, 593, 25), QColor(0, 0, 0, 150));
    return img;
}

QImage RankingDuelos(int w, int h)
{
    QImage img = Base(w, h, QColor(0x2a, 0x1a, 0x12));
    QPainter p(&img);
    Suavizar(p);
    Titulo(p, QRectF(14, 12, 430, 50), QStringLiteral("Ranking de Duelos"), 32);
    const QImage m1 = DesenharMedalhaDeLugar(1, 30, 50);
    p.drawImage(QPointF(560, 6), m1);
    Botoes(p, {QRectF(459, 9, 78, 49)});
    Rotulo(p, QPointF(16, 90), QStringLiteral("Os melhores duelistas do Velmor"), 13, QColor(0xe8, 0xd4, 0xa0));
    Quadro(p, QRectF(12, 105, 615, 297));
    return img;
}

// Parchment: the chat's styles are dark inks (black, purple, blue, green, red) on a light page.
QImage ChatFundo(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double n = Ruido(x / 45.0, y / 45.0, 51, 3) * 0.7 + Ruido(x / 6.0, y / 6.0, 53, 2) * 0.3;
            const double dx = (x - w / 2.0) / w, dy = (y - h / 2.0) / h;
            const double f = (0.95 + 0.06 * n) * (1.0 - 0.18 * (dx * dx + dy * dy));
            linha[x] = qRgb(std::clamp(int(0xf3 * f), 0, 255), std::clamp(int(0xeb * f), 0, 255), std::clamp(int(0xd6 * f), 0, 255));
        }
    }
    QPainter p(&img);
    Suavizar(p);
    p.setOpacity(0.06);
    Emblema(p, QPointF(w / 2.0, h / 2.0), 150);
    return img;
}

QImage Cabecalho(int w, int h, const QString& titulo, const QString& subtitulo)
{
    QImage img = Base(w, h, QColor(0x30, 0x14, 0x0e));
    QPainter p(&img);
    Suavizar(p);
    Emblema(p, QPointF(80, h / 2.0), 54);
    Emblema(p, QPointF(w - 80, h / 2.0), 54);
    Titulo(p, QRectF(0, 22, w, 72), titulo, 58, Qt::AlignHCenter | Qt::AlignVCenter);
    Rotulo(p, QPointF(w / 2.0 - QFontMetricsF(FonteEstreita(15, true)).horizontalAdvance(subtitulo) / 2, 124), subtitulo, 15,
        QColor(0xe8, 0xd4, 0xa0));
    p.fillRect(QRectF(0, h - 3, w, 3), Ouro);
    return img;
}

} // namespace

QImage DesenharFundo(const QString& nome, int largura, int altura)
{
    static const std::map<QString, std::function<QImage(int, int)>> fundos = {
        {QStringLiteral("login"), Login},
        {QStringLiteral("chat"), Chat},
        {QStringLiteral("prepara"), Prepara},
        {QStringLiteral("novaconta"), NovaConta},
        {QStringLiteral("perfil"), Perfil},
        {QStringLiteral("missao"), Missao},
        {QStringLiteral("blacklist"), BlackList},
        {QStringLiteral("lider_entrada"), LiderEntrada},
        {QStringLiteral("lider_detalhes"), LiderDetalhes},
        {QStringLiteral("lista_amigos"), ListaAmigos},
        {QStringLiteral("ranking_duelos"), RankingDuelos},
        {QStringLiteral("chat_fundo"), ChatFundo},
        {QStringLiteral("cabecalho_ranking"),
            [](int w, int h) { return Cabecalho(w, h, QStringLiteral("RANKING"), QStringLiteral("Os maiores combatentes do Velmor")); }},
        {QStringLiteral("cabecalho_patentes"),
            [](int w, int h) { return Cabecalho(w, h, QStringLiteral("PATENTES"), QStringLiteral("Ex\u00e9rcito \u2022 Marinha \u2022 Aeron\u00e1utica")); }},
    };
    return fundos.at(nome)(largura, altura);
}
