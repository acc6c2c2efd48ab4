// Web pages opened in the system's browser.
#pragma once

#include <QString>
#include <QStringList>

/// Opens the address in the system's default browser.
void AbrirNoNavegador(const QString& endereco);

/// Tests: addresses are appended to `registro` instead of being opened (nullptr: open them).
void DefinirRegistroNavegador(QStringList* registro);
