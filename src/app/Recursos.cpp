// Names of the pictures and sounds the client loads.
#include "app/Recursos.h"

#include "app/Caminhos.h"
#include "app/Texto.h"

namespace Recursos {

QString Insignia(int patente, TamanhoInsignia tamanho)
{
    const char* prefixo = tamanho == TamanhoInsignia::Pequena ? "PatenteChat" : tamanho == TamanhoInsignia::Grande ? "PatenteGrande" : "Patente";
    return QStringLiteral("Imagens\\") + QString::fromLatin1(prefixo) + FormatarDoisDigitos(patente) + QStringLiteral(".bmp");
}

QString TipoConta(int tipo)
{
    return QStringLiteral("Imagens\\TipoConta") + FormatarDoisDigitos(tipo) + QStringLiteral(".bmp");
}

QString Emote(int indice)
{
    return QStringLiteral("Imagens\\Emote") + FormatarDigitos(indice, 3) + QStringLiteral(".bmp");
}

QString EstadoDeJogo(int digito)
{
    return QStringLiteral("Imagens\\EstadoJogo") + QString::number(digito) + QStringLiteral(".bmp");
}

QString Botao(const char* janela, const char* controle)
{
    return QStringLiteral("Imagens\\") + QString::fromLatin1(janela) + QLatin1Char('_') + QString::fromLatin1(controle) + QStringLiteral(".bmp");
}

} // namespace Recursos

QStringList TodosOsRecursos()
{
    using namespace Recursos;
    return {
        CaminhoImagem(QString::fromLatin1(FundoLogin)),
        CaminhoImagem(QString::fromLatin1(FundoChat)),
        QString::fromLatin1(BotaoEntrar),
        QString::fromLatin1(BotaoNovaConta),
    };
}
