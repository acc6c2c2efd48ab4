// The server's clocks.
#include "Relogio.h"

#include "Limites.h"

TRelogio::TRelogio()
    : Ms(&RelogioMs)
{
}
