// Names of the pictures and sounds the client loads; the asset generator writes the same names.
#pragma once

#include <QString>
#include <QStringList>

namespace Recursos {

/// Window backgrounds, passed to CaminhoImagem.
inline constexpr const char* FundoLogin = "login";
inline constexpr const char* FundoChat = "chat";
/// The picture under the lobby's chat text.
inline constexpr const char* FundoChatView = "Imagens\\chat_texto.jpg";

/// Picture buttons of the login window.
inline constexpr const char* BotaoEntrar = "Imagens\\login_entrar.bmp";
inline constexpr const char* BotaoNovaConta = "Imagens\\login_novaconta.bmp";

enum class TamanhoInsignia { Normal, Pequena, Grande };
/// Rank insignia of rank 1..61.
QString Insignia(int patente, TamanhoInsignia tamanho = TamanhoInsignia::Normal);
inline constexpr int Patentes = 61;
/// Account type pictures, type 0..TiposDeConta - 1.
QString TipoConta(int tipo);
inline constexpr int TiposDeConta = 13;
/// Emote n (0..40).
QString Emote(int indice);
/// The soldier of the games list.
inline constexpr const char* SoldadoListaJogos = "Imagens\\ListaJogos_Soldado.bmp";
/// Game status pictures of the games list, status digit 0..9.
QString EstadoDeJogo(int digito);
inline constexpr int EstadosDeJogo = 10;
/// "Imagens\" + window class + "_" + control + ".bmp".
QString Botao(const char* janela, const char* controle);

} // namespace Recursos

/// Every asset path (Windows form, relative to the working folder) the client can ask for.
QStringList TodosOsRecursos();
