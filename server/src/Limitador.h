// A token bucket: a burst of `capacidade`, then `porSegundo` on average.
#pragma once

#include <QtGlobal>

class TBaldeFichas {
public:
    TBaldeFichas(double capacidade, double porSegundo);
    /// Takes one token at time `agoraMs` (any monotonic clock); false when the bucket is empty.
    bool Retirar(qint64 agoraMs);

private:
    double FCapacidade;
    double FPorMs;
    double FFichas;
    qint64 FUltimo = -1;
};
