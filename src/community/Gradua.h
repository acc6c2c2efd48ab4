// The ranks window: every rank with its point band.
#pragma once

#include "app/Controles.h"

class TFrGradua : public TFormulario {
    Q_OBJECT
public:
    TFrGradua();
};
