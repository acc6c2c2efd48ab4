// The screenshot window: saves the screen as a picture.
#include "community/Printar.h"

TFrPrintar::TFrPrintar()
    : TFormulario(QStringLiteral("TFrPrintar"), QStringLiteral("Tira Print"), 174, 46, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
