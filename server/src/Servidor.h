// The whole server: the database, the three listening ports and their logic, on one event loop.
#pragma once

#include "Cadastro.h"
#include "Contas.h"
#include "Limites.h"
#include "Lobby.h"
#include "Opcoes.h"
#include "ServidorLogin.h"

#include <QTcpServer>
#include <QTimer>

#include <memory>

class TConexaoCliente;

class TServidor : public QObject {
public:
    TServidor(const TOpcoesServidor& opcoes, const TLimites& limites = {}, TRelogio relogio = {}, QObject* pai = nullptr);
    ~TServidor() override;

    /// Opens the database and listens on the three ports; false with `erro` when any fails.
    bool Iniciar(QString& erro);

    quint16 PortaLogin() const { return FLogin.Porta(); }
    quint16 PortaJogo() const { return FJogo.serverPort(); }
    quint16 PortaCadastro() const { return FCadastro.serverPort(); }
    TLobby& Lobby() { return *FLobby; }

private:
    void Aceitar(QTcpServer& servidor, bool jogo);
    void Vigiar();

    TOpcoesServidor FOpcoes;
    TLimites FLimites;
    TRelogio FRelogio;
    std::unique_ptr<TBancoContas> FBanco;
    std::unique_ptr<TLobby> FLobby;
    std::unique_ptr<TCadastro> FLogicaCadastro;
    TServidorLogin FLogin;
    QTcpServer FJogo;
    QTcpServer FCadastro;
    QTimer FVigia;
    QList<TConexaoCliente*> FConexoes;
};
