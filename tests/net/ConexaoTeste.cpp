// The game connection through a real loopback peer: framing, code page, disconnects, hand-over.
#include "apoio/Ambiente.h"
#include "apoio/ParLoopback.h"

#include "app/Erros.h"
#include "net/Quadro.h"
#include "net/Rede.h"

#include <QTest>

#include <memory>

namespace {

struct TRecebida {
    QString Texto;
    QByteArray Bruto;
};

class Conexao : public TAmbiente {
protected:
    void Abrir()
    {
        conexao = std::make_unique<TConexaoJogo>("127.0.0.1", par.Porta());
        conexao->OnMensagem = [this](const QString& t, const QByteArray& b) { recebidas.push_back({t, b}); };
        conexao->OnDesconexao = [this](TConexaoJogo*) { ++desconexoes; };
        ASSERT_TRUE(par.Aceitar());
    }

    TParLoopback par;
    std::unique_ptr<TConexaoJogo> conexao;
    std::vector<TRecebida> recebidas;
    int desconexoes = 0;
};

} // namespace

TEST_F(Conexao, QuadroPicadoEQuadrosJuntosChegamInteiros)
{
    Abrir();
    const QByteArray quadro = Enquadrar("EnvMsg Ana,ola");
    for (const char b : quadro) { // one frame over many segments
        par.Enviar(QByteArray(1, b));
        QTest::qSleep(1);
    }
    par.Enviar(Enquadrar("SrvSel") + Enquadrar("InfAti")); // two frames in one segment
    ASSERT_TRUE(EsperarAte([&] { return recebidas.size() == 3; }));
    EXPECT_EQ(recebidas[0].Texto, "EnvMsg Ana,ola");
    EXPECT_EQ(recebidas[1].Texto, "SrvSel");
    EXPECT_EQ(recebidas[2].Texto, "InfAti");
    EXPECT_TRUE(par.Silencioso(50));
    EXPECT_EQ(desconexoes, 0);
}

TEST_F(Conexao, TamanhosZeroEMaximoSaoEntreguesAcimaDoMaximoEncerra)
{
    Abrir();
    par.EnviarQuadro({});
    par.EnviarQuadro(QByteArray(TamanhoMaximoQuadro, 'x'));
    ASSERT_TRUE(EsperarAte([&] { return recebidas.size() == 2; }));
    EXPECT_TRUE(recebidas[0].Texto.isEmpty());
    EXPECT_TRUE(recebidas[0].Bruto.isEmpty());
    EXPECT_EQ(recebidas[1].Bruto.size(), qsizetype(TamanhoMaximoQuadro));

    par.Enviar(CabecalhoQuadro(TamanhoMaximoQuadro + 1) + "abc");
    ASSERT_TRUE(EsperarAte([&] { return desconexoes == 1; }));
    EXPECT_EQ(recebidas.size(), 2u);
}

TEST_F(Conexao, PaginaDeCodigoNosDoisSentidos)
{
    Abrir();
    par.EnviarQuadro("MsgJog Ze,\x80 \xE7");
    ASSERT_TRUE(EsperarAte([&] { return recebidas.size() == 1; }));
    EXPECT_EQ(recebidas[0].Texto, QString::fromUtf8("MsgJog Ze,€ ç"));
    EXPECT_EQ(recebidas[0].Bruto, QByteArray("MsgJog Ze,\x80 \xE7"));

    conexao->Enviar(QString::fromUtf8("€ç😀!"));
    EXPECT_EQ(par.Receber(7), CabecalhoQuadro(3) + "\x80\xE7!");
    conexao->Enviar({});
    EXPECT_EQ(par.Receber(4), QByteArray(4, '\0'));
}

TEST_F(Conexao, ServidorQueFechaAvisaEncerrarLocalNao)
{
    Abrir();
    par.FecharConexao();
    ASSERT_TRUE(EsperarAte([&] { return desconexoes == 1; }));

    desconexoes = 0;
    Abrir();
    conexao->Encerrar();
    QTest::qWait(100);
    EXPECT_EQ(desconexoes, 0);
    conexao.reset();
    QTest::qWait(50);
    EXPECT_EQ(desconexoes, 0);
}

TEST_F(Conexao, AvisoNaFilaNaoRodaDepoisDaConexaoDestruida)
{
    Abrir();
    par.FecharConexao();
    // The reader queues the notice; destroying the connection before the queue runs drops it.
    QTest::qSleep(100);
    conexao.reset();
    QTest::qWait(50);
    EXPECT_EQ(desconexoes, 0);
}

TEST_F(Conexao, DestruirEnquantoOLeitorEsperaEntregaAMensagem)
{
    Abrir();
    par.EnviarQuadro("SrvSel");
    QTest::qSleep(100); // the reader now waits in its hand-over; the GUI thread has not run it
    conexao.reset();
    ASSERT_EQ(recebidas.size(), 1u);
    EXPECT_EQ(recebidas[0].Texto, "SrvSel");
}

TEST_F(Conexao, DestruirDeDentroDaPropriaEntregaNaoTrava)
{
    Abrir();
    conexao->OnMensagem = [this](const QString& t, const QByteArray& b) {
        recebidas.push_back({t, b});
        conexao.reset(); // e.g. a new connection replacing this one from inside a handler
    };
    par.EnviarQuadro("SrvSel");
    ASSERT_TRUE(EsperarAte([&] { return !conexao; }));
    EXPECT_EQ(recebidas.size(), 1u);
}

TEST_F(Conexao, ConexaoRecusadaLevantaErro)
{
    TParLoopback fechado;
    const auto porta = fechado.Porta();
    fechado.PararDeEscutar();
    EXPECT_THROW(TConexaoJogo("127.0.0.1", porta), EErroRede);
    EXPECT_THROW(TConexaoJogo("nome.que.nao.existe.invalid", 10800), EErroRede);
}

// ---- the login-server request ----

namespace {

class PedidoLogin : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        TPedidoLogin::PortaServidorLogin = par.Porta();
    }
    void TearDown() override
    {
        TPedidoLogin::PortaServidorLogin = 80;
        TAmbiente::TearDown();
    }
    void Pedir(const QString& caminho = "velmor/login?nick=%61")
    {
        TPedidoLogin::Iniciar("127.0.0.1", caminho, [this](const QString& l) { linhas << l; });
    }

    TParLoopback par;
    QStringList linhas;
};

} // namespace

TEST_F(PedidoLogin, BytesExatosELinhasEntregues)
{
    Pedir("velmor/login?nick=%41%20%2C%E7");
    ASSERT_TRUE(par.Aceitar());
    const QByteArray pedido("GET /velmor/login?nick=%41%20%2C%E7 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(par.Receber(int(pedido.size())), pedido);
    EXPECT_TRUE(par.Silencioso(50)); // nothing more: no other header, no body
    par.Enviar("HTTP/1.1 200 OK\r\nX: 1\r\n\r\n{10800}\r\ndois CR\r\r\nacento \xE7\nsem fim");
    par.FecharConexao();
    ASSERT_TRUE(EsperarAte([&] { return linhas.size() == 6; }));
    QTest::qWait(50);
    EXPECT_EQ(linhas, (QStringList{"HTTP/1.1 200 OK", "X: 1", "", "{10800}", "dois CR\r", QString::fromUtf8("acento ç")}));
}

TEST_F(PedidoLogin, NadaEscutandoNaoEntregaNada)
{
    par.PararDeEscutar();
    Pedir();
    QTest::qWait(200);
    EXPECT_TRUE(linhas.isEmpty());
    EXPECT_TRUE(Dialogos.Mostrados.empty());
}

TEST_F(PedidoLogin, ErroDoReceptorEncerraOPedidoEmSilencio)
{
    TPedidoLogin::Iniciar("127.0.0.1", "x", [this](const QString& l) {
        linhas << l;
        throw EErroConversao("porta");
    });
    ASSERT_TRUE(par.Aceitar());
    par.Enviar("um\ndois\n");
    ASSERT_TRUE(EsperarAte([&] { return !linhas.isEmpty(); }));
    QTest::qWait(100);
    EXPECT_EQ(linhas, QStringList{"um"});
}
