// The one replaceable service through which the program shows modal message boxes.
#include "app/Dialogos.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString Titulo()
{
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Velmor") : QApplication::applicationName();
}

class TDialogosQt final : public IDialogos {
public:
    void Informacao(const QString& texto) override { QMessageBox::information(nullptr, Titulo(), texto); }
    void Aviso(const QString& texto) override { QMessageBox::warning(nullptr, Titulo(), texto); }
    void Erro(const QString& texto) override { QMessageBox::critical(nullptr, Titulo(), texto); }
    void Mensagem(const QString& texto) override
    {
        QMessageBox caixa(QMessageBox::NoIcon, Titulo(), texto, QMessageBox::Ok);
        caixa.exec();
    }
    bool Confirmar(const QString& texto) override
    {
        return QMessageBox::question(nullptr, Titulo(), texto, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<QString> Perguntar(const QString& titulo, const QString& texto, const QString& inicial) override
    {
        bool ok = false;
        const QString valor = QInputDialog::getText(nullptr, titulo, texto, QLineEdit::Normal, inicial, &ok);
        return ok ? std::optional<QString>(valor) : std::nullopt;
    }
};

TDialogosQt Reais;
IDialogos* Atual = &Reais;

} // namespace

IDialogos& Dialogos()
{
    return *Atual;
}

void DefinirDialogos(IDialogos* dialogos)
{
    Atual = dialogos ? dialogos : &Reais;
}
