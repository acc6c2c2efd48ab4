// The missions window: honour, medals, the current mission and the top ten.
#pragma once

#include "app/Controles.h"

class TfrMissao : public TFormulario {
    Q_OBJECT
public:
    TfrMissao();
};
