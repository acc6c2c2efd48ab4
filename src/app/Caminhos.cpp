// Paths of pictures, sounds and settings in the working folder.
#include "app/Caminhos.h"

#include <QDir>
#include <QStringList>

QString CaminhoImagem(const QString& nome)
{
    return QStringLiteral("Imagens\\") + nome + QStringLiteral("_dqtekp.jpg");
}

QString CaminhoRecurso(const QString& caminho)
{
    QStringList partes = QString(caminho).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    QString base = QStringLiteral(".");
    for (int i = 0; i + 1 < partes.size(); ++i) {
        QDir pasta(base);
        if (!pasta.exists(partes[i])) {
            const QStringList existentes = pasta.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& nome : existentes)
                if (nome.compare(partes[i], Qt::CaseInsensitive) == 0) {
                    partes[i] = nome;
                    break;
                }
        }
        base += QLatin1Char('/') + partes[i];
    }
    return partes.join(QLatin1Char('/'));
}
