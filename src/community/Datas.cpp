// Birth dates of the personal data.
#include "community/Datas.h"

#include "app/Texto.h"

#include <QDate>

int CampoData(const QString& texto, int n)
{
    QString campo = CampoCSV(QString(texto).replace(QLatin1Char('/'), QLatin1Char(',')), n);
    campo.remove(QLatin1Char(' '));
    return InteiroLeniente(campo);
}

QString DataValida(const QString& texto, int anoAtual)
{
    const int dia = CampoData(texto, 1);
    const int mes = CampoData(texto, 2);
    const int ano = CampoData(texto, 3);
    if (texto.size() != 10 || ano < 1900 || ano > anoAtual || !QDate::isValid(ano, mes, dia))
        return {};
    return FormatarDigitos(ano, 4) + QLatin1Char('-') + FormatarDigitos(mes, 2) + QLatin1Char('-') + FormatarDigitos(dia, 2);
}

QString DataParaTela(const QString& texto)
{
    if (texto.size() != 10 || texto[4] != QLatin1Char('-') || texto[7] != QLatin1Char('-'))
        return texto;
    return texto.mid(8, 2) + QLatin1Char('/') + texto.mid(5, 2) + QLatin1Char('/') + texto.left(4);
}

QString MascararData(const QString& texto)
{
    QString digitos;
    for (const QChar c : texto)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digitos.size() < 8)
            digitos += c;
    QString resultado = digitos.left(2);
    if (digitos.size() > 2)
        resultado += QLatin1Char('/') + digitos.mid(2, 2);
    if (digitos.size() > 4)
        resultado += QLatin1Char('/') + digitos.mid(4, 4);
    return resultado;
}
