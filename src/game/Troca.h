// The card window: the cards in hand and the trade.
#pragma once

#include "app/Controles.h"

class TFrTroca : public TFormulario {
    Q_OBJECT
public:
    TFrTroca();
};
