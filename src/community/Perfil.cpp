// The profile window: statistics, personal data and the password change.
#include "community/Perfil.h"

TfrPerfil::TfrPerfil()
    : TFormulario(QStringLiteral("TfrPerfil"), QStringLiteral("Seu Perfil no Velmor"), 640, 480, Botoes::Fechar)
{
    Campos.Criar(this, {25, 105}, {25, 145}, {393, 105}, {393, 145}, {506, 105}, {552, 144});
    Image3 = new TImagem(this, QStringLiteral("Image3"), QRect(551, 181, 78, 49));
    Image3->setToolTip(QStringLiteral("Clique aqui para enviar os seus dados atualizados."));
    Image3->hide();
    const struct {
        QLabel** rotulo;
        const char* nome;
        QRect lugar;
    } estatisticas[] = {
        {&lbPartidas, "lbPartidas", {32, 314, 48, 23}}, {&lbVitorias, "lbVitorias", {102, 314, 48, 23}},
        {&lbPercentual, "lbPercentual", {161, 314, 48, 23}}, {&lbAbandonos, "lbAbandonos", {234, 314, 48, 23}},
        {&lbPontos, "lbPontos", {78, 366, 72, 23}}, {&lbRanking, "lbRanking", {183, 366, 60, 23}},
    };
    for (const auto& e : estatisticas) {
        *e.rotulo = CriarRotulo(this, QString::fromLatin1(e.nome), e.lugar, QStringLiteral("0"));
        (*e.rotulo)->setAlignment(Qt::AlignCenter);
        (*e.rotulo)->setFont(FontePontos(QStringLiteral("Verdana"), 14));
        (*e.rotulo)->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
}
