// Plain-text logs of the working folder: one dated record per line.
#include "app/Registro.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

void RegistrarLinha(const QString& nome, const QString& texto) noexcept
{
    // A log that cannot be written is given up quietly: logging must never raise a new error.
    try {
        QFile arquivo(nome + QStringLiteral(".txt"));
        if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const QLocale local = QLocale::system();
        const QDateTime agora = QDateTime::currentDateTime();
        const QString linha = local.toString(agora.date(), QLocale::ShortFormat) + QLatin1Char(' ')
            + agora.time().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') + texto + QStringLiteral("\r\n");
        arquivo.write(linha.toUtf8());
    } catch (...) {
    }
}
