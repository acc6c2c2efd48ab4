// The real server over real sockets: the login request's bytes, two players, retransmission,
// the account port, and clients that misbehave.
#include "Contas.h"
#include "apoio/ClienteScript.h"
#include "apoio/Impressao.h"
#include "apoio/ServidorEmThread.h"
#include "net/Quadro.h"

#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

namespace {

/// The login as the client does it: the web request for the port, then the game connection.
std::unique_ptr<TClienteScript> Jogador(const TServidorEmThread& servidor, const QString& nick,
    const QString& senha = QString::fromLatin1(SenhaInicial))
{
    const std::optional<int> porta = PortaDaResposta(PedirLogin(servidor.PortaLogin, nick));
    if (!porta)
        return nullptr;
    auto cliente = std::make_unique<TClienteScript>(quint16(*porta));
    cliente->Entrar(nick, senha);
    return cliente;
}

} // namespace

TEST(PontaAPonta, DoisJogadoresEntramSeVeemEConversam)
{
    TServidorEmThread servidor;
    ASSERT_TRUE(servidor.Erro.isEmpty()) << servidor.Erro.toStdString();
    const QByteArray resposta = PedirLogin(servidor.PortaLogin, QStringLiteral("Soldado"));
    EXPECT_TRUE(resposta.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_EQ(PortaDaResposta(resposta), servidor.PortaJogo);

    auto a = Jogador(servidor, "Soldado");
    ASSERT_TRUE(a && a->Token != "0000");
    EXPECT_EQ(a->Vistas.value(0), "SrvSel");
    auto b = Jogador(servidor, "cabo");
    ASSERT_TRUE(b && b->Token != "0000");
    EXPECT_NE(a->Token, b->Token);
    ASSERT_TRUE(a->Esperar("LisJog 5,1,Cabo,"));
    EXPECT_TRUE(b->Esperar("LisJog 5,1,Cabo,"));
    EXPECT_TRUE(b->Esperar("LisJog 3,1,Soldado,"));
    EXPECT_TRUE(b->Esperar("SrvMsg Bem-vindo"));

    // Accented letters and the euro sign travel as single Windows-1252 bytes and come back whole.
    b->Numerada(QStringLiteral("EnvMsg olá, ação custa 5 €"));
    EXPECT_EQ(a->Esperar("EnvMsg "), QStringLiteral("EnvMsg Cabo,olá, ação custa 5 €"));
    EXPECT_EQ(b->Esperar("EnvMsg "), QStringLiteral("EnvMsg Cabo,olá, ação custa 5 €"));
    a->Numerada(QStringLiteral("MsgPri Cabo,psiu"));
    EXPECT_EQ(b->Esperar("MsgPri "), "MsgPri Soldado,Cabo,psiu");

    b.reset();
    EXPECT_EQ(a->Esperar("SaiJog "), "SaiJog Cabo");
    EXPECT_TRUE(a->NumeracaoOk);
}

TEST(PontaAPonta, SenhaErradaDizOMotivoESegundoLoginDerrubaOPrimeiro)
{
    TServidorEmThread servidor;
    auto errado = Jogador(servidor, "Soldado", "errada");
    ASSERT_TRUE(errado);
    EXPECT_EQ(errado->Vistas.last(), "LogFal  Senha incorreta.");
    EXPECT_TRUE(errado->FechadaPeloServidor());

    auto primeiro = Jogador(servidor, "Soldado");
    auto segundo = Jogador(servidor, "Soldado");
    ASSERT_TRUE(primeiro && segundo);
    EXPECT_TRUE(primeiro->Esperar("DscIns"));
    EXPECT_TRUE(primeiro->FechadaPeloServidor());
    segundo->Numerada("InfAti " + segundo->Token);
    EXPECT_TRUE(segundo->Esperar("InfAti"));
}

TEST(PontaAPonta, RetransmiteOPedidoPorUltRecEPedeUltMsgNaLacuna)
{
    TServidorEmThread servidor;
    auto a = Jogador(servidor, "Soldado");
    ASSERT_TRUE(a);
    a->Coletar(300);
    const QStringList originais = a->Vistas;
    ASSERT_GE(originais.size(), 6);

    // The client asks for everything after 0002: it gets the same texts with the same numbers.
    a->Direta("UltRec 0002");
    a->UltimaRecebida = 2;
    const QStringList repetidas = a->Coletar(300);
    EXPECT_EQ(repetidas, originais.mid(2));
    EXPECT_TRUE(a->NumeracaoOk);

    a->Numerada("InfAti x"); // 0000
    EXPECT_EQ(a->Proxima(), "InfAti");
    a->SeqEnvio = 2;
    a->Numerada("InfAti y"); // 0002: 0001 is missing
    a->Numerada("InfAti z"); // 0003: one request per gap
    EXPECT_EQ(a->Coletar(300), QStringList{"UltMsg 0000"});
    a->SeqEnvio = 1;
    a->Numerada("InfAti y");
    a->Numerada("InfAti z");
    EXPECT_EQ(a->Coletar(300), (QStringList{"InfAti", "InfAti"}));
}

TEST(PontaAPonta, ContaCriadaPelaPortaDeCadastroGuardaOsDadosMesmoComOClienteDesligandoLogo)
{
    TServidorEmThread servidor;
    {
        TClienteScript novo(servidor.PortaCadastro);
        novo.Direta("ChkNic Recruta,ab12");
        EXPECT_EQ(novo.Proxima(), "ConCri");
        EXPECT_EQ(novo.Proxima(), "ChkNic 0");
        // The new-account window sends its six items and hangs up at once.
        QByteArray rajada;
        for (const char* dado : {"1,RECRUTA", "2,2000-01-31", "3,F", "4,r@velmor.local", "5,NATAL", "6,RN"})
            rajada += Enquadrar("0000SetVa2 Recruta," + QByteArray(dado));
        novo.EnviarBytes(rajada);
    }
    TBancoContas banco(servidor.Pasta.filePath("velmor.db"));
    for (int i = 0; i < 100 && !banco.Buscar("Recruta")->DadosCompletos(); ++i)
        QThread::msleep(20);
    EXPECT_TRUE(banco.Buscar("Recruta")->DadosCompletos());
    auto jogador = Jogador(servidor, "Recruta", "ab12");
    ASSERT_TRUE(jogador && jogador->Token != "0000");
    EXPECT_TRUE(jogador->Vistas.filter("Perfil").isEmpty());
}

TEST(PontaAPonta, EnxurradaDeLixoNaoAtrapalhaQuemSeComporta)
{
    TServidorEmThread servidor;
    auto bom = Jogador(servidor, "Soldado");
    ASSERT_TRUE(bom && bom->Token != "0000");

    // Half a frame, then silence: it holds nothing up.
    TClienteScript lento(servidor.PortaJogo);
    lento.EnviarBytes(QByteArray("\x10\x00", 2));

    TClienteScript lixo(servidor.PortaJogo);
    QRandomGenerator aleatorio(42);
    QByteArray enxurrada;
    for (int i = 0; i < 5000; ++i) {
        QByteArray carga(int(aleatorio.bounded(120)), Qt::Uninitialized);
        for (char& b : carga)
            b = char(aleatorio.bounded(256));
        if (i % 7 == 0)
            carga = "0000" + QByteArray::number(i % 10000).rightJustified(4, '0') + "EnvMsg lixo";
        enxurrada += Enquadrar(carga);
    }
    lixo.EnviarBytes(enxurrada);

    TClienteScript enorme(servidor.PortaJogo);
    enorme.EnviarBytes(CabecalhoQuadro(TamanhoMaximoQuadro + 1) + QByteArray(1000, 'x'));

    bom->Numerada("EnvMsg ainda estou aqui");
    EXPECT_TRUE(bom->Esperar("EnvMsg Soldado,ainda estou aqui"));
    EXPECT_TRUE(lixo.FechadaPeloServidor());
    EXPECT_TRUE(enorme.FechadaPeloServidor());
    EXPECT_TRUE(lento.Conectado());
    bom->Numerada("InfAti " + bom->Token);
    EXPECT_TRUE(bom->Esperar("InfAti"));
    EXPECT_TRUE(bom->Vistas.filter("lixo").isEmpty());
    auto outro = Jogador(servidor, "Cabo");
    EXPECT_TRUE(outro && outro->Token != "0000");
}

TEST(PontaAPonta, QuemNaoEntraATempoEFechado)
{
    TLimites limites;
    limites.EsperaLoginMs = 100;
    TServidorEmThread servidor(limites);
    TClienteScript calado(servidor.PortaJogo);
    EXPECT_TRUE(calado.FechadaPeloServidor(4000));
    auto ativo = Jogador(servidor, "Soldado");
    ASSERT_TRUE(ativo && ativo->Token != "0000");
    QThread::msleep(1500); // past the limit, but logged in
    ativo->Numerada("InfAti " + ativo->Token);
    EXPECT_TRUE(ativo->Esperar("InfAti"));
}
