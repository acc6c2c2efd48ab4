// The staff commands of the lobby menu: menu tree and the exact messages each item sends.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

/// What every command reads from the lobby: target nick, chat input, selected game name.
struct TEntradaModeracao {
    QString Alvo;
    QString Texto;
    QString Jogo;
};

struct TComandoModeracao {
    const char* Menu;     ///< top menu caption
    const char* Submenu;  ///< caption of the sub-menu it sits in, or nullptr
    const char* Titulo;   ///< item caption
    const char* Nome;     ///< the item's name (its handler is Nome + "Click")
    QStringList (*Mensagens)(const TEntradaModeracao&);
};

/// Every item, in menu order.
std::span<const TComandoModeracao> ComandosModeracao();

/// The canned notices (each begins with a blank), index 0..3.
QString AvisoModeracao(int indice);

/// The messages of the item named `nome` (empty for an unknown name).
QStringList MensagensModeracao(const QString& nome, const TEntradaModeracao& entrada);
