// The limits that keep one client from hurting the others.
#include "Limites.h"

#include <QElapsedTimer>

qint64 RelogioMs()
{
    static QElapsedTimer relogio = [] {
        QElapsedTimer r;
        r.start();
        return r;
    }();
    return relogio.elapsed();
}
