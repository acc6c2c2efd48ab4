// The program-wide game-table state.
#include "game/EstadoJogo.h"

#include "app/Erros.h"
#include "app/Texto.h"

TEstadoJogo EstadoJogo;

void TEstadoJogo::Reiniciar()
{
    *this = TEstadoJogo{};
}

TPais& TEstadoJogo::Pais(int n)
{
    if (!CartaValida(n))
        throw EErro(QStringLiteral("Território %1 fora do mapa").arg(n));
    return Paises[size_t(n - 1)];
}

const TPais& TEstadoJogo::Pais(int n) const
{
    return const_cast<TEstadoJogo*>(this)->Pais(n);
}

int DonoDe(int n)
{
    return InteiroEstrito(EstadoJogo.Pais(n).Dono);
}

int ExercitosDe(int n)
{
    return InteiroEstrito(EstadoJogo.Pais(n).Exercitos);
}

bool SaoVizinhos(int a, int b)
{
    if (!CartaValida(a))
        return false;
    return EstadoJogo.Pais(a).Vizinhos.contains(FormatarDoisDigitos(b));
}
