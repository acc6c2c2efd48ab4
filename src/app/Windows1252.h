// The Windows-1252 code page of the wire: bytes to text and back.
#pragma once

#include <QByteArray>
#include <QString>

/// Every byte to its character; the five undefined bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to U+0081 etc.
QString DeWindows1252(const QByteArray& bytes);

/// Every character to its byte; characters the code page cannot represent are dropped.
QByteArray ParaWindows1252(const QString& texto);
