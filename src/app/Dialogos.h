// The one replaceable service through which the program shows modal message boxes.
#pragma once

#include <QString>

#include <optional>

class IDialogos {
public:
    virtual ~IDialogos() = default;
    virtual void Informacao(const QString& texto) = 0;
    virtual void Aviso(const QString& texto) = 0;
    virtual void Erro(const QString& texto) = 0;
    /// A plain message box with one OK button.
    virtual void Mensagem(const QString& texto) = 0;
    /// Yes/no confirmation; true for yes.
    virtual bool Confirmar(const QString& texto) = 0;
    /// A one-line input box; empty when cancelled.
    virtual std::optional<QString> Perguntar(const QString& titulo, const QString& texto, const QString& inicial) = 0;
};

/// The current service: the Qt message boxes unless a test put its own in place.
IDialogos& Dialogos();

/// Replaces the service (nullptr restores the real one). The caller keeps ownership.
void DefinirDialogos(IDialogos* dialogos);
