// Chat view timings: a full paint of a full view, one message appended and scrolled, a relayout.
// With --amostra=<file.png> it writes a picture of the view with a selection instead.
#include "lobby/ChatView.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

QPixmap Figura(int largura, int altura, int n)
{
    QPixmap figura(largura, altura);
    figura.fill(QColor::fromHsv((n * 37) % 360, 200, 220));
    QPainter pintor(&figura);
    pintor.setPen(Qt::black);
    pintor.drawRect(0, 0, largura - 1, altura - 1);
    return figura;
}

QPixmap FundoDeChat()
{
    QPixmap fundo(645, 495);
    QPainter pintor(&fundo);
    QLinearGradient degrade(0, 0, 0, 495);
    degrade.setColorAt(0, QColor(250, 246, 230));
    degrade.setColorAt(1, QColor(214, 222, 200));
    pintor.fillRect(fundo.rect(), degrade);
    return fundo;
}

// The lobby's view with its picture lists, fed with seeded chat traffic.
class TCenario {
public:
    TCenario()
    {
        for (int n = 0; n < 61; ++n) {
            Insignias.Adicionar(Figura(34, 12, n));
            Pequenas.Adicionar(Figura(69, 25, n));
        }
        for (int n = 0; n < 41; ++n)
            Emotes.Adicionar(Figura(19, 19, n * 3));
        Vista.resize(645, 495);
        Vista.DefinirFundo(FundoDeChat());
        Vista.show();
        // repaint() paints nothing until the platform has exposed the window.
        while (!Vista.windowHandle() || !Vista.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (int n = 0; n < TChatView::MaximoLinhas; ++n)
            Mensagem();
        Vista.RolarParaFim();
        Vista.repaint();
    }

    /// One message as the lobby writes it, with emotes among the words.
    void Mensagem()
    {
        static const QStringList palavras = {"bom", "dia", "ataque", "na", "Africa", "agora,", "quem",
            "vai", "jogar?", "entrem", "no", "jogo", "do", "Brasil", "kkkk", "valeu", "pessoal!", "boa",
            "sorte", "exercitos", "cartas", "troca", "vitoria", "alguem", "sala", "senha", "1234"};
        static const int estilos[] = {6, 6, 6, 9, 7, 8};
        const bool grande = FSorteio() % 8 == 0;
        Vista.AdicionarImagem(grande ? &Pequenas : &Insignias, int(FSorteio() % 62), true);
        Vista.AdicionarImagem(&Espacador, -1, false);
        Vista.AdicionarTexto(QStringLiteral(" jogador%1").arg(FSorteio() % 500), 1);
        Vista.AdicionarTexto(QStringLiteral(" > "), 6);
        const int estilo = estilos[FSorteio() % std::size(estilos)];
        const int quantas = 3 + int(FSorteio() % 40);
        QString texto;
        for (int n = 0; n < quantas; ++n) {
            if (FSorteio() % 9 == 0) {
                Vista.AdicionarTexto(texto, estilo);
                Vista.AdicionarImagem(&Emotes, int(FSorteio() % 41), false);
                texto = QStringLiteral(" ");
            }
            texto += palavras[qsizetype(FSorteio() % size_t(palavras.size()))] + QLatin1Char(' ');
        }
        Vista.AdicionarTexto(texto.trimmed(), estilo);
    }

    TListaImagens Insignias{34, 12};
    TListaImagens Pequenas{69, 25};
    TListaImagens Emotes{19, 19};
    TListaImagens Espacador{1, 19};
    TChatView Vista;

private:
    std::mt19937 FSorteio{20240611};
};

std::unique_ptr<TCenario> Cenario;

void BM_PinturaCompleta(benchmark::State& estado)
{
    for (auto _ : estado)
        Cenario->Vista.repaint();
}
BENCHMARK(BM_PinturaCompleta)->Unit(benchmark::kMillisecond);

void BM_AcrescentarERolar(benchmark::State& estado)
{
    for (auto _ : estado) {
        Cenario->Mensagem();
        Cenario->Vista.RolarParaFim();
        Cenario->Vista.repaint();
    }
}
BENCHMARK(BM_AcrescentarERolar)->Unit(benchmark::kMillisecond);

// Every line laid out again at a new width: the cost the cache saves on each paint.
void BM_RedimensionarEPintar(benchmark::State& estado)
{
    int largura = 645;
    for (auto _ : estado) {
        largura = largura == 645 ? 640 : 645;
        Cenario->Vista.resize(largura, 495);
        Cenario->Vista.repaint();
    }
    Cenario->Vista.resize(645, 495);
}
BENCHMARK(BM_RedimensionarEPintar)->Unit(benchmark::kMillisecond);

void Mouse(QWidget& alvo, QEvent::Type tipo, QPoint ponto)
{
    QMouseEvent evento(tipo, ponto, alvo.mapToGlobal(ponto), Qt::LeftButton,
        tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&alvo, &evento);
}

// A picture of the view at the bottom with a selection over a few rows.
int GravarAmostra(const QString& arquivo)
{
    TChatView& vista = Cenario->Vista;
    const auto& caixas = vista.Caixas();
    if (caixas.size() < 2)
        return 1;
    const QPoint de = caixas[caixas.size() / 2].Retangulo.center();
    const QPoint ate = caixas[caixas.size() * 3 / 4].Retangulo.center();
    Mouse(vista, QEvent::MouseButtonPress, de);
    Mouse(vista, QEvent::MouseMove, ate);
    Mouse(vista, QEvent::MouseButtonRelease, ate);
    return vista.grab().save(arquivo) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QApplication aplicacao(argcQt, argv);
    Cenario = std::make_unique<TCenario>();

    const QString prefixo = QStringLiteral("--amostra=");
    for (int i = 1; i < argc; ++i) {
        const QString argumento = QString::fromLocal8Bit(argv[i]);
        if (argumento.startsWith(prefixo)) {
            const int resultado = GravarAmostra(argumento.mid(prefixo.size()));
            Cenario.reset();
            return resultado;
        }
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Cenario.reset();
    return 0;
}
