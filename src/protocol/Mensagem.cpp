// The text syntax every message shares.
#include "protocol/Mensagem.h"

#include "app/Texto.h"

TNumeracao SepararNumero(const QString& texto)
{
    TNumeracao n;
    if (texto.isEmpty() || texto[0] < QLatin1Char('0') || texto[0] > QLatin1Char('9')) {
        n.Resto = texto;
        return n;
    }
    n.Numerada = true;
    n.Numero = InteiroEstrito(texto.left(4));
    n.Resto = texto.mid(4);
    return n;
}

QString CodigoDe(const QString& semNumero)
{
    return semNumero.size() < TamanhoCodigo ? QString() : semNumero.left(TamanhoCodigo);
}

QString CamposDe(const QString& semNumero)
{
    return semNumero.mid(TamanhoCodigo + 1);
}

QString MontarMensagem(const QString& codigo, const QStringList& campos)
{
    return campos.isEmpty() ? codigo : codigo + QLatin1Char(' ') + campos.join(QLatin1Char(','));
}
