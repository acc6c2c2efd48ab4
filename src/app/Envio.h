// The outbound end of the message path: numbered and direct sends, retransmission, the dump.
#pragma once

#include <QString>
#include <QStringList>

/// Token + four-digit sequence number + texto; kept in the send history.
void EnviarNumerada(const QString& texto);

/// Token + texto, without number or history.
void EnviarDireta(const QString& texto);

/// Code and fields, sent numbered or direct as the message catalogue says for that code.
void EnviarMensagem(const QString& codigo, const QStringList& campos = {});

/// Sends again every history entry after the one(s) that carry `numero`; the dump when none does.
void ReenviarDesde(const QString& numero);

/// Writes DUMP.TXT (never over an existing one) and warns the user.
void GravarDump(const QString& numero);
