// The real server on its own thread and event loop, on ephemeral loopback ports and a
// temporary data folder, so a test can drive blocking clients against it.
#pragma once

#include "Limites.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

class TServidorEmThread : public QThread {
public:
    explicit TServidorEmThread(const TLimites& limites = {});
    ~TServidorEmThread() override;

    quint16 PortaLogin = 0;
    quint16 PortaJogo = 0;
    quint16 PortaCadastro = 0;
    QString Erro;
    QTemporaryDir Pasta;

protected:
    void run() override;

private:
    TLimites FLimites;
    QSemaphore FPronto;
};
