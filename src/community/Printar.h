// The screenshot window: saves the screen as a picture.
#pragma once

#include "app/Controles.h"

class TFrPrintar : public TFormulario {
    Q_OBJECT
public:
    TFrPrintar();
};
