// The fixture of the client's tests.
#include "apoio/Ambiente.h"

#include "app/Aplicacao.h"
#include "app/Caminhos.h"
#include "app/Janelas.h"
#include "app/Recursos.h"
#include "app/Sessao.h"
#include "community/Login.h"
#include "game/EstadoJogo.h"
#include "media/Som.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

bool TDialogosFalsos::Confirmar(const QString& texto)
{
    Mostrados.push_back({QStringLiteral("confirmar"), texto});
    if (Confirmacoes.empty())
        return false;
    const bool resposta = Confirmacoes.front();
    Confirmacoes.pop_front();
    return resposta;
}

std::optional<QString> TDialogosFalsos::Perguntar(const QString&, const QString& texto, const QString&)
{
    Mostrados.push_back({QStringLiteral("perguntar"), texto});
    if (Respostas.empty())
        return std::nullopt;
    const bool temResposta = Respostas.front().has_value();
    const QString resposta = Respostas.front().value_or(QString());
    Respostas.pop_front();
    if (!temResposta)
        return std::nullopt;
    return resposta;
}

QStringList TDialogosFalsos::Textos() const
{
    QStringList textos;
    for (const auto& r : Mostrados)
        textos << r.Texto;
    return textos;
}

void TAmbiente::SetUp()
{
    ASSERT_TRUE(FPasta.isValid());
    FPastaAnterior = QDir::currentPath();
    QDir::setCurrent(FPasta.path());
    Sessao.Reiniciar();
    EstadoJogo.Reiniciar();
    DefinirDialogos(&Dialogos);
    DefinirRegistroSons(&Sons);
    DesligarSaidaReal();
    EsquecerTermino();
    TFrLogin::SaidaDeTeste = [this](const QString& texto) { Enviadas << texto; };
    CriarRecursosProvisorios();
}

void TAmbiente::TearDown()
{
    DestruirJanelas();
    // Deferred deletions (connections dropped by Desconectar) must not outlive the case.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TFrLogin::SaidaDeTeste = nullptr;
    DefinirRegistroSons(nullptr);
    DefinirDialogos(nullptr);
    QDir::setCurrent(FPastaAnterior);
}

void TAmbiente::CriarJanelas(const QStringList& argumentos)
{
    ::CriarJanelas(argumentos);
    if (!GravarSaida)
        TFrLogin::SaidaDeTeste = nullptr;
}

void TAmbiente::CriarRecursosProvisorios()
{
    for (const QString& recurso : TodosOsRecursos()) {
        const QString caminho = QString(recurso).replace(QLatin1Char('\\'), QLatin1Char('/'));
        QDir().mkpath(caminho.section(QLatin1Char('/'), 0, -2));
        if (caminho.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)) {
            QFile som(caminho);
            if (som.open(QIODevice::WriteOnly))
                som.write(QByteArray::fromHex("52494646240000005741564566"
                                              "6d74201000000001000100401f0000803e0000020010006461746100000000"));
            continue;
        }
        QImage figura(4, 4, QImage::Format_RGB32);
        figura.fill(Qt::darkGreen);
        figura.save(caminho, caminho.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? "BMP" : "JPG");
    }
}

QString TAmbiente::LerArquivo(const QString& nome)
{
    QFile arquivo(nome);
    return arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()) : QString();
}

bool EsperarAte(const std::function<bool()>& condicao, int ms)
{
    QDeadlineTimer prazo(ms);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(1);
    }
    return true;
}
