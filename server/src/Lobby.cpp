// The game port's logic: login, sessions, the players list, chat, profile and blacklist.
#include "Lobby.h"

#include "Validacao.h"
#include "app/Texto.h"
#include "protocol/Catalogo.h"

#include <QLoggingCategory>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

Q_LOGGING_CATEGORY(lcLobby, "velmor.lobby")

namespace {

constexpr int LarguraAviso = 110;
const QString VersaoCliente = QStringLiteral("5.5");

} // namespace

int NivelStaff(int tipo)
{
    switch (tipo) {
    case 5: case 8: return 1;
    case 6: case 9: return 2;
    default: return 0;
    }
}

int TLobby::TSessao::Nivel() const
{
    return Conta ? NivelStaff(Conta->Tipo) : 0;
}

QString TextoTipo(int tipo)
{
    static const std::array<const char*, 13> Textos = {"Visitante", "Membro", "Membro", "Punido", "Veterano",
        "Moderador", "Administrador", "Membro", "Moderador", "Administrador", "Membro", "Membro", "Membro"};
    return tipo >= 0 && tipo < int(Textos.size()) ? QString::fromUtf8(Textos[tipo]) : QString();
}

QStringList LinhasDeAviso(const QString& texto)
{
    QStringList linhas;
    QString resto = texto;
    while (resto.size() > LarguraAviso) {
        int corte = resto.lastIndexOf(QLatin1Char(' '), LarguraAviso);
        if (corte <= 0)
            corte = LarguraAviso;
        linhas.append(resto.left(corte));
        resto = resto.mid(corte).trimmed();
    }
    if (!resto.isEmpty())
        linhas.append(resto);
    return linhas;
}

TLobby::TLobby(TBancoContas& banco, const TLimites& limites, TRelogio relogio)
    : FBanco(banco), FLimites(limites), FRelogio(std::move(relogio))
{
}

TLobby::~TLobby() = default;

const TLobby::TTratador* TLobby::BuscarTratador(const QString& codigo)
{
    using A = TAcesso;
    static const TTratador Tabela[] = {
        {"SrvSel", A::Qualquer, &TLobby::SrvSel}, {"LogSer", A::Qualquer, &TLobby::LogSer},
        {"InfAti", A::Logado, &TLobby::InfAti}, {"SolRet", A::Logado, &TLobby::SolRet},
        {"EnvMsg", A::Logado, &TLobby::EnvMsg}, {"MsgPri", A::Logado, &TLobby::MsgPri},
        {"JogAnd", A::Logado, &TLobby::JogAnd}, {"VolCha", A::Logado, &TLobby::VolCha},
        {"SaiCha", A::Logado, &TLobby::SaiCha}, {"BlkLis", A::Logado, &TLobby::BlkLis},
        {"UsuDat", A::Logado, &TLobby::UsuDat}, {"SetVar", A::Logado, &TLobby::SetVar},
        {"AtuSen", A::Logado, &TLobby::AtuSen}, {"ChaSup", A::Logado, &TLobby::ChaSup},
        {"TipUsu", A::Staff, &TLobby::TipUsu}, {"KickUs", A::Staff, &TLobby::KickUs},
        {"BanUsu", A::Staff, &TLobby::BanUsu}, {"LibUsu", A::Staff, &TLobby::LibUsu},
        {"RetUsu", A::Administrador, &TLobby::RetUsu}, {"Logado", A::Staff, &TLobby::Logado},
        {"LibFre", A::Staff, &TLobby::LibFre}, {"BloFre", A::Staff, &TLobby::BloFre},
        {"FecJog", A::Staff, &TLobby::FecJog},
    };
    for (const TTratador& t : Tabela)
        if (codigo == QLatin1String(t.Codigo))
            return &t;
    return nullptr;
}

void TLobby::Conectou(ICanal* canal)
{
    FSessoes.emplace(canal, std::make_unique<TSessao>(canal, FLimites));
}

void TLobby::Recebeu(ICanal* canal, const TPedido& p)
{
    TSessao* s = SessaoDe(canal);
    if (!s)
        return;
    const TTratador* t = BuscarTratador(p.Codigo);
    if (!t) {
        // Only the lobby shows notices; before the login a stray request is just logged.
        if (s->Conta && BuscarCodigoSaida(p.Codigo))
            Aviso(*s, QStringLiteral("O pedido ") + p.Codigo + QStringLiteral(" ainda não é atendido por este servidor."));
        else
            qCInfo(lcLobby) << canal->Descricao() << "pedido sem tratamento:" << p.Codigo;
        return;
    }
    if (t->Acesso != TAcesso::Qualquer && !s->Conta)
        return;
    if (t->Acesso == TAcesso::Staff && s->Nivel() < 1) {
        Aviso(*s, QStringLiteral("Este comando é exclusivo da Staff."));
        return;
    }
    if (t->Acesso == TAcesso::Administrador && s->Nivel() < 2) {
        Aviso(*s, QStringLiteral("Este comando é exclusivo dos administradores."));
        return;
    }
    (this->*(t->Tratar))(*s, p);
}

void TLobby::Desconectou(ICanal* canal)
{
    const auto it = FSessoes.find(canal);
    if (it == FSessoes.end())
        return;
    const std::unique_ptr<TSessao> s = std::move(it->second);
    FSessoes.erase(it);
    if (s->Conta) {
        qCInfo(lcLobby) << s->Nick() << "saiu";
        if (s->NoLobby)
            AnunciarNoLobby(s->Nick(), true, nullptr);
    }
}

void TLobby::AdicionarJogo(const QString& entrada)
{
    const QString normal = entrada.leftJustified(22, QLatin1Char(' '), true);
    const auto mesmo = std::find_if(FJogos.begin(), FJogos.end(), [&](const QString& j) { return j.mid(2) == normal.mid(2); });
    if (mesmo != FJogos.end())
        *mesmo = normal;
    else
        FJogos.append(normal);
}

int TLobby::JogadoresOnline() const
{
    return int(std::count_if(FSessoes.begin(), FSessoes.end(), [](const auto& par) { return bool(par.second->Conta); }));
}

// ---- helpers ----

TLobby::TSessao* TLobby::SessaoDe(ICanal* canal)
{
    const auto it = FSessoes.find(canal);
    return it == FSessoes.end() ? nullptr : it->second.get();
}

TLobby::TSessao* TLobby::SessaoLogada(const QString& nick)
{
    for (auto& [canal, s] : FSessoes)
        if (s->Conta && s->Nick().compare(nick, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

void TLobby::Aviso(TSessao& s, const QString& texto)
{
    for (const QString& linha : LinhasDeAviso(texto))
        s.Canal->Enviar(QStringLiteral("SrvMsg ") + linha);
}

void TLobby::ParaLobby(const QString& texto)
{
    for (auto& [canal, s] : FSessoes)
        if (s->Conta && s->NoLobby)
            canal->Enviar(texto);
}

QString TLobby::LinhaJogador(const TSessao& s) const
{
    const TConta& c = *s.Conta;
    return QStringLiteral("LisJog ") + QStringList{QString::number(c.Patente), QString::number(c.Tipo), c.Nick,
        FormatarDigitos(c.Pontos, 4), QString::number(c.Partidas), QString::number(c.Abandonos),
        QString::number(s.Posicao), QString::number(c.Vitorias), TextoTipo(c.Tipo)}.join(QLatin1Char(','));
}

QStringList TLobby::NicksNoLobby() const
{
    QStringList nicks;
    for (const auto& [canal, s] : FSessoes)
        if (s->Conta && s->NoLobby)
            nicks.append(s->Nick());
    // Plain code-unit order puts every nick before the longer nicks it begins.
    std::sort(nicks.begin(), nicks.end());
    return nicks;
}

void TLobby::EnviarListaCompleta(TSessao& s)
{
    for (const QString& nick : NicksNoLobby())
        s.Canal->Enviar(LinhaJogador(*SessaoLogada(nick)));
}

void TLobby::EnviarEstatisticas(TSessao& s)
{
    const QDateTime agora = FRelogio.Agora();
    s.Canal->Enviar(QStringLiteral("EstJog ") + FormatarDigitos(JogadoresOnline(), 4) + QStringLiteral(" - ")
        + FormatarDigitos(int(FJogos.size()), 4));
    s.Canal->Enviar(QStringLiteral("HorSer ") + agora.toString(QStringLiteral("HH:mm:ss")));
    s.Canal->Enviar(QStringLiteral("DatSer ") + agora.toString(QStringLiteral("dd/MM/yyyy")));
}

// The client removes the first entry that merely begins with a nick, both before adding one
// and on a departure, so "Ana" would take "Anabela" with her. Every entry sharing the prefix is
// taken out and put back, shorter nicks first, and each list ends up right.
void TLobby::AnunciarNoLobby(const QString& nick, bool estavaNaLista, const TSessao* exceto)
{
    QStringList afetados;
    for (const QString& outro : NicksNoLobby())
        if (outro.startsWith(nick))
            afetados.append(outro);
    QStringList linhas;
    const auto remocoes = (estavaNaLista ? 1 : 0) + std::count_if(afetados.begin(), afetados.end(),
        [&](const QString& a) { return a != nick; });
    for (qsizetype i = 0; i < remocoes; ++i)
        linhas.append(QStringLiteral("SaiJog ") + nick);
    for (const QString& a : afetados)
        linhas.append(LinhaJogador(*SessaoLogada(a)));
    for (auto& [canal, s] : FSessoes)
        if (s.get() != exceto && s->Conta && s->NoLobby)
            for (const QString& linha : linhas)
                canal->Enviar(linha);
}

void TLobby::Expulsar(TSessao& alvo, const QString& codigo)
{
    ICanal* canal = alvo.Canal;
    canal->Enviar(codigo);
    canal->Fechar();
    Desconectou(canal);
}

bool TLobby::PodeFalar(TSessao& s)
{
    if (s.Chat.Retirar(FRelogio.Ms())) {
        s.AvisadoRapido = false;
        return true;
    }
    if (!s.AvisadoRapido)
        Aviso(s, QStringLiteral("Calma: você está mandando mensagens rápido demais."));
    s.AvisadoRapido = true;
    return false;
}

TConta TLobby::AplicarPrazos(TConta conta)
{
    const qint64 agora = FRelogio.Agora().toSecsSinceEpoch();
    if (conta.BanidoAte != 0 && conta.BanidoAte <= agora && FBanco.DefinirBanimento(conta.Id, 0))
        conta.BanidoAte = 0;
    if (conta.Tipo == 3 && conta.PunidoAte != 0 && conta.PunidoAte <= agora
        && FBanco.DefinirTipo(conta.Id, conta.TipoAnterior, conta.TipoAnterior, 0)) {
        conta.Tipo = conta.TipoAnterior;
        conta.PunidoAte = 0;
    }
    return conta;
}

QString TLobby::NovoToken() const
{
    static const QString Simbolos = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    for (;;) {
        QString token;
        for (int i = 0; i < 4; ++i)
            token += Simbolos[QRandomGenerator::global()->bounded(int(Simbolos.size()))];
        const bool usado = std::any_of(FSessoes.begin(), FSessoes.end(), [&](const auto& par) { return par.second->Token == token; });
        if (token != QLatin1String("0000") && !usado)
            return token;
    }
}

void TLobby::ContaMudou(const TConta& conta)
{
    for (auto& [canal, s] : FSessoes) {
        if (!s->Conta || s->Conta->Id != conta.Id)
            continue;
        s->Conta = conta;
        if (s->NoLobby)
            AnunciarNoLobby(conta.Nick, true, nullptr);
        return;
    }
}

// ---- session ----

void TLobby::SrvSel(TSessao& s, const TPedido&)
{
    s.Canal->Enviar(QStringLiteral("SrvSel"));
}

void TLobby::LogSer(TSessao& s, const TPedido& p)
{
    if (s.Conta) {
        Aviso(s, QStringLiteral("Você já entrou no servidor."));
        return;
    }
    if (p.Campo(3) != VersaoCliente) {
        s.Canal->Enviar(QStringLiteral("InvVer"));
        return;
    }
    const auto recusar = [&](const QString& motivo) {
        qCInfo(lcLobby) << s.Canal->Descricao() << "login recusado para" << p.Campo(1).left(20) << ":" << motivo;
        // The client writes the reason right after its "Falha no login:".
        s.Canal->Enviar(QStringLiteral("LogFal ") + QLatin1Char(' ') + motivo);
        // The client hangs up on a refusal anyway; closing here too keeps a script from
        // guessing passwords on one connection.
        s.Canal->Fechar();
    };
    const std::optional<TConta> encontrada = FBanco.Buscar(p.Campo(1));
    if (!encontrada)
        return recusar(QStringLiteral("Usuário não cadastrado."));
    if (!FBanco.SenhaConfere(encontrada->Id, p.Campo(2)))
        return recusar(QStringLiteral("Senha incorreta."));
    const TConta conta = AplicarPrazos(*encontrada);
    if (conta.BanidoAte != 0)
        return recusar(QStringLiteral("Conta banida até ")
            + QDateTime::fromSecsSinceEpoch(conta.BanidoAte).toString(QStringLiteral("dd/MM/yyyy HH:mm")) + QLatin1Char('.'));

    // One session per account: the older one is told and closed, without a departure.
    bool estavaNaLista = false;
    for (auto it = FSessoes.begin(); it != FSessoes.end(); ++it) {
        TSessao& anterior = *it->second;
        if (&anterior == &s || !anterior.Conta || anterior.Conta->Id != conta.Id)
            continue;
        estavaNaLista = anterior.NoLobby;
        anterior.Canal->Enviar(QStringLiteral("DscIns"));
        anterior.Canal->Fechar();
        FSessoes.erase(it);
        break;
    }

    s.Conta = conta;
    s.Token = NovoToken();
    s.NoLobby = true;
    s.Posicao = FBanco.PosicaoRanking(conta.Pontos);
    s.Canal->MarcarIdentificado();
    qCInfo(lcLobby) << conta.Nick << "entrou de" << s.Canal->Descricao();
    s.Canal->Enviar(QStringLiteral("LogAce ") + s.Token + QLatin1Char(',') + conta.Nick + QLatin1Char(',') + conta.Missao
        + QLatin1Char(',') + conta.PaisLiderado);
    EnviarListaCompleta(s);
    EnviarEstatisticas(s);
    Aviso(s, QStringLiteral("Bem-vindo ao servidor de treino do Velmor, ") + conta.Nick + QLatin1Char('!'));
    Aviso(s, QStringLiteral("Neste servidor já há chat e lobby; as salas de jogo chegam em breve."));
    // Last, so that it hides the room buttons the own players-list entry has just shown.
    if (!conta.DadosCompletos())
        s.Canal->Enviar(QStringLiteral("Perfil"));
    AnunciarNoLobby(conta.Nick, estavaNaLista, &s);
}

void TLobby::InfAti(TSessao& s, const TPedido&)
{
    s.Canal->Enviar(QStringLiteral("InfAti"));
}

void TLobby::SolRet(TSessao& s, const TPedido& p)
{
    s.Canal->Enviar(QStringLiteral("SolRet ") + Primeiros(p.Campo(2), 1));
}

// ---- lobby ----

void TLobby::EnvMsg(TSessao& s, const TPedido& p)
{
    const QString texto = SemControles(p.Campos).left(FLimites.TamanhoLinhaChat);
    if (texto.trimmed().isEmpty() || !s.NoLobby)
        return;
    if (!FChatLivre && s.Nivel() == 0) {
        Aviso(s, QStringLiteral("O chat do lobby está bloqueado pela Staff."));
        return;
    }
    if (PodeFalar(s))
        ParaLobby(QStringLiteral("EnvMsg ") + s.Nick() + QLatin1Char(',') + texto);
}

void TLobby::MsgPri(TSessao& s, const TPedido& p)
{
    const QString texto = SemControles(p.Resto()).left(FLimites.TamanhoLinhaChat);
    const QString nickAlvo = SemControles(p.Campo(1)).left(20);
    if (texto.trimmed().isEmpty() || nickAlvo.isEmpty() || !PodeFalar(s))
        return;
    TSessao* alvo = SessaoLogada(nickAlvo);
    if (!alvo) {
        Aviso(s, nickAlvo + QStringLiteral(" não está online."));
        return;
    }
    if (FBanco.NaListaNegra(alvo->Conta->Id, s.Conta->Id)) {
        Aviso(s, alvo->Nick() + QStringLiteral(" não aceita as suas mensagens."));
        return;
    }
    // The sender gets a copy too, so he sees what he sent in the private colour.
    const QString mensagem = QStringLiteral("MsgPri ") + s.Nick() + QLatin1Char(',') + alvo->Nick() + QLatin1Char(',') + texto;
    alvo->Canal->Enviar(mensagem);
    if (alvo != &s)
        s.Canal->Enviar(mensagem);
}

void TLobby::JogAnd(TSessao& s, const TPedido&)
{
    for (const QString& jogo : FJogos)
        s.Canal->Enviar(QStringLiteral("JogAnd ") + jogo);
}

void TLobby::VolCha(TSessao& s, const TPedido&)
{
    // The lobby empties its players list before it asks, so it gets the whole list again.
    s.Posicao = FBanco.PosicaoRanking(s.Conta->Pontos);
    if (!s.NoLobby) {
        s.NoLobby = true;
        AnunciarNoLobby(s.Nick(), false, &s);
    }
    EnviarListaCompleta(s);
    EnviarEstatisticas(s);
}

void TLobby::SaiCha(TSessao& s, const TPedido&)
{
    if (!s.NoLobby)
        return;
    s.NoLobby = false;
    AnunciarNoLobby(s.Nick(), true, nullptr);
}

void TLobby::ChaSup(TSessao& s, const TPedido& p)
{
    int avisados = 0;
    for (auto& [canal, outro] : FSessoes)
        if (outro.get() != &s && outro->Nivel() > 0) {
            Aviso(*outro, s.Nick() + QStringLiteral(" chama a Staff (") + SemControles(p.Campo(1)).left(20) + QStringLiteral(")."));
            ++avisados;
        }
    Aviso(s, avisados ? QStringLiteral("Seu chamado foi enviado à Staff.")
                      : QStringLiteral("Nenhum membro da Staff está online agora."));
}

// ---- profile and blacklist ----

void TLobby::BlkLis(TSessao& s, const TPedido& p)
{
    const QString operacao = p.Campo(1);
    if (operacao == QLatin1String("L")) {
        for (const QString& nick : FBanco.ListaNegra(s.Conta->Id))
            s.Canal->Enviar(QStringLiteral("BlkLis L,,") + nick);
        return;
    }
    // A result with operation "I" or "D" makes the window add or remove the nick it shows, so a
    // refusal goes without an operation.
    const auto recusa = [&](const QString& texto) { s.Canal->Enviar(QStringLiteral("BlkLis E,,") + texto); };
    if (operacao != QLatin1String("I") && operacao != QLatin1String("D"))
        return recusa(QStringLiteral("Pedido inválido"));
    const QString nick = SemControles(p.Campo(2)).left(20);
    const std::optional<TConta> alvo = FBanco.Buscar(nick);
    if (!alvo)
        return recusa(QStringLiteral("Jogador não encontrado: ") + nick);
    if (operacao == QLatin1String("I")) {
        if (alvo->Id == s.Conta->Id)
            return recusa(QStringLiteral("Você não pode pôr a si mesmo na Lista Negra"));
        if (FBanco.ListaNegra(s.Conta->Id).size() >= FLimites.ListaNegraMaxima)
            return recusa(QStringLiteral("Sua Lista Negra está cheia"));
        if (!FBanco.IncluirNaListaNegra(s.Conta->Id, alvo->Id))
            return recusa(alvo->Nick + QStringLiteral(" já está na sua Lista Negra"));
        s.Canal->Enviar(QStringLiteral("BlkLis S,I,") + alvo->Nick + QStringLiteral(" entrou na sua Lista Negra"));
        return;
    }
    if (!FBanco.ExcluirDaListaNegra(s.Conta->Id, alvo->Id))
        return recusa(alvo->Nick + QStringLiteral(" não está na sua Lista Negra"));
    s.Canal->Enviar(QStringLiteral("BlkLis S,D,") + alvo->Nick + QStringLiteral(" saiu da sua Lista Negra"));
}

void TLobby::UsuDat(TSessao& s, const TPedido&)
{
    for (int item = 1; item <= ItensPessoais; ++item)
        s.Canal->Enviar(QStringLiteral("UsuDat %1,").arg(item) + s.Conta->Dados[item - 1]);
}

void TLobby::SetVar(TSessao& s, const TPedido& p)
{
    const int item = InteiroLeniente(p.Campo(1));
    const std::optional<QString> valor = DadoPessoalValido(item, p.Resto(), FRelogio.Agora().date());
    if (!valor) {
        Aviso(s, QStringLiteral("O dado pessoal %1 não foi aceito; confira e envie de novo.").arg(item));
        return;
    }
    if (!FBanco.GravarDado(s.Conta->Id, item, *valor)) {
        Aviso(s, QStringLiteral("Não foi possível gravar os seus dados agora."));
        return;
    }
    s.Conta->Dados[item - 1] = *valor;
}

void TLobby::AtuSen(TSessao& s, const TPedido& p)
{
    const QString nova = p.Campo(2);
    if (!FBanco.SenhaConfere(s.Conta->Id, p.Campo(1))) {
        s.Canal->Enviar(QStringLiteral("AtuSen ER"));
        return;
    }
    if (!SenhaValida(nova)) {
        Aviso(s, QStringLiteral("A nova senha precisa ter de 2 a 8 caracteres, sem vírgula."));
        s.Canal->Enviar(QStringLiteral("AtuSen ER"));
        return;
    }
    s.Canal->Enviar(FBanco.TrocarSenha(s.Conta->Id, nova) ? QStringLiteral("AtuSen OK") : QStringLiteral("AtuSen ER"));
}
