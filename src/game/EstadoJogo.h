// The program-wide game-table state.
#pragma once

#include <QString>
#include <QStringList>

struct TEstadoJogo {
    /// Id of the game room the user is in (first field of every in-game message).
    QString JogoAtual;
    /// The user's own colour 1..6, 0 when seated nowhere.
    int MinhaCor = 0;
    bool BencaoAres = false;
    QString NumeroObjetivo = QStringLiteral("00");
    /// Game chat lines held back while the chat is paused.
    QStringList ChatPausado;

    void Reiniciar();
};

extern TEstadoJogo EstadoJogo;
