// The territory table, its loader, adjacency, colours and the trade worth.
#include "app/Erros.h"
#include "game/EstadoJogo.h"
#include "game/Tabuleiro.h"

#include <QMap>

#include "apoio/Impressao.h"

#include <gtest/gtest.h>

namespace {

const std::array<TPais, NumeroCartas> Paises = CarregarPaises(ListaPaisesPadrao());

} // namespace

TEST(Tabuleiro, RegistrosCortadosPorColuna)
{
    struct Caso { int n; const char* nome; const char* simbolo; const char* continente; const char* x; const char* y; const char* vizinhos; };
    const Caso casos[] = {
        {1, "Africa do Sul     ", "T", "AF", "342", "354", "14 24 36 "},
        {5, "Argélia           ", "B", "AF", "286", "229", "09 14 16 34 36  "},
        {13, "Colômbia          ", "T", "AM", "114", "254", "09 11 25"},
        {15, "Dudinka           ", "B", "AS", "442", "082", "26 30 35 39 "},
        {30, "Omks              ", "Q", "AS", "425", "120", "04 12 15 26 27 "},
        {43, "Coringa", "*", "", "", "", ""},
    };
    for (const Caso& c : casos) {
        const TPais& p = Paises[size_t(c.n - 1)];
        EXPECT_EQ(p.Nome, QString::fromUtf8(c.nome)) << c.n;
        EXPECT_EQ(p.Simbolo, c.simbolo) << c.n;
        EXPECT_EQ(p.Continente, c.continente) << c.n;
        EXPECT_EQ(p.PosX, c.x) << c.n;
        EXPECT_EQ(p.PosY, c.y) << c.n;
        EXPECT_EQ(p.Vizinhos, c.vizinhos) << c.n;
        EXPECT_EQ(p.Dono, "1");
        EXPECT_EQ(p.Exercitos, "0");
        EXPECT_EQ(p.Marca, "0");
    }
}

TEST(Tabuleiro, ContinentesEVizinhancaSimetrica)
{
    QMap<QString, int> contagem;
    int pares = 0;
    for (int a = 1; a <= NumeroTerritorios; ++a) {
        ++contagem[Paises[size_t(a - 1)].Continente];
        for (int b = 1; b <= NumeroTerritorios; ++b) {
            const bool ab = Paises[size_t(a - 1)].Vizinhos.contains(QStringLiteral("%1").arg(b, 2, 10, QChar('0')));
            const bool ba = Paises[size_t(b - 1)].Vizinhos.contains(QStringLiteral("%1").arg(a, 2, 10, QChar('0')));
            EXPECT_EQ(ab, ba) << a << "-" << b;
            pares += ab && a < b;
        }
    }
    EXPECT_EQ(pares, 79);
    const QString continentes = QString::fromLatin1(TextoContinentes);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(contagem.value(continentes.mid(4 * k, 2)), continentes.mid(4 * k + 2, 2).toInt()) << k;
}

TEST(Tabuleiro, VizinhosDonoEForaDaTabela)
{
    EstadoJogo.Reiniciar();
    EXPECT_TRUE(SaoVizinhos(1, 14));
    EXPECT_FALSE(SaoVizinhos(1, 4));
    EXPECT_FALSE(SaoVizinhos(43, 1));
    EXPECT_FALSE(SaoVizinhos(44, 1));
    EXPECT_FALSE(SaoVizinhos(0, 14));
    EXPECT_EQ(DonoDe(7), 1);
    EstadoJogo.Pais(7).Exercitos = "x";
    EXPECT_THROW(ExercitosDe(7), EErroConversao);
    EXPECT_THROW(EstadoJogo.Pais(44), EErro);
    EXPECT_THROW(EstadoJogo.Pais(0), EErro);
}

TEST(Tabuleiro, BonusTrocaECores)
{
    const int esperados[] = {4, 6, 8, 10, 12, 15, 20, 25, 30, 35};
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(BonusTroca(n), esperados[n]) << n;
    EXPECT_EQ(NomeCor(1), "Amarelo");
    EXPECT_EQ(NomeCor(6), "Vermelho");
    EXPECT_EQ(NomeCor(0), "");
    EXPECT_EQ(NomeCor(7), "");
    EXPECT_EQ(CorBGRDoExercito(2), 0xFF0000u);
}
