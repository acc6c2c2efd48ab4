// End to end: clients of ours, with their real windows, against the real practice server.
// A second client runs as a second process: this same test program, with one child test selected.
#include "apoio/Ambiente.h"

#include "app/Aplicacao.h"
#include "app/Janelas.h"
#include "app/Sessao.h"
#include "community/Login.h"
#include "lobby/ChatMetal.h"
#include "lobby/ChatView.h"
#include "net/Rede.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int Paciencia = 15000;

/// The practice server as a child process on free ports, with a fresh database.
class TServidorDeTeste {
public:
    bool Iniciar()
    {
        const QString programa = QStringLiteral(VELMOR_SERVIDOR);
        if (programa.isEmpty() || !FDados.isValid())
            return false;
        FProcesso.setProgram(programa);
        FProcesso.setArguments({"--endereco", "127.0.0.1", "--porta-login", "0", "--porta-jogo", "0",
            "--porta-cadastro", "0", "--dados", FDados.path()});
        FProcesso.setProcessChannelMode(QProcess::MergedChannels);
        FProcesso.start();
        if (!FProcesso.waitForStarted(5000))
            return false;
        static const QRegularExpression pronto(QStringLiteral("pronto em \\S+ login=(\\d+) jogo=(\\d+) cadastro=(\\d+)"));
        QString saida;
        return EsperarAte([&] {
            saida += QString::fromUtf8(FProcesso.readAll());
            const auto achado = pronto.match(saida);
            if (achado.hasMatch()) {
                PortaLogin = achado.captured(1).toUShort();
                PortaJogo = achado.captured(2).toUShort();
            }
            return PortaLogin != 0;
        }, Paciencia);
    }
    ~TServidorDeTeste()
    {
        FProcesso.terminate();
        if (!FProcesso.waitForFinished(3000))
            FProcesso.kill();
    }
    std::uint16_t PortaLogin = 0;
    std::uint16_t PortaJogo = 0;

private:
    QProcess FProcesso;
    QTemporaryDir FDados;
};

/// A client of ours talking to a real server: log in, look at the lists, speak.
class TClienteReal : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        GravarSaida = false;
        Sessao.EnderecoServidor = "127.0.0.1";
    }
    void TearDown() override
    {
        TPedidoLogin::PortaServidorLogin = 80;
        TAmbiente::TearDown();
    }

    /// Logs in through the login window as a person does; true once the lobby shows.
    bool Entrar(const QString& nick, const QString& senha)
    {
        CriarJanelas();
        FrLogin->show();
        FrLogin->LgUsuario->setText(nick);
        FrLogin->LgSenha->setText(senha);
        FrLogin->Image2Click();
        // Until the lobby shows, or a refusal gives the nick field back.
        EsperarAte([] { return FrChat->isVisible() || FrLogin->LgUsuario->isEnabled(); }, Paciencia);
        return FrChat->isVisible();
    }
    static bool NaListaDeJogadores(const QString& nick)
    {
        for (int i = 0; i < FrChat->JogChat->topLevelItemCount(); ++i)
            if (FrChat->JogChat->topLevelItem(i)->text(0) == nick)
                return true;
        return false;
    }
    /// Whether some chat line shows this nick's text (in any style).
    static bool NoChat(const QString& nick, const QString& texto)
    {
        for (const TLinhaChat& linha : FrChat->Chat->Linhas()) {
            QString junto;
            for (const TTrechoChat& t : linha)
                junto += t.Texto;
            if (junto.startsWith(QLatin1Char(' ') + nick + QStringLiteral(" > ")) && junto.contains(texto))
                return true;
        }
        return false;
    }
    static void Falar(const QString& texto, const QString& privativo = {})
    {
        FrChat->Edit2->setText(privativo);
        FrChat->Edit1->setText(texto);
        FrChat->Edit1Enter();
    }

    /// Starts the second client: this program running one child test.
    std::unique_ptr<QProcess> IniciarFilho(const QString& cenario, const TServidorDeTeste& servidor)
    {
        auto filho = std::make_unique<QProcess>();
        filho->setProgram(QCoreApplication::applicationFilePath());
        filho->setArguments({QStringLiteral("--gtest_filter=PontaAPontaFilho.Cenario")});
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("VELMOR_E2E_CENARIO", cenario);
        ambiente.insert("VELMOR_E2E_PORTA_LOGIN", QString::number(servidor.PortaLogin));
        ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        filho->setProcessEnvironment(ambiente);
        filho->setProcessChannelMode(QProcess::ForwardedChannels);
        filho->start();
        return filho;
    }
    static bool Terminou(QProcess& processo, int ms = Paciencia)
    {
        return EsperarAte([&] { return processo.state() == QProcess::NotRunning; }, ms) && processo.exitCode() == 0;
    }
};

/// The first client, with a server of its own for the test.
class PontaAPonta : public TClienteReal {
protected:
    void SetUp() override
    {
        TClienteReal::SetUp();
        ASSERT_TRUE(servidor.Iniciar());
        TPedidoLogin::PortaServidorLogin = servidor.PortaLogin;
    }
    TServidorDeTeste servidor;
};

} // namespace

TEST_F(PontaAPonta, DoisClientesSeVeemEConversam)
{
    ASSERT_TRUE(Entrar("Soldado", "velmor"));
    auto filho = IniciarFilho("conversa", servidor);
    ASSERT_TRUE(EsperarAte([] { return NaListaDeJogadores("Cabo"); }, Paciencia));
    Falar("ola cabo, tudo bem?");
    EXPECT_TRUE(EsperarAte([] { return NoChat("Cabo", "oi soldado"); }, Paciencia));
    EXPECT_TRUE(Terminou(*filho));
    EXPECT_TRUE(EsperarAte([] { return !NaListaDeJogadores("Cabo"); }, Paciencia)); // it left
}

TEST_F(PontaAPonta, SenhaErradaMostraOMotivo)
{
    EXPECT_FALSE(Entrar("Soldado", "errada"));
    EXPECT_TRUE(FrLogin->Status->text().startsWith("Falha no login:")) << FrLogin->Status->text().toStdString();
    EXPECT_GT(FrLogin->Status->text().size(), QString("Falha no login:").size());
    EXPECT_TRUE(FrLogin->LgUsuario->isEnabled());
}

TEST_F(PontaAPonta, SegundoLoginDerrubaOPrimeiro)
{
    ASSERT_TRUE(Entrar("Soldado", "velmor"));
    auto filho = IniciarFilho("mesma-conta", servidor);
    const QString aviso = QString::fromUtf8("Esta instância foi desconetada por que Você está conectado através de outro local !");
    EXPECT_TRUE(EsperarAte([&] { return Dialogos.Textos().contains(aviso); }, Paciencia));
    EXPECT_TRUE(TerminoPedido());
    EXPECT_TRUE(Terminou(*filho));
}

TEST_F(PontaAPonta, StaffExpulsaUmJogador)
{
    ASSERT_TRUE(Entrar("Vigia", "velmor"));
    ASSERT_NE(FrChat->MainMenu1, nullptr);
    auto filho = IniciarFilho("expulso", servidor);
    ASSERT_TRUE(EsperarAte([] { return NaListaDeJogadores("Cabo"); }, Paciencia));
    FrChat->Edit2->setText("Cabo");
    FrChat->Edit1->setText("teste de expulsao");
    FrChat->MainMenu1->findChild<QAction*>("Kikar1")->trigger();
    EXPECT_TRUE(Terminou(*filho));
    EXPECT_TRUE(EsperarAte([] { return !NaListaDeJogadores("Cabo"); }, Paciencia));
}

// The second client's side of each scenario; it runs only when started by a test above.
using PontaAPontaFilho = TClienteReal;

TEST_F(PontaAPontaFilho, Cenario)
{
    const QString cenario = qEnvironmentVariable("VELMOR_E2E_CENARIO");
    if (cenario.isEmpty())
        GTEST_SKIP() << "started only by the end-to-end tests";
    TPedidoLogin::PortaServidorLogin = std::uint16_t(qEnvironmentVariableIntValue("VELMOR_E2E_PORTA_LOGIN"));
    if (cenario == "conversa") {
        ASSERT_TRUE(Entrar("Cabo", "velmor"));
        ASSERT_TRUE(EsperarAte([] { return NaListaDeJogadores("Soldado"); }, Paciencia));
        ASSERT_TRUE(EsperarAte([] { return NoChat("Soldado", "ola cabo, tudo bem?"); }, Paciencia));
        Falar("oi soldado", "Soldado");
        QTest::qWait(300);
        FrChat->Image10Click(); // "Sair"
        QTest::qWait(300);
    } else if (cenario == "mesma-conta") {
        ASSERT_TRUE(Entrar("Soldado", "velmor"));
    } else if (cenario == "expulso") {
        ASSERT_TRUE(Entrar("Cabo", "velmor"));
        ASSERT_TRUE(EsperarAte([] { return TerminoPedido(); }, Paciencia));
    }
}
