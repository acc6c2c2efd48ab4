// The board window: the map, the armies, the lamps and the turn controls.
#include "game/Mapa.h"

TFrMapa::TFrMapa()
    : TFormulario(QStringLiteral("TFrMapa"), QStringLiteral("Velmor - Jogo - v2.0"), 1011, 700,
        Botoes::MinimizarFechar, TPosicao::CantoSuperiorEsquerdo)
{
    setStyleSheet(QStringLiteral("TFrMapa { background: #808080; }"));
    const QFont amarela = FontePixels(QStringLiteral("Tahoma"), 13);
    Label10 = CriarRotulo(this, QStringLiteral("Label10"), QRect(878, 601, 56, 16), QStringLiteral("00:00:00"));
    Label11 = CriarRotulo(this, QStringLiteral("Label11"), QRect(934, 601, 76, 16), QStringLiteral("00/00/0000"));
    for (QLabel* rotulo : {Label10, Label11}) {
        rotulo->setFont(amarela);
        rotulo->setStyleSheet(QStringLiteral("color: yellow;"));
    }
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 20);
    ProgressBar1->hide();
    for (int k = 1; k <= 6; ++k)
        Status[k - 1] = new TImagem(this, QStringLiteral("Status%1").arg(k), QRect(831, 100 + 40 * (k - 1), 16, 16));
    ChatInGame = new QPlainTextEdit(this);
    ChatInGame->setObjectName(QStringLiteral("ChatInGame"));
    ChatInGame->setGeometry(4, 591, 425, 93);
    ChatInGame->setReadOnly(true);
    ChatInGame->setFont(FontePixels(QStringLiteral("Tahoma"), 11));
    ChatInGame->setStyleSheet(QStringLiteral("background: black; color: white;"));
    cbPausaChat = new QCheckBox(QStringLiteral("Pausar"), this);
    cbPausaChat->setObjectName(QStringLiteral("cbPausaChat"));
    cbPausaChat->move(355, 591);
}

void TFrMapa::IconeStatus(int cor, const QString& figura, bool marcar)
{
    if (cor < 1 || cor > 6)
        return;
    Status[cor - 1]->Carregar(figura);
    if (marcar)
        Status[cor - 1]->Tag = 1;
}
