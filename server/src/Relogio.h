// The server's clocks, replaceable in tests: wall time for bans and the lobby clock, and a
// monotonic one for rate limits.
#pragma once

#include <QDateTime>

#include <functional>

struct TRelogio {
    std::function<QDateTime()> Agora = [] { return QDateTime::currentDateTime(); };
    std::function<qint64()> Ms;

    TRelogio();
};
