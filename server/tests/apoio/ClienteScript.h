// A scripted client over real sockets: the login request's exact bytes, framed messages, the
// client's numbering. Blocking, for tests whose server runs on another thread or process.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTcpSocket>

#include <memory>
#include <optional>

/// The whole answer of the login web server to the request the client sends for `nick`.
QByteArray PedirLogin(quint16 portaLogin, const QString& nick);

/// The game port read from an answer as the client reads it (characters 2 to 6 of the "{" line).
std::optional<int> PortaDaResposta(const QByteArray& resposta);

class TClienteScript {
public:
    explicit TClienteScript(quint16 porta);

    bool Conectado() const { return FSocket.state() == QAbstractSocket::ConnectedState; }
    void EnviarBytes(const QByteArray& bytes);
    /// Token + texto.
    void Direta(const QString& texto);
    /// Token + the next sequence number + texto.
    void Numerada(const QString& texto);
    /// The next message, with its number taken off and checked; nullopt on time-out or close.
    std::optional<QString> Proxima(int ms = 5000);
    /// Messages until the first that begins with `inicio` (a code, or a code and fields).
    std::optional<QString> Esperar(const QString& inicio, int ms = 5000);
    /// Everything that arrives within `ms`.
    QStringList Coletar(int ms);
    /// Whether the server closed the connection within `ms`.
    bool FechadaPeloServidor(int ms = 5000);

    /// SrvSel and LogSer as the login window sends them; true when "LogAce" came.
    bool Entrar(const QString& nick, const QString& senha, const QString& versao = QStringLiteral("5.5"));

    QString Token = QStringLiteral("0000");
    int SeqEnvio = 0;
    QStringList Vistas;      ///< every message read, in order
    bool NumeracaoOk = true; ///< the server's numbers came 0001, 0002... without gaps
    int UltimaRecebida = 0;

private:
    std::optional<QByteArray> LerQuadro(int ms);

    QTcpSocket FSocket;
};
