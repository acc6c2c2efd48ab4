// The friends window: the user's friends and their state.
#pragma once

#include "app/Controles.h"

class TfrAmigos : public TFormulario {
    Q_OBJECT
public:
    TfrAmigos();
};
