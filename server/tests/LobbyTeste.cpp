// The game port's rules on fake connections: login verdicts, the players list, chat, profile,
// blacklist, requests not served yet.
#include "apoio/ListaDoCliente.h"
#include "apoio/LobbyFixture.h"

using Lobby = TLobbyFixture;

TEST_F(Lobby, LoginAceitoDaTokenNickGuardadoListaRelogioEBoasVindas)
{
    TCanalFalso* c = Entrar("soldado");
    ASSERT_GE(c->Enviadas.size(), 6);
    const QString logAce = c->Enviadas[0];
    ASSERT_TRUE(logAce.startsWith("LogAce ")) << logAce.toStdString();
    const QString token = CampoCSV(logAce.mid(7), 1);
    EXPECT_EQ(token.size(), 4);
    EXPECT_NE(token, "0000");
    EXPECT_EQ(logAce.mid(7 + 4), ",Soldado,,0"); // nick as stored, no mission, no country
    EXPECT_EQ(c->Enviadas[1], "LisJog 3,1,Soldado,0420,35,3,6,9,Membro");
    EXPECT_EQ(c->Enviadas[2], "EstJog 0001 - 0000");
    EXPECT_EQ(c->Enviadas[3], "HorSer 12:00:00");
    EXPECT_EQ(c->Enviadas[4], "DatSer 17/05/2026");
    EXPECT_EQ(c->Enviadas[5], "SrvMsg Bem-vindo ao servidor de treino do Velmor, Soldado!");
    EXPECT_TRUE(c->Com("Perfil").isEmpty());
    EXPECT_TRUE(c->Identificado);
    EXPECT_FALSE(c->Fechado);
}

TEST_F(Lobby, LoginRecusadoDizOMotivo)
{
    ASSERT_TRUE(Banco.DefinirBanimento(Banco.Buscar("Cabo")->Id, Agora.addDays(2).toSecsSinceEpoch()));
    struct Caso {
        const char* Pedido;
        const char* Resposta;
        bool Fecha;
    };
    const Caso casos[] = {
        {"LogSer Soldado,errada,5.5,,,", "LogFal  Senha incorreta.", true},
        {"LogSer Ninguem,velmor,5.5,,,", "LogFal  Usuário não cadastrado.", true},
        {"LogSer Soldado,velmor,5.4,,,", "InvVer", false},
        {"LogSer Cabo,velmor,5.5,,,", "LogFal  Conta banida até 19/05/2026 12:00.", true},
    };
    for (const Caso& caso : casos) {
        TCanalFalso* c = Novo();
        Pedir(c, QString::fromUtf8(caso.Pedido));
        EXPECT_EQ(c->Enviadas, QStringList{QString::fromUtf8(caso.Resposta)}) << caso.Pedido;
        EXPECT_EQ(c->Fechado, caso.Fecha) << caso.Pedido;
        EXPECT_FALSE(c->Identificado);
    }
    EXPECT_EQ(Logica->JogadoresOnline(), 0);
}

TEST_F(Lobby, SemDadosPessoaisOPerfilVemPorUltimo)
{
    TCanalFalso* c = Entrar("Novato");
    EXPECT_EQ(c->Enviadas.last(), "Perfil");
}

TEST_F(Lobby, AntesDoLoginSoSrvSelELogSer)
{
    TCanalFalso* c = Novo();
    Pedir(c, "SrvSel .1");
    Pedir(c, "EnvMsg oi");
    Pedir(c, "CriJog x,y,SemSenha");
    Pedir(c, "KickUs Soldado,");
    EXPECT_EQ(c->Enviadas, QStringList{"SrvSel"});
}

TEST_F(Lobby, JogadoresSeVeemEntrandoESaindo)
{
    TCanalFalso* a = Entrar("Soldado");
    TCanalFalso* b = Entrar("Cabo");
    EXPECT_EQ(a->Com("LisJog").last(), "LisJog 5,1,Cabo,0760,58,1,5,21,Membro");
    EXPECT_EQ(b->Com("LisJog"), (QStringList{"LisJog 5,1,Cabo,0760,58,1,5,21,Membro", "LisJog 3,1,Soldado,0420,35,3,6,9,Membro"}));
    EXPECT_EQ(b->Com("EstJog"), QStringList{"EstJog 0002 - 0000"});
    Esquecer();
    Logica->Desconectou(b);
    EXPECT_EQ(a->Enviadas, QStringList{"SaiJog Cabo"});
}

TEST_F(Lobby, ListaDoClienteFicaCertaQuandoUmNickComecaOutro)
{
    // The client removes by prefix: "Ana" would take "Anabela" with her.
    for (const char* nick : {"Ana", "Anabela", "Anab"})
        ASSERT_EQ(Banco.Criar(nick, SenhaInicial, 1), TCriacao::Criada);
    TListaDoCliente lista;
    TCanalFalso* observador = Entrar("Soldado");
    const auto conferir = [&](const QStringList& esperada) {
        lista.Aplicar(observador->Enviadas);
        observador->Enviadas.clear();
        EXPECT_EQ(lista.Ordenada(), esperada);
    };
    conferir({"Soldado"});
    TCanalFalso* anabela = Entrar("Anabela");
    conferir({"Anabela", "Soldado"});
    TCanalFalso* ana = Entrar("Ana");
    conferir({"Ana", "Anabela", "Soldado"});
    Entrar("Anab");
    conferir({"Ana", "Anab", "Anabela", "Soldado"});
    Logica->Desconectou(ana);
    conferir({"Anab", "Anabela", "Soldado"});
    Entrar("Ana");
    Logica->Desconectou(anabela);
    conferir({"Ana", "Anab", "Soldado"});

    // A newcomer's whole list comes in an order its own rule keeps intact.
    TListaDoCliente nova;
    nova.Aplicar(Entrar("Cabo")->Enviadas);
    EXPECT_EQ(nova.Ordenada(), (QStringList{"Ana", "Anab", "Cabo", "Soldado"}));
    EXPECT_EQ(nova.Nicks.size(), 4);
}

TEST_F(Lobby, SegundoLoginDaMesmaContaDerrubaOPrimeiroComDscIns)
{
    TCanalFalso* observador = Entrar("Cabo");
    TCanalFalso* primeiro = Entrar("Soldado");
    TListaDoCliente lista;
    lista.Aplicar(observador->Enviadas);
    observador->Enviadas.clear();
    primeiro->Enviadas.clear();

    TCanalFalso* segundo = Entrar("SOLDADO");
    EXPECT_EQ(primeiro->Enviadas, QStringList{"DscIns"});
    EXPECT_TRUE(primeiro->Fechado);
    EXPECT_TRUE(segundo->Enviadas.value(0).startsWith("LogAce "));
    Logica->Desconectou(primeiro); // the old socket's end arrives later and changes nothing
    lista.Aplicar(observador->Enviadas);
    EXPECT_EQ(lista.Nicks.count("Soldado"), 1);
    EXPECT_EQ(Logica->JogadoresOnline(), 2);
    Esquecer();
    Pedir(observador, "EnvMsg oi");
    EXPECT_TRUE(primeiro->Enviadas.isEmpty());
    EXPECT_EQ(segundo->Enviadas, QStringList{"EnvMsg Cabo,oi"});
}

TEST_F(Lobby, ChatDoLobbyChegaATodosInteiroLimpoELimitado)
{
    TCanalFalso* a = Entrar("Soldado");
    TCanalFalso* b = Entrar("Cabo");
    Esquecer();
    Pedir(a, "EnvMsg oi, tudo bem? :001");
    Pedir(a, "EnvMsg    ");
    Pedir(a, "EnvMsg linha\x01" "com\x1f controle");
    Pedir(a, "EnvMsg " + QString(300, QLatin1Char('x')));
    const QStringList esperadas = {"EnvMsg Soldado,oi, tudo bem? :001", "EnvMsg Soldado,linhacom controle",
        "EnvMsg Soldado," + QString(Limites.TamanhoLinhaChat, QLatin1Char('x'))};
    EXPECT_EQ(a->Enviadas, esperadas);
    EXPECT_EQ(b->Enviadas, esperadas);

    Esquecer();
    Pedir(b, "SaiCha");
    EXPECT_EQ(a->Enviadas, QStringList{"SaiJog Cabo"});
    Pedir(a, "EnvMsg só para o lobby");
    EXPECT_TRUE(b->Com("EnvMsg").isEmpty());
    Pedir(b, "EnvMsg fora do lobby não fala");
    EXPECT_EQ(a->Com("EnvMsg").size(), 1);
    Esquecer();
    Pedir(b, "VolCha Cabo");
    EXPECT_EQ(a->Enviadas, QStringList{"LisJog 5,1,Cabo,0760,58,1,5,21,Membro"});
    EXPECT_EQ(b->Com("LisJog").size(), 2);
    EXPECT_EQ(b->Com("EstJog").size(), 1);
}

TEST_F(Lobby, QuemFalaRapidoDemaisEContidoComUmAvisoSo)
{
    TCanalFalso* a = Entrar("Soldado");
    TCanalFalso* b = Entrar("Cabo");
    Esquecer();
    for (int i = 0; i < 10; ++i)
        Pedir(a, QStringLiteral("EnvMsg linha %1").arg(i));
    EXPECT_EQ(b->Com("EnvMsg").size(), int(Limites.ChatRajada));
    EXPECT_EQ(a->Com("SrvMsg"), QStringList{"SrvMsg Calma: você está mandando mensagens rápido demais."});
    Ms += 1000;
    Pedir(a, "EnvMsg depois de respirar");
    EXPECT_EQ(b->Com("EnvMsg").last(), "EnvMsg Soldado,depois de respirar");
}

TEST_F(Lobby, MensagemPrivadaVaiAoAlvoEVoltaAoRemetente)
{
    TCanalFalso* a = Entrar("Soldado");
    TCanalFalso* b = Entrar("Cabo");
    TCanalFalso* c = Entrar("Tenente");
    Esquecer();
    Pedir(a, "MsgPri cabo,psiu, aqui");
    EXPECT_EQ(b->Enviadas, QStringList{"MsgPri Soldado,Cabo,psiu, aqui"});
    EXPECT_EQ(a->Enviadas, QStringList{"MsgPri Soldado,Cabo,psiu, aqui"});
    EXPECT_TRUE(c->Enviadas.isEmpty());

    Esquecer();
    Pedir(a, "MsgPri Ninguem,oi");
    EXPECT_EQ(a->Enviadas, QStringList{"SrvMsg Ninguem não está online."});
    Esquecer();
    Pedir(b, "BlkLis I,Soldado");
    Pedir(a, "MsgPri Cabo,oi de novo");
    EXPECT_EQ(a->Enviadas, QStringList{"SrvMsg Cabo não aceita as suas mensagens."});
    EXPECT_TRUE(b->Com("MsgPri").isEmpty());
}

TEST_F(Lobby, PedidoAindaNaoAtendidoRecebeAvisoELixoNao)
{
    TCanalFalso* a = Entrar("Soldado");
    Esquecer();
    Pedir(a, "CriJog Soldado,Brasil,SemSenha");
    Pedir(a, "Rankin");
    Pedir(a, "Zzzzzz qualquer");
    EXPECT_EQ(a->Enviadas, (QStringList{"SrvMsg O pedido CriJog ainda não é atendido por este servidor.",
                               "SrvMsg O pedido Rankin ainda não é atendido por este servidor."}));
}

TEST_F(Lobby, KeepAliveListaDeJogosEChamadoDaStaff)
{
    TCanalFalso* a = Entrar("Soldado");
    TCanalFalso* staff = Entrar("Vigia");
    Logica->AdicionarJogo("21Brasil");
    Esquecer();
    Pedir(a, "InfAti TKN1");
    Pedir(a, "SolRet abcd,4,Soldado");
    Pedir(a, "JogAnd");
    Pedir(a, "ChaSup Chat");
    EXPECT_EQ(a->Enviadas, (QStringList{"InfAti", "SolRet 4", "JogAnd 21Brasil              ",
                               "SrvMsg Seu chamado foi enviado à Staff."}));
    EXPECT_EQ(staff->Enviadas, QStringList{"SrvMsg Soldado chama a Staff (Chat)."});
}

TEST_F(Lobby, PerfilLeGravaEValidaDadosETrocaASenha)
{
    TCanalFalso* a = Entrar("Novato");
    Esquecer();
    const QStringList dados = {"SetVar 1,NOVATO, O BRAVO", "SetVar 2,2001-02-29", "SetVar 2,2001-02-28", "SetVar 3,F",
        "SetVar 4,novato@velmor.local", "SetVar 5,NATAL", "SetVar 6,RN"};
    for (const QString& d : dados)
        Pedir(a, d);
    EXPECT_EQ(a->Enviadas, QStringList{"SrvMsg O dado pessoal 2 não foi aceito; confira e envie de novo."});
    Esquecer();
    Pedir(a, "UsuDat");
    EXPECT_EQ(a->Enviadas, (QStringList{"UsuDat 1,NOVATO O BRAVO", "UsuDat 2,2001-02-28", "UsuDat 3,F",
                               "UsuDat 4,novato@velmor.local", "UsuDat 5,NATAL", "UsuDat 6,RN"}));
    EXPECT_TRUE(Banco.Buscar("Novato")->DadosCompletos());
    EXPECT_TRUE(Entrar("Novato")->Com("Perfil").isEmpty());

    TCanalFalso* b = Entrar("Cabo");
    Esquecer();
    Pedir(b, "AtuSen errada,nova1");
    Pedir(b, "AtuSen velmor,x");
    Pedir(b, "AtuSen velmor,nova1");
    EXPECT_EQ(b->Com("AtuSen"), (QStringList{"AtuSen ER", "AtuSen ER", "AtuSen OK"}));
    EXPECT_TRUE(Banco.SenhaConfere(Banco.Buscar("Cabo")->Id, "nova1"));
}

TEST_F(Lobby, ListaNegraListaIncluiEExcluiComRespostasQueAJanelaEntende)
{
    TCanalFalso* a = Entrar("Soldado");
    Esquecer();
    const std::pair<const char*, const char*> passos[] = {
        {"BlkLis I,tenente", "BlkLis S,I,Tenente entrou na sua Lista Negra"},
        {"BlkLis I,Tenente", "BlkLis E,,Tenente já está na sua Lista Negra"},
        {"BlkLis I,Soldado", "BlkLis E,,Você não pode pôr a si mesmo na Lista Negra"},
        {"BlkLis I,Ninguem", "BlkLis E,,Jogador não encontrado: Ninguem"},
        {"BlkLis I,Cabo", "BlkLis S,I,Cabo entrou na sua Lista Negra"},
        {"BlkLis L", "BlkLis L,,Cabo"},
        {"BlkLis D,Cabo", "BlkLis S,D,Cabo saiu da sua Lista Negra"},
        {"BlkLis D,Cabo", "BlkLis E,,Cabo não está na sua Lista Negra"},
        {"BlkLis X,Cabo", "BlkLis E,,Pedido inválido"},
    };
    for (const auto& [pedido, resposta] : passos) {
        Esquecer();
        Pedir(a, QString::fromUtf8(pedido));
        if (QByteArray(pedido) == "BlkLis L")
            EXPECT_EQ(a->Enviadas, (QStringList{"BlkLis L,,Cabo", "BlkLis L,,Tenente"}));
        else
            EXPECT_EQ(a->Enviadas, QStringList{QString::fromUtf8(resposta)}) << pedido;
    }
}
