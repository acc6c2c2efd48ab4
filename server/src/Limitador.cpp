// A token bucket.
#include "Limitador.h"

TBaldeFichas::TBaldeFichas(double capacidade, double porSegundo)
    : FCapacidade(capacidade), FPorMs(porSegundo / 1000.0), FFichas(capacidade)
{
}

bool TBaldeFichas::Retirar(qint64 agoraMs)
{
    if (FUltimo >= 0 && agoraMs > FUltimo)
        FFichas = qMin(FCapacidade, FFichas + double(agoraMs - FUltimo) * FPorMs);
    if (FUltimo < 0 || agoraMs > FUltimo)
        FUltimo = agoraMs;
    if (FFichas < 1.0)
        return false;
    FFichas -= 1.0;
    return true;
}
