// Every message code of both directions.
#include "protocol/Catalogo.h"

#include <algorithm>
#include <array>

namespace {

using F = TFamilia;

constexpr std::array Entradas = std::to_array<TCodigoEntrada>({
    {"ConCri", 0, F::Sessao}, {"ConFal", 2, F::Sessao}, {"LogAce", 0, F::Sessao},
    {"LogFal", 50, F::Sessao}, {"InvVer", 0, F::Sessao}, {"SrvSel", 0, F::Sessao},
    {"Kicado", 0, F::Sessao}, {"DscIns", 0, F::Sessao}, {"InfAti", 0, F::Sessao},
    {"SolRet", 1, F::Sessao}, {"UltMsg", 4, F::Sessao}, {"EstJog", 20, F::Sessao},
    {"HorSer", 20, F::Sessao}, {"DatSer", 20, F::Sessao}, {"AtuSen", 2, F::Sessao},
    {"UsuDat", 0, F::Sessao}, {"Perfil", 0, F::Sessao}, {"ChkNic", 1, F::Sessao},
    {"ConMsg", 0, F::Sessao}, {"MsgCor", 0, F::Sessao}, {"ReeJog", 0, F::Sessao},

    {"LisJog", 0, F::Lobby}, {"SaiJog", 18, F::Lobby}, {"EnvMsg", 0, F::Lobby},
    {"MsgPri", 0, F::Lobby}, {"SrvMsg", 110, F::Lobby}, {"JogAnd", 22, F::Lobby},
    {"RetJog", 20, F::Lobby}, {"JogFal", 0, F::Lobby}, {"EntFal", 0, F::Lobby},
    {"ReeFal", 0, F::Lobby}, {"JogNpr", 0, F::Lobby},

    {"JogCri", 0, F::Sala}, {"CodJog", 4, F::Sala}, {"EntJog", 0, F::Sala},
    {"AtuJog", 0, F::Sala}, {"MovJog", 100, F::Sala}, {"SolJog", 0, F::Sala},
    {"MsgJog", 0, F::Sala}, {"TocSom", 0, F::Sala}, {"GamMod", 1, F::Sala},
    {"TroTip", 0, F::Sala}, {"ValSor", 2, F::Sala}, {"Pronto", 6, F::Sala},

    {"IniPar", 0, F::Partida}, {"MapJog", 168, F::Partida}, {"EnvAca", 6, F::Partida},
    {"PodJog", 1, F::Partida}, {"TerDir", 2, F::Partida}, {"TerCon", 24, F::Partida},
    {"DisCon", 4, F::Partida}, {"DisExe", 2, F::Partida}, {"DisEx2", 0, F::Partida},
    {"AtuQtd", 2, F::Partida}, {"PodAta", 0, F::Partida}, {"AlvMar", 2, F::Partida},
    {"AlvDes", 2, F::Partida}, {"AtaMar", 2, F::Partida}, {"AtaDes", 2, F::Partida},
    {"JogDaA", 1, F::Partida}, {"DadAta", 3, F::Partida}, {"JogDaD", 1, F::Partida},
    {"DadDef", 3, F::Partida}, {"VitAta", 4, F::Partida}, {"VitDef", 4, F::Partida},
    {"MovAta", 4, F::Partida}, {"MovExe", 5, F::Partida}, {"MovEx2", 0, F::Partida},
    {"PodMov", 0, F::Partida}, {"ProRod", 0, F::Partida}, {"TemJog", 5, F::Partida},
    {"JogDes", 18, F::Partida},

    {"MeuObj", 2, F::Cartas}, {"RecCar", 2, F::Cartas}, {"SolCar", 0, F::Cartas},
    {"TemTro", 0, F::Cartas}, {"ExeTro", 2, F::Cartas}, {"SolObj", 0, F::Cartas},
    {"ObjRev", 4, F::Cartas}, {"JogVit", 35, F::Cartas},

    {"Rankin", 30, F::Comunidade}, {"Ranki2", 0, F::Comunidade}, {"Top10H", 0, F::Comunidade},
    {"MisDat", 0, F::Comunidade}, {"BlkLis", 0, F::Comunidade}, {"LidLis", 0, F::Comunidade},
    {"LidDet", 0, F::Comunidade}, {"LidJog", 40, F::Comunidade}, {"LidCon", 0, F::Comunidade},
    {"LidMsg", 100, F::Comunidade}, {"LidAtu", 10, F::Comunidade}, {"LidRet", 20, F::Comunidade},
    {"AmiLis", 0, F::Comunidade}, {"AmiMsg", 100, F::Comunidade}, {"AmiRet", 15, F::Comunidade},
});

constexpr auto N = TModoEnvio::Numerada;
constexpr auto D = TModoEnvio::Direta;

constexpr std::array Saidas = std::to_array<TCodigoSaida>({
    {"SrvSel", D}, {"LogSer", D}, {"UltRec", D}, {"ChkNic", D}, {"SetVa2", D},
    {"InfAti", N}, {"SolRet", N}, {"UsuDat", N}, {"SetVar", N}, {"AtuSen", N},
    {"BlkLis", N}, {"AmiLis", N}, {"AmiPan", N}, {"Missao", N}, {"LidLis", N},
    {"LidDet", N}, {"LidCon", N}, {"LidExp", N}, {"LidCom", N}, {"LidAba", N},
    {"LidAce", N}, {"LidNeg", N}, {"Rankin", N}, {"Ranki2", N}, {"EnvMsg", N},
    {"MsgPri", N}, {"JogAnd", N}, {"SaiCha", N}, {"CriJog", N}, {"LogJog", N},
    {"ReeJog", N}, {"EntSal", N}, {"VolCha", N}, {"ChaSup", N}, {"TipUsu", N},
    {"KickUs", N}, {"BanUsu", N}, {"LibUsu", N}, {"RetUsu", N}, {"FecJog", N},
    {"LibFre", N}, {"BloFre", N}, {"Logado", N}, {"JogEnt", N}, {"SolJog", N},
    {"MovJog", N}, {"MsgJog", N}, {"TocSom", N}, {"GamMod", N}, {"Pronto", N},
    {"ExeSel", N}, {"NomJog", N}, {"RetJog", N}, {"ExeEsc", N}, {"QueCom", N},
    {"Bencao", N}, {"SolMap", N}, {"AvaScr", N}, {"RecCar", N}, {"TimeUp", N},
    {"MarAta", N}, {"DesAta", N}, {"MarAlv", N}, {"DesAlv", N}, {"JogDaA", N},
    {"JogDaD", N}, {"DadAta", N}, {"DadDef", N}, {"VitAta", N}, {"VitDef", N},
    {"VerObj", N}, {"MovAta", N}, {"ConAta", N}, {"MovExe", N}, {"MovEx2", N},
    {"DisEx2", N}, {"DisExe", N}, {"DisCon", N}, {"AtuQtd", N}, {"TemTro", N},
    {"SolObj", N}, {"PtsPe1", N}, {"PtsRe1", N}, {"JogDes", N}, {"SaiSal", N},
    {"Gravar", N}, {"Apagar", N}, {"Recado", N}, {"Quando", N},
});

template <typename T, size_t Tamanho>
const T* Buscar(const std::array<T, Tamanho>& tabela, const QString& codigo)
{
    const auto it = std::find_if(tabela.begin(), tabela.end(),
        [&](const T& e) { return codigo == QLatin1String(e.Codigo); });
    return it == tabela.end() ? nullptr : &*it;
}

} // namespace

std::span<const TCodigoEntrada> CodigosEntrada() { return Entradas; }
std::span<const TCodigoSaida> CodigosSaida() { return Saidas; }

const TCodigoEntrada* BuscarCodigoEntrada(const QString& codigo)
{
    return Buscar(Entradas, codigo);
}

const TCodigoSaida* BuscarCodigoSaida(const QString& codigo)
{
    return Buscar(Saidas, codigo);
}
