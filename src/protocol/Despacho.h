// The dispatcher: every inbound message passes its entry steps and reaches one handler.
#pragma once

#include "protocol/Catalogo.h"

#include <QByteArray>
#include <QString>

#include <span>

/// One inbound message after its sequence number was taken off.
struct TMensagemRecebida {
    QString Texto;
    QByteArray Bruto;
    QString Codigo;
    QString Campos;
    const TCodigoEntrada* Entrada = nullptr;

    /// The field area cut to the code's [first N] width (whole when the code has none).
    QString Cortados() const;
    /// Field n of the cut field area.
    QString Campo(int n) const;
};

using TTratador = void (*)(const TMensagemRecebida&);

struct TTratadorCodigo {
    const char* Codigo;
    TTratador Tratador;
};

/// Handles one message of the game connection (GUI thread).
void TratarMensagem(const QString& texto, const QByteArray& bruto);

/// Whether a code has a handler.
bool TemTratador(const QString& codigo);

/// The handlers of each family, gathered into the dispatcher's one table.
std::span<const TTratadorCodigo> TratadoresSessao();
std::span<const TTratadorCodigo> TratadoresLobby();

/// The blacklist text of a seated player: how many blacklists hold him, and whether the user's does.
QString TextoListaNegra(const QString& contagem, const QString& nick);
