// Names of the pictures and sounds the client loads.
#include "app/Recursos.h"

#include "app/Caminhos.h"

namespace Recursos {

namespace {

QString Figura(const QString& nome)
{
    return QStringLiteral("Imagens\\") + nome + QStringLiteral(".bmp");
}

QString Numerada(const char* prefixo, int numero, int digitos = 2)
{
    return Figura(QString::fromLatin1(prefixo) + QStringLiteral("%1").arg(numero, digitos, 10, QLatin1Char('0')));
}

// Sizes and captions from the control tables of each window's Part.
constexpr TFiguraDeJanela TabelaDeFiguras[] = {
    // Login.
    {"TFrLogin", "Image2", 102, 65, "Entrar"},
    {"TFrLogin", "Image3", 100, 63, "Nova Conta"},
    // Lobby toolbar and game buttons.
    {"TFrChat", "Image16", 77, 47, "Duelos"},
    {"TFrChat", "Image15", 77, 47, "Tutorial"},
    {"TFrChat", "Image14", 77, 47, "Perfil"},
    {"TFrChat", "Image7", 77, 47, "Miss\u00f5es"},
    {"TFrChat", "Image4", 77, 47, "Ranking"},
    {"TFrChat", "Image6", 77, 47, "Patentes"},
    {"TFrChat", "Image5", 77, 47, "L\u00edderes"},
    {"TFrChat", "Image13", 77, 47, "Amigos"},
    {"TFrChat", "Image9", 77, 47, "F\u00f3rum"},
    {"TFrChat", "Image11", 77, 47, "Regras"},
    {"TFrChat", "Image10", 77, 47, "Sair"},
    {"TFrChat", "Image17", 32, 30, ""},
    {"TFrChat", "imChamaStaff", 25, 25, ""},
    {"TFrChat", "Image12", 76, 47, "Criar Jogo"},
    {"TFrChat", "Image1", 76, 47, "Entrar"},
    {"TFrChat", "Image3", 77, 47, "Reentrar"},
    {"TFrChat", "Image8", 81, 46, "Assistir"},
    {"TFrChat", "RichChatFundo", 645, 495, ""},
    // Preparation room.
    {"TFrPrepara", "imgIniciar", 77, 46, "Iniciar"},
    {"TFrPrepara", "Image2", 77, 46, "Pronto"},
    {"TFrPrepara", "Image3", 77, 46, "Voltar"},
    {"TFrPrepara", "Image1", 105, 105, ""},
    // Board; the four turn buttons have names of their own.
    {"TFrMapa", "Image6", 32, 32, ""},
    {"TFrMapa", "imChamaStaff", 25, 25, ""},
    {"TFrMapa", "Image8", 120, 16, ""},
    {"TFrMapa", "imBar", 120, 16, ""},
    // Card trade.
    {"TFrTroca", "BtAnterior", 32, 32, ""},
    {"TFrTroca", "BtProxima", 32, 32, ""},
    {"TFrTroca", "Image2", 90, 35, "Trocar"},
    {"TFrTroca", "Image1", 90, 35, "Fechar"},
    // New account and profile.
    {"TfrNovaConta", "Image3", 78, 49, "Criar Conta"},
    {"TfrPerfil", "Image3", 78, 49, "Salvar Dados"},
    {"TfrPerfil", "Image2", 78, 49, "Mudar Senha"},
    // Missions.
    {"TfrMissao", "imFacil", 76, 47, "F\u00e1cil"},
    {"TfrMissao", "imMedia", 76, 47, "M\u00e9dia"},
    {"TfrMissao", "imDificil", 76, 47, "Dif\u00edcil"},
    {"TfrMissao", "imCancela", 76, 47, "Cancelar"},
    {"TfrMissao", "imEntrega", 76, 47, "Entregar"},
    // Leaders.
    {"TfrLiderEntrada", "imMeuPais", 78, 49, "Meu Pa\u00eds"},
    {"TfrLiderEntrada", "Image3", 78, 49, "Voltar"},
    {"TfrLiderDetalhe", "Image3", 78, 49, "Voltar"},
    {"TfrLiderDetalhe", "imAbandonar", 78, 49, "Abandonar"},
    {"TfrLiderDetalhe", "imConvidar", 78, 49, "Convidar"},
    {"TfrLiderDetalhe", "imExpulsar", 78, 49, "Expulsar"},
    {"TfrLiderDetalhe", "imPromover", 78, 49, "Promover"},
    {"TfrLiderDetalhe", "imDemitir", 78, 49, "Rebaixar"},
    // Friends and blacklist.
    {"TfrAmigos", "imVoltar", 78, 49, "Voltar"},
    {"TfrAmigos", "Image2", 78, 49, "Adicionar"},
    {"TfrAmigos", "Image3", 78, 49, "Remover"},
    {"TfrBlackList", "Image2", 78, 49, "Adicionar"},
    {"TfrBlackList", "Image3", 78, 49, "Remover"},
    // Rankings, ranks and screenshot.
    {"TFrRanking", "Image4", 721, 153, "Ranking"},
    {"TFrRanking", "Image1", 30, 50, "1"},
    {"TFrRanking", "Image2", 30, 50, "2"},
    {"TFrRanking", "Image3", 30, 50, "3"},
    {"TFrRanking2", "imVoltar", 78, 49, "Voltar"},
    {"TFrGradua", "Cabecalho", 729, 153, "Patentes"},
    {"TFrPrintar", "Image1", 33, 33, ""},
};

constexpr const char* TabelaDeEfeitos[] = {
    "Bemvindo", "Suavez", "Atacado", "Alvo", "Desmarca", "Andando", "Dados",
    "Ataque", "Defesa", "NovaCarta", "Direito", "Copo", "Objetivo",
};

} // namespace

QString Tropa(int cor, int tipo)
{
    return Figura(QStringLiteral("Shape%1%2").arg(cor).arg(tipo, 2, 10, QLatin1Char('0')));
}

QString FundoMarca(int marca)
{
    return Numerada("NovoFundo", marca, 1);
}

QString Dado(bool ataque, int valor)
{
    return Numerada(ataque ? "DadoA" : "DadoD", valor, 1);
}

QString DadoParado(bool ataque, int posicao)
{
    return Numerada(ataque ? "dadoa" : "dadod", posicao, 1);
}

QString Copo(bool ataque, int quadro)
{
    return Numerada(ataque ? "CopoAt" : "CopoDe", quadro);
}

QString SoldadoDaVez(int cor)
{
    return Numerada("Soldado", cor, 1);
}

QString Carta(int numero)
{
    return Numerada("Carta", numero);
}

QString Objetivo(int numero)
{
    return Numerada("Objetivo", numero);
}

QString Esfera(int digito)
{
    return Numerada("Esfera", digito, 1);
}

QString Insignia(int patente, TamanhoInsignia tamanho)
{
    switch (tamanho) {
    case TamanhoInsignia::Pequena:
        return Numerada("PatenteChat", patente);
    case TamanhoInsignia::Grande:
        return Numerada("PatenteGrande", patente);
    case TamanhoInsignia::Normal:
        break;
    }
    return Numerada("Patente", patente);
}

QString TipoConta(int tipo)
{
    return Numerada("TipoConta", tipo);
}

QString Emote(int indice)
{
    return Numerada("Emote", indice);
}

QString EstadoDeJogo(int digito)
{
    return Numerada("ListaJogos_Estado", digito, 1);
}

QString Amigo(bool online)
{
    return Figura(online ? QStringLiteral("Amigo_Online") : QStringLiteral("Amigo_Offline"));
}

QString Papel(int papel)
{
    return Numerada("Papel", papel, 1);
}

QString TituloDuelo(int indice)
{
    return Numerada("TituloDuelo", indice);
}

QString Botao(const char* janela, const char* controle)
{
    return Figura(QString::fromLatin1(janela) + QLatin1Char('_') + QString::fromLatin1(controle));
}

std::span<const TFiguraDeJanela> FigurasDeJanela()
{
    return TabelaDeFiguras;
}

std::span<const char* const> Efeitos()
{
    return TabelaDeEfeitos;
}

QString SinalDeSala(int n)
{
    return QStringLiteral("Som_0%1").arg(n);
}

QString CaminhoSom(const QString& efeito)
{
    return QStringLiteral("Sons\\") + efeito + QStringLiteral(".wav");
}

} // namespace Recursos

QStringList TodosOsRecursos()
{
    using namespace Recursos;
    QStringList todos;
    for (const char* fundo : {FundoLogin, FundoChat, FundoPrepara, FundoMapa, FundoNovaConta, FundoPerfil,
             FundoMissao, FundoBlackList})
        todos << CaminhoImagem(QString::fromLatin1(fundo));
    for (const char* fundo : {FundoLiderEntrada, FundoLiderDetalhes, FundoListaAmigos, FundoRankingDuelos})
        todos << QString::fromLatin1(fundo);

    for (int cor = 1; cor <= 6; ++cor)
        for (int tipo = 0; tipo < TiposDeTropa; ++tipo)
            todos << Tropa(cor, tipo);
    for (int marca = 1; marca <= 4; ++marca)
        todos << FundoMarca(marca);
    for (bool ataque : {true, false}) {
        for (int valor = 1; valor <= 6; ++valor)
            todos << Dado(ataque, valor);
        for (int posicao = 1; posicao <= 3; ++posicao)
            todos << DadoParado(ataque, posicao);
        for (int quadro = 0; quadro < QuadrosDeCopo; ++quadro)
            todos << Copo(ataque, quadro);
    }
    for (const char* fixa : {ConexaoApagada, ConexaoRetorno, ConexaoAtividade, ConexaoSaiu, AcaoTDireito,
             AcaoTContinente, AcaoAtacar, AcaoMover, AcaoTroca, AcaoExTroca, BotaoPararAtaque, BotaoPassaVez,
             BotaoVerCartas, BotaoNaoTroca, SuperAtaqueLigado, SuperAtaqueDesligado, CartaVazia,
             SoldadoListaJogos})
        todos << QString::fromUtf8(fixa);
    for (int cor = 1; cor <= 6; ++cor)
        todos << SoldadoDaVez(cor);

    for (int carta = 1; carta <= 43; ++carta)
        todos << Carta(carta);
    for (int objetivo = 0; objetivo <= Objetivos; ++objetivo)
        todos << Objetivo(objetivo);
    for (int digito = 0; digito < DigitosDeEsfera; ++digito)
        todos << Esfera(digito);

    for (int patente = 1; patente <= Patentes; ++patente) {
        todos << Insignia(patente, TamanhoInsignia::Normal) << Insignia(patente, TamanhoInsignia::Pequena);
        if (patente <= InsigniasGrandes)
            todos << Insignia(patente, TamanhoInsignia::Grande);
    }
    for (int tipo = 0; tipo < TiposDeConta; ++tipo)
        todos << TipoConta(tipo);
    for (int emote = 0; emote < Emotes; ++emote)
        todos << Emote(emote);
    for (int digito = 0; digito < EstadosDeJogo; ++digito)
        todos << EstadoDeJogo(digito);
    todos << Amigo(false) << Amigo(true);
    for (int papel = 0; papel < Papeis; ++papel)
        todos << Papel(papel);
    for (int titulo = 0; titulo < TitulosDuelo; ++titulo)
        todos << TituloDuelo(titulo);
    for (const TFiguraDeJanela& figura : FigurasDeJanela())
        todos << Botao(figura.Janela, figura.Controle);

    for (const char* efeito : Efeitos())
        todos << CaminhoSom(QString::fromLatin1(efeito));
    for (int n = 1; n <= SinaisDeSala; ++n)
        todos << CaminhoSom(SinalDeSala(n));
    return todos;
}
