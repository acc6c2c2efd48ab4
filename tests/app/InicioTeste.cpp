// Start-up: the shortcut guard, admin mode, the windows, the error handler and the logs.
#include "apoio/Ambiente.h"

#include "app/Aplicacao.h"
#include "app/Erros.h"
#include "app/Janelas.h"
#include "app/Registro.h"
#include "app/Sessao.h"
#include "community/Amigos.h"
#include "community/BlackList.h"
#include "community/Gradua.h"
#include "community/Lideres.h"
#include "community/Login.h"
#include "community/Missao.h"
#include "community/NovaConta.h"
#include "community/Perfil.h"
#include "community/Printar.h"
#include "community/Ranking.h"
#include "community/Regras.h"
#include "game/FimDeJogo.h"
#include "game/Mapa.h"
#include "game/Prepara.h"
#include "game/Troca.h"
#include "lobby/ChatMetal.h"
#include "game/EstadoJogo.h"
#include "media/Som.h"

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

using Inicio = TAmbiente;

TEST_F(Inicio, SemOAtalhoMostraOAvisoEEncerra)
{
    const QStringList sem[] = {{"velmor"}, {"velmor", "_DQTEKP"}, {"velmor", "-IP:1.2.3.4", "_dqtekp"}};
    for (const QStringList& argumentos : sem) {
        EsquecerTermino();
        Dialogos.Mostrados.clear();
        CriarJanelas(argumentos);
        EXPECT_EQ(Dialogos.Textos(), QStringList{"Abra o jogo pelo atalho do Velmor"}) << argumentos.join(' ').toStdString();
        EXPECT_EQ(Dialogos.Mostrados.front().Tipo, "informacao");
        EXPECT_TRUE(TerminoPedido());
        EXPECT_NE(FrRanking2, nullptr); // the other windows are still created
        DestruirJanelas();
    }
    EsquecerTermino();
    Dialogos.Mostrados.clear();
    CriarJanelas({"velmor", "_dqtekp", "-PORT:abc"});
    EXPECT_TRUE(Dialogos.Mostrados.empty());
    EXPECT_FALSE(TerminoPedido());
}

TEST_F(Inicio, ValoresDeCriacaoEModoAdmin)
{
    Sessao.EnderecoServidor = "192.0.2.7";
    Sessao.TokenSessao = "ZZZZ";
    Sessao.HistoricoEnvio[5] = "lixo";
    CriarJanelas();
    EXPECT_EQ(FrLogin->windowTitle(), "Velmor v2.0");
    EXPECT_EQ(Sessao.TokenSessao, "0000");
    EXPECT_TRUE(Sessao.Historico(6).isEmpty());
    EXPECT_EQ(Sessao.PaisLiderado, "0");
    EXPECT_EQ(EstadoJogo.NumeroObjetivo, "00");
    EXPECT_FALSE(Sessao.ModoAdmin);
    EXPECT_EQ(ServidorPadrao(), "192.0.2.7");
    DestruirJanelas();

    QFile adm("Versao.ADM");
    ASSERT_TRUE(adm.open(QIODevice::WriteOnly));
    adm.close();
    CriarJanelas();
    EXPECT_TRUE(Sessao.ModoAdmin);
    EXPECT_EQ(ServidorPadrao(), EnderecoAdministradores());
}

TEST_F(Inicio, DezoitoJanelasComNomeTituloETamanho)
{
    CriarJanelas();
    struct Caso { TFormulario* janela; const char* classe; const char* titulo; int largura; int altura; };
    const Caso casos[] = {
        {static_cast<TFormulario*>(FrLogin), "TFrLogin", "Velmor v2.0", 640, 480},
        {static_cast<TFormulario*>(FrPrepara), "TFrPrepara", "Velmor", 700, 485},
        {static_cast<TFormulario*>(FrMapa), "TFrMapa", "Velmor - Jogo - v2.0", 1011, 700},
        {static_cast<TFormulario*>(FrTroca), "TFrTroca", "Cartas para Troca", 418, 361},
        {static_cast<TFormulario*>(FrEliminado), "TFrEliminado", "Exército Eliminado", 198, 240},
        {static_cast<TFormulario*>(FrVitoria), "TFrVitoria", "Fim de Partida", 582, 270},
        {static_cast<TFormulario*>(FrChat), "TFrChat", "Ziderad Ovarize", 1010, 702},
        {static_cast<TFormulario*>(frAmigos), "TfrAmigos", "Lista de Amigos", 640, 480},
        {static_cast<TFormulario*>(FrGradua), "TFrGradua", "Pontos e Patentes", 732, 764},
        {static_cast<TFormulario*>(FRRegvelmor), "TFRRegvelmor", "FRRegvelmor", 798, 575},
        {static_cast<TFormulario*>(FrPrintar), "TFrPrintar", "Tira Print", 174, 46},
        {static_cast<TFormulario*>(frMissao), "TfrMissao", "Velmor Missões", 640, 480},
        {static_cast<TFormulario*>(frPerfil), "TfrPerfil", "Seu Perfil no Velmor", 640, 480},
        {static_cast<TFormulario*>(frLiderDetalhe), "TfrLiderDetalhe", "Lideres - Detalhamento", 640, 480},
        {static_cast<TFormulario*>(frNovaConta), "TfrNovaConta", "Criando Nova Conta", 640, 480},
        {static_cast<TFormulario*>(frLiderEntrada), "TfrLiderEntrada", "Lideres - Distribuição Mundial", 640, 480},
        {static_cast<TFormulario*>(frBlackList), "TfrBlackList", "Lista Negra", 640, 480},
        {static_cast<TFormulario*>(FrRanking2), "TFrRanking2", "Ranking Duelos", 640, 480},
    };
    for (const Caso& c : casos) {
        ASSERT_NE(c.janela, nullptr) << c.classe;
        EXPECT_EQ(c.janela->objectName(), c.classe);
        EXPECT_EQ(c.janela->windowTitle(), QString::fromUtf8(c.titulo)) << c.classe;
        EXPECT_EQ(c.janela->AreaCliente(), QSize(c.largura, c.altura)) << c.classe;
        EXPECT_TRUE(c.janela->isWindow()) << c.classe;
    }
    EXPECT_EQ(FrRanking, nullptr);
    EXPECT_EQ(ObterFrRanking(), ObterFrRanking());
}

TEST_F(Inicio, SemSaidaDeAudioACaixaSemSomFicaMarcadaEDesligada)
{
    CriarJanelas();
    const bool semAudio = !HaSaidaDeAudio();
    EXPECT_EQ(FrLogin->cbSemSom->isChecked(), semAudio);
    EXPECT_EQ(FrLogin->cbSemSom->isEnabled(), !semAudio);
    EXPECT_EQ(Sessao.SemSom, semAudio);
}

TEST_F(Inicio, ErroQueEscapaDeUmEventoVaiParaOLogEParaODialogo)
{
    CriarJanelas();
    QTimer::singleShot(0, FrLogin, [] { throw EErroConversao("'x' não é um valor inteiro válido"); });
    EXPECT_TRUE(EsperarAte([&] { return !Dialogos.Mostrados.empty(); }));
    EXPECT_EQ(Dialogos.Mostrados.front().Tipo, "erro");
    EXPECT_EQ(Dialogos.Mostrados.front().Texto, "'x' não é um valor inteiro válido");
    const QString log = LerArquivo("Erros.txt");
    EXPECT_TRUE(log.contains("EErroConversao: 'x' não é um valor inteiro válido\r\n  0x")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("\r\n"));
    EXPECT_FALSE(QFile::exists("Trace.txt"));
}

TEST_F(Inicio, LogQueNaoPodeSerEscritoNaoDerrubaNada)
{
    QDir().mkdir("Erros.txt"); // a folder where the file should be
    RegistrarLinha("Erros", "qualquer coisa");
    EXPECT_TRUE(QFileInfo("Erros.txt").isDir());
    RegistrarLinha("Outro", "linha um");
    RegistrarLinha("Outro", "linha dois");
    const QStringList linhas = LerArquivo("Outro.txt").split("\r\n");
    ASSERT_EQ(linhas.size(), 3);
    EXPECT_TRUE(linhas[0].endsWith(" linha um"));
    EXPECT_TRUE(linhas[1].endsWith(" linha dois"));
}
