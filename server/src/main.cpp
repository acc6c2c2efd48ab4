// velmor-servidor: the local practice server (login web server, game port, account port).
#include "Opcoes.h"
#include "Servidor.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int ParSinal[2] = {-1, -1};

void AoSinal(int)
{
    const char um = 1;
    [[maybe_unused]] const ssize_t n = ::write(ParSinal[0], &um, 1);
}

// SIGINT and SIGTERM end the event loop, so the database closes cleanly.
void TratarSinais(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ParSinal) != 0)
        return;
    auto* aviso = new QSocketNotifier(ParSinal[1], QSocketNotifier::Read, &app);
    QObject::connect(aviso, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction acao {};
    acao.sa_handler = AoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    sigaction(SIGINT, &acao, nullptr);
    sigaction(SIGTERM, &acao, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-dd HH:mm:ss} %{if-warning}AVISO %{endif}%{if-critical}ERRO %{endif}%{message}"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmor-servidor"));

    QString erro;
    QString ajuda;
    const std::optional<TOpcoesServidor> opcoes = LerOpcoes(QCoreApplication::arguments(), erro, ajuda);
    if (!opcoes) {
        std::fputs(qPrintable(erro.isEmpty() ? ajuda : erro + QLatin1Char('\n')), erro.isEmpty() ? stdout : stderr);
        return erro.isEmpty() ? 0 : 2;
    }
    TServidor servidor(*opcoes);
    if (!servidor.Iniciar(erro)) {
        std::fprintf(stderr, "velmor-servidor: %s\n", qPrintable(erro));
        if (opcoes->PortaLogin < 1024)
            std::fprintf(stderr, "Portas abaixo de 1024 pedem root ou a capacidade cap_net_bind_service "
                                 "(veja server/README.md).\n");
        return 1;
    }
    TratarSinais(app);
    // Scripts and tests wait for this line.
    std::printf("velmor-servidor pronto em %s: login=%u jogo=%u cadastro=%u\n", qPrintable(opcoes->Endereco.toString()),
        servidor.PortaLogin(), servidor.PortaJogo(), servidor.PortaCadastro());
    std::fflush(stdout);
    return app.exec();
}
