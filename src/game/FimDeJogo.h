// End-of-game windows: an eliminated army's objective, and the victory.
#pragma once

#include "app/Controles.h"

class TFrEliminado : public TFormulario {
    Q_OBJECT
public:
    TFrEliminado();
};

class TFrVitoria : public TFormulario {
    Q_OBJECT
public:
    TFrVitoria();
};
