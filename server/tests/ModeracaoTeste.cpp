// The staff commands: who may use them, on whom, and what they do to accounts and sessions.
#include "apoio/LobbyFixture.h"

using Moderacao = TLobbyFixture;

TEST_F(Moderacao, JogadorNaoUsaComandosDaStaffEModeradorNaoAgeSobreStaff)
{
    TCanalFalso* soldado = Entrar("Soldado");
    TCanalFalso* vigia = Entrar("Vigia");
    TCanalFalso* marechal = Entrar("Marechal");
    Esquecer();
    const std::tuple<TCanalFalso*, const char*, const char*> casos[] = {
        {soldado, "KickUs Cabo,", "SrvMsg Este comando é exclusivo da Staff."},
        {soldado, "LibFre ", "SrvMsg Este comando é exclusivo da Staff."},
        {vigia, "RetUsu Soldado", "SrvMsg Este comando é exclusivo dos administradores."},
        {vigia, "KickUs Marechal,", "SrvMsg Você não tem autoridade sobre Marechal."},
        {vigia, "KickUs Vigia,", "SrvMsg Você não tem autoridade sobre Vigia."},
        {vigia, "BanUsu Ninguem,1", "SrvMsg Jogador não encontrado: Ninguem"},
        {vigia, "TipUsu Soldado,5", "SrvMsg Tipo de conta inválido: use 1, 2 ou 3."},
        {vigia, "BanUsu Soldado,0", "SrvMsg Duração do banimento inválida."},
        {marechal, "KickUs Cabo,", "SrvMsg Cabo não está online."},
    };
    for (const auto& [canal, pedido, resposta] : casos) {
        Esquecer();
        Pedir(canal, QString::fromUtf8(pedido));
        EXPECT_EQ(canal->Enviadas, QStringList{QString::fromUtf8(resposta)}) << pedido;
    }
    EXPECT_FALSE(soldado->Fechado);
    EXPECT_EQ(Banco.Buscar("Soldado")->Tipo, 1);
}

TEST_F(Moderacao, KickTiraDoServidorEAvisaOLobby)
{
    TCanalFalso* soldado = Entrar("Soldado");
    TCanalFalso* vigia = Entrar("Vigia");
    Esquecer();
    Pedir(vigia, "KickUs soldado,flood no chat");
    EXPECT_EQ(soldado->Enviadas, QStringList{"Kicado"});
    EXPECT_TRUE(soldado->Fechado);
    EXPECT_EQ(vigia->Enviadas, (QStringList{"SaiJog Soldado", "SrvMsg Soldado foi tirado do servidor."}));
    EXPECT_EQ(Logica->JogadoresOnline(), 1);
    Logica->Desconectou(soldado); // the socket's end, later: nothing more
    EXPECT_EQ(vigia->Enviadas.size(), 2);
}

TEST_F(Moderacao, BanimentoImpedeOLoginAteAcabarOuSerLiberado)
{
    TCanalFalso* soldado = Entrar("Soldado");
    TCanalFalso* vigia = Entrar("Vigia");
    Esquecer();
    Pedir(vigia, "BanUsu Soldado,2");
    EXPECT_EQ(soldado->Enviadas, QStringList{"Kicado"});
    EXPECT_EQ(vigia->Com("SrvMsg").last(), "SrvMsg Soldado está banido até 19/05/2026 12:00.");
    EXPECT_EQ(Entrar("Soldado")->Enviadas, QStringList{"LogFal  Conta banida até 19/05/2026 12:00."});
    Agora = Agora.addDays(2);
    EXPECT_TRUE(Entrar("Soldado")->Enviadas.value(0).startsWith("LogAce "));
    EXPECT_EQ(Banco.Buscar("Soldado")->BanidoAte, 0);

    Pedir(vigia, "BanUsu Cabo,30");
    Pedir(vigia, "LibUsu Cabo,engano");
    EXPECT_EQ(vigia->Com("SrvMsg").last(), "SrvMsg Cabo está liberado de banimento e punição.");
    EXPECT_TRUE(Entrar("Cabo")->Enviadas.value(0).startsWith("LogAce "));
}

TEST_F(Moderacao, PunicaoMudaOTipoNaListaEVoltaAoAnteriorNoPrazo)
{
    TCanalFalso* sargento = Entrar("Sargento");
    TCanalFalso* vigia = Entrar("Vigia");
    Esquecer();
    Pedir(vigia, "TipUsu Sargento,3xingou,1440");
    const QString punido = "LisJog 8,3,Sargento,1210,97,5,4,40,Punido";
    EXPECT_EQ(sargento->Enviadas, (QStringList{"SaiJog Sargento", punido}));
    EXPECT_EQ(vigia->Enviadas, (QStringList{"SrvMsg Sargento está punido até 18/05/2026 12:00.", "SaiJog Sargento", punido}));
    const TConta conta = *Banco.Buscar("Sargento");
    EXPECT_EQ(conta.Tipo, 3);
    EXPECT_EQ(conta.TipoAnterior, 4);

    Agora = Agora.addSecs(86400 + 60);
    Entrar("Sargento");
    EXPECT_EQ(Banco.Buscar("Sargento")->Tipo, 4);

    Pedir(vigia, "TipUsu Sargento,2");
    EXPECT_EQ(Banco.Buscar("Sargento")->Tipo, 2);
    Pedir(vigia, "TipUsu Sargento,1");
    EXPECT_EQ(Banco.Buscar("Sargento")->Tipo, 1);
}

TEST_F(Moderacao, AdministradorRetiraMembroERebaixaModerador)
{
    TCanalFalso* marechal = Entrar("Marechal");
    Pedir(marechal, "RetUsu Soldado");
    EXPECT_EQ(Banco.Buscar("Soldado")->Tipo, 0);
    Pedir(marechal, "TipUsu Vigia,1");
    EXPECT_EQ(Banco.Buscar("Vigia")->Tipo, 1);
    EXPECT_EQ(Banco.ContarContas(), 7); // nothing deleted
}

TEST_F(Moderacao, LogadosChatBloqueadoEFecharSala)
{
    TCanalFalso* soldado = Entrar("Soldado");
    TCanalFalso* vigia = Entrar("Vigia");
    Entrar("Cabo");
    Logica->AdicionarJogo("21Brasil");
    Esquecer();
    Pedir(vigia, "Logado");
    EXPECT_EQ(vigia->Enviadas, QStringList{"SrvMsg Logados (3): Cabo, Soldado, Vigia"});

    Pedir(vigia, "BloFre ");
    Esquecer();
    Pedir(soldado, "EnvMsg posso falar?");
    Pedir(vigia, "EnvMsg só a Staff");
    EXPECT_EQ(soldado->Enviadas, (QStringList{"SrvMsg O chat do lobby está bloqueado pela Staff.", "EnvMsg Vigia,só a Staff"}));
    Pedir(vigia, "LibFre ");
    Pedir(soldado, "EnvMsg agora sim");
    EXPECT_EQ(vigia->Enviadas.last(), "EnvMsg Soldado,agora sim");

    Esquecer();
    Pedir(vigia, "FecJog Brasil");
    Pedir(vigia, "FecJog Brasil");
    EXPECT_EQ(soldado->Enviadas, QStringList{"RetJog Brasil              "});
    EXPECT_EQ(vigia->Com("SrvMsg"), (QStringList{"SrvMsg Sala fechada: Brasil.", "SrvMsg Sala não encontrada: Brasil"}));
}
