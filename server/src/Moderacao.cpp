// The staff commands of the game port: account types, kicks, bans, the chat switch, closing rooms.
#include "Lobby.h"

#include "app/Texto.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLobby)

namespace {

constexpr int MinutosMaximos = 60 * 24 * 365;
constexpr int DiasMaximos = 3650;

QString DataHora(qint64 segundos)
{
    return QDateTime::fromSecsSinceEpoch(segundos).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

} // namespace

std::optional<TConta> TLobby::AlvoDaStaff(TSessao& s, const QString& nick)
{
    const std::optional<TConta> alvo = FBanco.Buscar(nick);
    if (!alvo) {
        Aviso(s, QStringLiteral("Jogador não encontrado: ") + nick.left(20));
        return std::nullopt;
    }
    // Nobody acts on a staff member of his own level or above, himself included.
    if (NivelStaff(alvo->Tipo) >= s.Nivel()) {
        Aviso(s, QStringLiteral("Você não tem autoridade sobre ") + alvo->Nick + QLatin1Char('.'));
        return std::nullopt;
    }
    qCInfo(lcLobby) << "staff:" << s.Nick() << "age sobre" << alvo->Nick;
    return alvo;
}

void TLobby::TipUsu(TSessao& s, const TPedido& p)
{
    // The type digit comes with the moderator's free input glued after it.
    const QString campo = p.Campo(2);
    const int tipo = campo.isEmpty() ? -1 : campo[0].digitValue();
    if (tipo < 1 || tipo > 3) {
        Aviso(s, QStringLiteral("Tipo de conta inválido: use 1, 2 ou 3."));
        return;
    }
    std::optional<TConta> alvo = AlvoDaStaff(s, p.Campo(1));
    if (!alvo)
        return;
    if (tipo == 3) {
        const int minutos = InteiroLeniente(p.Campo(3));
        if (minutos < 1 || minutos > MinutosMaximos) {
            Aviso(s, QStringLiteral("Duração da punição inválida."));
            return;
        }
        const int anterior = alvo->Tipo == 3 ? alvo->TipoAnterior : alvo->Tipo;
        const qint64 fim = FRelogio.Agora().toSecsSinceEpoch() + qint64(minutos) * 60;
        if (!FBanco.DefinirTipo(alvo->Id, 3, anterior, fim))
            return Aviso(s, QStringLiteral("Não foi possível gravar a punição."));
        alvo->Tipo = 3;
        alvo->TipoAnterior = anterior;
        alvo->PunidoAte = fim;
        Aviso(s, alvo->Nick + QStringLiteral(" está punido até ") + DataHora(fim) + QLatin1Char('.'));
    } else {
        if (!FBanco.DefinirTipo(alvo->Id, tipo, tipo, 0))
            return Aviso(s, QStringLiteral("Não foi possível gravar o tipo da conta."));
        alvo->Tipo = alvo->TipoAnterior = tipo;
        alvo->PunidoAte = 0;
        Aviso(s, QStringLiteral("A conta de ") + alvo->Nick + QStringLiteral(" agora é do tipo %1.").arg(tipo));
    }
    ContaMudou(*alvo);
}

void TLobby::KickUs(TSessao& s, const TPedido& p)
{
    const std::optional<TConta> alvo = AlvoDaStaff(s, p.Campo(1));
    if (!alvo)
        return;
    TSessao* sessao = SessaoLogada(alvo->Nick);
    if (!sessao)
        return Aviso(s, alvo->Nick + QStringLiteral(" não está online."));
    Expulsar(*sessao, QStringLiteral("Kicado"));
    Aviso(s, alvo->Nick + QStringLiteral(" foi tirado do servidor."));
}

void TLobby::BanUsu(TSessao& s, const TPedido& p)
{
    const int dias = InteiroLeniente(p.Campo(2));
    if (dias < 1 || dias > DiasMaximos)
        return Aviso(s, QStringLiteral("Duração do banimento inválida."));
    const std::optional<TConta> alvo = AlvoDaStaff(s, p.Campo(1));
    if (!alvo)
        return;
    const qint64 fim = FRelogio.Agora().toSecsSinceEpoch() + qint64(dias) * 86400;
    if (!FBanco.DefinirBanimento(alvo->Id, fim))
        return Aviso(s, QStringLiteral("Não foi possível gravar o banimento."));
    if (TSessao* sessao = SessaoLogada(alvo->Nick))
        Expulsar(*sessao, QStringLiteral("Kicado"));
    Aviso(s, alvo->Nick + QStringLiteral(" está banido até ") + DataHora(fim) + QLatin1Char('.'));
}

void TLobby::LibUsu(TSessao& s, const TPedido& p)
{
    std::optional<TConta> alvo = AlvoDaStaff(s, p.Campo(1));
    if (!alvo)
        return;
    bool gravado = FBanco.DefinirBanimento(alvo->Id, 0);
    alvo->BanidoAte = 0;
    if (gravado && alvo->Tipo == 3) {
        gravado = FBanco.DefinirTipo(alvo->Id, alvo->TipoAnterior, alvo->TipoAnterior, 0);
        alvo->Tipo = alvo->TipoAnterior;
        alvo->PunidoAte = 0;
    }
    if (!gravado)
        return Aviso(s, QStringLiteral("Não foi possível liberar a conta."));
    ContaMudou(*alvo);
    Aviso(s, alvo->Nick + QStringLiteral(" está liberado de banimento e punição."));
}

void TLobby::RetUsu(TSessao& s, const TPedido& p)
{
    std::optional<TConta> alvo = AlvoDaStaff(s, p.Campo(1));
    if (!alvo)
        return;
    // The account stays, as a visitor's: a later "Cadastrar Membro" gives the membership back.
    if (!FBanco.DefinirTipo(alvo->Id, 0, 0, 0))
        return Aviso(s, QStringLiteral("Não foi possível retirar o membro."));
    alvo->Tipo = alvo->TipoAnterior = 0;
    alvo->PunidoAte = 0;
    ContaMudou(*alvo);
    Aviso(s, alvo->Nick + QStringLiteral(" deixou de ser membro."));
}

void TLobby::Logado(TSessao& s, const TPedido&)
{
    QStringList nicks;
    for (const auto& [canal, outra] : FSessoes)
        if (outra->Conta)
            nicks.append(outra->Nick());
    nicks.sort(Qt::CaseInsensitive);
    Aviso(s, QStringLiteral("Logados (%1): ").arg(nicks.size()) + nicks.join(QStringLiteral(", ")));
}

void TLobby::LibFre(TSessao&, const TPedido&)
{
    FChatLivre = true;
    for (auto& [canal, outra] : FSessoes)
        if (outra->Conta && outra->NoLobby)
            Aviso(*outra, QStringLiteral("O chat do lobby está liberado."));
}

void TLobby::BloFre(TSessao&, const TPedido&)
{
    FChatLivre = false;
    for (auto& [canal, outra] : FSessoes)
        if (outra->Conta && outra->NoLobby)
            Aviso(*outra, QStringLiteral("O chat do lobby foi bloqueado pela Staff: só a Staff pode falar."));
}

void TLobby::FecJog(TSessao& s, const TPedido& p)
{
    const QString nome = p.Campo(1).trimmed();
    const auto jogo = std::find_if(FJogos.begin(), FJogos.end(), [&](const QString& j) { return j.mid(2).trimmed() == nome; });
    if (nome.isEmpty() || jogo == FJogos.end())
        return Aviso(s, QStringLiteral("Sala não encontrada: ") + nome.left(20));
    const QString chave = jogo->mid(2);
    FJogos.erase(jogo);
    ParaLobby(QStringLiteral("RetJog ") + chave);
    Aviso(s, QStringLiteral("Sala fechada: ") + nome + QLatin1Char('.'));
}
