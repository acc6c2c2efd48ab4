// The login web server.
#include "ServidorLogin.h"

#include "Http.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTimer>

Q_LOGGING_CATEGORY(lcLogin, "velmor.login")

TServidorLogin::TServidorLogin(std::function<quint16()> portaJogo, const TLimites& limites, QObject* pai)
    : QObject(pai), FServidor(this), FPortaJogo(std::move(portaJogo)), FLimites(limites)
{
    connect(&FServidor, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = FServidor.nextPendingConnection())
            Atender(socket);
    });
}

bool TServidorLogin::Escutar(const QHostAddress& endereco, quint16 porta)
{
    return FServidor.listen(endereco, porta);
}

void TServidorLogin::Atender(QTcpSocket* socket)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // A client that never finishes its request is cut, so it holds nothing for long.
    QTimer::singleShot(FLimites.EsperaHttpMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
    struct TEstado {
        QByteArray Recebido;
        bool Respondido = false;
    };
    auto estado = std::make_shared<TEstado>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, estado] {
        if (estado->Respondido) {
            socket->readAll();
            return;
        }
        estado->Recebido += socket->readAll();
        const qsizetype fim = FimDoCabecalho(estado->Recebido);
        if (fim < 0 && estado->Recebido.size() <= TamanhoMaximoCabecalhoHttp)
            return;
        QByteArray resposta;
        if (fim < 0) {
            resposta = RespostaErroHttp(431, "Request Header Fields Too Large");
        } else if (const std::optional<QByteArray> caminho = CaminhoDoGet(estado->Recebido.left(fim)); !caminho) {
            resposta = RespostaErroHttp(400, "Bad Request");
        } else if (const std::optional<QString> nick = NickDoLogin(*caminho); !nick) {
            resposta = RespostaErroHttp(404, "Not Found");
        } else {
            qCInfo(lcLogin) << "pedido de login de" << nick->left(20) << "por" << socket->peerAddress().toString();
            resposta = RespostaLogin(FPortaJogo());
        }
        estado->Respondido = true;
        estado->Recebido.clear();
        socket->write(resposta);
        // The client reads until the server closes: that is how it knows the answer is whole.
        socket->disconnectFromHost();
    });
}
