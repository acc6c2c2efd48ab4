// A client's request as it arrives.
#include "Pedido.h"

#include "app/Erros.h"
#include "app/Texto.h"
#include "protocol/Mensagem.h"

namespace {

constexpr int TamanhoToken = 4;

bool CodigoValido(const QString& codigo)
{
    if (codigo.size() != TamanhoCodigo || codigo[0] < QLatin1Char('A') || codigo[0] > QLatin1Char('Z'))
        return false;
    for (const QChar c : codigo)
        if (c.unicode() > 0x7F || !c.isLetterOrNumber())
            return false;
    return true;
}

} // namespace

QString TPedido::Campo(int n) const
{
    return CampoCSV(Campos, n);
}

QString TPedido::Resto() const
{
    const int virgula = Campos.indexOf(QLatin1Char(','));
    return virgula < 0 ? QString() : Campos.mid(virgula + 1);
}

std::optional<TPedido> LerPedido(const QString& texto)
{
    if (texto.size() < TamanhoToken + TamanhoCodigo)
        return std::nullopt;
    TPedido pedido;
    pedido.Token = texto.left(TamanhoToken);
    TNumeracao numeracao;
    try {
        numeracao = SepararNumero(texto.mid(TamanhoToken));
    } catch (const EErroConversao&) {
        return std::nullopt;
    }
    const QString& resto = numeracao.Resto;
    pedido.Numerada = numeracao.Numerada;
    pedido.Numero = numeracao.Numero;
    pedido.Codigo = CodigoDe(resto);
    if (!CodigoValido(pedido.Codigo))
        return std::nullopt;
    if (resto.size() > TamanhoCodigo && resto[TamanhoCodigo] != QLatin1Char(' '))
        return std::nullopt;
    pedido.Campos = CamposDe(resto);
    return pedido;
}
