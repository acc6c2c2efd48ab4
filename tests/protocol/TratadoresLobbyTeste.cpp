// Handlers of the lobby and preparation-room messages.
#include "apoio/Ambiente.h"

#include "app/Janelas.h"
#include "app/Sessao.h"
#include "community/BlackList.h"
#include "community/Login.h"
#include "community/Perfil.h"
#include "game/EstadoJogo.h"
#include "game/Mapa.h"
#include "game/Prepara.h"
#include "lobby/ChatMetal.h"
#include "lobby/ChatView.h"
#include "protocol/Catalogo.h"
#include "protocol/Despacho.h"

#include <QAction>

namespace {

class TratadoresLobby : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        CriarJanelas();
        FrLogin->LgUsuario->setText("Ana");
        FrChat->AjustarMenus(5); // keep the staff menu so "Remover Membro" can be checked
        Sessao.TipoUsuario = 0;
    }
    void Receber(const QString& texto) { FrLogin->MensagemRecebida(texto, texto.toLatin1()); }
    QString UltimoTexto() const
    {
        const auto& linhas = FrChat->Chat->Linhas();
        QString texto;
        if (!linhas.empty())
            for (const TTrechoChat& t : linhas.back())
                texto += t.Imagens ? QStringLiteral("[%1]").arg(t.Indice) : t.Texto + QStringLiteral("{%1}").arg(t.Estilo);
        return texto;
    }
};

} // namespace

TEST_F(TratadoresLobby, TodoCodigoDoLobbyEDaSalaTemTratador)
{
    for (const TCodigoEntrada& c : CodigosEntrada())
        if (c.Familia == TFamilia::Lobby || c.Familia == TFamilia::Sala) {
            EXPECT_TRUE(TemTratador(c.Codigo)) << c.Codigo;
        }
}

TEST_F(TratadoresLobby, LisJogDoProprioJogador)
{
    struct Caso { const char* vitorias; const char* partidas; const char* percentual; };
    const Caso casos[] = {{"2", "3", "67"}, {"1", "8", "12"}, {"3", "8", "38"}, {"5", "0", "0"}, {"x", "4", "0"}};
    for (const Caso& c : casos) {
        Receber(QStringLiteral("LisJog 12,4,ANA,1500,%1,2,7,%2,VIP").arg(c.partidas, c.vitorias));
        EXPECT_EQ(frPerfil->lbPercentual->text(), c.percentual) << c.vitorias << "/" << c.partidas;
    }
    EXPECT_EQ(frPerfil->lbPontos->text(), "1500");
    EXPECT_EQ(frPerfil->lbAbandonos->text(), "2");
    EXPECT_EQ(frPerfil->lbRanking->text(), "7");
    EXPECT_EQ(Sessao.TipoUsuario, 4);
    EXPECT_EQ(Sessao.MultiplicadorPontos, 2);
    EXPECT_FALSE(Sessao.Moderador);
    EXPECT_EQ(FrChat->lbBemVindo->text(), QString::fromUtf8("Bem Vindo ao Velmor Ana, é muito bom ver você aqui novamente."));
    ASSERT_EQ(FrChat->JogChat->topLevelItemCount(), 1);
    EXPECT_EQ(FrChat->PatenteDoJogador("ANA"), 12);
}

TEST_F(TratadoresLobby, MultiplicadorEModeradorSoSobem)
{
    struct Caso { int tipo; int multiplicador; bool moderador; };
    const Caso casos[] = {{7, 2, false}, {10, 2, false}, {1, 2, false}, {6, 2, true}, {1, 2, true}};
    for (const Caso& c : casos) {
        Receber(QStringLiteral("LisJog 1,%1,Ana,0,0,0,0,0,").arg(c.tipo));
        EXPECT_EQ(Sessao.MultiplicadorPontos, c.multiplicador) << c.tipo;
        EXPECT_EQ(Sessao.Moderador, c.moderador) << c.tipo;
    }
}

TEST_F(TratadoresLobby, RemoverMembroApareceComTipo679)
{
    Receber("LisJog 1,1,Bia,0,0,0,0,0,");
    EXPECT_FALSE(FrChat->RemoverMembro2->isVisible());
    Receber("LisJog 1,7,Ze,0,0,0,0,0,");
    EXPECT_TRUE(FrChat->RemoverMembro2->isVisible());
    Receber("LisJog x,1,Ze,0,0,0,0,0,"); // malformed: nothing changes
    EXPECT_EQ(FrChat->JogChat->topLevelItemCount(), 2);
    Receber("SaiJog Ze");
    EXPECT_EQ(FrChat->JogChat->topLevelItemCount(), 1);
}

TEST_F(TratadoresLobby, ChatDoLobby)
{
    Sessao.NoLobby = true;
    FrChat->show();
    Receber("LisJog 9,1,Bia,0,0,0,0,0,");
    Receber("EnvMsg Bia,ola, gente");
    EXPECT_EQ(UltimoTexto(), "[9][-1] Bia{1} > {6}ola, gente{6}");
    Receber("EnvMsg Ana,eu");
    EXPECT_EQ(UltimoTexto(), "[-1][-1] Ana{1} > {6}eu{9}");
    FrLogin->LgUsuario->setText("Velmor");
    Receber("EnvMsg Velmor,aviso");
    EXPECT_EQ(UltimoTexto(), "[-1][-1] Velmor{2} > {8}aviso{8}");
    Receber("MsgPri Bia,ignorado,segredo,resto");
    EXPECT_EQ(UltimoTexto(), "[9][-1] Bia{1} > {7}segredo{7}");
    Receber("SrvMsg " + QString(120, 'n'));
    EXPECT_EQ(UltimoTexto(), "[-1][-1] Velmor{2} > {8}" + QString(110, 'n') + "{8}");
    const auto linhas = FrChat->Chat->Linhas().size();
    Sessao.NoLobby = false;
    Receber("EnvMsg Bia,fora do lobby");
    EXPECT_EQ(FrChat->Chat->Linhas().size(), linhas);
}

TEST_F(TratadoresLobby, JogosERecusas)
{
    Receber("JogAnd 31Brasil              xyz");
    Receber("JogAnd 41Brasil              ");
    ASSERT_EQ(FrChat->ListaJogos->count(), 1);
    EXPECT_EQ(FrChat->ListaJogos->item(0)->text(), "41Brasil              ");
    Receber("RetJog Chile               ");
    EXPECT_EQ(FrChat->ListaJogos->count(), 1);
    Receber("RetJog Brasil              ");
    EXPECT_EQ(FrChat->ListaJogos->count(), 0);
    const struct { const char* codigo; const char* status; } recusas[] = {
        {"JogFal", "Jogo já existe. Escolha outro nome."}, {"EntFal", "Não foi possível entrar no jogo !"},
        {"ReeFal", "Não foi possível reentrar no jogo !"}, {"JogNpr", "Aguarde, jogo ainda não iniciado..."},
    };
    for (const auto& r : recusas) {
        Receber(r.codigo);
        EXPECT_EQ(FrChat->Status->text(), QString::fromUtf8(r.status));
    }
}

TEST_F(TratadoresLobby, JogCriLevaASala)
{
    Sessao.TokenSessao = "TK01";
    FrChat->show();
    Enviadas.clear();
    Receber("JogCri G042,Brasil,Ana");
    EXPECT_EQ(EstadoJogo.JogoAtual, "G042");
    EXPECT_EQ(Enviadas, (QStringList{"TK010001SaiCha", "TK010002JogEnt Ana,G042"}));
    EXPECT_FALSE(FrChat->isVisible());
    EXPECT_TRUE(Sessao.NaPreparacao);
    EXPECT_TRUE(EstadoJogo.SouCriador);
    EXPECT_TRUE(FrPrepara->isVisible());
    EXPECT_EQ(FrPrepara->windowTitle(), "Velmor - Preparando Jogo Brasil");
    Receber("JogCri G043,Chile,ana");
    EXPECT_FALSE(EstadoJogo.SouCriador);
}

TEST_F(TratadoresLobby, TextoListaNegra)
{
    frBlackList->lbInimigos->addItem("ZeCa");
    struct Caso { const char* contagem; const char* nick; const char* texto; };
    const Caso casos[] = {
        {"3", "zeca", "Na sua Lista Negra e +2"}, {"1", "ZECA", "Na sua Lista Negra"},
        {"2", "Bia", "Em outras 2 Lista(s)"}, {"0", "ZeCa", ""}, {"", "ZeCa", ""},
        {"x", "ZeCa", "Na sua Lista Negra e +0"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TextoListaNegra(c.contagem, c.nick), QString::fromUtf8(c.texto)) << c.contagem << c.nick;
}

TEST_F(TratadoresLobby, LugaresDaSala)
{
    Receber("EntJog 2,Bia,2,Lider do Brasil");
    EXPECT_EQ(FrPrepara->Jogador[1]->text(), "Bia");
    EXPECT_EQ(FrPrepara->Black[1]->text(), "Em outras 2 Lista(s)");
    EXPECT_EQ(FrPrepara->Lider[1]->text(), "Lider do Brasil");
    Receber("EntJog 9,Ze,0,");
    Receber("AtuJog Nome,3,Ze,1,Cap");
    EXPECT_EQ(FrPrepara->Black[2]->text(), "1"); // shown as received
    Receber("AtuJog Outro,4,Ze,1,Cap");
    EXPECT_EQ(FrPrepara->Jogador[3]->text(), "");
    Receber("MovJog 5,Bia,,");
    EXPECT_EQ(FrPrepara->Jogador[1]->text(), "");
    EXPECT_EQ(FrPrepara->Jogador[4]->text(), "Bia");
    Receber("MovJog 0,Bia,,"); // colour 0: only leaves the old seat
    EXPECT_EQ(FrPrepara->Jogador[4]->text(), "");
    EXPECT_EQ(Sons, (QStringList{"Andando", "Andando"}));
}

TEST_F(TratadoresLobby, ChatDaSalaEDaPartida)
{
    Sessao.NaPreparacao = true;
    Sessao.EmPartida = true;
    FrPrepara->show();
    FrMapa->show();
    Receber("MsgJog Bia,oi, tudo");
    EXPECT_EQ(FrPrepara->ChatInGame->toPlainText(), "Bia > oi, tudo");
    EXPECT_EQ(FrMapa->ChatInGame->toPlainText(), "Bia > oi, tudo");
    FrMapa->cbPausaChat->setChecked(true);
    Receber("MsgJog Ze,segura");
    EXPECT_EQ(EstadoJogo.ChatPausado, QStringList{"Ze > segura"});
    EXPECT_EQ(FrMapa->ChatInGame->toPlainText(), "Bia > oi, tudo");
}

TEST_F(TratadoresLobby, SomModoTropaESolJog)
{
    Receber("TocSom G042,3");
    EXPECT_EQ(Sons, QStringList{"Som_03"});
    Receber("GamMod 2");
    EXPECT_TRUE(FrPrepara->Modos[2]->styleSheet().contains("yellow"));
    EXPECT_TRUE(FrPrepara->Modos[0]->styleSheet().contains("white"));
    Receber("GamMod 7");
    for (QLabel* modo : FrPrepara->Modos)
        EXPECT_TRUE(modo->styleSheet().contains("white"));
    QImage(32, 32, QImage::Format_RGB32).save("Imagens/Shape203.bmp");
    Receber("TroTip 2,3");
    EXPECT_EQ(EstadoJogo.TipoTropa[1], "3");
    EXPECT_EQ(FrPrepara->Soldados[1]->Caminho(), "Imagens\\Shape203.bmp");
    Receber("TroTip 8,3");
    EstadoJogo.JogoAtual = "G042";
    Receber("SolJog");
    EXPECT_EQ(Enviadas, QStringList{"00000000SolJog G042"});
    Receber("CodJog G099xx");
    EXPECT_EQ(EstadoJogo.JogoAtual, "G099");
    EXPECT_TRUE(EstadoJogo.Reentrando);
    Receber("EntJog 1,Ana,,");
    EXPECT_FALSE(EstadoJogo.Reentrando);
}
