// The login window and the whole login flow against loopback login and game servers.
#include "apoio/Ambiente.h"
#include "apoio/ParLoopback.h"

#include "app/Aplicacao.h"
#include "app/Erros.h"
#include "app/Janelas.h"
#include "app/Sessao.h"
#include "community/Login.h"
#include "community/NovaConta.h"
#include "game/EstadoJogo.h"
#include "lobby/ChatMetal.h"
#include "net/Quadro.h"
#include "net/Rede.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

class Login : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        GravarSaida = false;
        TPedidoLogin::PortaServidorLogin = servidorLogin.Porta();
        Sessao.EnderecoServidor = "127.0.0.1";
        CriarJanelas();
        FrLogin->show();
    }
    void TearDown() override
    {
        TPedidoLogin::PortaServidorLogin = 80;
        TAmbiente::TearDown();
    }
    QString Status() const { return FrLogin->Status->text(); }
    /// The login server answers the pending request with these lines and closes.
    QByteArray Responder(const QByteArray& corpo)
    {
        EXPECT_TRUE(servidorLogin.Aceitar());
        const QByteArray pedido = servidorLogin.ReceberTudo(300);
        servidorLogin.Enviar("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n" + corpo);
        servidorLogin.FecharConexao();
        return pedido;
    }
    QByteArray PortaJogo() const { return QByteArray::number(servidorJogo.Porta()); }

    TParLoopback servidorLogin;
    TParLoopback servidorJogo;
};

} // namespace

TEST_F(Login, JanelaComoDesenhada)
{
    EXPECT_EQ(FrLogin->size(), QSize(640, 480));
    EXPECT_EQ(Status(), QString::fromUtf8("Aguardando Usuário..."));
    EXPECT_EQ(FrLogin->LgUsuario->geometry(), QRect(150, 201, 355, 21));
    EXPECT_EQ(FrLogin->LgSenha->geometry(), QRect(151, 254, 354, 21));
    EXPECT_EQ(FrLogin->Status->geometry(), QRect(24, 420, 593, 25));
    EXPECT_EQ(FrLogin->LgUsuario->maxLength(), 14);
    EXPECT_EQ(FrLogin->LgSenha->maxLength(), 8);
    EXPECT_EQ(FrLogin->LgSenha->echoMode(), QLineEdit::Password);
    EXPECT_EQ(FrLogin->LgUsuario->toolTip(), QString::fromUtf8("Digite aqui o seu nome de usuário no Velmor"));
    EXPECT_EQ(FrLogin->LgSenha->toolTip(), "Digite aqui a sua senha");
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("^Revisão \\d\\d/\\d\\d/\\d\\d$")).match(FrLogin->lbRevisao->text()).hasMatch())
        << FrLogin->lbRevisao->text().toStdString();
    EXPECT_EQ(FrLogin->lbRevisao->text(), QString::fromUtf8("Revisão ") + DataCompilacao());
}

TEST_F(Login, VirgulaNuncaEntraEOLimiteCorta)
{
    QTest::keyClicks(FrLogin->LgUsuario, "a,b,c");
    EXPECT_EQ(FrLogin->LgUsuario->text(), "abc");
    FrLogin->LgSenha->insert("1,2");
    EXPECT_EQ(FrLogin->LgSenha->text(), "12");
    FrLogin->LgSenha->clear();
    FrLogin->LgSenha->insert("abcdefghijkl");
    EXPECT_EQ(FrLogin->LgSenha->text(), "abcdefgh");
    FrLogin->LgUsuario->clear();
    FrLogin->LgUsuario->insert("abcdefghijklmnopq");
    EXPECT_EQ(FrLogin->LgUsuario->text(), "abcdefghijklmn");
}

TEST_F(Login, VelmorIniPreencheEOBotaoNovaContaGrava)
{
    FrLogin->LgUsuario->setText(QString::fromUtf8("Joãozinho"));
    FrLogin->Image3Click();
    EXPECT_TRUE(frNovaConta->isVisible());
    DestruirJanelas();
    CriarJanelas();
    FrLogin->show();
    EXPECT_EQ(FrLogin->LgUsuario->text(), QString::fromUtf8("Joãozinho"));

    FrLogin->LgUsuario->clear();
    FrLogin->Image3Click();
    DestruirJanelas();
    CriarJanelas();
    FrLogin->LgUsuario->setText("anterior");
    FrLogin->show();
    EXPECT_EQ(FrLogin->LgUsuario->text(), "");
}

TEST_F(Login, NickCurtoMostraErro)
{
    struct Caso { const char* nick; bool aceito; };
    const Caso casos[] = {{"ab", false}, {"ãb", false}, {"", false}, {"abc", true}};
    for (const Caso& c : casos) {
        FrLogin->LgUsuario->setEnabled(true);
        FrLogin->LgUsuario->setText(QString::fromUtf8(c.nick));
        FrLogin->Image2Click();
        if (c.aceito) {
            EXPECT_EQ(Status(), "Conectando com Login Server ...") << c.nick;
            EXPECT_FALSE(FrLogin->LgUsuario->isEnabled());
        } else {
            EXPECT_EQ(Status(), QString::fromUtf8("Erro: Nome do usuário deve ter mais de 3 caracteres")) << c.nick;
            EXPECT_TRUE(FrLogin->LgUsuario->isEnabled());
        }
    }
}

TEST_F(Login, FluxoCompletoAteOLobby)
{
    Sessao.SeqEnvio = 77;
    Sessao.UltimaSeqRecebida = 5;
    Sessao.TokensUsuario = "velho";
    FrLogin->LgUsuario->setText(QString::fromUtf8("Zé Ma,ria")); // the comma never enters the field
    FrLogin->LgSenha->setText("s3nha");
    FrLogin->Image2Click();
    EXPECT_EQ(Sessao.SeqEnvio, 0);
    EXPECT_EQ(Sessao.UltimaSeqRecebida, 0);
    EXPECT_TRUE(Sessao.TokensUsuario.isEmpty());

    const QByteArray pedido = Responder("{" + PortaJogo() + "}\r\n");
    EXPECT_EQ(pedido, QByteArray("GET /velmor/login?nick=%5A%E9%20%4D%61%72%69%61 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"));
    ASSERT_TRUE(EsperarAte([&] { return FrLogin->Conexao() != nullptr; }));
    ASSERT_TRUE(servidorJogo.Aceitar());
    EXPECT_EQ(servidorJogo.ReceberQuadro(), "0000SrvSel .1");
    EXPECT_EQ(servidorJogo.ReceberQuadro(), QByteArray("0000LogSer Z\xE9 Maria,s3nha,5.5,,,"));
    EXPECT_EQ(Status(), "Efetuando Login ...");
    EXPECT_EQ(Sessao.PortaJogo, QString::fromLatin1(PortaJogo()));
    EXPECT_TRUE(FrLogin->InfAti->Ligado());
    EXPECT_TRUE(FrLogin->tmrConexao->Ligado());

    servidorJogo.EnviarQuadro("0000SrvSel");
    servidorJogo.EnviarQuadro("0001LogAce AB12,ZeMaria,,0");
    ASSERT_TRUE(EsperarAte([&] { return FrChat->isVisible(); }));
    EXPECT_FALSE(FrLogin->isVisible());
    EXPECT_EQ(NickProprio(), "ZeMaria");
    EXPECT_EQ(servidorJogo.ReceberQuadro(), "AB120000JogAnd");
    EXPECT_EQ(servidorJogo.ReceberQuadro(), "AB120001BlkLis L");

    FrLogin->InfAtiTimer(); // lobby: "InfAti" with the token
    EXPECT_EQ(servidorJogo.ReceberQuadro(), "AB120002InfAti AB12");
}

TEST_F(Login, LoginRecusadoDeixaAJanelaUsavel)
{
    FrLogin->LgUsuario->setText("Ana");
    FrLogin->Image2Click();
    Responder("{" + PortaJogo() + "}\n");
    ASSERT_TRUE(EsperarAte([&] { return FrLogin->Conexao() != nullptr; }));
    ASSERT_TRUE(servidorJogo.Aceitar());
    servidorJogo.EnviarQuadro("LogFal Senha incorreta");
    ASSERT_TRUE(EsperarAte([&] { return FrLogin->LgUsuario->isEnabled(); }));
    EXPECT_EQ(Status(), "Falha no login:Senha incorreta");
    EXPECT_EQ(FrLogin->Conexao(), nullptr);
    EXPECT_FALSE(FrLogin->tmrConexao->Ligado());
    servidorJogo.ReceberTudo(300); // the client closed its end
    QTest::qWait(100);
    EXPECT_TRUE(Dialogos.Mostrados.empty()); // a local close is no lost connection
}

TEST_F(Login, RespostasDoServidorDeLogin)
{
    // "{108": port 108 (nothing listens there: the status keeps the connect step).
    EXPECT_THROW(FrLogin->RespostaLogin("{108"), EErroRede);
    EXPECT_EQ(Status(), "Conectando em 127.0.0.1@108!");
    EXPECT_FALSE(FrLogin->InfAti->Ligado());

    FrLogin->Status->setText("antes");
    EXPECT_THROW(FrLogin->RespostaLogin("{abcd"), EErroConversao);
    EXPECT_THROW(FrLogin->RespostaLogin("{1080}"), EErroConversao);
    FrLogin->RespostaLogin("HTTP/1.1 200 OK");
    FrLogin->RespostaLogin("");
    EXPECT_EQ(Status(), "antes");
}

TEST_F(Login, DuasLinhasDeChaveConectamDuasVezes)
{
    FrLogin->LgUsuario->setText("Ana");
    FrLogin->Image2Click();
    Responder("{" + PortaJogo() + "}\n{" + PortaJogo() + "}\n");
    ASSERT_TRUE(EsperarAte([&] { return FrLogin->Conexao() != nullptr; }));
    QTest::qWait(300); // the second line replaces the first connection
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(servidorJogo.Aceitar());
        EXPECT_EQ(servidorJogo.ReceberQuadro(), "0000SrvSel .1");
        EXPECT_EQ(servidorJogo.ReceberQuadro(), "0000LogSer Ana,,5.5,,,");
    }
}

TEST_F(Login, KeepAliveNosTresEstados)
{
    GravarSaida = true;
    TFrLogin::SaidaDeTeste = [this](const QString& t) { Enviadas << t; };
    FrLogin->LgUsuario->setText("Ana");
    Sessao.TokenSessao = "TK01";
    FrLogin->InfAtiTimer(); // login window visible, no game
    EXPECT_TRUE(Enviadas.isEmpty());
    FrLogin->hide();
    FrLogin->InfAtiTimer();
    EXPECT_EQ(Enviadas, QStringList{"TK010000InfAti TK01"});
    Sessao.EmPartida = true;
    EstadoJogo.JogoAtual = "G123";
    EstadoJogo.MinhaCor = 3;
    FrLogin->InfAtiTimer();
    EXPECT_EQ(Enviadas.last(), "TK010001SolRet G123,3,Ana");
}

TEST_F(Login, MensagemRuimELogadaEAProximaSegue)
{
    FrLogin->LgUsuario->setText("Ana");
    FrLogin->ConectarELogar("127.0.0.1", servidorJogo.Porta());
    ASSERT_TRUE(servidorJogo.Aceitar());
    servidorJogo.EnviarQuadro("EstJog abcd   0001");
    servidorJogo.EnviarQuadro("SrvSel");
    ASSERT_TRUE(EsperarAte([&] { return Status() == "Servidor Online"; }));
    const QString erros = LerArquivo("Erros.txt");
    EXPECT_TRUE(erros.contains("EstJog abcd   0001 -> EErroConversao: ")) << erros.toStdString();
    EXPECT_TRUE(erros.contains("\r\n  0x"));
    EXPECT_TRUE(Dialogos.Mostrados.empty());
}

TEST_F(Login, ConexaoPerdidaEncerraMenosComANovaContaAberta)
{
    FrLogin->ConectarELogar("127.0.0.1", servidorJogo.Porta());
    ASSERT_TRUE(servidorJogo.Aceitar());
    frNovaConta->show();
    servidorJogo.FecharConexao();
    QTest::qWait(200);
    EXPECT_TRUE(Dialogos.Mostrados.empty());
    EXPECT_FALSE(TerminoPedido());

    frNovaConta->hide();
    FrLogin->ConectarELogar("127.0.0.1", servidorJogo.Porta());
    ASSERT_TRUE(servidorJogo.Aceitar());
    servidorJogo.FecharConexao();
    ASSERT_TRUE(EsperarAte([&] { return !Dialogos.Mostrados.empty(); }));
    EXPECT_EQ(Dialogos.Mostrados.front().Tipo, "mensagem");
    EXPECT_EQ(Dialogos.Mostrados.front().Texto, QString::fromUtf8("Conexão com o server terminada!"));
    EXPECT_TRUE(TerminoPedido());
}

TEST_F(Login, FecharAJanelaDestroiAConexaoEEncerra)
{
    FrLogin->ConectarELogar("127.0.0.1", servidorJogo.Porta());
    ASSERT_TRUE(servidorJogo.Aceitar());
    FrLogin->close();
    EXPECT_EQ(FrLogin->Conexao(), nullptr);
    EXPECT_TRUE(TerminoPedido());
    QTest::qWait(100);
    EXPECT_TRUE(Dialogos.Mostrados.empty());
}
