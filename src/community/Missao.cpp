// The missions window: honour, medals, the current mission and the top ten.
#include "community/Missao.h"

TfrMissao::TfrMissao()
    : TFormulario(QStringLiteral("TfrMissao"), QStringLiteral("Velmor Missões"), 640, 480, Botoes::Fechar)
{
}
