// The leaders windows: the countries overview and one country's detail.
#include "community/Lideres.h"

TfrLiderDetalhe::TfrLiderDetalhe()
    : TFormulario(QStringLiteral("TfrLiderDetalhe"), QStringLiteral("Lideres - Detalhamento"), 640, 480, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}

TfrLiderEntrada::TfrLiderEntrada()
    : TFormulario(QStringLiteral("TfrLiderEntrada"), QStringLiteral("Lideres - Distribuição Mundial"), 640, 480, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
