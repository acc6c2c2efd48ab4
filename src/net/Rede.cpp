// The game connection with its reader thread, and the login-server request.
#include "net/Rede.h"

#include "app/Erros.h"
#include "app/Windows1252.h"
#include "net/Quadro.h"
#include "net/Soquete.h"

#include <QDeadlineTimer>

// ---- TEntregaSincrona ----

TEntregaSincrona::TEntregaSincrona(TReceptor receptor)
    : FReceptor(std::move(receptor))
{
}

void TEntregaSincrona::Entregar(QObject* contexto, QByteArray item) // worker thread
{
    {
        QMutexLocker trava(&FTrava);
        if (FCancelada)
            throw EErroRede(QStringLiteral("Entrega cancelada"));
        FItem = std::move(item);
        FConcluida = false;
        FErro = nullptr;
    }
    QMetaObject::invokeMethod(contexto, [self = shared_from_this()] { self->EntregarPendente(); }, Qt::QueuedConnection);
    std::exception_ptr erro;
    {
        QMutexLocker trava(&FTrava);
        while (!FConcluida && !FCancelada)
            FSinal.wait(&FTrava);
        if (!FConcluida)
            throw EErroRede(QStringLiteral("Entrega cancelada"));
        erro = FErro;
    }
    if (erro)
        std::rethrow_exception(erro);
}

void TEntregaSincrona::EntregarPendente() // GUI thread
{
    QByteArray item;
    {
        QMutexLocker trava(&FTrava);
        if (!FItem || FEmEntrega)
            return;
        item = std::move(*FItem);
        FItem.reset();
        FEmEntrega = true;
    }
    // Keep this object alive even if its owner is destroyed while the receiver runs.
    const auto manter = shared_from_this();
    std::exception_ptr erro;
    try {
        FReceptor(item);
    } catch (...) {
        erro = std::current_exception();
    }
    QMutexLocker trava(&FTrava);
    FEmEntrega = false;
    FConcluida = true;
    FErro = erro;
    FSinal.wakeAll();
}

bool TEntregaSincrona::EmEntrega()
{
    QMutexLocker trava(&FTrava);
    return FEmEntrega;
}

void TEntregaSincrona::Cancelar()
{
    QMutexLocker trava(&FTrava);
    FCancelada = true;
    FSinal.wakeAll();
}

// ---- TLeitorJogo ----

TLeitorJogo::TLeitorJogo(TConexaoJogo* conexao, TSoquete* soquete, std::shared_ptr<TEntregaSincrona> entrega)
    : FConexao(conexao)
    , FSoquete(soquete)
    , FEntrega(std::move(entrega))
{
}

void TLeitorJogo::run() // reader thread
{
    try {
        char cabecalho[4];
        while (!isInterruptionRequested()) {
            if (!FSoquete->LerExato(cabecalho, 4))
                break;
            const std::uint32_t tamanho = LerCabecalhoQuadro(cabecalho);
            if (tamanho > TamanhoMaximoQuadro)
                break;
            FBuffer.resize(qsizetype(tamanho));
            if (tamanho != 0 && !FSoquete->LerExato(FBuffer.data(), FBuffer.size()))
                break;
            FEntrega->Entregar(FConexao, FBuffer);
        }
    } catch (...) {
        // Any failure ends the loop like a closed socket.
    }
    if (!FConexao->FFechando) {
        TConexaoJogo* conexao = FConexao;
        QMetaObject::invokeMethod(conexao, [conexao] { conexao->NotificarDesconexao(); }, Qt::QueuedConnection);
    }
}

// ---- TConexaoJogo ----

TConexaoJogo::TConexaoJogo(const QString& host, int porta)
    : FSocket(std::make_unique<TSoquete>())
{
    FSocket->Conectar(host, static_cast<std::uint16_t>(porta & 0xFFFF), TempoLimiteConexaoMs);
    FEntrega = std::make_shared<TEntregaSincrona>([this](const QByteArray& bruto) { Entregar(bruto); });
    FLeitor = std::make_unique<TLeitorJogo>(this, FSocket.get(), FEntrega);
    FLeitor->start();
}

TConexaoJogo::~TConexaoJogo()
{
    if (!FLeitor)
        return;
    if (!FFechando)
        Encerrar();
    // The reader may be waiting in a hand-over: deliver its message here (or release it when that
    // message is being handled further up this very stack) until the thread has ended.
    while (!FLeitor->wait(QDeadlineTimer(5))) {
        if (FEntrega->EmEntrega())
            FEntrega->Cancelar();
        else
            FEntrega->EntregarPendente();
    }
}

void TConexaoJogo::Enviar(const QString& texto)
{
    const QByteArray carga = ParaWindows1252(texto);
    try {
        FSocket->EscreverTudo(Enquadrar(carga));
    } catch (const EErroRede&) {
        if (!FFechando)
            FSocket->Desligar();
    }
}

void TConexaoJogo::Encerrar()
{
    FFechando = true;
    if (FLeitor)
        FLeitor->requestInterruption();
    FSocket->Desligar();
}

void TConexaoJogo::Entregar(const QByteArray& bruto)
{
    // A copy: the handler may replace this connection's handlers while it runs.
    const auto receptor = OnMensagem;
    if (receptor)
        receptor(DeWindows1252(bruto), bruto);
}

void TConexaoJogo::NotificarDesconexao()
{
    if (!FFechando && OnDesconexao) {
        const auto receptor = OnDesconexao;
        receptor(this);
    }
}

// ---- TPedidoLogin ----

TPedidoLogin::TPedidoLogin(const QString& host, const QString& caminho, std::function<void(const QString&)> onLinha)
    : FHost(host)
    , FCaminho(caminho)
    , OnLinha(std::move(onLinha))
{
    FEntrega = std::make_shared<TEntregaSincrona>([this](const QByteArray& linha) {
        if (OnLinha)
            OnLinha(DeWindows1252(linha));
    });
}

void TPedidoLogin::Iniciar(const QString& host, const QString& caminho, std::function<void(const QString&)> onLinha)
{
    auto* pedido = new TPedidoLogin(host, caminho, std::move(onLinha));
    QObject::connect(pedido, &QThread::finished, pedido, &QObject::deleteLater);
    pedido->start();
}

QByteArray TPedidoLogin::TextoPedido(const QString& host, const QString& caminho)
{
    return ParaWindows1252(QStringLiteral("GET /") + caminho + QStringLiteral(" HTTP/1.1\r\nHost: ") + host
        + QStringLiteral("\r\n\r\n"));
}

void TPedidoLogin::run() // request thread
{
    try {
        TSoquete soquete;
        soquete.Conectar(FHost, PortaServidorLogin, TempoLimiteConexaoMs);
        soquete.EscreverTudo(TextoPedido(FHost, FCaminho));
        QByteArray linha;
        while (!isInterruptionRequested()) {
            const int b = soquete.LerByte();
            if (b < 0)
                break;
            if (b != '\n') {
                linha.append(static_cast<char>(b));
                continue;
            }
            if (linha.endsWith('\r'))
                linha.chop(1);
            FEntrega->Entregar(this, linha);
            linha.clear();
        }
    } catch (...) {
        // Every failure of the request is silent: the login window keeps its status.
    }
}
