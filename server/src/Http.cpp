// The login web server's request and answers.
#include "Http.h"

#include "app/Texto.h"
#include "app/Windows1252.h"

#include <QUrlQuery>

namespace {

QByteArray Resposta(const QByteArray& status, const QByteArray& corpo)
{
    return "HTTP/1.1 " + status + "\r\n"
        "Content-Type: text/plain; charset=windows-1252\r\n"
        "Content-Length: " + QByteArray::number(corpo.size()) + "\r\n"
        "Connection: close\r\n"
        "\r\n" + corpo;
}

} // namespace

qsizetype FimDoCabecalho(const QByteArray& recebido)
{
    const qsizetype crlf = recebido.indexOf("\r\n\r\n");
    const qsizetype lf = recebido.indexOf("\n\n");
    if (crlf >= 0 && (lf < 0 || crlf + 2 <= lf))
        return crlf + 4;
    return lf >= 0 ? lf + 2 : -1;
}

std::optional<QByteArray> CaminhoDoGet(const QByteArray& cabecalho)
{
    qsizetype fim = cabecalho.indexOf('\n');
    QByteArray linha = cabecalho.left(fim < 0 ? cabecalho.size() : fim);
    if (linha.endsWith('\r'))
        linha.chop(1);
    const QList<QByteArray> partes = linha.split(' ');
    if (partes.size() != 3 || partes[0] != "GET" || !partes[1].startsWith('/') || !partes[2].startsWith("HTTP/1."))
        return std::nullopt;
    return partes[1];
}

std::optional<QString> NickDoLogin(const QByteArray& caminho)
{
    static const QByteArray Prefixo = "/velmor/login?";
    if (!caminho.startsWith(Prefixo))
        return std::nullopt;
    for (const QByteArray& par : caminho.mid(Prefixo.size()).split('&'))
        if (par.startsWith("nick="))
            return DeWindows1252(QByteArray::fromPercentEncoding(par.mid(5)));
    return QString();
}

QByteArray RespostaLogin(quint16 portaJogo)
{
    return Resposta("200 OK", "{" + FormatarDigitos(portaJogo, 5).toLatin1() + "}\r\n");
}

QByteArray RespostaErroHttp(int status, const QByteArray& motivo)
{
    return Resposta(QByteArray::number(status) + ' ' + motivo, motivo + "\r\n");
}
