// The dispatcher's entry steps and the session and account handlers.
#include "apoio/Ambiente.h"

#include "app/Aplicacao.h"
#include "app/Envio.h"
#include "app/Janelas.h"
#include "app/Sessao.h"
#include "community/BlackList.h"
#include "community/Login.h"
#include "community/NovaConta.h"
#include "community/Perfil.h"
#include "game/EstadoJogo.h"
#include "game/Mapa.h"
#include "lobby/ChatMetal.h"
#include "protocol/Catalogo.h"
#include "protocol/Despacho.h"

#include <QFile>
#include <QImage>

namespace {

const QString Falha = QStringLiteral("Falha na Tradução de Mensagens");

class Despacho : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        CriarJanelas();
        FrLogin->Status->setText("antes");
    }
    // As the connection delivers it: through the login window's guarded handler.
    void Receber(const QString& texto) { FrLogin->MensagemRecebida(texto, texto.toLatin1()); }
    QString Status() const { return FrLogin->Status->text(); }
};

} // namespace

TEST_F(Despacho, NumeracaoDeEntrada)
{
    struct Passo { const char* mensagem; const char* enviada; bool falha; int ultima; };
    const Passo passos[] = {
        {"0001SrvSel", nullptr, false, 1},
        {"0002SrvSel", nullptr, false, 2},
        {"0004SrvSel", "0000UltRec 0002", true, 2}, // a gap: ask again from the last accepted
        {"0003SrvSel", nullptr, false, 3},
        {"0003SrvSel", nullptr, true, 3},           // repeated: dropped silently
        {"0001SrvSel", nullptr, true, 3},           // old: dropped silently
        {"0000LogFal x", nullptr, false, 0},         // 0 always resets
        {"0a12SrvSel", nullptr, false, 0},          // malformed: logged, nothing else
        {"InvVer", nullptr, false, 0},              // without a number: no check
    };
    for (const Passo& p : passos) {
        Enviadas.clear();
        FrLogin->Status->setText("antes");
        Receber(p.mensagem);
        EXPECT_EQ(Enviadas, p.enviada ? QStringList{p.enviada} : QStringList{}) << p.mensagem;
        EXPECT_EQ(Status() == Falha, p.falha) << p.mensagem;
        EXPECT_EQ(Sessao.UltimaSeqRecebida, p.ultima) << p.mensagem;
    }
    EXPECT_TRUE(LerArquivo("Erros.txt").contains("0a12SrvSel -> EErroConversao: "));
}

TEST_F(Despacho, CodigosDesconhecidosMostramFalha)
{
    for (const char* mensagem : {"", "Srv", "SRVSEL", "XxxYyy 1,2", "srvSel"}) {
        FrLogin->Status->setText("antes");
        Receber(mensagem);
        EXPECT_EQ(Status(), Falha) << mensagem;
    }
    for (const char* mensagem : {"ConMsg a", "MsgCor", "ReeJog x,y"}) {
        FrLogin->Status->setText("antes");
        Receber(mensagem);
        EXPECT_EQ(Status(), "antes") << mensagem;
    }
}

TEST_F(Despacho, TodoCodigoDeSessaoTemTratador)
{
    for (const TCodigoEntrada& c : CodigosEntrada())
        if (c.Familia == TFamilia::Sessao) {
            EXPECT_TRUE(TemTratador(c.Codigo)) << c.Codigo;
        }
}

TEST_F(Despacho, LogAceEntraNoLobby)
{
    FrLogin->show();
    FrLogin->tmrConexao->DefinirLigado(true);
    frBlackList->lbInimigos->addItem("velho");
    Receber("0000LogAce AB12,ZeDaSilva,M03,17");
    EXPECT_EQ(Sessao.TokenSessao, "AB12");
    EXPECT_EQ(NickProprio(), "ZeDaSilva");
    EXPECT_EQ(Sessao.TokensUsuario, "M03");
    EXPECT_EQ(Sessao.PaisLiderado, "17");
    EXPECT_FALSE(FrLogin->isVisible());
    EXPECT_TRUE(FrChat->isVisible());
    EXPECT_TRUE(Sessao.NoLobby);
    EXPECT_EQ(Sons, QStringList{"Bemvindo"});
    EXPECT_FALSE(FrLogin->tmrConexao->Ligado());
    EXPECT_EQ(frBlackList->lbInimigos->count(), 0);
    EXPECT_EQ(Enviadas, (QStringList{"AB120000JogAnd", "AB120001BlkLis L"})); // the lobby asks for its games
}

TEST_F(Despacho, VereditosNoStatusDoLogin)
{
    struct Caso { const char* mensagem; const char* status; };
    const Caso casos[] = {
        {"ConCri", "Nova Conta Criada Com Sucesso - Clique em Login !"},
        {"ConFal 07xx", "Falha na Criação da Nova Conta - Erro 07"},
        {"InvVer", "Versão Desatualizada - Efetue Novo Download !"},
        {"SrvSel", "Servidor Online"},
        {"LogFal Senha incorreta", "Falha no login:Senha incorreta"},
    };
    for (const Caso& c : casos) {
        Receber(QString::fromUtf8(c.mensagem));
        EXPECT_EQ(Status(), QString::fromUtf8(c.status)) << c.mensagem;
    }
    const QString longa(60, 'r');
    FrLogin->LgUsuario->setEnabled(false);
    Receber("LogFal " + longa);
    EXPECT_EQ(Status(), "Falha no login:" + QString(50, 'r'));
    EXPECT_TRUE(FrLogin->LgUsuario->isEnabled());
}

TEST_F(Despacho, KicadoEDscInsEncerram)
{
    Sessao.TokenSessao = "TK01";
    Receber("Kicado");
    EXPECT_TRUE(Sessao.SaidaSolicitada);
    EXPECT_EQ(Enviadas, QStringList{"TK010000SaiCha"});
    EXPECT_TRUE(TerminoPedido());

    EsquecerTermino();
    Sessao.SaidaSolicitada = false;
    FrLogin->InfAti->DefinirLigado(true);
    Receber("DscIns");
    EXPECT_FALSE(FrLogin->InfAti->Ligado());
    EXPECT_EQ(Dialogos.Textos(), QStringList{"Esta instância foi desconetada por que Você está conectado através de outro local !"});
    EXPECT_TRUE(Sessao.SaidaSolicitada);
    EXPECT_TRUE(TerminoPedido());
}

TEST_F(Despacho, RespostasDoKeepAlive)
{
    QImage(16, 16, QImage::Format_RGB32).save("Imagens/Conexao01.bmp");
    FrLogin->InfAti->Tag = 13;
    Sessao.NoLobby = true;
    Receber("InfAti");
    EXPECT_EQ(FrChat->ProgressBar1->value(), 3);
    EXPECT_TRUE(FrLogin->InfAti->Ligado());

    EstadoJogo.MinhaCor = 4;
    Sessao.EmPartida = true;
    FrLogin->InfAti->Tag = 12;
    Receber("SolRet 2");  // another colour: only its lamp
    EXPECT_EQ(FrMapa->Status[1]->Tag, 1);
    EXPECT_EQ(FrMapa->ProgressBar1->value(), -1);
    Receber("SolRet 4");
    EXPECT_EQ(FrMapa->ProgressBar1->value(), 2);
    Receber("SolRet 9"); // no such colour: nothing, no failure
    EXPECT_NE(Status(), Falha);
}

TEST_F(Despacho, UltMsgReenviaOuGravaODump)
{
    Sessao.TokenSessao = "TK01";
    EnviarNumerada("EnvMsg a");
    EnviarNumerada("EnvMsg b");
    Enviadas.clear();
    Receber("UltMsg 0001");
    EXPECT_TRUE(Enviadas.isEmpty());
    EXPECT_FALSE(QFile::exists("DUMP.TXT"));
    Receber("UltMsg 0000xx");
    EXPECT_EQ(Enviadas, QStringList{"TK010001EnvMsg b"});
    Receber("UltMsg 0555");
    EXPECT_TRUE(QFile::exists("DUMP.TXT"));
    EXPECT_EQ(Dialogos.Mostrados.size(), 1u);
}

TEST_F(Despacho, EstJogEscreveOBemVindo)
{
    FrLogin->LgUsuario->setText("Ana");
    Receber("EstJog 0012   0003");
    EXPECT_EQ(FrChat->lbBemVindo->text(), "Bem Vindo ao Velmor Ana, temos agora 12 jogador(es) online em 3 jogo(s).");
    Receber("EstJog 00x2   0003");
    EXPECT_EQ(FrChat->lbBemVindo->text(), "Bem Vindo ao Velmor Ana, temos agora 12 jogador(es) online em 3 jogo(s).");
    EXPECT_TRUE(LerArquivo("Erros.txt").contains("EstJog 00x2   0003 -> EErroConversao"));
    Receber("HorSer 12:34:56");
    Receber("DatSer 11/12/2026");
    EXPECT_EQ(FrMapa->Label10->text(), "12:34:56");
    EXPECT_EQ(FrMapa->Label11->text(), "11/12/2026");
}

TEST_F(Despacho, AtuSenEPerfilMostramDialogos)
{
    Receber("AtuSen ER");
    Receber("AtuSen OK");
    Receber("AtuSen ??");
    ASSERT_EQ(Dialogos.Mostrados.size(), 2u);
    EXPECT_EQ(Dialogos.Mostrados[0].Tipo, "erro");
    EXPECT_EQ(Dialogos.Mostrados[0].Texto, "Senha Atual Não Confere");
    EXPECT_EQ(Dialogos.Mostrados[1].Tipo, "informacao");
    EXPECT_EQ(Dialogos.Mostrados[1].Texto, "Atualização Efetuada com Sucesso");

    FrChat->show();
    Receber("Perfil");
    EXPECT_TRUE(FrChat->Image1->isHidden());
    EXPECT_TRUE(FrChat->Image12->isHidden());
    EXPECT_EQ(Dialogos.Mostrados.back().Texto,
        "O Cadastro dos Dados Pessoais é Obrigatório para Poder Jogar\nClique no botão Meu Perfil para preenche-lo");
}

TEST_F(Despacho, UsuDatPreencheOPerfil)
{
    const TCamposPessoais& p = frPerfil->Campos;
    for (const char* m : {"UsuDat 1,JOSE DA SILVA", "UsuDat 2,1990-05-31", "UsuDat 3,F", "UsuDat 4,z@x.br",
             "UsuDat 5,Recife", "UsuDat 9,nada"})
        Receber(m);
    EXPECT_EQ(p.pfNome->text(), "JOSE DA SILVA");
    EXPECT_EQ(p.pfNascimento->text(), "31/05/1990");
    EXPECT_EQ(p.pfSexo->currentText(), "Feminino");
    EXPECT_EQ(p.pfEmail->text(), "z@x.br");
    EXPECT_EQ(p.pfCidade->text(), "Recife");
    EXPECT_TRUE(frPerfil->Image3->isHidden());
    Receber("UsuDat 3,M");
    EXPECT_EQ(p.pfSexo->currentText(), "Masculino");
    Receber("UsuDat 6,PE");
    EXPECT_EQ(p.pfUF->currentText(), "PE");
    Receber("UsuDat 6,XX");
    EXPECT_EQ(p.pfUF->currentIndex(), -1);
    EXPECT_FALSE(frPerfil->Image3->isHidden());
    Receber("UsuDat x,1");
    EXPECT_TRUE(LerArquivo("Erros.txt").contains("UsuDat x,1 -> EErroConversao"));
}

TEST_F(Despacho, ChkNicOcupado)
{
    frNovaConta->Image3->hide();
    Receber("ChkNic 1");
    EXPECT_EQ(frNovaConta->lbStatus->text(), "O Nick escolhido já está em uso");
    EXPECT_FALSE(frNovaConta->Image3->isHidden());
}
