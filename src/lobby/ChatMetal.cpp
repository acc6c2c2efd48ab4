// The lobby window: chat, players, games and the toolbar.
#include "lobby/ChatMetal.h"

TFrChat::TFrChat()
    : TFormulario(QStringLiteral("TFrChat"), QStringLiteral("Ziderad Ovarize"), 1010, 702, Botoes::Minimizar)
{
    lbBemVindo = CriarRotulo(this, QStringLiteral("lbBemVindo"), QRect(13, 69, 458, 13));
    lbBemVindo->setFont(FontePontos(QStringLiteral("Verdana"), 8));
    lbBemVindo->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 20);
    ProgressBar1->hide();
    Image12 = new TImagem(this, QStringLiteral("Image12"), QRect(679, 644, 76, 47));
    Image12->setToolTip(QStringLiteral("Criar Jogo"));
    Image1 = new TImagem(this, QStringLiteral("Image1"), QRect(760, 644, 76, 47));
    Image1->setToolTip(QStringLiteral("Entrar no Jogo"));
}
