// Percent-encoding of texts for addresses.
#include "net/Url.h"

#include "app/Windows1252.h"

QString CodificarURL(const QString& texto)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString codificado;
    for (const char b : ParaWindows1252(texto)) {
        const auto u = static_cast<unsigned char>(b);
        codificado += QLatin1Char('%');
        codificado += QLatin1Char(Hex[u >> 4]);
        codificado += QLatin1Char(Hex[u & 0x0F]);
    }
    return codificado;
}
