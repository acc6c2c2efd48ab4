// Numbered and direct sends, the send history, retransmission and the dump.
#include "apoio/Ambiente.h"

#include "app/Envio.h"
#include "app/Sessao.h"
#include "app/Texto.h"

#include <QFile>

namespace {

class Envio : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        CriarJanelas(); // sends pass through the login window's EnviarTexto
    }
};

} // namespace

TEST_F(Envio, NumeradaLevaTokenENumeroEVoltaAZeroDepoisDe9999)
{
    Sessao.TokenSessao = "AB12";
    EnviarNumerada("InfAti AB12");
    EXPECT_EQ(Enviadas.value(0), "AB120000InfAti AB12");
    Sessao.SeqEnvio = 9999;
    EnviarNumerada("X");
    EnviarNumerada("Y");
    EXPECT_EQ(Enviadas.value(1), "AB129999X");
    EXPECT_EQ(Enviadas.value(2), "AB120000Y");
    EXPECT_EQ(Sessao.Historico(TamanhoHistorico), "0000Y");
    EXPECT_EQ(Sessao.Historico(TamanhoHistorico - 1), "9999X");
}

TEST_F(Envio, DiretaNaoNumeraNemGuarda)
{
    EnviarDireta("SrvSel .1");
    EXPECT_EQ(Enviadas, QStringList{"0000SrvSel .1"});
    EXPECT_EQ(Sessao.SeqEnvio, 0);
    EXPECT_TRUE(Sessao.Historico(TamanhoHistorico).isEmpty());
}

TEST_F(Envio, MensagemSegueOModoDoCatalogo)
{
    EnviarMensagem("LogSer", {"nick", "senha", "5.5", "", "", ""});
    EnviarMensagem("BlkLis", {"L"});
    EnviarMensagem("UsuDat");
    EnviarMensagem("LibFre", {""});
    EXPECT_EQ(Enviadas, (QStringList{"0000LogSer nick,senha,5.5,,,", "00000000BlkLis L", "00000001UsuDat", "00000002LibFre "}));
}

TEST_F(Envio, HistoricoGuardaOsUltimos300)
{
    for (int i = 0; i < 301; ++i)
        EnviarNumerada("M" + QString::number(i));
    EXPECT_EQ(Sessao.Historico(1), "0001M1");
    EXPECT_EQ(Sessao.Historico(300), "0300M300");
    Enviadas.clear();
    ReenviarDesde("0000"); // pushed out: the dump
    EXPECT_TRUE(Enviadas.isEmpty());
    EXPECT_TRUE(QFile::exists("DUMP.TXT"));
}

TEST_F(Envio, ReenviaOQueVeioDepoisDoNumeroPedido)
{
    Sessao.SeqEnvio = 40;
    for (int i = 0; i < 291; ++i) // entries 10..300 are 0040..0330
        EnviarNumerada("T" + QString::number(i));
    Enviadas.clear();
    ReenviarDesde("0042");
    ASSERT_EQ(Enviadas.size(), 330 - 42);
    EXPECT_EQ(Enviadas.first(), "00000043T3");
    EXPECT_EQ(Enviadas.last(), "00000330T290");
    EXPECT_EQ(Sessao.SeqEnvio, 331); // resending numbers nothing
    EXPECT_FALSE(QFile::exists("DUMP.TXT"));

    Enviadas.clear();
    ReenviarDesde("0330"); // the newest: found, nothing to send, no dump
    EXPECT_TRUE(Enviadas.isEmpty());
    EXPECT_FALSE(QFile::exists("DUMP.TXT"));
    EXPECT_TRUE(Dialogos.Mostrados.empty());
}

TEST_F(Envio, NumeroPresenteDuasVezesReenviaAsDuasCaudas)
{
    EnviarNumerada("A"); // 0000A
    EnviarNumerada("B"); // 0001B
    Sessao.NovaTentativaLogin();
    EnviarNumerada("C"); // 0000C
    EnviarNumerada("D"); // 0001D
    Enviadas.clear();
    ReenviarDesde("0000");
    EXPECT_EQ(Enviadas, (QStringList{"00000001B", "00000000C", "00000001D", "00000001D"}));
}

TEST_F(Envio, DumpEscritoUmaVezAvisoSempre)
{
    EnviarNumerada("Primeira");
    ReenviarDesde("0077");
    const QString dump = LerArquivo("DUMP.TXT");
    const QStringList linhas = dump.split("\r\n");
    ASSERT_EQ(linhas.size(), 302); // 301 lines and the final line end
    EXPECT_EQ(linhas[0], "Mensagem Solicitada 0077");
    EXPECT_EQ(linhas[1], "01 - ");
    EXPECT_EQ(linhas[99], "99 - ");
    EXPECT_EQ(linhas[100], "100 - ");
    EXPECT_EQ(linhas[300], "300 - 0000Primeira");

    ReenviarDesde("0078");
    EXPECT_EQ(LerArquivo("DUMP.TXT"), dump);
    const QString aviso = "Erro de RTX Detectado - Envie DUMP.txt para o Administrador do Jogo";
    EXPECT_EQ(Dialogos.Textos(), (QStringList{aviso, aviso}));
    EXPECT_FALSE(QFile::exists("Trace.txt"));
}
