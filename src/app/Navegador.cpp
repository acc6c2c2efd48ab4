// Web pages opened in the system's browser.
#include "app/Navegador.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

QStringList* Registro = nullptr;

} // namespace

void AbrirNoNavegador(const QString& endereco)
{
    if (Registro)
        Registro->append(endereco);
    else
        QDesktopServices::openUrl(QUrl(endereco));
}

void DefinirRegistroNavegador(QStringList* registro)
{
    Registro = registro;
}
