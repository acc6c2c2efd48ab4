// The table of every asset: the client's names (app/Recursos.h), the sizes the windows use, the drawing.
#include "Tabela.h"

#include "Desenhos.h"
#include "Mapa.h"

#include "app/Caminhos.h"
#include "app/Recursos.h"

namespace {

class TTabela {
public:
    void Figura(const QString& caminho, QSize tamanho, std::function<QImage()> desenhar)
    {
        FRecursos.push_back({caminho, tamanho, std::move(desenhar), {}});
    }
    void Som(const QString& efeito)
    {
        FRecursos.push_back({Recursos::CaminhoSom(efeito), {}, {}, [efeito] { return SintetizarEfeito(efeito); }});
    }
    std::vector<TRecurso> Recursos() && { return std::move(FRecursos); }

private:
    std::vector<TRecurso> FRecursos;
};

QString Fixo(const char* caminho)
{
    return QString::fromUtf8(caminho);
}

void Fundos(TTabela& t)
{
    using namespace Recursos;
    struct TFundo {
        QString Caminho;
        QString Desenho;
        QSize Tamanho;
    };
    const TFundo fundos[] = {
        {CaminhoImagem(QString::fromLatin1(FundoLogin)), QStringLiteral("login"), {640, 480}},
        {CaminhoImagem(QString::fromLatin1(FundoChat)), QStringLiteral("chat"), {1009, 697}},
        {CaminhoImagem(QString::fromLatin1(FundoPrepara)), QStringLiteral("prepara"), {700, 485}},
        {CaminhoImagem(QString::fromLatin1(FundoNovaConta)), QStringLiteral("novaconta"), {640, 480}},
        {CaminhoImagem(QString::fromLatin1(FundoPerfil)), QStringLiteral("perfil"), {640, 480}},
        {CaminhoImagem(QString::fromLatin1(FundoMissao)), QStringLiteral("missao"), {640, 480}},
        {CaminhoImagem(QString::fromLatin1(FundoBlackList)), QStringLiteral("blacklist"), {640, 480}},
        {Fixo(FundoLiderEntrada), QStringLiteral("lider_entrada"), {640, 480}},
        {Fixo(FundoLiderDetalhes), QStringLiteral("lider_detalhes"), {640, 480}},
        {Fixo(FundoListaAmigos), QStringLiteral("lista_amigos"), {640, 480}},
        {Fixo(FundoRankingDuelos), QStringLiteral("ranking_duelos"), {640, 480}},
    };
    t.Figura(CaminhoImagem(QString::fromLatin1(FundoMapa)), {1010, 700}, DesenharMapa);
    for (const TFundo& f : fundos)
        t.Figura(f.Caminho, f.Tamanho, [f] { return DesenharFundo(f.Desenho, f.Tamanho.width(), f.Tamanho.height()); });
}

void Tabuleiro(TTabela& t)
{
    using namespace Recursos;
    for (int cor = 1; cor <= 6; ++cor)
        for (int tipo = 0; tipo < TiposDeTropa; ++tipo)
            t.Figura(Tropa(cor, tipo), {32, 32}, [=] { return DesenharTropa(cor, tipo); });
    for (int marca = 1; marca <= 4; ++marca)
        t.Figura(FundoMarca(marca), {32, 32}, [=] { return DesenharFundoMarca(marca); });
    for (bool ataque : {true, false}) {
        for (int valor = 1; valor <= 6; ++valor)
            t.Figura(Dado(ataque, valor), {40, 40}, [=] { return DesenharDado(ataque, valor); });
        for (int posicao = 1; posicao <= 3; ++posicao)
            t.Figura(DadoParado(ataque, posicao), {40, 40}, [=] { return DesenharDadoParado(ataque, posicao); });
        for (int quadro = 0; quadro < QuadrosDeCopo; ++quadro)
            t.Figura(Copo(ataque, quadro), {48, 48}, [=] { return DesenharCopo(ataque, quadro); });
    }
    const std::pair<const char*, int> lampadas[] = {
        {ConexaoApagada, 0}, {ConexaoRetorno, 1}, {ConexaoAtividade, 10}, {ConexaoSaiu, 11}};
    for (const auto& [caminho, estado] : lampadas)
        t.Figura(Fixo(caminho), {16, 16}, [estado] { return DesenharConexao(estado); });
    for (const char* acao : {AcaoTDireito, AcaoTContinente, AcaoAtacar, AcaoMover, AcaoTroca, AcaoExTroca}) {
        const QString nome = Fixo(acao).section(QLatin1Char('\\'), 1).section(QLatin1Char('.'), 0, 0);
        t.Figura(Fixo(acao), {45, 45}, [nome] { return DesenharAcao(nome); });
    }
    for (int cor = 1; cor <= 6; ++cor)
        t.Figura(SoldadoDaVez(cor), {32, 32}, [cor] { return DesenharSoldadoDaVez(cor); });
    for (const char* botao : {BotaoPararAtaque, BotaoPassaVez, BotaoVerCartas, BotaoNaoTroca}) {
        const QString nome = Fixo(botao).section(QLatin1Char('\\'), 1).section(QLatin1Char('.'), 0, 0);
        t.Figura(Fixo(botao), {40, 40}, [nome] { return DesenharBotaoDoTurno(nome); });
    }
    t.Figura(Fixo(SuperAtaqueLigado), {18, 97}, [] { return DesenharSuperAtaque(true); });
    t.Figura(Fixo(SuperAtaqueDesligado), {18, 97}, [] { return DesenharSuperAtaque(false); });
}

void Cartas(TTabela& t)
{
    using namespace Recursos;
    for (int carta = 1; carta <= 43; ++carta)
        t.Figura(Carta(carta), {69, 120}, [carta] { return DesenharCarta(carta); });
    t.Figura(Fixo(CartaVazia), {69, 120}, DesenharCartaVazia);
    for (int objetivo = 0; objetivo <= Objetivos; ++objetivo)
        t.Figura(Objetivo(objetivo), {85, 148}, [objetivo] { return DesenharObjetivo(objetivo); });
    for (int digito = 0; digito < DigitosDeEsfera; ++digito)
        t.Figura(Esfera(digito), {30, 30}, [digito] { return DesenharEsfera(digito); });
}

void Listas(TTabela& t)
{
    using namespace Recursos;
    for (int patente = 1; patente <= Patentes; ++patente) {
        t.Figura(Insignia(patente, TamanhoInsignia::Normal), {69, 25}, [patente] { return DesenharInsignia(patente, 69, 25); });
        t.Figura(Insignia(patente, TamanhoInsignia::Pequena), {34, 12}, [patente] { return DesenharInsignia(patente, 34, 12); });
        if (patente <= InsigniasGrandes)
            t.Figura(Insignia(patente, TamanhoInsignia::Grande), {94, 37}, [patente] { return DesenharInsignia(patente, 94, 37); });
    }
    for (int tipo = 0; tipo < TiposDeConta; ++tipo)
        t.Figura(TipoConta(tipo), {25, 25}, [tipo] { return DesenharTipoConta(tipo); });
    for (int emote = 0; emote < Emotes; ++emote)
        t.Figura(Emote(emote), {19, 19}, [emote] { return DesenharEmote(emote); });
    t.Figura(Fixo(SoldadoListaJogos), {20, 25}, DesenharSoldadoListaJogos);
    for (int digito = 0; digito < EstadosDeJogo; ++digito)
        t.Figura(EstadoDeJogo(digito), {35, 25}, [digito] { return DesenharEstadoDeJogo(digito); });
    for (bool online : {false, true})
        t.Figura(Amigo(online), {33, 23}, [online] { return DesenharAmigo(online); });
    for (int papel = 0; papel < Papeis; ++papel)
        t.Figura(Papel(papel), {25, 25}, [papel] { return DesenharPapel(papel); });
    for (int titulo = 0; titulo < TitulosDuelo; ++titulo)
        t.Figura(TituloDuelo(titulo), {25, 25}, [titulo] { return DesenharTituloDuelo(titulo); });
}

void FigurasDasJanelas(TTabela& t)
{
    for (const Recursos::TFiguraDeJanela& f : Recursos::FigurasDeJanela()) {
        const QString nome = QString::fromLatin1(f.Janela) + QLatin1Char('_') + QString::fromLatin1(f.Controle);
        const QSize tamanho(f.Largura, f.Altura);
        std::function<QImage()> desenhar;
        if (nome == QLatin1String("TFrChat_RichChatFundo"))
            desenhar = [tamanho] { return DesenharFundo(QStringLiteral("chat_fundo"), tamanho.width(), tamanho.height()); };
        else if (nome == QLatin1String("TFrRanking_Image4"))
            desenhar = [tamanho] { return DesenharFundo(QStringLiteral("cabecalho_ranking"), tamanho.width(), tamanho.height()); };
        else if (nome == QLatin1String("TFrGradua_Cabecalho"))
            desenhar = [tamanho] { return DesenharFundo(QStringLiteral("cabecalho_patentes"), tamanho.width(), tamanho.height()); };
        else if (QString::fromLatin1(f.Janela) == QLatin1String("TFrRanking"))
            desenhar = [f] { return DesenharMedalhaDeLugar(QString::fromUtf8(f.Legenda).toInt(), f.Largura, f.Altura); };
        else
            desenhar = [f] { return DesenharFiguraDeJanela(f.Janela, f.Controle, f.Largura, f.Altura, QString::fromUtf8(f.Legenda)); };
        t.Figura(Recursos::Botao(f.Janela, f.Controle), tamanho, desenhar);
    }
}

void Sons(TTabela& t)
{
    for (const char* efeito : Recursos::Efeitos())
        t.Som(QString::fromLatin1(efeito));
    for (int n = 1; n <= Recursos::SinaisDeSala; ++n)
        t.Som(Recursos::SinalDeSala(n));
}

} // namespace

std::vector<TRecurso> TabelaDeRecursos()
{
    TTabela t;
    Fundos(t);
    Tabuleiro(t);
    Cartas(t);
    Listas(t);
    FigurasDasJanelas(t);
    Sons(t);
    return std::move(t).Recursos();
}
