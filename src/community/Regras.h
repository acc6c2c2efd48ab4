// The rules window.
#pragma once

#include "app/Controles.h"

class TFRRegvelmor : public TFormulario {
    Q_OBJECT
public:
    TFRRegvelmor();
};
