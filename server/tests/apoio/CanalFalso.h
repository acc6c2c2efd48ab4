// A client connection that only records what the logic sends it.
#pragma once

#include "Canal.h"

#include <QRegularExpression>
#include <QStringList>

class TCanalFalso final : public ICanal {
public:
    void Enviar(const QString& texto) override { Enviadas.append(texto); }
    void EnviarSemNumero(const QString& texto) override { Enviadas.append(texto); }
    void Fechar() override { Fechado = true; }
    void MarcarIdentificado() override { Identificado = true; }
    QString Descricao() const override { return QStringLiteral("falso"); }

    /// The messages sent whose code is `codigo`.
    QStringList Com(const QString& codigo) const
    {
        return Enviadas.filter(QRegularExpression(QLatin1Char('^') + codigo));
    }

    QStringList Enviadas;
    bool Fechado = false;
    bool Identificado = false;
};
