// Handlers of the lobby messages (players, chat, games) and of the preparation room's messages.
#include "app/Envio.h"
#include "app/Janelas.h"
#include "app/Recursos.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/BlackList.h"
#include "community/Login.h"
#include "community/Perfil.h"
#include "game/EstadoJogo.h"
#include "game/Mapa.h"
#include "game/Prepara.h"
#include "lobby/ChatMetal.h"
#include "media/Som.h"
#include "protocol/Despacho.h"

#include <QApplication>
#include <QScrollBar>

#include <array>
#include <cmath>

namespace {

using M = TMensagemRecebida;

constexpr int SemInsignia = 61;

/// Everything after the first comma of the field area: a chat text keeps its own commas.
QString TextoAposPrimeiraVirgula(const QString& campos)
{
    const int virgula = campos.indexOf(QLatin1Char(','));
    return virgula < 0 ? QString() : campos.mid(virgula + 1);
}

/// Victories x 100 / games, rounded to the nearest (halves to even); "0" when it cannot be computed.
QString Percentual(const QString& vitorias, const QString& partidas)
{
    const std::optional<int> v = InteiroOpcional(vitorias);
    const std::optional<int> p = InteiroOpcional(partidas);
    if (!v || !p || *p == 0)
        return QStringLiteral("0");
    return QString::number(static_cast<long long>(std::nearbyint(double(*v) * 100.0 / double(*p))));
}

void LisJog(const M& m)
{
    const int patente = InteiroEstrito(m.Campo(1));
    const int tipo = InteiroEstrito(m.Campo(2));
    const QString nick = m.Campo(3);
    const bool proprio = IguaisIgnorandoCaixaAscii(nick, NickProprio());
    if (proprio) {
        if (FrChat->lbBemVindo->text().isEmpty())
            FrChat->lbBemVindo->setText(QStringLiteral("Bem Vindo ao Velmor ") + NickProprio()
                + QStringLiteral(", é muito bom ver você aqui novamente."));
        Sessao.TipoUsuario = tipo;
        frPerfil->lbPartidas->setText(m.Campo(5));
        frPerfil->lbAbandonos->setText(m.Campo(6));
        frPerfil->lbPontos->setText(m.Campo(4));
        frPerfil->lbRanking->setText(m.Campo(7));
        frPerfil->lbVitorias->setText(m.Campo(8));
        frPerfil->lbPercentual->setText(Percentual(frPerfil->lbVitorias->text(), frPerfil->lbPartidas->text()));
        if (tipo >= 4 && tipo <= 10)
            Sessao.MultiplicadorPontos = 2;
        if (tipo == 5 || tipo == 6 || tipo == 8 || tipo == 9)
            Sessao.Moderador = true;
    }
    if (tipo == 6 || tipo == 7 || tipo == 9)
        FrChat->MostrarRemoverMembro();
    FrChat->AdicionarJogador(nick, m.Campo(4), m.Campo(7), patente, tipo, proprio, m.Campo(9));
}

void SaiJog(const M& m)
{
    FrChat->RemoverJogador(m.Cortados());
}

void EnvMsg(const M& m)
{
    if (!Sessao.NoLobby)
        return;
    const QString nick = m.Campo(1);
    const QString texto = TextoAposPrimeiraVirgula(m.Campos);
    if (nick == QLatin1String("Velmor"))
        FrChat->AdicionarMensagem(SemInsignia, QStringLiteral(" Velmor"), 2, 8, texto, 8);
    else
        FrChat->AdicionarMensagem(FrChat->PatenteDoJogador(nick), QLatin1Char(' ') + nick, 1, 6, texto,
            nick == NickProprio() ? 9 : 6);
}

void MsgPri(const M& m)
{
    if (!Sessao.NoLobby || !FrChat->isVisible())
        return;
    const QString nick = m.Campo(1);
    FrChat->AdicionarMensagem(FrChat->PatenteDoJogador(nick), QLatin1Char(' ') + nick, 1, 7, m.Campo(3), 7);
    if (!QApplication::activeWindow())
        QApplication::alert(FrChat, 1000);
}

void SrvMsg(const M& m)
{
    if (Sessao.NoLobby && FrChat->isVisible())
        FrChat->AdicionarMensagem(SemInsignia, QStringLiteral(" Velmor"), 2, 8, m.Cortados(), 8);
}

void JogAnd(const M& m)
{
    FrChat->AdicionarJogo(m.Cortados());
}

void RetJog(const M& m)
{
    FrChat->RemoverJogo(m.Cortados());
}

void StatusDoLobby(const char* texto)
{
    FrChat->Status->setText(QString::fromUtf8(texto));
}

void JogFal(const M&) { StatusDoLobby("Jogo já existe. Escolha outro nome."); }
void EntFal(const M&) { StatusDoLobby("Não foi possível entrar no jogo !"); }
void ReeFal(const M&) { StatusDoLobby("Não foi possível reentrar no jogo !"); }
void JogNpr(const M&) { StatusDoLobby("Aguarde, jogo ainda não iniciado..."); }

// ---- the preparation room ----

void PreencherLugar(int lugar, const QString& nick, const QString& listaNegra, const QString& lider)
{
    if (!CorValida(lugar))
        return;
    const size_t i = size_t(lugar - 1);
    FrPrepara->Jogador[i]->setText(nick);
    FrPrepara->Black[i]->setText(listaNegra);
    FrPrepara->Lider[i]->setText(lider);
}

void AcrescentarLinha(QPlainTextEdit* memo, const QString& linha)
{
    memo->appendPlainText(linha);
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
}

void JogCri(const M& m)
{
    EstadoJogo.JogoAtual = m.Campo(1);
    EstadoJogo.AvancosEnviados = 0;
    EnviarMensagem(QStringLiteral("SaiCha"));
    EnviarMensagem(QStringLiteral("JogEnt"), {NickProprio(), EstadoJogo.JogoAtual});
    FrChat->hide();
    FrLogin->hide();
    Sessao.NaPreparacao = true;
    EstadoJogo.SouCriador = m.Campo(3) == NickProprio();
    FrPrepara->show();
    FrPrepara->setWindowTitle(QStringLiteral("Velmor - Preparando Jogo ") + m.Campo(2));
}

void CodJog(const M& m)
{
    EstadoJogo.JogoAtual = m.Cortados();
    if (!Sessao.Observador)
        EstadoJogo.Reentrando = true;
}

void EntJog(const M& m)
{
    const QString nick = m.Campo(2);
    QString lista = m.Campo(3);
    if (!lista.isEmpty())
        lista = TextoListaNegra(lista, nick);
    PreencherLugar(InteiroLeniente(m.Campo(1)), nick, lista, m.Campo(4));
    EstadoJogo.Reentrando = false;
}

void AtuJog(const M& m)
{
    if (m.Campo(1) == QLatin1String("Nome"))
        PreencherLugar(InteiroLeniente(m.Campo(2)), m.Campo(3), m.Campo(4), m.Campo(5));
}

void MovJog(const M& m)
{
    const QString f = m.Cortados();
    const QString nick = CampoCSV(f, 2);
    for (int lugar = 1; lugar <= NumeroCores; ++lugar)
        if (FrPrepara->Jogador[size_t(lugar - 1)]->text() == nick)
            PreencherLugar(lugar, {}, {}, {});
    PreencherLugar(InteiroLeniente(CampoCSV(f, 1)), nick, CampoCSV(f, 3), CampoCSV(f, 4));
    TocarSom(QStringLiteral("Andando"));
}

void SolJog(const M&)
{
    EnviarMensagem(QStringLiteral("SolJog"), {EstadoJogo.JogoAtual});
}

void MsgJog(const M& m)
{
    const QString linha = m.Campo(1) + QStringLiteral(" > ") + TextoAposPrimeiraVirgula(m.Campos);
    if (Sessao.NaPreparacao && FrPrepara->isVisible())
        AcrescentarLinha(FrPrepara->ChatInGame, linha);
    if (Sessao.EmPartida && FrMapa->isVisible()) {
        if (FrMapa->cbPausaChat->isChecked())
            EstadoJogo.ChatPausado.append(linha);
        else
            AcrescentarLinha(FrMapa->ChatInGame, linha);
    }
}

void TocSom(const M& m)
{
    TocarSom(QStringLiteral("Som_0") + CampoCSV(m.Texto, 2));
}

void GamMod(const M& m)
{
    const int modo = InteiroEstrito(m.Cortados());
    for (size_t i = 0; i < FrPrepara->Modos.size(); ++i)
        FrPrepara->Modos[i]->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                               .arg(int(i) == modo ? QStringLiteral("yellow") : QStringLiteral("white")));
}

void TroTip(const M& m)
{
    const int cor = InteiroEstrito(m.Campo(1));
    if (!CorValida(cor))
        return;
    EstadoJogo.TipoTropa[size_t(cor - 1)] = m.Campo(2);
    FrPrepara->Soldados[size_t(cor - 1)]->Carregar(Recursos::Tropa(cor, InteiroEstrito(m.Campo(2))));
}

void ValSor(const M& m)
{
    FrPrepara->GirarRoleta(InteiroEstrito(m.Cortados()));
}

void Pronto(const M& m)
{
    FrPrepara->MostrarEsferas(m.Cortados());
}

constexpr auto Tratadores = std::to_array<TTratadorCodigo>({
    {"LisJog", LisJog}, {"SaiJog", SaiJog}, {"EnvMsg", EnvMsg}, {"MsgPri", MsgPri}, {"SrvMsg", SrvMsg},
    {"JogAnd", JogAnd}, {"RetJog", RetJog}, {"JogFal", JogFal}, {"EntFal", EntFal}, {"ReeFal", ReeFal},
    {"JogNpr", JogNpr}, {"JogCri", JogCri}, {"CodJog", CodJog}, {"EntJog", EntJog}, {"AtuJog", AtuJog},
    {"MovJog", MovJog}, {"SolJog", SolJog}, {"MsgJog", MsgJog}, {"TocSom", TocSom}, {"GamMod", GamMod},
    {"TroTip", TroTip}, {"ValSor", ValSor}, {"Pronto", Pronto},
});

} // namespace

QString TextoListaNegra(const QString& contagem, const QString& nick)
{
    if (contagem.isEmpty() || contagem == QLatin1String("0"))
        return {};
    QString texto = QStringLiteral("Em outras ") + contagem + QStringLiteral(" Lista(s)");
    for (int i = 0; i < frBlackList->lbInimigos->count(); ++i) {
        if (!IguaisIgnorandoCaixaAscii(frBlackList->lbInimigos->item(i)->text(), nick))
            continue;
        if (contagem == QLatin1String("1"))
            return QStringLiteral("Na sua Lista Negra");
        return QStringLiteral("Na sua Lista Negra e +") + QString::number(InteiroOpcional(contagem).value_or(1) - 1);
    }
    return texto;
}

std::span<const TTratadorCodigo> TratadoresLobby()
{
    return Tratadores;
}
