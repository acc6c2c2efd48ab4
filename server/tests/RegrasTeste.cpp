// The pure protocol rules: requests, numbering, the flood bucket, the login request, what a
// user may choose, notices cut to the lobby's width.
#include "Http.h"
#include "Limitador.h"
#include "Lobby.h"
#include "Numeracao.h"
#include "Pedido.h"
#include "Validacao.h"
#include "app/Texto.h"
#include "apoio/Impressao.h"

#include <gtest/gtest.h>

TEST(Pedido, SeparaTokenNumeroCodigoECampos)
{
    struct Caso {
        const char* Texto;
        const char* Token;
        bool Numerada;
        int Numero;
        const char* Codigo;
        const char* Campos;
    };
    const Caso casos[] = {
        {"0000SrvSel .1", "0000", false, 0, "SrvSel", ".1"},
        {"0000LogSer ana,xy,5.5,,,", "0000", false, 0, "LogSer", "ana,xy,5.5,,,"},
        {"AB120007EnvMsg oi, tudo bem", "AB12", true, 7, "EnvMsg", "oi, tudo bem"},
        {"AB129999SaiCha", "AB12", true, 9999, "SaiCha", ""},
        {"AB120001LibFre ", "AB12", true, 1, "LibFre", ""},
        {"AB12Top10H x", "AB12", false, 0, "Top10H", "x"},
    };
    for (const Caso& c : casos) {
        const std::optional<TPedido> p = LerPedido(QString::fromUtf8(c.Texto));
        ASSERT_TRUE(p) << c.Texto;
        EXPECT_EQ(p->Token, c.Token);
        EXPECT_EQ(p->Numerada, c.Numerada);
        EXPECT_EQ(p->Numero, c.Numero);
        EXPECT_EQ(p->Codigo, c.Codigo);
        EXPECT_EQ(p->Campos, c.Campos);
    }
    const TPedido pri = *LerPedido("AB12MsgPri ana,oi, tudo");
    EXPECT_EQ(pri.Campo(1), "ana");
    EXPECT_EQ(pri.Resto(), "oi, tudo");
}

TEST(Pedido, LixoNaoChegaAoTratador)
{
    for (const char* texto : {"", "0000", "0000SrvSe", "00001a2bEnvMsg x", "0000envMsg x", "0000EnvMsgx",
             "0000Env-sg x", "0000 EnvMsg", "0000\xC3\x89nvMsg x", "00000001"})
        EXPECT_FALSE(LerPedido(QString::fromUtf8(texto))) << texto;
}

TEST(Numeracao, SaidaVaiDe0001A9999VoltaA0000EGuardaOHistorico)
{
    TNumeracaoSaida saida(3);
    EXPECT_EQ(saida.Numerar("A"), "0001A");
    saida.Numerar("B");
    saida.Numerar("C");
    EXPECT_EQ(saida.Desde(1), (QStringList{"0002B", "0003C"}));
    EXPECT_EQ(saida.Desde(3), QStringList{});
    saida.Numerar("D"); // pushes 0001 out
    EXPECT_FALSE(saida.Desde(1));
    EXPECT_EQ(saida.Desde(2), (QStringList{"0003C", "0004D"}));

    TNumeracaoSaida volta;
    for (int i = 1; i < 9999; ++i)
        volta.Numerar("x");
    EXPECT_EQ(volta.Numerar("y"), "9999y");
    EXPECT_EQ(volta.Numerar("z"), "0000z");
    EXPECT_EQ(volta.Desde(9999), QStringList{"0000z"});
}

TEST(Numeracao, EntradaAceitaEmOrdemPedeALacunaIgnoraRepetidas)
{
    TNumeracaoEntrada entrada;
    const std::pair<int, TVeredito> passos[] = {
        {0, TVeredito::Aceita}, {1, TVeredito::Aceita}, {3, TVeredito::Lacuna}, {2, TVeredito::Aceita},
        {2, TVeredito::Repetida}, {0, TVeredito::Repetida}, {3, TVeredito::Aceita},
    };
    for (const auto& [numero, esperado] : passos)
        EXPECT_EQ(entrada.Verificar(numero), esperado) << numero;
    EXPECT_EQ(entrada.Ultima(), 3);

    TNumeracaoEntrada volta;
    EXPECT_EQ(volta.Ultima(), 9999); // before the first: "after 9999" is 0000
    for (int i = 0; i <= 9999; ++i)
        ASSERT_EQ(volta.Verificar(i), TVeredito::Aceita);
    EXPECT_EQ(volta.Verificar(0), TVeredito::Aceita);
    EXPECT_EQ(volta.Verificar(9999), TVeredito::Repetida);
}

TEST(Limitador, RajadaEDepoisAMedia)
{
    TBaldeFichas balde(3, 2);
    EXPECT_TRUE(balde.Retirar(1000));
    EXPECT_TRUE(balde.Retirar(1000));
    EXPECT_TRUE(balde.Retirar(1000));
    EXPECT_FALSE(balde.Retirar(1000));
    EXPECT_FALSE(balde.Retirar(1400));
    EXPECT_TRUE(balde.Retirar(1500));
    EXPECT_TRUE(balde.Retirar(100000));
    EXPECT_TRUE(balde.Retirar(100000));
    EXPECT_TRUE(balde.Retirar(100000));
    EXPECT_FALSE(balde.Retirar(100000)); // never more than the burst
}

TEST(Http, PedidoDoClienteDaAPortaComCincoDigitos)
{
    const QByteArray pedido = "GET /velmor/login?nick=%61%20%E7%2C HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    ASSERT_EQ(FimDoCabecalho(pedido), pedido.size());
    EXPECT_EQ(FimDoCabecalho(pedido.left(pedido.size() - 1)), -1);
    const std::optional<QByteArray> caminho = CaminhoDoGet(pedido);
    ASSERT_TRUE(caminho);
    EXPECT_EQ(NickDoLogin(*caminho), QString::fromUtf8("a ç,"));

    EXPECT_TRUE(RespostaLogin(10800).startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(RespostaLogin(10800).endsWith("\r\n\r\n{10800}\r\n"));
    // The client reads characters 2 to 6: a short port needs its leading zero.
    const QByteArray curta = RespostaLogin(8080);
    const QByteArray linha = curta.mid(curta.indexOf('{'));
    EXPECT_EQ(InteiroEstrito(QString::fromLatin1(linha.mid(1, 5))), 8080);
}

TEST(Http, OutrosPedidosNaoSaoLogin)
{
    for (const char* cabecalho : {"POST /velmor/login?nick=a HTTP/1.1\r\n\r\n", "GET velmor/login HTTP/1.1\r\n\r\n",
             "GET /velmor/login?nick=a\r\n\r\n", "GET /velmor/login?nick=a FTP/1.0\r\n\r\n", "\r\n\r\n"})
        EXPECT_FALSE(CaminhoDoGet(cabecalho)) << cabecalho;
    EXPECT_FALSE(NickDoLogin("/radio.mp3"));
    EXPECT_TRUE(RespostaErroHttp(404, "Not Found").startsWith("HTTP/1.1 404 Not Found\r\n"));
}

TEST(Validacao, NickESenha)
{
    const std::pair<const char*, bool> nicks[] = {
        {"abc", true}, {"Ana Paula", true}, {"João_2.0-x", true}, {"abcdefghijklmn", true},
        {"ab", false}, {"abcdefghijklmno", false}, {"Velmor", false}, {"vELMOR", false}, {"a,b", false},
        {" Ana", false}, {"Ana ", false}, {"Ana  Paula", false}, {"ana\x01x", false}, {"emoji😀", false}, {"a;b", false},
    };
    for (const auto& [nick, valido] : nicks)
        EXPECT_EQ(NickValido(QString::fromUtf8(nick)), valido) << nick;
    for (const auto& [senha, valida] : {std::pair{"ab", true}, {"12345678", true}, {"a", false}, {"123456789", false},
             {"a,b", false}, {"a\tb", false}})
        EXPECT_EQ(SenhaValida(QString::fromUtf8(senha)), valida) << senha;
}

TEST(Validacao, DadosPessoais)
{
    const QDate hoje(2026, 5, 17);
    struct Caso {
        int Item;
        const char* Valor;
        std::optional<const char*> Guardado;
    };
    const Caso casos[] = {
        {1, "JOSE DA SILVA", "JOSE DA SILVA"}, {1, "SILVA, JOSE", "SILVA JOSE"}, {1, "", std::nullopt},
        {1, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", std::nullopt},
        {2, "2000-02-29", "2000-02-29"}, {2, "2001-02-29", std::nullopt}, {2, "1899-12-31", std::nullopt},
        {2, "2026-05-18", std::nullopt}, {2, "31/12/2000", std::nullopt},
        {3, "F", "F"}, {3, "X", std::nullopt}, {4, "a@b.c", "a@b.c"}, {5, "RIO\x01", "RIO"},
        {6, "SP", "SP"}, {6, "--", "--"}, {6, "XX", std::nullopt}, {7, "x", std::nullopt},
    };
    for (const Caso& c : casos) {
        const std::optional<QString> guardado = DadoPessoalValido(c.Item, QString::fromUtf8(c.Valor), hoje);
        if (c.Guardado)
            EXPECT_EQ(guardado, QString::fromUtf8(*c.Guardado)) << c.Item << " " << c.Valor;
        else
            EXPECT_FALSE(guardado) << c.Item << " " << c.Valor;
    }
}

TEST(Avisos, LinhasCabemNaLarguraDoLobbySemCortarPalavras)
{
    QStringList nicks;
    for (int i = 0; i < 40; ++i)
        nicks.append(QStringLiteral("Jogador%1").arg(i));
    const QString texto = QStringLiteral("Logados (40): ") + nicks.join(QStringLiteral(", "));
    const QStringList linhas = LinhasDeAviso(texto);
    ASSERT_GT(linhas.size(), 1);
    for (const QString& linha : linhas)
        EXPECT_LE(linha.size(), 110);
    EXPECT_EQ(linhas.join(QLatin1Char(' ')), texto);
    EXPECT_EQ(LinhasDeAviso(QString(300, QLatin1Char('x'))).size(), 3); // no blank: cut hard
}
