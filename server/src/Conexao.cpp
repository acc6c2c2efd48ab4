// One client connection on the game or the account port.
#include "Conexao.h"

#include "app/Texto.h"
#include "app/Windows1252.h"

#include <QLoggingCategory>
#include <QTcpSocket>

Q_LOGGING_CATEGORY(lcConexao, "velmor.conexao")

namespace {

// A few malformed requests are logged; a flood of them is summed up when the client goes.
constexpr int MalformadosRegistrados = 3;

} // namespace

TConexaoCliente::TConexaoCliente(QTcpSocket* socket, const TLimites& limites, bool numerar, QObject* pai)
    : QObject(pai)
    , FSocket(socket)
    , FLimites(limites)
    , FNumerar(numerar)
    , FDescricao(socket->peerAddress().toString() + QLatin1Char(':') + QString::number(socket->peerPort()))
    , FSaida(limites.HistoricoSaida)
    , FBalde(limites.MensagensRajada, limites.MensagensPorSegundo)
    , FInicioMs(RelogioMs())
    , FAtividadeMs(FInicioMs)
{
    FSocket->setParent(this);
    // Qt stops reading from the system when this is full, so a fast sender is slowed by TCP itself.
    FSocket->setReadBufferSize(qint64(TamanhoMaximoQuadro) + 4);
    connect(FSocket, &QTcpSocket::readyRead, this, &TConexaoCliente::Ler);
    connect(FSocket, &QTcpSocket::disconnected, this, &TConexaoCliente::ParSaiu);
    connect(FSocket, &QTcpSocket::errorOccurred, this, &TConexaoCliente::ParSaiu);
    qCInfo(lcConexao) << "conexão de" << FDescricao;
}

void TConexaoCliente::Ler()
{
    FLeituraAgendada = false;
    LerUmaVez();
    // More waiting: read it on a later turn, so the other clients are served in between.
    if (!FFechando && FSocket->bytesAvailable() > 0 && !FLeituraAgendada) {
        FLeituraAgendada = true;
        QMetaObject::invokeMethod(this, &TConexaoCliente::Ler, Qt::QueuedConnection);
    }
}

void TConexaoCliente::LerUmaVez()
{
    if (FFechando)
        return;
    FDivisor.Acrescentar(FSocket->read(FLimites.LeituraPorVez));
    while (!FFechando) {
        const std::optional<QByteArray> carga = FDivisor.Proximo();
        if (!carga)
            break;
        Processar(*carga);
    }
    if (FDivisor.Invalido())
        Derrubar(QStringLiteral("quadro maior que o limite"));
}

void TConexaoCliente::ParSaiu()
{
    // What the client sent right before closing still counts: the new-account window sends its
    // personal data and closes at once.
    while (!FFechando && FSocket->bytesAvailable() > 0)
        LerUmaVez();
    NotificarFim();
}

void TConexaoCliente::Processar(const QByteArray& carga)
{
    const qint64 agora = RelogioMs();
    FAtividadeMs = agora;
    if (!FBalde.Retirar(agora)) {
        if (++FExcesso > FLimites.ExcessoMaximo)
            Derrubar(QStringLiteral("mensagens demais"));
        return;
    }
    FExcesso = 0;
    const QString texto = DeWindows1252(carga);
    const std::optional<TPedido> pedido = LerPedido(texto);
    if (!pedido) {
        if (++FMalformados <= MalformadosRegistrados)
            qCInfo(lcConexao) << FDescricao << "mensagem malformada ignorada:" << texto.left(60);
        return;
    }
    if (pedido->Numerada) {
        switch (FEntrada.Verificar(pedido->Numero)) {
        case TVeredito::Aceita:
            FLacunaPedida = false;
            break;
        case TVeredito::Lacuna:
            // One request per gap: the client's resends of the missing ones arrive next.
            if (!FLacunaPedida)
                EnviarSemNumero(QStringLiteral("UltMsg ") + FormatarDigitos(FEntrada.Ultima(), 4));
            FLacunaPedida = true;
            return;
        case TVeredito::Repetida:
            return;
        }
    }
    if (pedido->Codigo == QLatin1String("UltRec")) {
        Reenviar(*pedido);
        return;
    }
    if (AoPedido)
        AoPedido(this, *pedido);
}

void TConexaoCliente::Reenviar(const TPedido& pedido)
{
    if (!FNumerar)
        return;
    const QString campo = Primeiros(pedido.Campos, 4);
    bool numero = campo.size() == 4;
    for (const QChar c : campo)
        numero = numero && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!numero)
        return;
    const std::optional<QStringList> perdidas = FSaida.Desde(campo.toInt());
    if (!perdidas) {
        // Nothing kept that far back: the client could never catch up, so end cleanly.
        qCWarning(lcConexao) << FDescricao << "pediu de novo a partir de" << campo << ", que não está mais guardada";
        EnviarSemNumero(QStringLiteral("SrvMsg Sua conexão perdeu mensagens; entre de novo no jogo."));
        Fechar();
        return;
    }
    for (const QString& numerada : *perdidas)
        Escrever(numerada);
}

void TConexaoCliente::Enviar(const QString& texto)
{
    if (FFechando)
        return;
    Escrever(FNumerar ? FSaida.Numerar(texto) : texto);
}

void TConexaoCliente::EnviarSemNumero(const QString& texto)
{
    if (!FFechando)
        Escrever(texto);
}

void TConexaoCliente::Escrever(const QString& texto)
{
    if (FSocket->state() != QAbstractSocket::ConnectedState)
        return;
    FSocket->write(Enquadrar(ParaWindows1252(texto)));
    if (FSocket->bytesToWrite() > FLimites.SaidaMaxima)
        Derrubar(QStringLiteral("não lê o que recebe"));
}

void TConexaoCliente::Fechar()
{
    if (FFechando)
        return;
    FFechando = true;
    FFechamentoMs = RelogioMs();
    FSocket->disconnectFromHost();
    if (FSocket->state() == QAbstractSocket::UnconnectedState)
        NotificarFim();
}

void TConexaoCliente::Derrubar(const QString& motivo)
{
    qCWarning(lcConexao) << FDescricao << "derrubada:" << motivo;
    FFechando = true;
    FSocket->abort();
    NotificarFim();
}

void TConexaoCliente::Vigiar(qint64 agoraMs)
{
    if (FFechando) {
        if (!FFimNotificado && agoraMs - FFechamentoMs > FLimites.EsperaFechamentoMs)
            Derrubar(QStringLiteral("não terminou de fechar"));
        return;
    }
    if (!FIdentificado && agoraMs - FInicioMs > FLimites.EsperaLoginMs)
        Derrubar(QStringLiteral("não entrou a tempo"));
    else if (FIdentificado && agoraMs - FAtividadeMs > FLimites.OciosidadeMs)
        Derrubar(QStringLiteral("silenciosa demais"));
}

void TConexaoCliente::NotificarFim()
{
    if (FFimNotificado)
        return;
    FFimNotificado = true;
    FFechando = true;
    if (FMalformados > MalformadosRegistrados)
        qCInfo(lcConexao) << FDescricao << "mandou" << FMalformados << "mensagens malformadas";
    qCInfo(lcConexao) << "fim da conexão de" << FDescricao;
    // Queued: the logic may be in the middle of a loop over the sessions when a socket ends.
    QMetaObject::invokeMethod(this, [this] {
        if (AoEncerrar)
            AoEncerrar(this);
        deleteLater();
    }, Qt::QueuedConnection);
}
