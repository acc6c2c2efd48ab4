// What the server's logic sees of one client connection; the socket connection and the tests' fake implement it.
#pragma once

#include <QString>

class ICanal {
public:
    virtual ~ICanal() = default;
    /// Sends one message, with the next sequence number when the port numbers its messages.
    virtual void Enviar(const QString& texto) = 0;
    /// Sends one message without a number: control answers the client must not check.
    virtual void EnviarSemNumero(const QString& texto) = 0;
    /// Closes once what was sent has gone out; nothing more is read. The logic is told of the
    /// end later, never from inside this call.
    virtual void Fechar() = 0;
    /// The client logged in: the longer idle limit applies from now on.
    virtual void MarcarIdentificado() = 0;
    /// Address and port, for the log.
    virtual QString Descricao() const = 0;
};
