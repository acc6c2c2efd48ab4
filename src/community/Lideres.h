// The leaders windows: the countries overview and one country's detail.
#pragma once

#include "app/Controles.h"

class TfrLiderDetalhe : public TFormulario {
    Q_OBJECT
public:
    TfrLiderDetalhe();
};

class TfrLiderEntrada : public TFormulario {
    Q_OBJECT
public:
    TfrLiderEntrada();
};
