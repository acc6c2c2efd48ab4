// A blocking TCP client socket on the POSIX socket calls.
#include "net/Soquete.h"

#include "app/Erros.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QString TextoErro(int codigo)
{
    return QString::fromLocal8Bit(std::strerror(codigo));
}

// Non-blocking connect bounded by the deadline; returns the connected descriptor or -1 with `erro`.
int ConectarEndereco(const addrinfo& endereco, const QDeadlineTimer& prazo, int& erro)
{
    const int fd = ::socket(endereco.ai_family, endereco.ai_socktype | SOCK_CLOEXEC, endereco.ai_protocol);
    if (fd < 0) {
        erro = errno;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL, 0);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    int r = ::connect(fd, endereco.ai_addr, endereco.ai_addrlen);
    if (r < 0 && errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        do {
            r = ::poll(&p, 1, int(qMax<qint64>(0, prazo.remainingTime())));
        } while (r < 0 && errno == EINTR);
        if (r == 0) {
            erro = ETIMEDOUT;
            ::close(fd);
            return -1;
        }
        int resultado = 0;
        socklen_t tamanho = sizeof resultado;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &resultado, &tamanho);
        r = resultado == 0 ? 0 : -1;
        errno = resultado;
    }
    if (r < 0) {
        erro = errno;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

TSoquete::~TSoquete()
{
    if (FDescritor >= 0)
        ::close(FDescritor);
}

void TSoquete::Conectar(const QString& host, std::uint16_t porta, int tempoLimiteMs)
{
    const QDeadlineTimer prazo(tempoLimiteMs);
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    addrinfo* enderecos = nullptr;
    const int resolvido = ::getaddrinfo(host.toUtf8().constData(), QByteArray::number(porta).constData(), &dicas, &enderecos);
    if (resolvido != 0)
        throw EErroRede(QStringLiteral("Endereço %1 não encontrado: %2").arg(host, QString::fromLocal8Bit(::gai_strerror(resolvido))));
    int erro = ECONNREFUSED;
    for (addrinfo* e = enderecos; e && FDescritor < 0 && !prazo.hasExpired(); e = e->ai_next)
        FDescritor = ConectarEndereco(*e, prazo, erro);
    ::freeaddrinfo(enderecos);
    if (FDescritor < 0)
        throw EErroRede(QStringLiteral("Conexão com %1:%2 falhou: %3").arg(host).arg(porta).arg(TextoErro(erro)));
}

bool TSoquete::LerExato(char* destino, qsizetype n)
{
    while (n > 0) {
        const ssize_t lidos = ::recv(FDescritor, destino, size_t(n), 0);
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos <= 0)
            return false;
        destino += lidos;
        n -= lidos;
    }
    return true;
}

int TSoquete::LerByte()
{
    unsigned char b = 0;
    return LerExato(reinterpret_cast<char*>(&b), 1) ? b : -1;
}

void TSoquete::EscreverTudo(const QByteArray& bytes)
{
    const char* origem = bytes.constData();
    qsizetype restante = bytes.size();
    while (restante > 0) {
        const ssize_t escritos = ::send(FDescritor, origem, size_t(restante), MSG_NOSIGNAL);
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            throw EErroRede(QStringLiteral("Falha ao enviar: %1").arg(TextoErro(errno)));
        origem += escritos;
        restante -= escritos;
    }
}

void TSoquete::Desligar()
{
    if (FDescritor >= 0)
        ::shutdown(FDescritor, SHUT_RDWR);
}
