// The whole server on one event loop.
#include "Servidor.h"

#include "Conexao.h"

#include <QLoggingCategory>
#include <QTcpSocket>

Q_LOGGING_CATEGORY(lcServidor, "velmor.servidor")

TServidor::TServidor(const TOpcoesServidor& opcoes, const TLimites& limites, TRelogio relogio, QObject* pai)
    : QObject(pai)
    , FOpcoes(opcoes)
    , FLimites(limites)
    , FRelogio(std::move(relogio))
    , FLogin([this] { return PortaJogo(); }, limites, this)
    , FJogo(this)
    , FCadastro(this)
    , FVigia(this)
{
    connect(&FJogo, &QTcpServer::newConnection, this, [this] { Aceitar(FJogo, true); });
    connect(&FCadastro, &QTcpServer::newConnection, this, [this] { Aceitar(FCadastro, false); });
    connect(&FVigia, &QTimer::timeout, this, &TServidor::Vigiar);
}

TServidor::~TServidor()
{
    // The connections go first: their end notices must not reach logic that is gone.
    for (TConexaoCliente* conexao : std::as_const(FConexoes)) {
        conexao->AoEncerrar = nullptr;
        conexao->AoPedido = nullptr;
        delete conexao;
    }
}

bool TServidor::Iniciar(QString& erro)
{
    FBanco = std::make_unique<TBancoContas>(FOpcoes.ArquivoBanco());
    if (!FBanco->Aberto()) {
        erro = QStringLiteral("banco de dados %1: %2").arg(FOpcoes.ArquivoBanco(), FBanco->Erro());
        return false;
    }
    FLobby = std::make_unique<TLobby>(*FBanco, FLimites, FRelogio);
    FLogicaCadastro = std::make_unique<TCadastro>(*FBanco, FRelogio);
    const auto falhou = [&](const char* nome, quint16 porta, const QString& motivo) {
        erro = QStringLiteral("não foi possível escutar a porta %1 %2 em %3: %4")
                   .arg(QLatin1String(nome)).arg(porta).arg(FOpcoes.Endereco.toString(), motivo);
        return false;
    };
    if (!FJogo.listen(FOpcoes.Endereco, FOpcoes.PortaJogo))
        return falhou("do jogo", FOpcoes.PortaJogo, FJogo.errorString());
    if (!FCadastro.listen(FOpcoes.Endereco, FOpcoes.PortaCadastro))
        return falhou("de cadastro", FOpcoes.PortaCadastro, FCadastro.errorString());
    if (!FLogin.Escutar(FOpcoes.Endereco, FOpcoes.PortaLogin))
        return falhou("de login", FOpcoes.PortaLogin, FLogin.Erro());
    FVigia.start(1000);
    qCInfo(lcServidor) << "banco:" << FOpcoes.ArquivoBanco() << "com" << FBanco->ContarContas() << "contas";
    return true;
}

void TServidor::Aceitar(QTcpServer& servidor, bool jogo)
{
    while (QTcpSocket* socket = servidor.nextPendingConnection()) {
        if (FConexoes.size() >= FLimites.ConexoesMaximas) {
            qCWarning(lcServidor) << "conexões demais; recusada a de" << socket->peerAddress().toString();
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto* conexao = new TConexaoCliente(socket, FLimites, jogo, this);
        FConexoes.append(conexao);
        if (jogo) {
            FLobby->Conectou(conexao);
            conexao->AoPedido = [this](TConexaoCliente* c, const TPedido& p) { FLobby->Recebeu(c, p); };
            conexao->AoEncerrar = [this](TConexaoCliente* c) {
                FConexoes.removeOne(c);
                FLobby->Desconectou(c);
            };
        } else {
            conexao->AoPedido = [this](TConexaoCliente* c, const TPedido& p) { FLogicaCadastro->Recebeu(c, p); };
            conexao->AoEncerrar = [this](TConexaoCliente* c) {
                FConexoes.removeOne(c);
                FLogicaCadastro->Desconectou(c);
            };
        }
    }
}

void TServidor::Vigiar()
{
    const qint64 agora = RelogioMs();
    // A copy: a connection cut here leaves the list only later, but keep the loop safe anyway.
    const QList<TConexaoCliente*> conexoes = FConexoes;
    for (TConexaoCliente* conexao : conexoes)
        conexao->Vigiar(agora);
}
