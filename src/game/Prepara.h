// The preparation room: seats, mode, ready and start.
#pragma once

#include "app/Controles.h"

#include <QPlainTextEdit>

#include <array>

class TFrPrepara : public TFormulario {
    Q_OBJECT
public:
    TFrPrepara();

    /// The drawn roulette stops on the seat of the drawn value.
    void GirarRoleta(int valor);
    /// The six seat lamps from a text of one character per seat.
    void MostrarEsferas(const QString& estados);

    TImagem* prepara;
    std::array<QLabel*, 4> Modos{}; ///< Label4..Label7
    std::array<TImagem*, 6> Soldados{}; ///< SoldadoAmarelo..SoldadoVermelho
    std::array<QLabel*, 6> Jogador{};
    std::array<QLabel*, 6> Lider{};
    std::array<QLabel*, 6> Black{};
    std::array<TImagem*, 6> Roleta{};
    QPlainTextEdit* ChatInGame;
    QLineEdit* Edit1;
};
