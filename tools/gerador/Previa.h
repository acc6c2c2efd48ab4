// A picture of the board as the client shows it: the map with markers, lamps, dice and cards (for review).
#pragma once

#include <QImage>
#include <QString>

/// Composes the board from the generated files in `pasta`, the way the board window draws it.
QImage PreviaDoTabuleiro(const QString& pasta);

/// The lobby with its buttons, players, games and a few chat lines, composed the same way.
QImage PreviaDoSalao(const QString& pasta);
