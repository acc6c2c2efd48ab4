// The rules window.
#include "community/Regras.h"

TFRRegvelmor::TFRRegvelmor()
    : TFormulario(QStringLiteral("TFRRegvelmor"), QStringLiteral("FRRegvelmor"), 798, 575, Botoes::Fechar)
{
}
