// The program-wide game-table state.
#include "game/EstadoJogo.h"

TEstadoJogo EstadoJogo;

void TEstadoJogo::Reiniciar()
{
    *this = TEstadoJogo{};
}
