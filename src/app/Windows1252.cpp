// The Windows-1252 code page of the wire: bytes to text and back.
#include "app/Windows1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones keep their own value (C1 control).
constexpr std::array<char16_t, 32> Faixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// -1 when the character has no byte in the code page.
int ByteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(Faixa80.size()); ++i)
        if (Faixa80[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString DeWindows1252(const QByteArray& bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *destino++ = QChar(u >= 0x80 && u < 0xA0 ? Faixa80[u - 0x80] : char16_t(u));
    }
    return texto;
}

QByteArray ParaWindows1252(const QString& texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (const QChar c : texto) {
        const int b = ByteDe(c.unicode());
        if (b >= 0)
            bytes.append(static_cast<char>(b));
    }
    return bytes;
}
