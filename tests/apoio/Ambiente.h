// The fixture of the client's tests: a fresh working folder, fake dialogs, recorded sends and sounds.
#pragma once

#include "apoio/Impressao.h"
#include "app/Dialogos.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

/// Records every dialog and answers with scripted values.
class TDialogosFalsos final : public IDialogos {
public:
    struct TRegistro {
        QString Tipo; ///< "informacao", "aviso", "erro", "mensagem", "confirmar", "perguntar"
        QString Texto;
    };
    std::vector<TRegistro> Mostrados;
    std::deque<bool> Confirmacoes;
    std::deque<std::optional<QString>> Respostas;

    void Informacao(const QString& texto) override { Mostrados.push_back({QStringLiteral("informacao"), texto}); }
    void Aviso(const QString& texto) override { Mostrados.push_back({QStringLiteral("aviso"), texto}); }
    void Erro(const QString& texto) override { Mostrados.push_back({QStringLiteral("erro"), texto}); }
    void Mensagem(const QString& texto) override { Mostrados.push_back({QStringLiteral("mensagem"), texto}); }
    bool Confirmar(const QString& texto) override;
    std::optional<QString> Perguntar(const QString& titulo, const QString& texto, const QString& inicial) override;
    /// The texts shown, in order.
    QStringList Textos() const;
};

class TAmbiente : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Creates the program's windows as a start from the shortcut does (or with other arguments).
    void CriarJanelas(const QStringList& argumentos = {QStringLiteral("velmor"), QStringLiteral("_dqtekp")});
    /// Writes a small placeholder for every picture and sound the client can ask for.
    static void CriarRecursosProvisorios();
    /// A whole text file of the working folder ("" when missing).
    static QString LerArquivo(const QString& nome);

    TDialogosFalsos Dialogos;
    QStringList Enviadas;  ///< every outbound wire text, in order
    QStringList Sons;      ///< every sound effect asked for
    bool GravarSaida = true; ///< record sends instead of using the connection

private:
    QTemporaryDir FPasta;
    QString FPastaAnterior;
};

/// Pumps events until the condition holds or the time runs out.
bool EsperarAte(const std::function<bool()>& condicao, int ms = 5000);
