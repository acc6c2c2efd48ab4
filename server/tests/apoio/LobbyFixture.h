// A lobby on a fresh database with fake connections and a clock the test moves.
#pragma once

#include "Cadastro.h"
#include "Contas.h"
#include "Lobby.h"
#include "Pedido.h"
#include "apoio/CanalFalso.h"
#include "apoio/Impressao.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class TLobbyFixture : public ::testing::Test {
protected:
    TLobbyFixture()
        : Banco(FPasta.filePath(QStringLiteral("velmor.db")))
    {
        Relogio.Agora = [this] { return Agora; };
        Relogio.Ms = [this] { return Ms; };
        Logica = std::make_unique<TLobby>(Banco, Limites, Relogio);
        LogicaCadastro = std::make_unique<TCadastro>(Banco, Relogio);
    }

    TCanalFalso* Novo()
    {
        Canais.push_back(std::make_unique<TCanalFalso>());
        Logica->Conectou(Canais.back().get());
        return Canais.back().get();
    }

    /// A connection that sent the login request; what it got is in its Enviadas.
    TCanalFalso* Entrar(const QString& nick, const QString& senha = QString::fromLatin1(SenhaInicial))
    {
        TCanalFalso* canal = Novo();
        Pedir(canal, QStringLiteral("LogSer ") + nick + QLatin1Char(',') + senha + QStringLiteral(",5.5,,,"));
        return canal;
    }

    /// One request as the client words it after the token (and the number, which the connection checks).
    void Pedir(TCanalFalso* canal, const QString& texto)
    {
        const std::optional<TPedido> pedido = LerPedido(QStringLiteral("TKN1") + texto);
        ASSERT_TRUE(pedido) << texto.toStdString();
        Logica->Recebeu(canal, *pedido);
    }

    void PedirCadastro(TCanalFalso* canal, const QString& texto)
    {
        const std::optional<TPedido> pedido = LerPedido(QStringLiteral("0000") + texto);
        ASSERT_TRUE(pedido) << texto.toStdString();
        LogicaCadastro->Recebeu(canal, *pedido);
    }

    /// Empties every connection's record.
    void Esquecer()
    {
        for (const auto& c : Canais)
            c->Enviadas.clear();
    }

    QDateTime Agora = QDateTime(QDate(2026, 5, 17), QTime(12, 0));
    qint64 Ms = 1000000;
    TLimites Limites;
    TRelogio Relogio;

private:
    QTemporaryDir FPasta;

protected:
    TBancoContas Banco;
    std::unique_ptr<TLobby> Logica;
    std::unique_ptr<TCadastro> LogicaCadastro;
    std::vector<std::unique_ptr<TCanalFalso>> Canais;
};
