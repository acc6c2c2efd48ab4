// Frames of the game connection.
#include "net/Quadro.h"

QByteArray CabecalhoQuadro(std::uint32_t tamanho)
{
    QByteArray cabecalho(4, '\0');
    for (int i = 0; i < 4; ++i)
        cabecalho[i] = static_cast<char>((tamanho >> (8 * i)) & 0xFF);
    return cabecalho;
}

std::uint32_t LerCabecalhoQuadro(const char* quatroBytes)
{
    std::uint32_t tamanho = 0;
    for (int i = 3; i >= 0; --i)
        tamanho = (tamanho << 8) | static_cast<unsigned char>(quatroBytes[i]);
    return tamanho;
}

QByteArray Enquadrar(const QByteArray& carga)
{
    return CabecalhoQuadro(static_cast<std::uint32_t>(carga.size())) + carga;
}

void TDivisorQuadros::Acrescentar(const QByteArray& bytes)
{
    if (FInvalido)
        return;
    // Drop what was consumed before growing, so a long session keeps a small buffer.
    if (FInicio > 0 && FInicio >= FBuffer.size() / 2) {
        FBuffer.remove(0, FInicio);
        FInicio = 0;
    }
    FBuffer.append(bytes);
}

std::optional<QByteArray> TDivisorQuadros::Proximo()
{
    if (FInvalido || Pendentes() < 4)
        return std::nullopt;
    const std::uint32_t tamanho = LerCabecalhoQuadro(FBuffer.constData() + FInicio);
    if (tamanho > TamanhoMaximoQuadro) {
        FInvalido = true;
        FBuffer.clear();
        FInicio = 0;
        return std::nullopt;
    }
    if (Pendentes() < 4 + qsizetype(tamanho))
        return std::nullopt;
    QByteArray carga = FBuffer.mid(FInicio + 4, tamanho);
    FInicio += 4 + tamanho;
    return carga;
}
