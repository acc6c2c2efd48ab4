// A scripted TCP peer on the loopback address, driven from the test's own thread.
#pragma once

#include <QByteArray>

#include <cstdint>

class TParLoopback {
public:
    TParLoopback(); ///< listens on an ephemeral loopback port
    ~TParLoopback();
    std::uint16_t Porta() const { return FPorta; }

    /// Accepts the next connection (waits up to `ms`); false when none came.
    bool Aceitar(int ms = 5000);
    void Enviar(const QByteArray& bytes);
    /// Sends one framed message.
    void EnviarQuadro(const QByteArray& carga);
    /// Reads exactly n bytes (waits up to `ms`); shorter when the time runs out or the peer closes.
    QByteArray Receber(int n, int ms = 5000);
    /// Reads one frame's payload; empty on time-out.
    QByteArray ReceberQuadro(int ms = 5000);
    /// Everything that arrives until the peer closes or `ms` pass.
    QByteArray ReceberTudo(int ms = 5000);
    /// Whether nothing arrives within `ms`.
    bool Silencioso(int ms = 200);
    /// Closes the accepted connection.
    void FecharConexao();
    /// Stops listening (later connections are refused).
    void PararDeEscutar();

private:
    int FEscuta = -1;
    int FConexao = -1;
    std::uint16_t FPorta = 0;
};
