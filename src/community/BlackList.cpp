// The blacklist window: the players the user will not play with.
#include "community/BlackList.h"

TfrBlackList::TfrBlackList()
    : TFormulario(QStringLiteral("TfrBlackList"), QStringLiteral("Lista Negra"), 640, 480,
        Botoes::Fechar | Qt::WindowStaysOnTopHint)
{
    lbInimigos = new QListWidget(this);
    lbInimigos->setObjectName(QStringLiteral("lbInimigos"));
    lbInimigos->setGeometry(12, 100, 184, 202);
    lbInimigos->setSortingEnabled(true);
    Status = CriarRotulo(this, QStringLiteral("Status"), QRect(12, 400, 616, 20));
    Jogador = new TEdicao(this, QStringLiteral("Jogador"), QRect(12, 305, 184, 21), 14);
}
