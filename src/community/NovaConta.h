// The new-account window: the form, the nick check and the account creation.
#pragma once

#include "app/Controles.h"
#include "community/DadosPessoais.h"

class TfrNovaConta : public TFormulario {
    Q_OBJECT
public:
    TfrNovaConta();

    /// Sends the personal data of the new account once the server said the nick is free.
    void EnviarCadastro();

    TCamposPessoais Campos;
    QLabel* lbStatus;
    TImagem* Image3; ///< send button
};
