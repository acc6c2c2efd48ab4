// Readable test failure messages for Qt's text types.
#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* saida)
{
    *saida << '"';
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F)
            *saida << c;
        else
            *saida << "\\x" << "0123456789ABCDEF"[u >> 4] << "0123456789ABCDEF"[u & 15];
    }
    *saida << '"';
}
