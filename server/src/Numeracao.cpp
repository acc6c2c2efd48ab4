// Sequence numbers of the game connection.
#include "Numeracao.h"

#include "app/Texto.h"

TNumeracaoSaida::TNumeracaoSaida(int tamanhoHistorico)
    : FTamanho(qMax(1, tamanhoHistorico))
{
}

QString TNumeracaoSaida::Numerar(const QString& texto)
{
    const QString numerado = FormatarDigitos(FProximo, 4) + texto;
    FProximo = (FProximo + 1) % 10000;
    FHistorico.push_back(numerado);
    if (int(FHistorico.size()) > FTamanho)
        FHistorico.pop_front();
    return numerado;
}

std::optional<QStringList> TNumeracaoSaida::Desde(int numero) const
{
    const QString procurado = FormatarDigitos(numero, 4);
    // From the newest back: after a wrap the same number may be kept twice; the newest counts.
    for (auto it = FHistorico.rbegin(); it != FHistorico.rend(); ++it) {
        if (!it->startsWith(procurado))
            continue;
        QStringList depois;
        for (auto seguinte = it.base(); seguinte != FHistorico.end(); ++seguinte)
            depois.append(*seguinte);
        return depois;
    }
    return std::nullopt;
}

TVeredito TNumeracaoEntrada::Verificar(int numero)
{
    const int distancia = ((numero - FEsperado) % 10000 + 10000) % 10000;
    if (distancia == 0) {
        FEsperado = (numero + 1) % 10000;
        return TVeredito::Aceita;
    }
    // Half the circle ahead is a gap; the other half is something already seen.
    return distancia < 5000 ? TVeredito::Lacuna : TVeredito::Repetida;
}
