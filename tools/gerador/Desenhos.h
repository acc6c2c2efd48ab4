// The drawing functions of every family of pictures, and the synthesis of the sounds.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Board pieces (Pecas.cpp).
QImage DesenharTropa(int cor, int tipo);
QImage DesenharFundoMarca(int marca);
QImage DesenharDado(bool ataque, int valor);
QImage DesenharDadoParado(bool ataque, int posicao);
QImage DesenharCopo(bool ataque, int quadro);
QImage DesenharConexao(int estado); ///< 0 off, 1 answered, 10 acted, 11 left (the digits of the name)
QImage DesenharAcao(const QString& acao);
QImage DesenharSoldadoDaVez(int cor);
QImage DesenharBotaoDoTurno(const QString& botao);
QImage DesenharSuperAtaque(bool ligado);
QImage DesenharEsfera(int digito);
/// Buttons and pictures of a window's design that are icons rather than captions, by "Janela_Controle".
QImage DesenharFiguraDeJanela(const char* janela, const char* controle, int largura, int altura, const QString& legenda);

// Cards and objectives (Cartas.cpp).
QImage DesenharCarta(int numero);
QImage DesenharCartaVazia();
QImage DesenharObjetivo(int numero);

// Picture lists of the lobby and community windows (Listas.cpp).
QImage DesenharInsignia(int patente, int largura, int altura);
QImage DesenharTipoConta(int tipo);
QImage DesenharEmote(int indice);
QImage DesenharSoldadoListaJogos();
QImage DesenharEstadoDeJogo(int digito);
QImage DesenharAmigo(bool online);
QImage DesenharPapel(int papel);
QImage DesenharTituloDuelo(int indice);
QImage DesenharMedalhaDeLugar(int lugar, int largura, int altura);

// Window backgrounds (Fundos.cpp), by the background's name ("login", "chat", "lider_entrada", ...).
QImage DesenharFundo(const QString& nome, int largura, int altura);

// Sounds (Sons.cpp): a whole 16-bit PCM WAV file.
QByteArray SintetizarEfeito(const QString& nome);
