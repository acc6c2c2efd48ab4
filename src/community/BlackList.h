// The blacklist window: the players the user will not play with.
#pragma once

#include "app/Controles.h"

#include <QListWidget>

class TfrBlackList : public TFormulario {
    Q_OBJECT
public:
    TfrBlackList();

    QListWidget* lbInimigos;
    QLabel* Status;
    TEdicao* Jogador;
};
