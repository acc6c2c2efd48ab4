// The profile window: statistics, personal data and the password change.
#include "community/Perfil.h"

TfrPerfil::TfrPerfil()
    : TFormulario(QStringLiteral("TfrPerfil"), QStringLiteral("Seu Perfil no Velmor"), 640, 480, Botoes::Fechar)
{
    Campos.Criar(this, {25, 105}, {25, 145}, {393, 105}, {393, 145}, {506, 105}, {552, 144});
    Image3 = new TImagem(this, QStringLiteral("Image3"), QRect(551, 181, 78, 49));
    Image3->setToolTip(QStringLiteral("Clique aqui para enviar os seus dados atualizados."));
    Image3->hide();
}
