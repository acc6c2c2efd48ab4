// The new-account window: the form, the nick check and the account creation.
#include "community/NovaConta.h"

TfrNovaConta::TfrNovaConta()
    : TFormulario(QStringLiteral("TfrNovaConta"), QStringLiteral("Criando Nova Conta"), 640, 480, Botoes::Fechar)
{
    Campos.Criar(this, {20, 252}, {20, 292}, {390, 252}, {390, 292}, {504, 252}, {550, 291});
    Image3 = new TImagem(this, QStringLiteral("Image3"), QRect(543, 333, 78, 49));
    Image3->setToolTip(QStringLiteral("Clique aqui para enviar os seus dados e criar sua nova conta"));
    lbStatus = CriarRotulo(this, QStringLiteral("lbStatus"), QRect(77, 363, 460, 16),
        QStringLiteral("Aguardando preenchimento dos dados"));
    lbStatus->setFont(FontePontos(QStringLiteral("Verdana"), 10, true));
    lbStatus->setStyleSheet(QStringLiteral("color: white;"));
}

void TfrNovaConta::EnviarCadastro()
{
    // The personal data ("SetVa2") is sent by the account-creation flow of this window.
}
