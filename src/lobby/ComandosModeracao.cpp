// The staff commands of the lobby menu: menu tree and the exact messages each item sends.
#include "lobby/ComandosModeracao.h"

#include <array>

namespace {

using E = TEntradaModeracao;

constexpr const char* Avisos[] = {
    " Seja bem vindo ao Velmor !!! Para aprender a jogar facilmente sem complicações - Clique no botão tutorial no "
    "alto de sua tela e leia os tópicos na pagina que irá abrir - Vai aprender a jogar e entrar em salas. Alguma "
    "duvida fale com um STAFF.",
    " Parabéns voce foi cadastrado como um novo membro Velmor. Lembre-se que não são admitidos xingamentos. Quando "
    "ingressar em um jogo por favor em hipotese alguma saia com ele em andamento pois há punições para deserções.",
    " Por favor relogue saindo e entrando novamente no jogo.",
    " Atenção não é permitido palavrões Flood e uso de Caps Lock no chat.",
};

QString S(const char* texto)
{
    return QString::fromUtf8(texto);
}

QStringList Aviso(const E& e, int indice)
{
    return {S("MsgPri ") + e.Alvo + S(",") + e.Alvo + AvisoModeracao(indice)};
}

QStringList Punir(const E& e, const char* minutos)
{
    return {S("TipUsu ") + e.Alvo + S(",3") + e.Texto + S(",") + S(minutos)};
}

QStringList Banir(const E& e, const char* prazo, const char* dias)
{
    return {S("EnvMsg Baniu o usuario ") + e.Alvo + S(" - ") + S(prazo), S("BanUsu ") + e.Alvo + S(",") + S(dias)};
}

constexpr auto Comandos = std::to_array<TComandoModeracao>({
    {"Cadastros", nullptr, "Bem Vindo", "BemVindo1", [](const E& e) { return Aviso(e, 0); }},
    {"Cadastros", nullptr, "Cadastrar Membro", "NovoMembro1",
        [](const E& e) { return QStringList{S("TipUsu ") + e.Alvo + S(",1") + e.Texto}; }},
    {"Cadastros", nullptr, "Avisos", "Avisos1", [](const E& e) { return Aviso(e, 1); }},
    {"Cadastros", nullptr, "Relogar", "Relogar1", [](const E& e) { return Aviso(e, 2); }},
    {"Punições", nullptr, "Kikar", "Kikar1",
        [](const E& e) { return QStringList{S("EnvMsg kikou o jogador ") + e.Alvo, S("KickUs ") + e.Alvo + S(",") + e.Texto}; }},
    {"Punições", "Punir", "Nível 1 (24h)", "Nivel124h1", [](const E& e) { return Punir(e, "1440"); }},
    {"Punições", "Punir", "Nível 2 (48h)", "Nvel248h1", [](const E& e) { return Punir(e, "2880"); }},
    {"Punições", "Punir", "Nível 3 (72h)", "Nvel372h1", [](const E& e) { return Punir(e, "4320"); }},
    {"Punições", nullptr, "Despunir", "Despunir1", [](const E& e) { return QStringList{S("TipUsu ") + e.Alvo + S(",1")}; }},
    {"Punições", nullptr, "Despunir Mulher", "DespunirMulher1",
        [](const E& e) { return QStringList{S("TipUsu ") + e.Alvo + S(",2")}; }},
    {"Server", nullptr, "Logados", "Logados1", [](const E&) { return QStringList{S("Logado")}; }},
    {"Server", nullptr, "Free On", "FreeOn1", [](const E&) { return QStringList{S("LibFre ")}; }},
    {"Server", nullptr, "Free Off", "FreeOff1", [](const E&) { return QStringList{S("BloFre ")}; }},
    {"Atitude Drastica", nullptr, "Banir 30 dias", "RemoverMembro1", [](const E& e) { return Banir(e, "30 dias", "30"); }},
    {"Atitude Drastica", nullptr, "Banir 24 Horas", "Banir24Horas1", [](const E& e) { return Banir(e, "24 horas", "1"); }},
    {"Atitude Drastica", nullptr, "Banir 48 Horas", "Banir48Horas1", [](const E& e) { return Banir(e, "48 horas", "2"); }},
    {"Atitude Drastica", nullptr, "Banir 72 Horas", "Banir72Horas1", [](const E& e) { return Banir(e, "72 horas", "3"); }},
    {"Atitude Drastica", nullptr, "Banir 96 Horas", "Banir96Horas1", [](const E& e) { return Banir(e, "96 horas", "4"); }},
    {"Atitude Drastica", nullptr, "Desbanir", "Desbanir1",
        [](const E& e) { return QStringList{S("LibUsu ") + e.Alvo + S(",") + e.Texto}; }},
    {"Atitude Drastica", nullptr, "Remover Membro", "RemoverMembro2",
        [](const E& e) {
            return QStringList{S("EnvMsg Eliminou o jogador ") + e.Alvo, S("KickUs ") + e.Alvo, S("RetUsu ") + e.Alvo};
        }},
    {"Atitude Drastica", nullptr, "Fechar Sala de Jogo", "FecharSaladeJogo1",
        [](const E& e) {
            if (e.Jogo.isEmpty())
                return QStringList{};
            return QStringList{S("EnvMsg Fechou a Sala ") + e.Jogo, S("FecJog ") + e.Jogo};
        }},
    {"Advertencias", nullptr, "Chat", "Chat1", [](const E& e) { return Aviso(e, 3); }},
});

} // namespace

std::span<const TComandoModeracao> ComandosModeracao()
{
    return Comandos;
}

QString AvisoModeracao(int indice)
{
    return indice >= 0 && indice < int(std::size(Avisos)) ? S(Avisos[indice]) : QString();
}

QStringList MensagensModeracao(const QString& nome, const TEntradaModeracao& entrada)
{
    for (const TComandoModeracao& c : Comandos)
        if (nome == QLatin1String(c.Nome))
            return c.Mensagens(entrada);
    return {};
}
