// Velmor's asset generator: draws every picture and synthesises every sound the client loads.
// Usage: velmor_gerador PASTA [FILTRO]   (FILTRO: only assets whose path contains it; no final check)
//        velmor_gerador PASTA --previa ARQUIVO.png   (after a generation: the board with markers, for review)
//        velmor_gerador PASTA --previa-salao ARQUIVO.png   (the lobby with its lists)
#include "Mapa.h"
#include "Previa.h"
#include "Tabela.h"

#include "app/Recursos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

QString CaminhoLocal(const QString& pasta, const QString& caminho)
{
    return pasta + QLatin1Char('/') + QString(caminho).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool Gravar(const QString& pasta, const TRecurso& r)
{
    const QString destino = CaminhoLocal(pasta, r.Caminho);
    QDir().mkpath(destino.section(QLatin1Char('/'), 0, -2));
    if (r.Sintetizar) {
        QFile arquivo(destino);
        return arquivo.open(QIODevice::WriteOnly) && arquivo.write(r.Sintetizar()) >= 0;
    }
    QImage figura = r.Desenhar();
    if (figura.size() != r.Tamanho) {
        std::fprintf(stderr, "%s: desenhada com %dx%d em vez de %dx%d\n", qPrintable(r.Caminho), figura.width(),
            figura.height(), r.Tamanho.width(), r.Tamanho.height());
        return false;
    }
    const bool jpeg = r.Caminho.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    // 24-bit pictures: the transparent colours are exact pixel values.
    figura = figura.convertToFormat(QImage::Format_RGB888);
    QImageWriter escritor(destino, jpeg ? "jpeg" : "bmp");
    if (jpeg)
        escritor.setQuality(92);
    if (!escritor.write(figura)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(destino), qPrintable(escritor.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Runs at build time, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    const QStringList argumentos = aplicacao.arguments();
    if (argumentos.size() < 2) {
        std::fprintf(stderr, "uso: velmor_gerador PASTA [FILTRO]\n");
        return 2;
    }
    const QString pasta = argumentos[1];
    const QString filtro = argumentos.size() > 2 ? argumentos[2] : QString();
    if (filtro == QLatin1String("--previa") && argumentos.size() > 3)
        return PreviaDoTabuleiro(pasta).save(argumentos[3]) ? 0 : 1;
    if (filtro == QLatin1String("--previa-salao") && argumentos.size() > 3)
        return PreviaDoSalao(pasta).save(argumentos[3]) ? 0 : 1;

    QElapsedTimer relogio;
    relogio.start();
    int falhas = 0, gravados = 0;
    for (const TRecurso& r : TabelaDeRecursos()) {
        if (!filtro.isEmpty() && !r.Caminho.contains(filtro))
            continue;
        if (Gravar(pasta, r))
            ++gravados;
        else
            ++falhas;
    }
    if (filtro.isEmpty()) {
        // The map must agree with the neighbour table: a wrong border would mislead the players.
        for (const QString& problema : ProblemasDoMapa()) {
            std::fprintf(stderr, "mapa: %s\n", qPrintable(problema));
            ++falhas;
        }
        // Every name the client can ask for must have been written.
        for (const QString& caminho : TodosOsRecursos())
            if (!QFile::exists(CaminhoLocal(pasta, caminho))) {
                std::fprintf(stderr, "falta: %s\n", qPrintable(caminho));
                ++falhas;
            }
    }
    std::printf("velmor_gerador: %d recursos em %s (%lld ms)\n", gravados, qPrintable(pasta),
        static_cast<long long>(relogio.elapsed()));
    return falhas ? 1 : 0;
}
