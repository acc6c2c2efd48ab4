// One client connection on the game or the account port: frames, numbering, flood limits.
#pragma once

#include "Canal.h"
#include "Limitador.h"
#include "Limites.h"
#include "Numeracao.h"
#include "Pedido.h"
#include "net/Quadro.h"

#include <QObject>

#include <functional>

class QTcpSocket;

class TConexaoCliente final : public QObject, public ICanal {
public:
    /// Takes the socket over. `numerar`: the game port numbers its messages, the account port does not.
    TConexaoCliente(QTcpSocket* socket, const TLimites& limites, bool numerar, QObject* pai = nullptr);

    /// One well-formed request in order, after the numbering check; "UltRec" is served here.
    std::function<void(TConexaoCliente*, const TPedido&)> AoPedido;
    /// Once, queued, when the connection has ended; the object is deleted right after.
    std::function<void(TConexaoCliente*)> AoEncerrar;

    void Enviar(const QString& texto) override;
    void EnviarSemNumero(const QString& texto) override;
    void Fechar() override;
    void MarcarIdentificado() override { FIdentificado = true; }
    QString Descricao() const override { return FDescricao; }

    /// Called now and then: closes a client that kept silent too long or does not finish closing.
    void Vigiar(qint64 agoraMs);

private:
    void Ler();
    void LerUmaVez();
    void ParSaiu();
    void Processar(const QByteArray& carga);
    void Reenviar(const TPedido& pedido);
    void Escrever(const QString& texto);
    void Derrubar(const QString& motivo);
    void NotificarFim();

    QTcpSocket* FSocket;
    TLimites FLimites;
    bool FNumerar;
    QString FDescricao;
    TDivisorQuadros FDivisor;
    TNumeracaoSaida FSaida;
    TNumeracaoEntrada FEntrada;
    bool FLacunaPedida = false;
    TBaldeFichas FBalde;
    int FExcesso = 0;
    int FMalformados = 0;
    bool FIdentificado = false;
    bool FFechando = false;
    bool FFimNotificado = false;
    bool FLeituraAgendada = false;
    qint64 FInicioMs;
    qint64 FAtividadeMs;
    qint64 FFechamentoMs = 0;
};
