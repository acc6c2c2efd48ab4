// The chat view: word layout, hit test, line bound, scrolling, selection and copy.
#include "lobby/ChatView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

// Every character 10 pixels wide; style 1 is taller, to show the shared baseline.
class TMedidasFixas final : public TMedidasChat {
public:
    int Largura(int, const QString& texto) const override { return 10 * int(texto.size()); }
    int Ascendente(int estilo) const override { return estilo == 1 ? 12 : 10; }
    int Descendente(int estilo) const override { return estilo == 1 ? 3 : 2; }
};

// "h<height>b<baseline> X'word' X[picture]" per row, rows joined by " / ".
QString Descrever(const TDiagramaLinha& diagrama)
{
    QStringList fileiras;
    for (const TFileira& fileira : diagrama.Fileiras) {
        QString texto = QStringLiteral("h%1b%2").arg(fileira.Altura).arg(fileira.Ascendente);
        for (const TPeca& peca : fileira.Pecas)
            texto += peca.Imagens ? QStringLiteral(" %1[%2]").arg(peca.X).arg(peca.Indice)
                                  : QStringLiteral(" %1'%2'").arg(peca.X).arg(peca.Texto);
        fileiras << texto;
    }
    return fileiras.join(QStringLiteral(" / "));
}

QPixmap Quadrado(int largura, int altura, QColor cor)
{
    QPixmap figura(largura, altura);
    figura.fill(cor);
    return figura;
}

} // namespace

TEST(ChatViewDiagrama, PalavrasLevamSeusBrancos)
{
    struct Caso { const char* texto; QStringList palavras; };
    const Caso casos[] = {
        {"", {}},
        {"a", {"a"}},
        {"ab cd", {"ab ", "cd"}},
        {"  ab  cd ", {"  ", "ab  ", "cd "}},
        {"   ", {"   "}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(DividirPalavras(QString::fromUtf8(c.texto)), c.palavras) << '"' << c.texto << '"';
}

TEST(ChatViewDiagrama, QuebraDeFileirasEUmaLinhaDeBase)
{
    const TListaImagens insignias(34, 12);
    const TListaImagens espacador(1, 19);
    const TMedidasFixas medidas;
    struct Caso { const char* nome; TLinhaChat linha; int limite; const char* esperado; };
    const Caso casos[] = {
        {"quebra antes da palavra que passaria do limite", {{"aa bb cc", 6}}, 60,
            "h12b10 10'aa ' / h12b10 10'bb ' 40'cc'"},
        {"palavra mais larga que a area fica sozinha e inteira", {{"a wwwwwwwwww b", 6}}, 60,
            "h12b10 10'a ' / h12b10 10'wwwwwwwwww ' / h12b10 10'b'"},
        {"brancos iniciais formam uma palavra", {{"  ab cd", 6}}, 200, "h12b10 10'  ' 30'ab ' 60'cd'"},
        {"figuras e estilos dividem a linha de base; o espacador da a altura",
            {{{}, 0, &insignias, 3}, {{}, 0, &espacador, -1}, {" Ana", 1}, {" > ", 6}, {"oi", 6}}, 300,
            "h22b19 10[3] 44[-1] 45' ' 55'Ana' 85' ' 95'> ' 115'oi'"},
        {"figura que nao cabe abre fileira", {{"abcd", 6}, {{}, 0, &insignias, 0}}, 60,
            "h12b10 10'abcd' / h12b12 10[0]"},
        {"linha vazia nao tem fileiras", {}, 60, ""},
    };
    for (const Caso& c : casos) {
        const TDiagramaLinha diagrama = DiagramarLinha(c.linha, 10, c.limite, medidas);
        EXPECT_EQ(Descrever(diagrama), QString::fromUtf8(c.esperado)) << c.nome;
        int palavra = 0;
        int altura = 0;
        for (const TFileira& fileira : diagrama.Fileiras) {
            EXPECT_EQ(fileira.Topo, altura) << c.nome;
            altura += fileira.Altura;
            for (const TPeca& peca : fileira.Pecas)
                EXPECT_EQ(peca.Palavra, palavra++) << c.nome << " (pictures count as words)";
        }
        EXPECT_EQ(diagrama.Altura, altura) << c.nome;
    }
}

TEST(ChatViewDiagrama, AcertoPelaCaixaMaisProxima)
{
    // Row 0: boxes 1 and 2 with a gap between them; row 1: box 3.
    const std::vector<TCaixaChat> caixas = {
        {QRect(10, 0, 20, 20), 1}, {QRect(41, 0, 30, 20), 2}, {QRect(10, 20, 50, 20), 3}};
    struct Caso { QPoint ponto; qint64 chave; };
    const Caso casos[] = {
        {{15, 5}, 1}, {{45, 19}, 2}, {{45, 20}, 3},
        {{36, 5}, 2},   // nearer to the right box
        {{35, 5}, 1},   // as near to both: the earlier box
        {{500, 5}, 2},  // the same row weighs more than any horizontal distance
        {{15, -50}, 1}, {{15, 100}, 3},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(AcertarCaixa(caixas, c.ponto), c.chave) << c.ponto.x() << "," << c.ponto.y();
    EXPECT_EQ(AcertarCaixa({}, {5, 5}), -1);
}

TEST(ChatViewDiagrama, ChaveNaoInvadeALinhaSeguinte)
{
    EXPECT_EQ(ChaveChat(2, 5), 200005);
    EXPECT_EQ(ChaveChat(0, 150000), 99999);
}

class ChatView : public ::testing::Test {
protected:
    void SetUp() override
    {
        Insignias.Adicionar(Quadrado(34, 12, Qt::darkYellow));
        Emotes.Adicionar(Quadrado(19, 19, QColor(255, 0, 255)));
        Vista.resize(645, 495);
        Vista.show();
    }

    /// One message the way the lobby writes it: insignia, spacer, name, separator, text.
    void Mensagem(const QString& nome, const QString& texto)
    {
        Vista.AdicionarImagem(&Insignias, 0, true);
        Vista.AdicionarImagem(&Espacador, -1, false);
        Vista.AdicionarTexto(QStringLiteral(" ") + nome, 1);
        Vista.AdicionarTexto(QStringLiteral(" > "), 6);
        Vista.AdicionarTexto(texto, 6);
    }

    void Mensagens(int quantas)
    {
        for (int n = 0; n < quantas; ++n)
            Mensagem(QStringLiteral("Ana"), QStringLiteral("linha %1").arg(n));
    }

    QImage Pintar() { return Vista.grab().toImage(); }

    QPoint CentroDe(qint64 chave) const
    {
        for (const TCaixaChat& caixa : Vista.Caixas())
            if (caixa.Chave == chave)
                return caixa.Retangulo.center();
        ADD_FAILURE() << "no box for key " << chave;
        return {};
    }

    void Mouse(QEvent::Type tipo, QPoint ponto)
    {
        const Qt::MouseButtons botoes = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButton botao = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent evento(tipo, ponto, Vista.mapToGlobal(ponto), botao, botoes, Qt::NoModifier);
        QCoreApplication::sendEvent(&Vista, &evento);
    }

    void Arrastar(qint64 de, qint64 ate)
    {
        Mouse(QEvent::MouseButtonPress, CentroDe(de));
        Mouse(QEvent::MouseMove, CentroDe(ate));
        Mouse(QEvent::MouseButtonRelease, CentroDe(ate));
    }

    void Roda(int delta)
    {
        QWheelEvent evento(QPointF(100, 100), Vista.mapToGlobal(QPointF(100, 100)), {}, {0, delta},
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&Vista, &evento);
    }

    TListaImagens Insignias{34, 12};
    TListaImagens Espacador{1, 19};
    TListaImagens Emotes{19, 19};
    TChatView Vista;
};

TEST_F(ChatView, EstiloForaDaTabelaEhTrazidoParaDentro)
{
    struct Caso { int estilo; int guardado; };
    const Caso casos[] = {{-3, 0}, {12, 9}, {0, 0}, {9, 9}, {std::numeric_limits<int>::min(), 0}};
    for (const Caso& c : casos)
        Vista.AdicionarTexto(QStringLiteral("x"), c.estilo);
    ASSERT_EQ(Vista.Linhas().size(), 1u) << "text on an empty view starts the first line";
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(Vista.Linhas()[0][i].Estilo, casos[i].guardado) << casos[i].estilo;
    Pintar();
}

TEST_F(ChatView, NovaLinhaAlemDoLimiteDescartaAMaisAntigaEASelecao)
{
    Mensagens(TChatView::MaximoLinhas);
    Vista.RolarParaFim();
    Pintar();
    const qint64 ultima = ChaveChat(TChatView::MaximoLinhas - 1, 0);
    Arrastar(ultima + 5, ultima + 6);
    ASSERT_NE(Vista.InicioSelecao(), -1);

    Mensagem(QStringLiteral("Beto"), QStringLiteral("nova"));
    ASSERT_EQ(Vista.Linhas().size(), size_t(TChatView::MaximoLinhas));
    EXPECT_EQ(Vista.Linhas().front()[4].Texto, "linha 1");
    EXPECT_EQ(Vista.Linhas().back()[4].Texto, "nova");
    EXPECT_EQ(Vista.InicioSelecao(), -1);
    EXPECT_EQ(Vista.FimSelecao(), -1);
    Vista.RolarParaFim();
    Pintar();
    ASSERT_FALSE(Vista.Caixas().empty());
    EXPECT_EQ(Vista.Caixas().back().Chave, ChaveChat(TChatView::MaximoLinhas - 1, 6)) << "the word \"nova\"";

    Vista.Limpar();
    EXPECT_TRUE(Vista.Linhas().empty());
    EXPECT_EQ(Vista.Topo(), 0);
    EXPECT_FALSE(Vista.BarraVisivel());
    EXPECT_TRUE(Vista.Barra()->isHidden());
}

TEST_F(ChatView, BarraApareceERefazAQuebraNaMesmaAtualizacao)
{
    // Rows of the first line in the last paint, and how far right they reach.
    const auto fileirasDaPrimeira = [this] {
        std::set<int> topos;
        int direita = 0;
        for (const TCaixaChat& caixa : Vista.Caixas())
            if (caixa.Chave < ChaveChat(1, 0)) {
                topos.insert(caixa.Retangulo.top());
                direita = std::max(direita, caixa.Retangulo.left() + caixa.Retangulo.width());
            }
        return std::pair{int(topos.size()), direita};
    };
    // Narrow words fill each row to within a few pixels of the limit.
    Vista.AdicionarTexto(QStringLiteral("i ").repeated(1000), 6);
    Vista.RolarParaFim();
    Pintar();
    ASSERT_FALSE(Vista.BarraVisivel());
    const auto [fileirasLargas, direitaLarga] = fileirasDaPrimeira();

    Mensagens(40);
    Vista.RolarParaFim();
    EXPECT_TRUE(Vista.BarraVisivel());
    EXPECT_FALSE(Vista.Barra()->isHidden());
    Pintar();
    // At the bottom the last row ends 2 pixels above the edge only if the height was measured
    // with the narrower area.
    int fundo = 0;
    for (const TCaixaChat& caixa : Vista.Caixas())
        fundo = std::max(fundo, caixa.Retangulo.top() + caixa.Retangulo.height());
    EXPECT_EQ(fundo, Vista.height() - TChatView::EspacoEntreLinhas);

    Vista.Barra()->setValue(0);
    EXPECT_EQ(Vista.Topo(), 0);
    Pintar();
    const auto [fileirasEstreitas, direitaEstreita] = fileirasDaPrimeira();
    const int limiteEstreito = Vista.width() - Vista.Barra()->width() - TChatView::MargemDireita;
    EXPECT_GT(direitaLarga, limiteEstreito);
    EXPECT_LE(direitaEstreita, limiteEstreito);
    ASSERT_GT(fileirasEstreitas, fileirasLargas) << "the long line must need one more row when narrower";
}

TEST_F(ChatView, RodaRolaSessentaPixelsPorDenteSemPassarDasPontas)
{
    Mensagens(3);
    Vista.RolarParaFim();
    Roda(-120);
    EXPECT_EQ(Vista.Topo(), 0) << "without a scroll bar nothing moves";

    Mensagens(60);
    Vista.RolarParaFim();
    const int fim = Vista.Topo();
    ASSERT_GT(fim, 200);
    struct Passo { int delta; int topo; };
    const Passo passos[] = {
        {-120, fim}, {120, fim - 60}, {240, fim - 180}, {-120, fim - 120}, {-1200, fim},
        {30, fim - 15}, {-30, fim}, {1000000, 0}, {120, 0}, {-120, 60},
    };
    for (const Passo& p : passos) {
        Roda(p.delta);
        EXPECT_EQ(Vista.Topo(), p.topo) << "delta " << p.delta;
    }
}

TEST_F(ChatView, ArrastoCopiaAsPalavrasEntreLinhasComCRLFSemFiguras)
{
    Mensagem(QStringLiteral("Ana"), QStringLiteral("bom dia a to\u0081dos"));
    Vista.AdicionarImagem(&Insignias, 0, true);
    Vista.AdicionarImagem(&Espacador, -1, false);
    Vista.AdicionarTexto(QStringLiteral(" Beto"), 1);
    Vista.AdicionarTexto(QStringLiteral(" > "), 6);
    Vista.AdicionarTexto(QStringLiteral("oi "), 6);
    Vista.AdicionarImagem(&Emotes, 0, false);
    Vista.AdicionarTexto(QStringLiteral(" tudo bem"), 6);
    Vista.RolarParaFim();
    Pintar();

    // Line 0: insignia 0, spacer 1, " " 2, "Ana" 3, " " 4, "> " 5, "bom " 6, "dia " 7 ...
    // Line 1: ... "oi " 6, emote 7, " " 8, "tudo " 9, "bem" 10.
    const qint64 dia = ChaveChat(0, 7);
    const qint64 tudo = ChaveChat(1, 9);
    const QString esperado = QStringLiteral("dia a todos\r\nBeto > oi  tudo");
    for (const auto& [de, ate] : {std::pair{dia, tudo}, std::pair{tudo, dia}}) {
        QGuiApplication::clipboard()->clear();
        Arrastar(de, ate);
        EXPECT_EQ(Vista.TextoSelecionado(), esperado);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), esperado);
        EXPECT_EQ(Vista.InicioSelecao(), de) << "the selection stays shown";
    }

    // A plain click ends the selection and copies nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    Mouse(QEvent::MouseButtonPress, CentroDe(dia));
    Mouse(QEvent::MouseButtonRelease, CentroDe(dia));
    EXPECT_EQ(Vista.InicioSelecao(), -1);
    EXPECT_EQ(Vista.TextoSelecionado(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "antes");
}

TEST_F(ChatView, ArrastarForaDaVistaRolaDezesseisPixelsPorMovimento)
{
    Mensagens(60);
    Vista.RolarParaFim();
    Pintar();
    const int fim = Vista.Topo();
    const QPoint inicio = CentroDe(ChaveChat(59, 6));
    Mouse(QEvent::MouseButtonPress, inicio);
    struct Passo { int y; int topo; };
    const Passo passos[] = {
        {-5, fim - 16}, {-40, fim - 32}, {200, fim - 32}, {Vista.height() + 1, fim - 16},
        {Vista.height() + 1, fim}, {Vista.height() + 1, fim},
    };
    for (const Passo& p : passos) {
        Mouse(QEvent::MouseMove, {inicio.x(), p.y});
        EXPECT_EQ(Vista.Topo(), p.topo) << "y " << p.y;
    }
    Mouse(QEvent::MouseButtonRelease, {inicio.x(), Vista.height() + 1});
    EXPECT_NE(Vista.InicioSelecao(), -1);
}

TEST_F(ChatView, FiguraForaDaListaGuardaOLugarSemDesenhar)
{
    Vista.AdicionarImagem(&Emotes, 99, true);
    Vista.AdicionarImagem(&Emotes, -1, false);
    Vista.AdicionarImagem(&Emotes, 0, false);
    Vista.RolarParaFim();
    const QImage imagem = Pintar();
    ASSERT_EQ(Vista.Caixas().size(), 3u);
    const QRgb fundo = Vista.palette().color(QPalette::Base).rgb();
    const QRgb emote = QColor(255, 0, 255).rgb();
    const QRgb esperadas[] = {fundo, fundo, emote};
    for (size_t i = 0; i < 3; ++i) {
        const QRect caixa = Vista.Caixas()[i].Retangulo;
        EXPECT_EQ(caixa, QRect(10 + 19 * int(i), 2, 19, 19)) << i;
        EXPECT_EQ(imagem.pixel(caixa.center()), esperadas[i]) << i;
    }
}

TEST_F(ChatView, TrechoAcrescentadoDepoisDaPinturaAparece)
{
    Mensagem(QStringLiteral("Ana"), QStringLiteral("oi"));
    Vista.RolarParaFim();
    Pintar();
    const size_t antes = Vista.Caixas().size();
    Vista.AdicionarTexto(QStringLiteral(" tudo bem"), 6);
    Vista.update();
    Pintar();
    ASSERT_EQ(Vista.Caixas().size(), antes + 3);
    EXPECT_EQ(Vista.Caixas().back().Chave, ChaveChat(0, antes + 2));
}
