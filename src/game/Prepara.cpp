// The preparation room: seats, mode, ready and start.
#include "game/Prepara.h"

TFrPrepara::TFrPrepara()
    : TFormulario(QStringLiteral("TFrPrepara"), QStringLiteral("Velmor"), 700, 485, Botoes::Nenhum)
{
}
