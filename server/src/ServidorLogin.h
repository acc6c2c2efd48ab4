// The login web server: answers the client's one request with the game port, then closes.
#pragma once

#include "Limites.h"

#include <QHostAddress>
#include <QTcpServer>

#include <functional>

class TServidorLogin : public QObject {
public:
    /// `portaJogo` gives the game port to announce when a request arrives.
    TServidorLogin(std::function<quint16()> portaJogo, const TLimites& limites, QObject* pai = nullptr);

    bool Escutar(const QHostAddress& endereco, quint16 porta);
    quint16 Porta() const { return FServidor.serverPort(); }
    QString Erro() const { return FServidor.errorString(); }

private:
    void Atender(class QTcpSocket* socket);

    QTcpServer FServidor;
    std::function<quint16()> FPortaJogo;
    TLimites FLimites;
};
