// Readable values in test failures.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QStringList& lista, std::ostream* saida)
{
    *saida << '{';
    for (qsizetype i = 0; i < lista.size(); ++i)
        *saida << (i ? ", \"" : "\"") << lista[i].toStdString() << '"';
    *saida << '}';
}
