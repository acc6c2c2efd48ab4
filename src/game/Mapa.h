// The board window: the map, the armies, the lamps and the turn controls.
#pragma once

#include "app/Controles.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <array>

class TFrMapa : public TFormulario {
    Q_OBJECT
public:
    TFrMapa();

    /// Loads a picture into the status lamp of colour c (1..6; others ignored); optionally sets its Tag to 1.
    void IconeStatus(int cor, const QString& figura, bool marcar);

    QLabel* Label10;
    QLabel* Label11;
    QProgressBar* ProgressBar1;
    std::array<TImagem*, 6> Status{};
    QPlainTextEdit* ChatInGame;
    QCheckBox* cbPausaChat;
};
