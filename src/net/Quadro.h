// Frames of the game connection: a 4-byte little-endian length, then the Windows-1252 payload.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

/// Largest payload a receiver accepts; a longer length ends the connection.
inline constexpr std::uint32_t TamanhoMaximoQuadro = 1048576;

/// The length header of a payload of `tamanho` bytes.
QByteArray CabecalhoQuadro(std::uint32_t tamanho);

/// Reads the length header (exactly 4 bytes).
std::uint32_t LerCabecalhoQuadro(const char* quatroBytes);

/// One whole frame: header and payload.
QByteArray Enquadrar(const QByteArray& carga);

/// Cuts a byte stream into payloads, for event-driven readers. After an oversized length it
/// stays invalid and yields nothing more.
class TDivisorQuadros {
public:
    void Acrescentar(const QByteArray& bytes);
    std::optional<QByteArray> Proximo();
    bool Invalido() const { return FInvalido; }
    qsizetype Pendentes() const { return FBuffer.size() - FInicio; }

private:
    QByteArray FBuffer;
    qsizetype FInicio = 0;
    bool FInvalido = false;
};
