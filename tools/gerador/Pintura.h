// Drawing helpers shared by every picture of the generator: fonts, colours, noise, buttons, symbols.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

/// Colour of the transparent parts of troop and highlight pictures (the client takes the bottom-left pixel):
/// the dark brown of the panels, so a troop shown without transparency (players panel, seats) still looks right.
inline const QColor ChaveTransparente(0x16, 0x11, 0x0a);

/// A font of the families every machine of the project has (fonts-dejavu-core, fonts-liberation2).
QFont Fonte(int pixels, bool negrito = true, bool serifada = false);
QFont FonteEstreita(int pixels, bool negrito = true);

/// A new ARGB picture filled with a colour.
QImage NovaFigura(int largura, int altura, QColor fundo = Qt::transparent);
/// A painter with anti-aliasing on.
void Suavizar(QPainter& p);

/// Army colour 1..6 as shown on troops and soldiers ("Amarelo", "Azul", "Branco", "Preto", "Verde", "Vermelho").
QColor CorExercito(int cor);
/// The outline that reads against that army colour.
QColor ContornoExercito(int cor);

/// Flattens an ARGB drawing onto the transparent key: pixels at least half covered keep their colour
/// (composited over `fundoBorda`), the others become the key, so no fringe of the key shows.
QImage ComChave(const QImage& desenho, QColor chave = ChaveTransparente, QColor fundoBorda = QColor(20, 16, 10));

/// Value noise in [0,1] with octaves; deterministic for a seed.
double Ruido(double x, double y, int semente, int oitavas = 4);

/// Writes text centred in a rectangle, shrinking the font until it fits; with a dark halo when asked.
void TextoCentrado(QPainter& p, const QRectF& r, const QString& texto, QFont fonte, QColor cor,
    QColor halo = Qt::transparent, int flags = Qt::AlignCenter);
/// Text with a soft halo around it, at a baseline point.
void TextoComHalo(QPainter& p, QPointF base, const QString& texto, const QColor& cor, const QColor& halo, double raio = 1.5);

/// The card symbols: 'T' triangle, 'Q' square, 'B' ball, '*' all three.
void DesenharSimbolo(QPainter& p, const QRectF& r, char simbolo, QColor cor, QColor contorno);

/// A soldier figure standing in the rectangle (helmet, rifle), in the army colour.
void DesenharSoldado(QPainter& p, const QRectF& r, QColor cor, QColor contorno);

/// The look of every picture button: a bevelled bronze plate with an optional icon and a caption.
using TIcone = std::function<void(QPainter&, const QRectF&)>;
QImage DesenharBotao(int largura, int altura, const QString& legenda, const TIcone& icone = {},
    QColor base = QColor(0x5a, 0x4a, 0x2a));

/// A metal plate (bevelled rectangle) such as the frames of panels.
void DesenharPlaca(QPainter& p, const QRectF& r, QColor base, double raio = 4, bool afundada = false);

/// Linear interpolation of two colours.
QColor Misturar(QColor a, QColor b, double t);
