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
