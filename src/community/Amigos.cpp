// The friends window: the user's friends and their state.
#include "community/Amigos.h"

TfrAmigos::TfrAmigos()
    : TFormulario(QStringLiteral("TfrAmigos"), QStringLiteral("Lista de Amigos"), 640, 480, Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
}
