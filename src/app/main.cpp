// Velmor: start-up of the game client.
#include "app/Aplicacao.h"
#include "app/Controles.h"
#include "app/Erros.h"
#include "app/Janelas.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/Login.h"
#include "game/EstadoJogo.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

namespace {

// The folder of the executable, found without the application object (which may be what failed).
QString PastaDoPrograma()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

void RegistrarFalhaAoAbrir(const QString& texto)
{
    QFile arquivo(PastaDoPrograma() + QStringLiteral("/ErroAoAbrir.txt"));
    if (arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        arquivo.write((texto + QStringLiteral("\r\n")).toUtf8());
}

} // namespace

int main(int argc, char** argv)
{
    try {
        QStringList argumentos;
        for (int i = 0; i < argc; ++i)
            argumentos << QString::fromLocal8Bit(argv[i]);

        EstadoJogo.ChatPausado.clear();
        const QString ip = OpcaoLinhaComando(argumentos, QStringLiteral("IP"));
        if (!ip.isEmpty())
            Sessao.EnderecoServidor = ip;
        // "-PORT:" is accepted and not used: the game port comes from the login server.

        TAplicacao aplicacao(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Velmor"));
        QApplication::setQuitOnLastWindowClosed(false);
        RegistrarFontes();
        CriarJanelas(argumentos);
        if (!TerminoPedido())
            FrLogin->show();
        const int resultado = aplicacao.exec();
        DestruirJanelas();
        return resultado;
    } catch (const std::exception& e) {
        RegistrarFalhaAoAbrir(NomeClasse(e) + QStringLiteral(": ") + MensagemDe(e));
    } catch (...) {
        RegistrarFalhaAoAbrir(QStringLiteral("Exceção desconhecida"));
    }
    return 1;
}
