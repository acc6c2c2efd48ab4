// The world map: the 42 territories (and the joker), colours, continents and the trade worth.
#include "game/Tabuleiro.h"

#include "app/Windows1252.h"

const QStringList& ListaPaisesPadrao()
{
    static const QStringList linhas = [] {
        static constexpr const char* Linhas[] = {
            "T Africa do Sul      . AF 342.354 14 24 36 ",
            "T Alaska             . AN 052.075 23 40 42  ",
            "B Alemanha           . EU 314.132 19 33 34 ",
            "T Aral               . AS 434.166 12 18 27 30 31 ",
            "B Argélia            . AF 286.229 09 14 16 34 36  ",
            "Q Argentina          . AM 135.365 09 11 ",
            "T Austrália          . OC 553.388 08 28 38 ",
            "Q Borneo             . OC 569.293 07 28 41 ",
            "B Brasil             . AM 160.304 05 06 11 13 ",
            "Q Califórnia         . AN 061.145 25 29 32 40 ",
            "T Chile              . AM 115.319 06 09 13 ",
            "B China              . AS 522.205 04 18 21 26 30 39 41 42 ",
            "T Colômbia           . AM 114.254 09 11 25",
            "Q Congo              . AF 335.301 01 05 36 ",
            "B Dudinka            . AS 442,082 26 30 35 39 ",
            "T Egito              . AF 332.211 05 31 33 34 36 ",
            "B Groenlândia        . AN 235.070 20 22 23 ",
            "Q Índia              . AS 469.221 04 12 31 38 41 ",
            "B Inglaterra         . EU 251.135 03 20 34 37 ",
            "T Islândia           . EU 281.098 17 19 ",
            "Q Japão              . AS 613.186 12 42 ",
            "Q Labrador           . AN 165.126 17 29 32 ",
            "B Mackenzie          . AN 112.085 02 17 32 40 ",
            "B Madagascar         . AF 404.344 01 36 ",
            "Q México             . AN 059.212 10 13 29 ",
            "B Mongólia           . AS 506.168 12 15 30 39 ",
            "T Moscou             . EU 374.123 04 30 31 33 37 ",
            "B Nova Ghiné         . OC 614.328 07 08 ",
            "T Nova York          . AN 103.175 10 22 25 32 ",
            "Q Omks               . AS 425.120 04 12 15 26 27 ",
            "Q Oriente Médio      . AS 397.200 04 16 18 27 33 ",
            "B Ottawa             . AN 123.121 10 22 23 29 40",
            "Q Polônia            . EU 341.161 03 16 27 31 34 ",
            "Q Portugal           . EU 294.159 03 05 16 19 33 ",
            "T Sibéria            . AS 483.100 15 39 42 ",
            "Q Sudão              . AF 365.253 01 05 14 16 24 ",
            "B Suécia             . EU 325.087 19 27 ",
            "Q Sumatra            . OC 506.304 07 18 ",
            "T Tchita             . AS 489.135 12 15 26 35 42 ",
            "T Vancouver          . AN 083.112 02 10 23 32 ",
            "T Vietnã             . AS 527.247 08 12 18 ",
            "B Vladivostok        . AS 550.116 02 12 21 35 39 ",
            "* Coringa",
        };
        QStringList l;
        for (const char* linha : Linhas)
            l << QString::fromUtf8(linha);
        return l;
    }();
    return linhas;
}

namespace {

// Columns first..last (1-based, inclusive) of a Windows-1252 line; what exists of them.
QString Colunas(const QByteArray& linha, int primeira, int ultima)
{
    return DeWindows1252(linha.mid(primeira - 1, ultima - primeira + 1));
}

} // namespace

std::array<TPais, NumeroCartas> CarregarPaises(const QStringList& linhas)
{
    std::array<TPais, NumeroCartas> paises;
    for (int i = 0; i < NumeroCartas; ++i) {
        const QByteArray linha = ParaWindows1252(linhas.value(i));
        TPais& p = paises[i];
        p.Simbolo = Colunas(linha, 1, 1);
        p.Nome = Colunas(linha, 3, 20);
        p.Continente = Colunas(linha, 24, 25);
        p.PosX = Colunas(linha, 27, 29);
        p.PosY = Colunas(linha, 31, 33);
        p.Vizinhos = Colunas(linha, 35, 58);
    }
    return paises;
}

QString NomeCor(int cor)
{
    static constexpr const char* Nomes[] = {"Amarelo", "Azul", "Branco", "Preto", "Verde", "Vermelho"};
    return CorValida(cor) ? QString::fromLatin1(Nomes[cor - 1]) : QString();
}

quint32 CorBGRDoExercito(int cor)
{
    static constexpr quint32 Cores[] = {0x00FFFF, 0xFF0000, 0xFFFFFF, 0x000000, 0x008000, 0x0000FF};
    return CorValida(cor) ? Cores[cor - 1] : 0;
}

int BonusTroca(int n)
{
    return n < 5 ? 2 * n + 4 : 5 * n - 10;
}
