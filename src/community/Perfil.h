// The profile window: statistics, personal data and the password change.
#pragma once

#include "app/Controles.h"
#include "community/DadosPessoais.h"

class TfrPerfil : public TFormulario {
    Q_OBJECT
public:
    TfrPerfil();

    TCamposPessoais Campos;
    TImagem* Image3; ///< send the personal data
    QLabel* lbPartidas;
    QLabel* lbVitorias;
    QLabel* lbPercentual;
    QLabel* lbAbandonos;
    QLabel* lbPontos;
    QLabel* lbRanking;
};
