// The account port: a free nick becomes an account that then takes its own personal data only.
#include "apoio/LobbyFixture.h"

using Cadastro = TLobbyFixture;

TEST_F(Cadastro, NickLivreViraContaComDadosEEntraNoJogo)
{
    TCanalFalso c;
    PedirCadastro(&c, "ChkNic Recruta,ab12");
    EXPECT_EQ(c.Enviadas, (QStringList{"ConCri", "ChkNic 0"}));
    for (const char* dado : {"SetVa2 Recruta,1,RECRUTA, O NOVO", "SetVa2 Recruta,2,2000-02-29", "SetVa2 Recruta,3,M",
             "SetVa2 Recruta,4,r@velmor.local", "SetVa2 Recruta,5,SALVADOR", "SetVa2 recruta,6,BA"})
        PedirCadastro(&c, QString::fromUtf8(dado));
    LogicaCadastro->Desconectou(&c);
    const TConta conta = *Banco.Buscar("Recruta");
    EXPECT_EQ(conta.Tipo, TipoContaNova);
    EXPECT_EQ(conta.Dados[0], "RECRUTA O NOVO");
    EXPECT_EQ(conta.Dados[1], "2000-02-29");
    EXPECT_TRUE(conta.DadosCompletos());
    TCanalFalso* jogo = Entrar("recruta", "ab12");
    EXPECT_TRUE(jogo->Enviadas.value(0).startsWith("LogAce ")) << jogo->Enviadas.value(0).toStdString();
    EXPECT_TRUE(jogo->Com("Perfil").isEmpty());
}

TEST_F(Cadastro, RecusasVemComCodigoAntesDoChkNic)
{
    const std::pair<const char*, const char*> casos[] = {
        {"ChkNic SOLDADO,ab12", "ConFal 03"},
        {"ChkNic ab,ab12", "ConFal 01"},
        {"ChkNic velmor,ab12", "ConFal 01"},
        {"ChkNic Recruta,a", "ConFal 02"},
    };
    for (const auto& [pedido, codigo] : casos) {
        TCanalFalso c;
        PedirCadastro(&c, QString::fromUtf8(pedido));
        EXPECT_EQ(c.Enviadas, (QStringList{QString::fromUtf8(codigo), "ChkNic 1"})) << pedido;
    }
    TCanalFalso c;
    PedirCadastro(&c, "ChkNic Recruta,ab12");
    c.Enviadas.clear();
    PedirCadastro(&c, "ChkNic Outro,ab12");
    EXPECT_EQ(c.Enviadas, (QStringList{"ConFal 05", "ChkNic 1"}));
    EXPECT_EQ(Banco.ContarContas(), 8);
}

TEST_F(Cadastro, DadosSoDaContaQueAConexaoCriou)
{
    TCanalFalso intruso;
    PedirCadastro(&intruso, "SetVa2 Soldado,1,INVASOR");
    PedirCadastro(&intruso, "ChkNic Recruta,ab12");
    PedirCadastro(&intruso, "SetVa2 Soldado,1,INVASOR");
    PedirCadastro(&intruso, "SetVa2 Recruta,3,X");
    EXPECT_EQ(Banco.Buscar("Soldado")->Dados[0], "SOLDADO DA SILVA");
    EXPECT_EQ(Banco.Buscar("Recruta")->Dados[2], "");
}
