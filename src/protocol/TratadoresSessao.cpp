// Handlers of the session and account messages: login verdicts, keep-alive, retransmission, profile.
#include "app/Dialogos.h"
#include "app/Envio.h"
#include "app/Janelas.h"
#include "app/Recursos.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/BlackList.h"
#include "community/Datas.h"
#include "community/Login.h"
#include "community/NovaConta.h"
#include "community/Perfil.h"
#include "game/EstadoJogo.h"
#include "game/Mapa.h"
#include "lobby/ChatMetal.h"
#include "media/Som.h"
#include "protocol/Despacho.h"

#include <array>

namespace {

using M = TMensagemRecebida;

void DefinirStatus(const QString& texto)
{
    FrLogin->Status->setText(texto);
}

void ConCri(const M&)
{
    DefinirStatus(QStringLiteral("Nova Conta Criada Com Sucesso - Clique em Login !"));
}

void ConFal(const M& m)
{
    DefinirStatus(QStringLiteral("Falha na Criação da Nova Conta - Erro ") + m.Cortados());
}

void LogAce(const M& m)
{
    Sessao.TokenSessao = m.Campo(1);
    FrLogin->LgUsuario->setText(m.Campo(2));
    Sessao.TokensUsuario = m.Campo(3);
    Sessao.PaisLiderado = m.Campo(4);
    FrLogin->hide();
    Sessao.NoLobby = true;
    FrChat->show();
    TocarSom(QStringLiteral("Bemvindo"));
    FrLogin->tmrConexao->DefinirLigado(false);
    frBlackList->lbInimigos->clear();
    EnviarMensagem(QStringLiteral("BlkLis"), {QStringLiteral("L")});
}

void LogFal(const M& m)
{
    FrLogin->tmrConexao->DefinirLigado(false);
    FrLogin->Desconectar();
    DefinirStatus(QStringLiteral("Falha no login:") + m.Cortados());
    FrLogin->LgUsuario->setEnabled(true);
}

void InvVer(const M&)
{
    DefinirStatus(QStringLiteral("Versão Desatualizada - Efetue Novo Download !"));
}

void SrvSel(const M&)
{
    DefinirStatus(QStringLiteral("Servidor Online"));
}

void Kicado(const M&)
{
    Sessao.SaidaSolicitada = true;
    EnviarMensagem(QStringLiteral("SaiCha"));
    FrLogin->close();
}

void DscIns(const M&)
{
    FrLogin->InfAti->DefinirLigado(false);
    Dialogos().Mensagem(QStringLiteral("Esta instância foi desconetada por que Você está conectado através de outro local !"));
    Sessao.SaidaSolicitada = true;
    FrLogin->close();
}

// K1-K3: the keep-alive was answered.
void RespostaKeepAlive()
{
    // The keep-alive timer's Tag counts the keep-alives sent since the last answer, from 10.
    const int atraso = FrLogin->InfAti->Tag - 10;
    if (Sessao.NoLobby)
        FrChat->ProgressBar1->setValue(atraso);
    if (Sessao.EmPartida)
        FrMapa->ProgressBar1->setValue(atraso);
    FrLogin->InfAti->Tag = 10;
    FrLogin->InfAti->DefinirLigado(true);
}

void InfAti(const M&)
{
    RespostaKeepAlive();
}

void SolRet(const M& m)
{
    const int cor = InteiroLeniente(m.Cortados());
    FrMapa->IconeStatus(cor, QString::fromLatin1(Recursos::ConexaoRetorno), true);
    if (m.Cortados() == QString::number(EstadoJogo.MinhaCor))
        RespostaKeepAlive();
}

void UltMsg(const M& m)
{
    ReenviarDesde(m.Cortados());
}

void EstJog(const M& m)
{
    const QString c = m.Cortados();
    const int jogadores = InteiroEstrito(c.mid(0, 4));
    const int jogos = InteiroEstrito(c.mid(7, 4));
    FrChat->lbBemVindo->setText(QStringLiteral("Bem Vindo ao Velmor ") + NickProprio() + QStringLiteral(", temos agora ")
        + QString::number(jogadores) + QStringLiteral(" jogador(es) online em ") + QString::number(jogos)
        + QStringLiteral(" jogo(s)."));
}

void HorSer(const M& m)
{
    FrMapa->Label10->setText(m.Cortados());
}

void DatSer(const M& m)
{
    FrMapa->Label11->setText(m.Cortados());
}

void AtuSen(const M& m)
{
    if (m.Cortados() == QLatin1String("ER"))
        Dialogos().Erro(QStringLiteral("Senha Atual Não Confere"));
    else if (m.Cortados() == QLatin1String("OK"))
        Dialogos().Informacao(QStringLiteral("Atualização Efetuada com Sucesso"));
}

void UsuDat(const M& m)
{
    const int item = InteiroEstrito(m.Campo(1));
    const QString valor = m.Campo(2);
    TCamposPessoais& p = frPerfil->Campos;
    switch (item) {
    case 1: p.pfNome->setText(valor); break;
    case 2: p.pfNascimento->setText(DataParaTela(valor)); break;
    case 3: p.pfSexo->setCurrentIndex(valor == QLatin1String("F") ? 0 : 1); break;
    case 4: p.pfEmail->setText(valor); break;
    case 5: p.pfCidade->setText(valor); break;
    case 6:
        p.SelecionarUF(valor);
        frPerfil->Image3->show();
        break;
    default: break;
    }
}

void Perfil(const M&)
{
    FrChat->Image1->hide();
    FrChat->Image12->hide();
    Dialogos().Informacao(QStringLiteral("O Cadastro dos Dados Pessoais é Obrigatório para Poder Jogar\n"
                                         "Clique no botão Meu Perfil para preenche-lo"));
}

void ChkNic(const M& m)
{
    if (m.Cortados() == QLatin1String("0")) {
        frNovaConta->EnviarCadastro();
        FrLogin->Desconectar();
        return;
    }
    FrLogin->Desconectar();
    frNovaConta->lbStatus->setText(QStringLiteral("O Nick escolhido já está em uso"));
    frNovaConta->Image3->show();
}

void SemEfeito(const M&)
{
}

constexpr std::array Tratadores = std::to_array<TTratadorCodigo>({
    {"ConCri", ConCri}, {"ConFal", ConFal}, {"LogAce", LogAce}, {"LogFal", LogFal},
    {"InvVer", InvVer}, {"SrvSel", SrvSel}, {"Kicado", Kicado}, {"DscIns", DscIns},
    {"InfAti", InfAti}, {"SolRet", SolRet}, {"UltMsg", UltMsg}, {"EstJog", EstJog},
    {"HorSer", HorSer}, {"DatSer", DatSer}, {"AtuSen", AtuSen}, {"UsuDat", UsuDat},
    {"Perfil", Perfil}, {"ChkNic", ChkNic}, {"ConMsg", SemEfeito}, {"MsgCor", SemEfeito},
    {"ReeJog", SemEfeito},
});

} // namespace

std::span<const TTratadorCodigo> TratadoresSessao()
{
    return Tratadores;
}
