// The login web server's request and answers, as bytes on the wire.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Largest request head accepted; the client's is well under 200 bytes.
inline constexpr qsizetype TamanhoMaximoCabecalhoHttp = 8192;

/// Length of the request head up to and including its empty line; -1 while it is incomplete.
qsizetype FimDoCabecalho(const QByteArray& recebido);

/// The request line "GET <caminho> HTTP/1.x" of a head; nullopt when it is not a GET of that form.
std::optional<QByteArray> CaminhoDoGet(const QByteArray& cabecalho);

/// The decoded nick of the login path "/velmor/login?nick=..."; nullopt for any other path.
std::optional<QString> NickDoLogin(const QByteArray& caminho);

/// The answer to a login request: status line, headers, the empty line and "{" + port + "}".
/// The port is written with five digits, because the client reads exactly characters 2 to 6.
QByteArray RespostaLogin(quint16 portaJogo);

/// A short error answer with that status line.
QByteArray RespostaErroHttp(int status, const QByteArray& motivo);
