// The game connection with its reader thread, and the login-server request.
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class TSoquete;

/// Connect time-out of every socket of the client.
inline constexpr int TempoLimiteConexaoMs = 15000;

/// Synchronous hand-over of one item at a time from a worker thread to the GUI thread.
/// The worker posts a queued call and waits until the GUI thread has run the receiver; the GUI
/// thread can also deliver a waiting item itself, or cancel the wait, while it waits for the worker.
class TEntregaSincrona : public std::enable_shared_from_this<TEntregaSincrona> {
public:
    using TReceptor = std::function<void(const QByteArray&)>;
    explicit TEntregaSincrona(TReceptor receptor);

    /// Worker thread. `contexto` lives on the GUI thread and outlives the worker; the queued call
    /// is dropped with it. Rethrows the receiver's error; throws EErroRede when cancelled.
    void Entregar(QObject* contexto, QByteArray item);

    /// GUI thread: delivers the waiting item, unless none waits or it is already being delivered.
    void EntregarPendente();
    /// GUI thread: whether an item is being delivered right now (further up this stack).
    bool EmEntrega();
    /// GUI thread: releases the waiting worker; this and later hand-overs fail.
    void Cancelar();

private:
    TReceptor FReceptor;
    QMutex FTrava;
    QWaitCondition FSinal;
    std::optional<QByteArray> FItem;
    bool FEmEntrega = false;
    bool FConcluida = false;
    bool FCancelada = false;
    std::exception_ptr FErro;
};

class TConexaoJogo;

/// Reads frames from the game connection and hands each one to the GUI thread.
class TLeitorJogo : public QThread {
public:
    TLeitorJogo(TConexaoJogo* conexao, TSoquete* soquete, std::shared_ptr<TEntregaSincrona> entrega);

protected:
    void run() override; // reader thread

private:
    TConexaoJogo* FConexao;
    TSoquete* FSoquete;
    std::shared_ptr<TEntregaSincrona> FEntrega;
    QByteArray FBuffer;
};

/// The one TCP connection to the game server: framed sends, and a reader thread for receiving.
class TConexaoJogo : public QObject {
    Q_OBJECT
public:
    /// Connects (blocking, up to 15 s) and starts the reader; throws EErroRede on failure.
    /// Only the low 16 bits of the port count.
    TConexaoJogo(const QString& host, int porta);
    /// Shuts down (unless already closing) and waits for the reader, serving its hand-over meanwhile.
    ~TConexaoJogo() override;

    /// GUI thread: frames and writes one message; a failing write shuts the socket down quietly.
    void Enviar(const QString& texto);
    /// GUI thread: local shutdown, without waiting and without a disconnect notice.
    void Encerrar();
    bool Fechando() const { return FFechando; }

    /// Each inbound message: the text, and the raw Windows-1252 bytes. GUI thread.
    std::function<void(const QString& texto, const QByteArray& bruto)> OnMensagem;
    /// The connection ended without Encerrar. GUI thread, queued.
    std::function<void(TConexaoJogo* conexao)> OnDesconexao;

private:
    friend class TLeitorJogo;
    void Entregar(const QByteArray& bruto); // GUI thread
    void NotificarDesconexao();             // GUI thread

    std::unique_ptr<TSoquete> FSocket;
    std::shared_ptr<TEntregaSincrona> FEntrega;
    std::unique_ptr<TLeitorJogo> FLeitor;
    std::atomic<bool> FFechando = false;
};

/// One HTTP GET to the login server; every answer line goes to the GUI thread. Frees itself.
class TPedidoLogin : public QThread {
public:
    /// Starts a request for http://host/caminho; `onLinha` runs on the GUI thread for each line.
    static void Iniciar(const QString& host, const QString& caminho, std::function<void(const QString&)> onLinha);

    /// The exact bytes of the request.
    static QByteArray TextoPedido(const QString& host, const QString& caminho);

    /// The login server's port. The program always uses 80; tests point it elsewhere.
    static inline std::uint16_t PortaServidorLogin = 80;

protected:
    void run() override; // request thread

private:
    TPedidoLogin(const QString& host, const QString& caminho, std::function<void(const QString&)> onLinha);

    QString FHost;
    QString FCaminho;
    std::function<void(const QString&)> OnLinha;
    std::shared_ptr<TEntregaSincrona> FEntrega;
};
