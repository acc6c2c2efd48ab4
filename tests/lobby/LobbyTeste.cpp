// The lobby window: chat input, emotes, players and games lists, game requests, toolbar, staff menu.
#include "apoio/Ambiente.h"

#include "app/Aplicacao.h"
#include "app/Janelas.h"
#include "app/Navegador.h"
#include "app/Sessao.h"
#include "community/Login.h"
#include "community/Perfil.h"
#include "game/EstadoJogo.h"
#include "lobby/ChatMetal.h"
#include "lobby/ChatView.h"
#include "lobby/ComandosModeracao.h"

#include <QAction>
#include <QTest>

namespace {

class Lobby : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        DefinirRegistroNavegador(&Paginas);
        CriarJanelas();
        FrLogin->LgUsuario->setText("Ana");
    }
    void TearDown() override
    {
        DefinirRegistroNavegador(nullptr);
        TAmbiente::TearDown();
    }
    /// The texts and picture indexes of the chat's last line.
    QStringList UltimaLinha() const
    {
        QStringList partes;
        for (const TTrechoChat& t : FrChat->Chat->Linhas().back())
            partes << (t.Imagens ? QStringLiteral("[%1]").arg(t.Indice) : t.Texto);
        return partes;
    }
    void Digitar(const QString& texto)
    {
        FrChat->Edit1->setText(texto);
        FrChat->Edit1Enter();
    }

    QStringList Paginas;
};

} // namespace

TEST_F(Lobby, RegrasDaEntradaDoChat)
{
    struct Caso { const char* entrada; const char* privativo; bool moderador; const char* enviada; };
    const Caso casos[] = {
        {"   ", "", false, nullptr},
        {"ola, tudo bem?", "", false, "00000000EnvMsg ola, tudo bem?"},
        {" com brancos ", "", false, "00000000EnvMsg  com brancos "},
        {"psiu, ei", "Bia", false, "00000000MsgPri Bia,psiu, ei"},
        {"#comentario", "", false, nullptr},
        {"$KickUs Ze,x", "", false, nullptr},
        {"$KickUs Ze,x", "", true, "00000000KickUs Ze,x"},
        {"!Recado para todos", "", false, "00000000Recado para todos"},
        {"!recado para todos", "", false, nullptr},
        {"!Outro", "", false, nullptr},
    };
    for (const Caso& c : casos) {
        Enviadas.clear();
        Sessao.SeqEnvio = 0;
        Sessao.Moderador = c.moderador;
        FrChat->Edit2->setText(c.privativo);
        Digitar(QString::fromUtf8(c.entrada));
        EXPECT_EQ(Enviadas, c.enviada ? QStringList{c.enviada} : QStringList{}) << c.entrada;
        EXPECT_TRUE(FrChat->Edit1->text().isEmpty()) << c.entrada;
    }
}

TEST_F(Lobby, EntradaMinusculaAteOStaffLiberar)
{
    FrChat->Edit1->clear();
    QTest::keyClicks(FrChat->Edit1, "Oi Todos");
    EXPECT_EQ(FrChat->Edit1->text(), "oi todos");
    FrChat->AjustarMenus(5);
    FrChat->Edit1->clear();
    QTest::keyClicks(FrChat->Edit1, "Oi Todos");
    EXPECT_EQ(FrChat->Edit1->text(), "Oi Todos");
}

TEST_F(Lobby, EmotesNoTexto)
{
    struct Caso { const char* texto; QStringList partes; };
    const Caso casos[] = {
        {"oi :001 e :040!", {"oi ", "[1]", " e ", "[40]", "!"}},
        {":005", {"", "[5]"}},
        {"as 10:30 :002", {"as 10:30 :002"}},
        {"fim :041", {"fim :041"}},
    };
    for (const Caso& c : casos) {
        FrChat->AdicionarMensagem(61, " Ze", 1, 6, QString::fromUtf8(c.texto), 6);
        const QStringList linha = UltimaLinha();
        EXPECT_EQ(linha.mid(0, 4), (QStringList{"[-1]", "[-1]", " Ze", " > "})) << c.texto;
        EXPECT_EQ(linha.mid(4), c.partes) << c.texto;
    }
    FrChat->AdicionarMensagem(7, " Ze", 1, 6, "x", 6);
    EXPECT_EQ(UltimaLinha().first(), "[7]");

    FrChat->Edit1->setText("oi");
    FrChat->cbEmoteSelect(12);
    EXPECT_EQ(FrChat->Edit1->text(), "oi:012");
}

TEST_F(Lobby, ListaDeJogadores)
{
    FrChat->AdicionarJogador("Anabela", "100", "3", 12, 1, false, "");
    FrChat->AdicionarJogador("Bia", "50", "9", 4, 1, false, "");
    EXPECT_EQ(FrChat->PatenteDoJogador("Bia"), 4);
    EXPECT_EQ(FrChat->PatenteDoJogador("Anabel"), 61);
    FrChat->AdicionarJogador("Ana", "10", "20", 2, 1, false, "x"); // prefix of "Anabela": that entry goes
    ASSERT_EQ(FrChat->JogChat->topLevelItemCount(), 2);
    EXPECT_EQ(FrChat->JogChat->topLevelItem(0)->text(0), "Bia");
    const QTreeWidgetItem* ana = FrChat->JogChat->topLevelItem(1);
    EXPECT_EQ(ana->text(0), "Ana");
    EXPECT_EQ(ana->text(1), "10");
    EXPECT_EQ(ana->text(2), QString::fromUtf8("20°"));
    EXPECT_EQ(ana->text(3), "x");
    FrChat->RemoverJogador("Zeca");
    FrChat->RemoverJogador("");
    EXPECT_EQ(FrChat->JogChat->topLevelItemCount(), 2);
    FrChat->JogChatDblClick(FrChat->JogChat->topLevelItem(0));
    EXPECT_EQ(FrChat->Edit2->text(), "Bia");
}

TEST_F(Lobby, ListaDeJogosSubstituiOuAcrescenta)
{
    FrChat->AdicionarJogo("31Brasil              ");
    FrChat->AdicionarJogo("22Chile               ");
    FrChat->AdicionarJogo("51Brasil              ");
    ASSERT_EQ(FrChat->ListaJogos->count(), 2);
    EXPECT_EQ(FrChat->ListaJogos->item(0)->text(), "51Brasil              ");
    FrChat->RemoverJogo("Peru                ");
    EXPECT_EQ(FrChat->ListaJogos->count(), 2);
    FrChat->RemoverJogo("Brasil              ");
    ASSERT_EQ(FrChat->ListaJogos->count(), 1);
    FrChat->ListaJogosDblClick(FrChat->ListaJogos->item(0));
    EXPECT_EQ(FrChat->NomeJogo->currentText(), "Chile");
}

TEST_F(Lobby, PedidosDeJogo)
{
    FrChat->CriarJogo();
    EXPECT_EQ(FrChat->Status->text(), "Digite um nome para este jogo");
    FrChat->EntrarJogo();
    EXPECT_EQ(FrChat->Status->text(), "Digite o Nome do Jogo");
    EXPECT_TRUE(Enviadas.isEmpty());

    FrChat->NomeJogo->setCurrentText("Brasil");
    Sessao.Observador = true;
    FrChat->CriarJogo();
    EXPECT_FALSE(Sessao.Observador);
    EXPECT_EQ(FrChat->Status->text(), QString::fromUtf8(" Solicitação enviada ao servidor ..."));
    FrChat->SenhaJogo->setText("ab1");
    FrChat->EntrarJogo();
    FrChat->ReentrarJogo();
    EstadoJogo.MinhaCor = 3;
    FrChat->AssistirJogo();
    EXPECT_TRUE(Sessao.Observador);
    EXPECT_EQ(EstadoJogo.MinhaCor, 0);
    EXPECT_EQ(Enviadas, (QStringList{"00000000CriJog Ana,Brasil,SemSenha", "00000001LogJog Brasil,ab1",
                            "00000002ReeJog Brasil,ab1,Ana", "00000003EntSal Brasil,ab1,Ana"}));
}

TEST_F(Lobby, BarraDeFerramentas)
{
    Sessao.EnderecoServidor = "10.1.1.1";
    for (const char* botao : {"Image15", "Image6", "Image9", "Image11"})
        emit FrChat->Botoes[botao]->Clique();
    EXPECT_EQ(Paginas, (QStringList{"http://10.1.1.1/janela/tutorial", "http://10.1.1.1/janela/patentes",
                           "http://10.1.1.1/forum", "http://10.1.1.1/janela/regras"}));
    emit FrChat->Botoes["Image14"]->Clique();
    EXPECT_TRUE(frPerfil->isVisible());
    emit FrChat->Botoes["Image4"]->Clique();
    EXPECT_NE(FrRanking, nullptr);
    emit FrChat->Botoes["imChamaStaff"]->Clique();
    EXPECT_EQ(Enviadas, (QStringList{"00000000Rankin", "00000001ChaSup Chat"}));
}

TEST_F(Lobby, SairFechaTudo)
{
    FrChat->show();
    Enviadas.clear();
    FrChat->Image10Click();
    EXPECT_TRUE(Sessao.SaidaSolicitada);
    EXPECT_EQ(Enviadas, QStringList{"00000001SaiCha"});
    EXPECT_FALSE(FrChat->isVisible());
    EXPECT_TRUE(TerminoPedido());
}

TEST_F(Lobby, FecharPeloSistemaEComoSair)
{
    FrChat->show();
    Enviadas.clear();
    FrChat->close();
    EXPECT_EQ(Enviadas, QStringList{"00000001SaiCha"});
    EXPECT_TRUE(TerminoPedido());
}

TEST_F(Lobby, MostrarPedeJogosETimerSoComJanelaAtiva)
{
    FrChat->AdicionarJogo("11Chile               ");
    FrChat->show();
    EXPECT_EQ(Enviadas, QStringList{"00000000JogAnd"});
    EXPECT_EQ(FrChat->ListaJogos->count(), 0);
    EXPECT_EQ(FrChat->windowTitle(), "Velmor v2.0");
    EXPECT_EQ(FrChat->Status->text(), QString::fromUtf8("Aguardando Solicitação"));
    FrChat->activateWindow();
    if (QTest::qWaitForWindowActive(FrChat)) {
        FrChat->AdicionarJogador("Bia", "1", "1", 1, 1, false, "");
        FrChat->Timer1Timer();
        EXPECT_EQ(FrChat->JogChat->topLevelItemCount(), 0);
        EXPECT_EQ(Enviadas.mid(1), (QStringList{"00000001VolCha Ana", "00000002JogAnd"}));
    }
    FrChat->hide();
    Enviadas.clear();
    FrChat->Timer1Timer();
    EXPECT_TRUE(Enviadas.isEmpty());
}

TEST_F(Lobby, MenuDoStaff)
{
    FrChat->AjustarMenus(1);
    EXPECT_EQ(FrChat->MainMenu1, nullptr);
    EXPECT_EQ(FrChat->AreaCliente(), QSize(1010, 702));
    DestruirJanelas();
    CriarJanelas();
    FrChat->AjustarMenus(5);
    ASSERT_NE(FrChat->MainMenu1, nullptr);
    ASSERT_NE(FrChat->RemoverMembro2, nullptr);
    EXPECT_FALSE(FrChat->RemoverMembro2->isVisible());
    QStringList titulos;
    for (QAction* a : FrChat->MainMenu1->actions())
        titulos << a->text();
    EXPECT_EQ(titulos, (QStringList{"Cadastros", QString::fromUtf8("Punições"), "Server", "Atitude Drastica", "Advertencias"}));
    for (int tipo : {0, 3, 13})
        EXPECT_FALSE((FrChat->AjustarMenus(tipo), FrChat->Image1->isVisible())) << tipo;
    for (int tipo : {1, 2, 4, 12})
        EXPECT_TRUE((FrChat->AjustarMenus(tipo), FrChat->Image12->isVisibleTo(FrChat))) << tipo;
}

TEST(Moderacao, MensagensDeCadaItem)
{
    const TEntradaModeracao e{"Ze", "motivo", "Brasil"};
    const TEntradaModeracao vazio{"Ze", "", ""};
    struct Caso { const char* item; TEntradaModeracao entrada; QStringList mensagens; };
    const Caso casos[] = {
        {"BemVindo1", e, {"MsgPri Ze,Ze" + AvisoModeracao(0)}},
        {"NovoMembro1", e, {"TipUsu Ze,1motivo"}},
        {"Avisos1", e, {"MsgPri Ze,Ze" + AvisoModeracao(1)}},
        {"Relogar1", e, {"MsgPri Ze,Ze Por favor relogue saindo e entrando novamente no jogo."}},
        {"Kikar1", e, {"EnvMsg kikou o jogador Ze", "KickUs Ze,motivo"}},
        {"Nivel124h1", e, {"TipUsu Ze,3motivo,1440"}},
        {"Nvel248h1", vazio, {"TipUsu Ze,3,2880"}},
        {"Nvel372h1", e, {"TipUsu Ze,3motivo,4320"}},
        {"Despunir1", e, {"TipUsu Ze,1"}},
        {"DespunirMulher1", e, {"TipUsu Ze,2"}},
        {"Logados1", e, {"Logado"}},
        {"FreeOn1", e, {"LibFre "}},
        {"FreeOff1", e, {"BloFre "}},
        {"RemoverMembro1", e, {"EnvMsg Baniu o usuario Ze - 30 dias", "BanUsu Ze,30"}},
        {"Banir24Horas1", e, {"EnvMsg Baniu o usuario Ze - 24 horas", "BanUsu Ze,1"}},
        {"Banir48Horas1", e, {"EnvMsg Baniu o usuario Ze - 48 horas", "BanUsu Ze,2"}},
        {"Banir72Horas1", e, {"EnvMsg Baniu o usuario Ze - 72 horas", "BanUsu Ze,3"}},
        {"Banir96Horas1", e, {"EnvMsg Baniu o usuario Ze - 96 horas", "BanUsu Ze,4"}},
        {"Desbanir1", e, {"LibUsu Ze,motivo"}},
        {"RemoverMembro2", e, {"EnvMsg Eliminou o jogador Ze", "KickUs Ze", "RetUsu Ze"}},
        {"FecharSaladeJogo1", e, {"EnvMsg Fechou a Sala Brasil", "FecJog Brasil"}},
        {"FecharSaladeJogo1", vazio, {}},
        {"Chat1", e, {QString::fromUtf8("MsgPri Ze,Ze Atenção não é permitido palavrões Flood e uso de Caps Lock no chat.")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(MensagensModeracao(c.item, c.entrada), c.mensagens) << c.item;
    EXPECT_EQ(ComandosModeracao().size(), 22u);
}

TEST_F(Lobby, ItemDoMenuEnviaComOsCamposDaJanela)
{
    FrChat->AjustarMenus(6);
    FrChat->Edit2->setText("Ze");
    FrChat->Edit1->setText("flood");
    FrChat->MainMenu1->findChild<QAction*>("Kikar1")->trigger();
    FrChat->MainMenu1->findChild<QAction*>("FecharSaladeJogo1")->trigger(); // no game chosen
    EXPECT_EQ(Enviadas, (QStringList{"00000000EnvMsg kikou o jogador Ze", "00000001KickUs Ze,flood"}));
}
