// The ranks window: every rank with its point band.
#include "community/Gradua.h"

TFrGradua::TFrGradua()
    : TFormulario(QStringLiteral("TFrGradua"), QStringLiteral("Pontos e Patentes"), 732, 764, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
