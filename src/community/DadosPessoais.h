// The six personal-data fields shared by the new-account and profile windows.
#pragma once

#include "app/Controles.h"

#include <QComboBox>

struct TCamposPessoais {
    TEdicao* pfNome = nullptr;
    TEdicao* pfNascimento = nullptr;
    QComboBox* pfSexo = nullptr;
    TEdicao* pfEmail = nullptr;
    TEdicao* pfCidade = nullptr;
    QComboBox* pfUF = nullptr;

    /// Creates the fields at the window's places: name, e-mail, birth date, city, sex, state.
    void Criar(QWidget* janela, QPoint nome, QPoint email, QPoint nascimento, QPoint cidade, QPoint sexo, QPoint uf);
    /// Selects the state whose text is `uf` (none when absent).
    void SelecionarUF(const QString& uf);
};

/// The states offered by pfUF, in list order.
const QStringList& ListaUF();
