// Percent-encoding of texts for addresses.
#pragma once

#include <QString>

/// The Windows-1252 form of the text (unrepresentable characters dropped), every byte as "%XX".
QString CodificarURL(const QString& texto);
