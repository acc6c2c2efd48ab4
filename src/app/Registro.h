// Plain-text logs of the working folder: one dated record per line.
#pragma once

#include <QString>

/// Appends date, time, " " and texto as one CR LF line to nome + ".txt". Never throws.
void RegistrarLinha(const QString& nome, const QString& texto) noexcept;
