// The card window: the cards in hand and the trade.
#include "game/Troca.h"

TFrTroca::TFrTroca()
    : TFormulario(QStringLiteral("TFrTroca"), QStringLiteral("Cartas para Troca"), 418, 361,
        Botoes::Nenhum | Qt::WindowStaysOnTopHint)
{
}
