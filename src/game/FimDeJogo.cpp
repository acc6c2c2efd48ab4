// End-of-game windows: an eliminated army's objective, and the victory.
#include "game/FimDeJogo.h"

TFrEliminado::TFrEliminado()
    : TFormulario(QStringLiteral("TFrEliminado"), QStringLiteral("Exército Eliminado"), 198, 240, Botoes::Fechar)
{
}

TFrVitoria::TFrVitoria()
    : TFormulario(QStringLiteral("TFrVitoria"), QStringLiteral("Fim de Partida"), 582, 270,
        Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
