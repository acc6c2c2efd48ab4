// The server's command-line options: address, the three ports and the data folder.
#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

struct TOpcoesServidor {
    QHostAddress Endereco = QHostAddress(QStringLiteral(VELMOR_ENDERECO_PADRAO));
    quint16 PortaLogin = 80;
    quint16 PortaJogo = 10800;
    quint16 PortaCadastro = 11000;
    QString PastaDados; ///< holds the database file velmor.db

    QString ArquivoBanco() const;
};

/// The options of a command line (program name first); nullopt with `erro` set when one is
/// wrong, and with `erro` empty when help was asked (`ajuda` then holds it).
std::optional<TOpcoesServidor> LerOpcoes(const QStringList& argumentos, QString& erro, QString& ajuda);
