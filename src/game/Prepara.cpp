// The preparation room: seats, mode, ready and start.
#include "game/Prepara.h"

#include "game/Tabuleiro.h"

namespace {

constexpr QPoint LugarSoldado[] = {{14, 125}, {167, 124}, {14, 209}, {166, 207}, {13, 291}, {166, 291}};
constexpr QPoint LugarJogador[] = {{16, 127}, {170, 127}, {16, 212}, {170, 212}, {16, 295}, {170, 295}};
constexpr QPoint LugarLider[] = {{20, 146}, {176, 146}, {20, 230}, {176, 230}, {20, 312}, {176, 312}};
constexpr QPoint LugarBlack[] = {{17, 170}, {171, 170}, {17, 254}, {171, 254}, {17, 337}, {171, 337}};
constexpr QPoint LugarRoleta[] = {{121, 162}, {273, 162}, {121, 246}, {273, 246}, {121, 329}, {273, 329}};

} // namespace

TFrPrepara::TFrPrepara()
    : TFormulario(QStringLiteral("TFrPrepara"), QStringLiteral("Velmor"), 700, 485, Botoes::Nenhum)
{
    prepara = new TImagem(this, QStringLiteral("prepara"), QRect(0, 0, 700, 485));
    const struct {
        int x;
        const char* titulo;
        const char* dica;
    } modos[] = {
        {326, "Normal", "Modo Normal do Jogo"},
        {413, "Duelo 1x1", "Duelo 1x1 (Apenas para VIPs)"},
        {515, "Duelo 2x2", "Duelo 2x2 (Apenas para VIPs)"},
        {614, "Duelo 3x3", "Duelo 3x3 (Apenas para VIPs)"},
    };
    for (int i = 0; i < 4; ++i) {
        QLabel* modo = CriarRotulo(this, QStringLiteral("Label%1").arg(i + 4), QRect(modos[i].x, 71, 90, 20),
            QString::fromUtf8(modos[i].titulo));
        modo->setToolTip(QString::fromUtf8(modos[i].dica));
        modo->setCursor(Qt::PointingHandCursor);
        modo->setFont(FontePixels(QStringLiteral("Tahoma"), 16));
        modo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        Modos[size_t(i)] = modo;
    }
    for (int k = 0; k < 6; ++k) {
        const size_t i = size_t(k);
        Soldados[i] = new TImagem(this, QStringLiteral("Soldado") + NomeCor(k + 1), QRect(LugarSoldado[k], QSize(32, 32)));
        Soldados[i]->DefinirMaozinha(true);
        Soldados[i]->setToolTip(QStringLiteral("Exército ") + NomeCor(k + 1));
        Jogador[i] = CriarRotulo(this, QStringLiteral("Jogador%1").arg(k + 1), QRect(LugarJogador[k], QSize(130, 16)));
        Jogador[i]->setAlignment(Qt::AlignCenter);
        Jogador[i]->setFont(FontePixels(QStringLiteral("Tahoma"), 13));
        Jogador[i]->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        Lider[i] = CriarRotulo(this, QStringLiteral("Lider%1").arg(k + 1), QRect(LugarLider[k], QSize(124, 13)));
        Lider[i]->setAlignment(Qt::AlignCenter);
        Lider[i]->setFont(FontePixels(QStringLiteral("Tahoma"), 11, true));
        Lider[i]->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        Black[i] = CriarRotulo(this, QStringLiteral("Black%1").arg(k + 1), QRect(LugarBlack[k], QSize(140, 13)));
        Black[i]->setFont(FontePixels(QStringLiteral("Tahoma"), 11));
        Black[i]->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
        Roleta[i] = new TImagem(this, QStringLiteral("Roleta%1").arg(k + 1), QRect(LugarRoleta[k], QSize(30, 30)));
    }
    ChatInGame = new QPlainTextEdit(this);
    ChatInGame->setObjectName(QStringLiteral("ChatInGame"));
    ChatInGame->setGeometry(320, 101, 373, 247);
    ChatInGame->setReadOnly(true);
    ChatInGame->setStyleSheet(QStringLiteral("background: black; color: white;"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(320, 349, 373, 18);
    Edit1->setMaxLength(80);
    Edit1->setFont(FontePixels(QStringLiteral("Tahoma"), 13));
    Edit1->setStyleSheet(QStringLiteral("background: black; color: yellow;"));
}

void TFrPrepara::GirarRoleta(int /*valor*/)
{
    // The roulette belongs to the room's own behaviour, built with the game table.
}

void TFrPrepara::MostrarEsferas(const QString& /*estados*/)
{
    // The ready lamps belong to the room's own behaviour, built with the game table.
}
