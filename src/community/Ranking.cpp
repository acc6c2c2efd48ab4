// The ranking windows: the top ten and the duel ranking.
#include "community/Ranking.h"

TFrRanking2::TFrRanking2()
    : TFormulario(QStringLiteral("TFrRanking2"), QStringLiteral("Ranking Duelos"), 640, 480, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}

TFrRanking::TFrRanking()
    : TFormulario(QStringLiteral("TFrRanking"), QStringLiteral("Ranking"), 721, 641, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
