// The lobby window: chat, players, games and the toolbar.
#pragma once

#include "app/Controles.h"

#include <QProgressBar>

class TFrChat : public TFormulario {
    Q_OBJECT
public:
    TFrChat();

    QLabel* lbBemVindo;
    QProgressBar* ProgressBar1;
    TImagem* Image1;  ///< "Entrar no Jogo"
    TImagem* Image12; ///< "Criar Jogo"
};
