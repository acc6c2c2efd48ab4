// Names of the pictures and sounds the client loads.
#include "app/Recursos.h"

#include "app/Caminhos.h"

QStringList TodosOsRecursos()
{
    using namespace Recursos;
    return {
        CaminhoImagem(QString::fromLatin1(FundoLogin)),
        QString::fromLatin1(BotaoEntrar),
        QString::fromLatin1(BotaoNovaConta),
    };
}
