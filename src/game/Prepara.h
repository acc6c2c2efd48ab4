// The preparation room: seats, mode, ready and start.
#pragma once

#include "app/Controles.h"

class TFrPrepara : public TFormulario {
    Q_OBJECT
public:
    TFrPrepara();
};
