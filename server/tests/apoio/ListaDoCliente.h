// The client's players list, kept by its own rules: an entry is removed by the first caption that
// begins with the nick, and "LisJog" removes that way before it appends.
#pragma once

#include "app/Texto.h"

#include <QStringList>

struct TListaDoCliente {
    QStringList Nicks;

    void Aplicar(const QStringList& mensagens)
    {
        for (const QString& m : mensagens) {
            if (m.startsWith(QLatin1String("LisJog "))) {
                const QString nick = CampoCSV(m.mid(7), 3);
                Remover(nick);
                Nicks.append(nick);
            } else if (m.startsWith(QLatin1String("SaiJog "))) {
                Remover(m.mid(7, 18));
            }
        }
    }

    void Remover(const QString& nick)
    {
        for (qsizetype i = 0; i < Nicks.size(); ++i)
            if (Nicks[i].startsWith(nick)) {
                Nicks.removeAt(i);
                return;
            }
    }

    QStringList Ordenada() const
    {
        QStringList copia = Nicks;
        copia.sort();
        return copia;
    }
};
