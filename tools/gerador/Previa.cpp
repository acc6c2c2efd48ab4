// A picture of the board as the client shows it, composed from the generated files.
#include "Previa.h"

#include "Territorios.h"

#include "app/Caminhos.h"
#include "app/Recursos.h"

#include <QPainter>

namespace {

QImage Carregar(const QString& pasta, const QString& caminho)
{
    return QImage(pasta + QLatin1Char('/') + QString(caminho).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

/// The bottom-left pixel's colour made transparent, as the board does with troops and highlights.
QImage ComTransparencia(const QImage& figura)
{
    QImage saida = figura.convertToFormat(QImage::Format_ARGB32);
    const QRgb chave = saida.pixel(0, saida.height() - 1);
    for (int y = 0; y < saida.height(); ++y)
        for (int x = 0; x < saida.width(); ++x)
            if (saida.pixel(x, y) == chave)
                saida.setPixel(x, y, qRgba(0, 0, 0, 0));
    return saida;
}

/// A marker drawn the way the board draws it (DesenharMarcador).
QImage Marcador(const QString& pasta, int cor, int tipo, int exercitos, int marca)
{
    static const QRgb placas[] = {0x808080, 0x008000, 0x0000ff, 0xfffbf0, 0x000000, 0xffff00, 0xff0000};
    static const QRgb digitos[] = {0xf0fbff, 0xf0fbff, 0xf0fbff, 0x000000, 0xf0fbff, 0x000000, 0xf0fbff};
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (marca > 0)
        p.drawImage(0, 0, ComTransparencia(Carregar(pasta, Recursos::FundoMarca(marca))));
    const QString tropa = cor >= 1 && cor <= 6 ? Recursos::Tropa(cor, tipo) : Recursos::Tropa(1, 0);
    p.drawImage(0, 0, ComTransparencia(Carregar(pasta, tropa)));
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(11);
    fonte.setBold(true);
    fonte.setStyleStrategy(QFont::NoAntialias);
    p.setFont(fonte);
    const QString texto = QStringLiteral("%1").arg(exercitos, 2, 10, QLatin1Char('0'));
    const QFontMetrics medida(fonte);
    const int largura = medida.horizontalAdvance(texto);
    const QRect caixa(1, std::min(20, 32 - largura), largura, medida.height());
    const int c = cor >= 1 && cor <= 6 ? cor : 0;
    p.fillRect(caixa, QColor(placas[c]));
    p.setPen(QColor(digitos[c]));
    p.drawText(caixa, Qt::AlignLeft | Qt::AlignTop, texto);
    return img;
}

} // namespace

QImage PreviaDoTabuleiro(const QString& pasta)
{
    using namespace Recursos;
    QImage tela = Carregar(pasta, CaminhoImagem(QString::fromLatin1(FundoMapa))).convertToFormat(QImage::Format_RGB32);
    QPainter p(&tela);
    // A game in its middle: owners, armies and a few highlights chosen by a fixed rule.
    for (int t = 1; t <= 42; ++t) {
        const int cor = (t * 5 + t / 7) % 6 + 1;
        const int exercitos = (t * 7) % 13 + 1;
        const int marca = t == 27 ? 2 : t == 31 ? 3 : (t == 33 || t == 4) ? 4 : t == 12 ? 1 : 0;
        p.drawImage(Territorios()[t].Marcador, Marcador(pasta, cor, (t % 4 == 0) ? t % 6 : 0, exercitos, marca));
    }
    for (int k = 1; k <= 6; ++k) {
        p.drawImage(846, 85 + 40 * (k - 1), Carregar(pasta, Tropa(k, 0)));
        p.drawImage(831, 100 + 40 * (k - 1), Carregar(pasta, QString::fromUtf8(k == 2 ? ConexaoAtividade : ConexaoApagada)));
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        static const char* nomes[] = {"general_ana", "tenente_rui", "capitao_zeca", "mariana", "sgt_pimenta", "o_conde"};
        p.drawText(QRect(879, 91 + 40 * (k - 1), 124, 20), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(nomes[k - 1]));
        p.setPen(Qt::yellow);
        p.drawText(QRect(831, 84 + 40 * (k - 1), 20, 14), Qt::AlignLeft, QStringLiteral("0%1").arg(k + 4));
    }
    p.drawImage(374, 22, Carregar(pasta, SoldadoDaVez(2)));
    p.drawImage(QRect(409, 14, 45, 45), Carregar(pasta, QString::fromUtf8(AcaoAtacar)));
    const QString botoes[] = {QString::fromUtf8(BotaoPararAtaque), QString::fromUtf8(BotaoPassaVez),
        QString::fromUtf8(BotaoVerCartas), QString::fromUtf8(BotaoNaoTroca)};
    const int xs[] = {831, 874, 917, 961};
    for (int i = 0; i < 4; ++i)
        p.drawImage(xs[i], 361, Carregar(pasta, botoes[i]));
    p.drawImage(874, 425, Carregar(pasta, Objetivo(2)));
    p.drawImage(QRect(637, 597, 48, 48), Carregar(pasta, Copo(true, 4)));
    p.drawImage(QRect(637, 647, 48, 48), Carregar(pasta, Copo(false, 2)));
    p.drawImage(688, 597, Carregar(pasta, QString::fromUtf8(SuperAtaqueDesligado)));
    for (int i = 0; i < 3; ++i) {
        p.drawImage(709 + 40 * i, 599, Carregar(pasta, Dado(true, 6 - i * 2)));
        p.drawImage(709 + 40 * i, 651, Carregar(pasta, i < 2 ? Dado(false, 5 - i * 3) : DadoParado(false, 3)));
    }
    p.drawImage(841, 592, Carregar(pasta, Botao("TFrMapa", "Image6")));
    p.drawImage(569, 552, Carregar(pasta, Botao("TFrMapa", "imChamaStaff")));
    p.drawImage(684, 564, Carregar(pasta, Botao("TFrMapa", "Image8")));
    p.drawImage(QPoint(685, 564), Carregar(pasta, Botao("TFrMapa", "imBar")).copy(0, 0, 70, 16));
    return tela;
}

QImage PreviaDoSalao(const QString& pasta)
{
    using namespace Recursos;
    QImage tela = Carregar(pasta, CaminhoImagem(QString::fromLatin1(FundoChat))).convertToFormat(QImage::Format_RGB32);
    QPainter p(&tela);
    p.setRenderHint(QPainter::TextAntialiasing);
    const struct {
        const char* Controle;
        int X, Y;
    } botoes[] = {{"Image16", 12, 10}, {"Image15", 93, 10}, {"Image14", 174, 11}, {"Image7", 255, 11}, {"Image4", 337, 11},
        {"Image6", 417, 11}, {"Image5", 499, 11}, {"Image13", 580, 11}, {"Image9", 660, 11}, {"Image11", 742, 11},
        {"Image10", 822, 10}, {"Image17", 545, 59}, {"imChamaStaff", 973, 71}, {"Image12", 679, 644}, {"Image1", 760, 644},
        {"Image3", 840, 644}, {"Image8", 918, 644}};
    for (const auto& b : botoes)
        p.drawImage(b.X, b.Y, Carregar(pasta, Botao("TFrChat", b.Controle)));
    p.drawImage(13, 86, Carregar(pasta, Botao("TFrChat", "RichChatFundo")));
    QFont verdana(QStringLiteral("DejaVu Sans"));
    verdana.setPixelSize(11);
    p.setFont(verdana);
    p.setPen(Qt::black);
    const char* titulos[] = {"Insignia", "Apelido", "Pontos", "Rank"};
    const int xs[] = {700, 775, 872, 930};
    for (int i = 0; i < 4; ++i)
        p.drawText(xs[i], 97, QString::fromLatin1(titulos[i]));
    p.setPen(QColor(0xff, 0xff, 0x00));
    p.drawText(13, 80, QStringLiteral("Bem Vindo ao Velmor general_ana, \u00e9 muito bom ver voc\u00ea aqui novamente."));
    // Players list: rank picture, nick, points, rank position, account type.
    const struct {
        int Patente, Tipo;
        const char* Nick;
        int Pontos;
    } jogadores[] = {{61, 6, "o_conde", 99120}, {20, 5, "general_ana", 90410}, {37, 4, "almirante_z", 71200},
        {58, 1, "brigadeiro", 66020}, {13, 2, "capitao_zeca", 55310}, {29, 8, "tenente_rui", 47800}, {6, 1, "sgt_pimenta", 21000},
        {45, 7, "cabo_lima", 16050}, {1, 0, "recruta_joao", 120}};
    int y = 103;
    int posicao = 1;
    for (const auto& j : jogadores) {
        p.drawImage(678, y, Carregar(pasta, Insignia(j.Patente)));
        p.setPen(Qt::white);
        p.drawText(QRect(750, y, 110, 25), Qt::AlignVCenter, QString::fromLatin1(j.Nick));
        p.drawText(QRect(860, y, 55, 25), Qt::AlignVCenter | Qt::AlignRight, QString::number(j.Pontos));
        p.drawText(QRect(915, y, 45, 25), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("%1\u00b0").arg(posicao++));
        p.drawImage(975, y, Carregar(pasta, TipoConta(j.Tipo)));
        y += 27;
    }
    // Games list: count, soldier, status, name.
    const struct {
        char Conta;
        int Estado;
        const char* Nome;
    } jogos[] = {{'5', 1, "Brasil"}, {'3', 0, "Moscou"}, {'6', 4, "Nova York"}, {'2', 2, "Japão"}, {'2', 6, "Sibéria"}};
    y = 422;
    for (const auto& j : jogos) {
        p.setPen(Qt::white);
        p.drawText(682, y + 12, QString(QLatin1Char(j.Conta)));
        p.drawImage(689, y, Carregar(pasta, QString::fromUtf8(SoldadoListaJogos)));
        p.drawImage(710, y, Carregar(pasta, EstadoDeJogo(j.Estado)));
        p.drawText(747, y + 16, QString::fromUtf8(j.Nome));
        y += 28;
    }
    // Chat lines: small insignia, nick, text with emotes.
    const struct {
        int Patente;
        const char* Nick;
        const char* Texto;
        int Emote;
    } linhas[] = {{61, "Velmor", "Bem-vindos! Torneio de duelos hoje \u00e0s 21h", 29},
        {20, "general_ana", "algu\u00e9m para uma partida em Moscou?", 0}, {13, "capitao_zeca", "eu vou! s\u00f3 terminar esta rodada", 3},
        {6, "sgt_pimenta", "perdi a Oceania de novo", 9}, {37, "almirante_z", "boa sorte a todos", 27}};
    y = 92;
    for (const auto& l : linhas) {
        if (l.Patente < 61)
            p.drawImage(16, y + 4, Carregar(pasta, Insignia(l.Patente, TamanhoInsignia::Pequena)));
        p.setPen(l.Patente == 61 ? QColor(0xff, 0x60, 0x60) : QColor(0x80, 0xc0, 0xff));
        const QString nick = QStringLiteral(" ") + QString::fromUtf8(l.Nick) + QStringLiteral(" > ");
        p.drawText(52, y + 14, nick);
        const int x = 52 + p.fontMetrics().horizontalAdvance(nick);
        p.setPen(Qt::white);
        const QString texto = QString::fromUtf8(l.Texto);
        p.drawText(x, y + 14, texto);
        p.drawImage(x + p.fontMetrics().horizontalAdvance(texto) + 4, y + 1, Carregar(pasta, Emote(l.Emote)));
        y += 21;
    }
    return tela;
}
