// The login window: the main window, the login flow and the owner of the game connection.
#pragma once

#include "app/Controles.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include <functional>
#include <memory>

class TConexaoJogo;

class TFrLogin : public TFormulario {
    Q_OBJECT
public:
    /// Creation: installs the error handler, checks the first argument, sets the session's start values.
    explicit TFrLogin(const QStringList& argumentos);
    ~TFrLogin() override;

    /// Replaces the current connection by a new one (blocking up to 15 s); throws when it cannot connect.
    void Conectar(const QString& host, int porta);
    /// Shuts the connection down now and destroys it after the current event.
    void Desconectar();
    /// Shuts the connection down, waits for its reader and destroys it.
    void DestruirConexao();
    /// Sends one message over the connection; dropped when there is none.
    void EnviarTexto(const QString& texto);
    TConexaoJogo* Conexao() const { return FConexao.get(); }

    /// Tests: when set, every outbound text goes here instead of the connection.
    static inline std::function<void(const QString&)> SaidaDeTeste;

    // Event handlers.
    void Image2Click();
    void Image3Click();
    void cbSemSomClick();
    void InfAtiTimer();
    void tmrConexaoTimer();
    /// One answer line of the login server.
    void RespostaLogin(const QString& linha);
    /// Connects to the game server and sends the login messages.
    void ConectarELogar(const QString& host, int porta);
    /// Message handler of the connection: one message, inside a guard that logs every error.
    void MensagemRecebida(const QString& texto, const QByteArray& bruto);
    /// Disconnect handler of the connection.
    void ConexaoPerdida();

    TImagem* Image1;
    QLabel* Status;
    TEdicao* LgUsuario;
    TEdicao* LgSenha;
    TImagem* Image2;
    TImagem* Image3;
    QLabel* Label5;
    QCheckBox* cbSemSom;
    QLabel* lbRevisao;
    QPlainTextEdit* ListaPaises;
    QPlainTextEdit* memTokens;
    TTemporizador* InfAti;
    TTemporizador* tmrConexao;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void FormShow();
    std::unique_ptr<TConexaoJogo> FConexao;
};

/// The own nick: the text of the login window's nick field.
QString NickProprio();

/// The program's build date as dd/mm/yy.
QString DataCompilacao();
