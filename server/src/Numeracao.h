// Sequence numbers of the game connection: the server's own numbering with its history, and
// the check of the client's numbering.
#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

/// Numbers the server's messages 0001..9999, then 0000 and on (the client accepts 0000 at any
/// time), and keeps the last ones so that a client that missed some can ask for them again.
class TNumeracaoSaida {
public:
    explicit TNumeracaoSaida(int tamanhoHistorico = 1000);
    /// "%4.4d" + texto, remembered.
    QString Numerar(const QString& texto);
    /// The kept messages sent after the one numbered `numero`, in order (empty when it is the
    /// newest); nullopt when that number is no longer kept.
    std::optional<QStringList> Desde(int numero) const;

private:
    int FProximo = 1;
    int FTamanho;
    std::deque<QString> FHistorico;
};

/// What to do with a numbered request.
enum class TVeredito { Aceita, Lacuna, Repetida };

/// The client numbers from 0000 after each login attempt and wraps after 9999.
class TNumeracaoEntrada {
public:
    TVeredito Verificar(int numero);
    /// The last accepted number ("%4.4d" form is the caller's): 9999 before the first.
    int Ultima() const { return (FEsperado + 9999) % 10000; }

private:
    int FEsperado = 0;
};
