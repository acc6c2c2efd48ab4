// A scripted client over real sockets.
#include "apoio/ClienteScript.h"

#include "app/Texto.h"
#include "app/Windows1252.h"
#include "net/Quadro.h"
#include "net/Url.h"
#include "protocol/Mensagem.h"

#include <QDeadlineTimer>
#include <QHostAddress>

QByteArray PedirLogin(quint16 portaLogin, const QString& nick)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, portaLogin);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write("GET /velmor/login?nick=" + CodificarURL(nick).toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    socket.waitForBytesWritten(5000);
    QByteArray resposta;
    QDeadlineTimer prazo(5000);
    while (!prazo.hasExpired() && socket.state() == QAbstractSocket::ConnectedState) {
        if (socket.waitForReadyRead(int(prazo.remainingTime())))
            resposta += socket.readAll();
    }
    return resposta + socket.readAll();
}

std::optional<int> PortaDaResposta(const QByteArray& resposta)
{
    for (const QByteArray& linha : resposta.split('\n'))
        if (linha.startsWith('{')) {
            try {
                return InteiroEstrito(QString::fromLatin1(linha.mid(1, 5)));
            } catch (...) {
                return std::nullopt;
            }
        }
    return std::nullopt;
}

TClienteScript::TClienteScript(quint16 porta)
{
    FSocket.connectToHost(QHostAddress::LocalHost, porta);
    FSocket.waitForConnected(5000);
}

void TClienteScript::EnviarBytes(const QByteArray& bytes)
{
    FSocket.write(bytes);
    FSocket.waitForBytesWritten(5000);
}

void TClienteScript::Direta(const QString& texto)
{
    EnviarBytes(Enquadrar(ParaWindows1252(Token + texto)));
}

void TClienteScript::Numerada(const QString& texto)
{
    const QString numero = FormatarDigitos(SeqEnvio, 4);
    SeqEnvio = (SeqEnvio + 1) % 10000;
    Direta(numero + texto);
}

std::optional<QByteArray> TClienteScript::LerQuadro(int ms)
{
    QDeadlineTimer prazo(ms);
    const auto garantir = [&](qint64 n) {
        while (FSocket.bytesAvailable() < n) {
            if (prazo.hasExpired() || !FSocket.waitForReadyRead(int(qMax<qint64>(1, prazo.remainingTime()))))
                return FSocket.bytesAvailable() >= n;
        }
        return true;
    };
    if (!garantir(4))
        return std::nullopt;
    QByteArray cabecalho = FSocket.peek(4);
    const qint64 tamanho = LerCabecalhoQuadro(cabecalho.constData());
    if (!garantir(4 + tamanho))
        return std::nullopt;
    FSocket.read(4);
    return FSocket.read(tamanho);
}

std::optional<QString> TClienteScript::Proxima(int ms)
{
    const std::optional<QByteArray> quadro = LerQuadro(ms);
    if (!quadro)
        return std::nullopt;
    const TNumeracao n = SepararNumero(DeWindows1252(*quadro));
    if (n.Numerada) {
        if (n.Numero != (UltimaRecebida + 1) % 10000)
            NumeracaoOk = false;
        UltimaRecebida = n.Numero;
    }
    Vistas.append(n.Resto);
    return n.Resto;
}

std::optional<QString> TClienteScript::Esperar(const QString& inicio, int ms)
{
    QDeadlineTimer prazo(ms);
    while (!prazo.hasExpired()) {
        const std::optional<QString> m = Proxima(int(qMax<qint64>(1, prazo.remainingTime())));
        if (!m)
            return std::nullopt;
        if (m->startsWith(inicio))
            return m;
    }
    return std::nullopt;
}

QStringList TClienteScript::Coletar(int ms)
{
    QStringList recebidas;
    QDeadlineTimer prazo(ms);
    while (!prazo.hasExpired()) {
        const std::optional<QString> m = Proxima(int(qMax<qint64>(1, prazo.remainingTime())));
        if (!m)
            break;
        recebidas.append(*m);
    }
    return recebidas;
}

bool TClienteScript::FechadaPeloServidor(int ms)
{
    QDeadlineTimer prazo(ms);
    while (!prazo.hasExpired() && FSocket.state() == QAbstractSocket::ConnectedState) {
        FSocket.waitForReadyRead(int(qMax<qint64>(1, prazo.remainingTime())));
        FSocket.readAll();
    }
    return FSocket.state() != QAbstractSocket::ConnectedState;
}

bool TClienteScript::Entrar(const QString& nick, const QString& senha, const QString& versao)
{
    Direta(QStringLiteral("SrvSel .1"));
    Direta(QStringLiteral("LogSer ") + nick + QLatin1Char(',') + senha + QLatin1Char(',') + versao + QStringLiteral(",,,"));
    for (;;) {
        const std::optional<QString> m = Proxima();
        if (!m)
            return false;
        const QString codigo = CodigoDe(*m);
        if (codigo == QLatin1String("LogAce")) {
            Token = CampoCSV(CamposDe(*m), 1);
            return true;
        }
        if (codigo == QLatin1String("LogFal") || codigo == QLatin1String("InvVer"))
            return false;
    }
}
