// A scripted TCP peer on the loopback address.
#include "apoio/ParLoopback.h"

#include "net/Quadro.h"

#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

TParLoopback::TParLoopback()
{
    FEscuta = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int sim = 1;
    ::setsockopt(FEscuta, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(FEscuta, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco);
    ::listen(FEscuta, 8);
    socklen_t tamanho = sizeof endereco;
    ::getsockname(FEscuta, reinterpret_cast<sockaddr*>(&endereco), &tamanho);
    FPorta = ntohs(endereco.sin_port);
}

TParLoopback::~TParLoopback()
{
    FecharConexao();
    PararDeEscutar();
}

bool TParLoopback::Aceitar(int ms)
{
    FecharConexao();
    pollfd p{FEscuta, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0)
        return false;
    FConexao = ::accept4(FEscuta, nullptr, nullptr, SOCK_CLOEXEC);
    const int sim = 1;
    ::setsockopt(FConexao, IPPROTO_TCP, TCP_NODELAY, &sim, sizeof sim);
    return FConexao >= 0;
}

void TParLoopback::Enviar(const QByteArray& bytes)
{
    qsizetype feito = 0;
    while (feito < bytes.size()) {
        const ssize_t n = ::send(FConexao, bytes.constData() + feito, size_t(bytes.size() - feito), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        feito += n;
    }
}

void TParLoopback::EnviarQuadro(const QByteArray& carga)
{
    Enviar(Enquadrar(carga));
}

QByteArray TParLoopback::Receber(int n, int ms)
{
    QByteArray recebido;
    QDeadlineTimer prazo(ms);
    while (recebido.size() < n && !prazo.hasExpired()) {
        pollfd p{FConexao, POLLIN, 0};
        if (::poll(&p, 1, int(prazo.remainingTime())) <= 0)
            break;
        char buffer[65536];
        const ssize_t lidos = ::recv(FConexao, buffer, size_t(qMin<qsizetype>(n - recebido.size(), sizeof buffer)), 0);
        if (lidos <= 0)
            break;
        recebido.append(buffer, lidos);
    }
    return recebido;
}

QByteArray TParLoopback::ReceberQuadro(int ms)
{
    const QByteArray cabecalho = Receber(4, ms);
    if (cabecalho.size() < 4)
        return {};
    return Receber(int(LerCabecalhoQuadro(cabecalho.constData())), ms);
}

QByteArray TParLoopback::ReceberTudo(int ms)
{
    QByteArray recebido;
    QDeadlineTimer prazo(ms);
    while (!prazo.hasExpired()) {
        pollfd p{FConexao, POLLIN, 0};
        if (::poll(&p, 1, int(prazo.remainingTime())) <= 0)
            break;
        char buffer[4096];
        const ssize_t lidos = ::recv(FConexao, buffer, sizeof buffer, 0);
        if (lidos <= 0)
            break;
        recebido.append(buffer, lidos);
    }
    return recebido;
}

bool TParLoopback::Silencioso(int ms)
{
    pollfd p{FConexao, POLLIN, 0};
    return ::poll(&p, 1, ms) == 0;
}

void TParLoopback::FecharConexao()
{
    if (FConexao >= 0) {
        ::close(FConexao);
        FConexao = -1;
    }
}

void TParLoopback::PararDeEscutar()
{
    if (FEscuta >= 0) {
        ::close(FEscuta);
        FEscuta = -1;
    }
}
