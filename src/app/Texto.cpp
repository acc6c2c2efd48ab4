// Small text helpers shared by every subsystem.
#include "app/Texto.h"

#include "app/Erros.h"

QString CampoCSV(const QString& texto, int n)
{
    if (n < 1)
        return {};
    int inicio = 0;
    for (int i = 1; i < n; ++i) {
        const int virgula = texto.indexOf(QLatin1Char(','), inicio);
        if (virgula < 0)
            return {};
        inicio = virgula + 1;
    }
    const int fim = texto.indexOf(QLatin1Char(','), inicio);
    return texto.mid(inicio, fim < 0 ? -1 : fim - inicio);
}

QString FormatarDoisDigitos(int n)
{
    return FormatarDigitos(n, 2);
}

QString FormatarDigitos(int n, int digitos)
{
    // Like "%N.Nd": the sign comes before the zero padding.
    const QString corpo = QString::number(qAbs(static_cast<qint64>(n))).rightJustified(digitos, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + corpo : corpo;
}

QString Primeiros(const QString& texto, int n)
{
    return texto.left(qMax(0, n));
}

namespace {

bool LerInteiro(const QString& texto, int& valor)
{
    int i = 0;
    while (i < texto.size() && texto[i] == QLatin1Char(' '))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+'))) {
        negativo = texto[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= texto.size())
        return false;
    qint64 acumulado = 0;
    for (; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        acumulado = acumulado * 10 + (c.unicode() - '0');
        if (acumulado > qint64(INT_MAX) + 1)
            return false;
    }
    if (negativo)
        acumulado = -acumulado;
    if (acumulado > INT_MAX || acumulado < INT_MIN)
        return false;
    valor = static_cast<int>(acumulado);
    return true;
}

} // namespace

int InteiroEstrito(const QString& texto)
{
    int valor = 0;
    if (!LerInteiro(texto, valor))
        throw EErroConversao(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto));
    return valor;
}

std::optional<int> InteiroOpcional(const QString& texto)
{
    int valor = 0;
    return LerInteiro(texto, valor) ? std::optional<int>(valor) : std::nullopt;
}

bool IguaisIgnorandoCaixaAscii(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    const auto minuscula = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + 32) : c; };
    for (int i = 0; i < a.size(); ++i)
        if (minuscula(a[i]) != minuscula(b[i]))
            return false;
    return true;
}

int InteiroLeniente(const QString& texto)
{
    int valor = 0;
    return LerInteiro(texto, valor) ? valor : 0;
}

QString OpcaoLinhaComando(const QStringList& argumentos, const QString& nome)
{
    const QString prefixo = QLatin1Char('-') + nome + QLatin1Char(':');
    for (int i = 1; i < argumentos.size(); ++i)
        if (argumentos[i].startsWith(prefixo))
            return argumentos[i].mid(prefixo.size());
    return {};
}
