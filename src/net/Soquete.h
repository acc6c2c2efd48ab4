// A blocking TCP client socket: connect with a time-out, exact reads, complete writes, shutdown.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class TSoquete {
public:
    TSoquete() = default;
    ~TSoquete();
    TSoquete(const TSoquete&) = delete;
    TSoquete& operator=(const TSoquete&) = delete;

    /// Resolves the host and connects; throws EErroRede on failure or after `tempoLimiteMs`.
    void Conectar(const QString& host, std::uint16_t porta, int tempoLimiteMs);
    /// Reads exactly n bytes; false at the end of the stream or on an error.
    bool LerExato(char* destino, qsizetype n);
    /// One byte, or -1 at the end of the stream or on an error.
    int LerByte();
    /// Writes every byte (retrying short writes); throws EErroRede on an error.
    void EscreverTudo(const QByteArray& bytes);
    /// Shuts both directions down: a read blocked in another thread returns at once.
    void Desligar();

private:
    int FDescritor = -1;
};
