// Names of the pictures and sounds the client loads; the asset generator (tools/gerador) writes the same names.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

/// Paths are written the Windows way, as the client asks for them (CaminhoRecurso maps them to local
/// paths); the `const char*` ones are UTF-8 ("n\u00e3otroca"), so read them with QString::fromUtf8.
namespace Recursos {

// ---- Window backgrounds -------------------------------------------------------------------------
/// Names passed to CaminhoImagem ("Imagens\" + name + "_dqtekp.jpg").
inline constexpr const char* FundoLogin = "login";
inline constexpr const char* FundoChat = "chat";
inline constexpr const char* FundoPrepara = "prepara";
inline constexpr const char* FundoMapa = "mapa"; ///< the 1010 x 700 world map of the board
inline constexpr const char* FundoNovaConta = "novaconta";
inline constexpr const char* FundoPerfil = "perfil";
inline constexpr const char* FundoMissao = "missao";
inline constexpr const char* FundoBlackList = "blacklist";
/// Backgrounds loaded by their whole path.
inline constexpr const char* FundoLiderEntrada = "Imagens\\lider_entrada.jpg";
inline constexpr const char* FundoLiderDetalhes = "Imagens\\lider_detalhes.jpg";
inline constexpr const char* FundoListaAmigos = "Imagens\\lista_amigos.jpg";
inline constexpr const char* FundoRankingDuelos = "Imagens\\ranking_duelos.jpg";

// ---- The board ----------------------------------------------------------------------------------
/// Troop types drawn for every colour: "Shape" + colour + 00 .. TiposDeTropa - 1.
inline constexpr int TiposDeTropa = 6;
/// "Imagens\Shape" + colour (one digit) + type (two digits) + ".bmp"; 32 x 32, bottom-left pixel transparent.
/// Colour 1..6; type 0 is the plain soldier ("Shape100" .. "Shape600").
QString Tropa(int cor, int tipo);
/// "Imagens\NovoFundo" + mark + ".bmp" (mark 1..4), drawn under a marker; bottom-left pixel transparent.
QString FundoMarca(int marca);
/// A thrown die: "Imagens\DadoA" / "DadoD" + value (1..6) + ".bmp", 40 x 40.
QString Dado(bool ataque, int valor);
/// A die at rest when the board opens: "Imagens\dadoa" / "dadod" + position (1..3) + ".bmp".
QString DadoParado(bool ataque, int posicao);
/// Frames of the shaking cup: "Imagens\CopoAt" / "CopoDe" + frame (00..09) + ".bmp", 48 x 48.
QString Copo(bool ataque, int quadro);
inline constexpr int QuadrosDeCopo = 10;
/// Connection lamps of the players' panel, 16 x 16.
inline constexpr const char* ConexaoApagada = "Imagens\\Conexao00.bmp";   ///< lamp off
inline constexpr const char* ConexaoRetorno = "Imagens\\Conexao01.bmp";   ///< the player answered ("SolRet")
inline constexpr const char* ConexaoAtividade = "Imagens\\Conexao10.bmp"; ///< the player acted
inline constexpr const char* ConexaoSaiu = "Imagens\\Conexao11.bmp";      ///< the player left
/// Step pictures of `Acao` (45 x 45).
inline constexpr const char* AcaoTDireito = "Imagens\\AcaoTDireito.bmp";
inline constexpr const char* AcaoTContinente = "Imagens\\AcaoTContinente.bmp";
inline constexpr const char* AcaoAtacar = "Imagens\\AcaoAtacar.bmp";
inline constexpr const char* AcaoMover = "Imagens\\AcaoMover.bmp";
inline constexpr const char* AcaoTroca = "Imagens\\AcaoTroca.bmp";
inline constexpr const char* AcaoExTroca = "Imagens\\AcaoExTroca.bmp";
/// The soldier of the player on turn (`Jogando`, 32 x 32): "Imagens\Soldado" + colour + ".bmp".
QString SoldadoDaVez(int cor);
/// The four turn buttons of the board (40 x 40).
inline constexpr const char* BotaoPararAtaque = "Imagens\\paraataque.bmp";
inline constexpr const char* BotaoPassaVez = "Imagens\\passavez.bmp";
inline constexpr const char* BotaoVerCartas = "Imagens\\vercarta.bmp";
inline constexpr const char* BotaoNaoTroca = "Imagens\\n\u00e3otroca.bmp";
/// The super-attack switch (18 x 97).
inline constexpr const char* SuperAtaqueLigado = "Imagens\\super_ataque_on.jpg";
inline constexpr const char* SuperAtaqueDesligado = "Imagens\\super_ataque_off.jpg";

// ---- Cards and objectives -----------------------------------------------------------------------
/// "Imagens\Carta" + two digits + ".bmp": 1..42 the territory cards, 43 the joker; 69 x 120.
QString Carta(int numero);
inline constexpr const char* CartaVazia = "Imagens\\CartaVazia.bmp";
/// "Imagens\Objetivo" + two digits + ".bmp", 85 x 148; 0 is the back of the card.
QString Objetivo(int numero);
/// Objective cards 1..Objetivos have a face (the server deals these numbers): 1 Europe, Oceania and a third
/// continent; 2 Asia and South America; 3 Europe, South America and a third; 4 eighteen territories with two
/// armies each; 5 Asia and Africa; 6 North America and Africa; 7 twenty-four territories; 8 North America and
/// Oceania; 9..14 destroy the army of colour 1..6 (twenty-four territories when it is one's own or already gone).
inline constexpr int Objetivos = 14;
/// Seat lamps of the preparation room (30 x 30): "Imagens\Esfera" + digit + ".bmp". 0 is off, 3 the roulette
/// light, 4 ready ("1" is shown as 4); every digit the server may send has a picture.
QString Esfera(int digito);
inline constexpr int DigitosDeEsfera = 10;

// ---- Picture lists of the lobby and community windows -------------------------------------------
enum class TamanhoInsignia {
    Normal,  ///< 69 x 25: players list (`Pequenas`), top-ten ranking (`Patentes`), leaders' members
    Pequena, ///< 34 x 12: start of a chat line (`imPatChat`)
    Grande,  ///< 94 x 37: the ranks window (`TFrGradua`), ranks 1..20
};
/// Rank insignia of rank 1..61 ("Imagens\Patente07.bmp", "PatenteChat07", "PatenteGrande07").
QString Insignia(int patente, TamanhoInsignia tamanho = TamanhoInsignia::Normal);
inline constexpr int Patentes = 61;
inline constexpr int InsigniasGrandes = 20;
/// Account type pictures of the players list (`ImStatus`, 25 x 25), type 0..TiposDeConta - 1.
QString TipoConta(int tipo);
inline constexpr int TiposDeConta = 13;
/// Emote n (0..40) of the chat (`imEmotes`, 19 x 19).
QString Emote(int indice);
inline constexpr int Emotes = 41;
/// The soldier of the games list (`imlSoldier` picture 0, 20 x 25).
inline constexpr const char* SoldadoListaJogos = "Imagens\\ListaJogos_Soldado.bmp";
/// Game status pictures of the games list (`imlStatus`, 35 x 25), status digit 0..9.
QString EstadoDeJogo(int digito);
inline constexpr int EstadosDeJogo = 10;
/// Friends list pictures (`ImStatus` of `TfrAmigos`, 33 x 23): offline / online.
QString Amigo(bool online);
/// Member roles of a country (`ImStatus` of `TfrLiderDetalhe`, 25 x 25): 0 follower, 1 captain, 2 leader.
QString Papel(int papel);
inline constexpr int Papeis = 3;
/// Titles of the duel ranking (`ImStatus` of `TFrRanking2`, 25 x 25), index 0..TitulosDuelo - 1.
QString TituloDuelo(int indice);
inline constexpr int TitulosDuelo = 10;

// ---- Picture buttons and other pictures fixed in a window's design ------------------------------
/// "Imagens\" + window class + "_" + control + ".bmp", e.g. Botao("TFrChat", "Image12").
QString Botao(const char* janela, const char* controle);

/// One designed picture of a window: the control it belongs to, its size and what it shows.
struct TFiguraDeJanela {
    const char* Janela;   ///< window class, e.g. "TFrChat"
    const char* Controle; ///< control name, e.g. "Image12"
    int Largura;
    int Altura;
    const char* Legenda;  ///< caption written on it (may be empty for a pure icon)
};
/// Every picture button and embedded picture of every window, with the control's size.
std::span<const TFiguraDeJanela> FigurasDeJanela();

// ---- Sounds -------------------------------------------------------------------------------------
/// The effects played by name with TocarSom ("Sons\" + name + ".wav").
std::span<const char* const> Efeitos();
/// The room signal n (1..8) of "TocSom": "Som_0" + n.
QString SinalDeSala(int n);
inline constexpr int SinaisDeSala = 8;
/// "Sons\" + effect + ".wav".
QString CaminhoSom(const QString& efeito);

} // namespace Recursos

/// Every asset path (Windows form, relative to the working folder) the client can ask for.
QStringList TodosOsRecursos();
