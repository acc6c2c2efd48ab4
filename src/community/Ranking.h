// The ranking windows: the top ten and the duel ranking.
#pragma once

#include "app/Controles.h"

class TFrRanking2 : public TFormulario {
    Q_OBJECT
public:
    TFrRanking2();
};

class TFrRanking : public TFormulario {
    Q_OBJECT
public:
    TFrRanking();
};
