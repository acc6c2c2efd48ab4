// The program's windows: one instance each, created once at start in a fixed order.
#pragma once

#include <QStringList>

class TFrLogin;
class TFrPrepara;
class TFrMapa;
class TFrTroca;
class TFrEliminado;
class TFrVitoria;
class TFrChat;
class TfrAmigos;
class TFrGradua;
class TFRRegvelmor;
class TFrPrintar;
class TfrMissao;
class TfrPerfil;
class TfrLiderDetalhe;
class TfrNovaConta;
class TfrLiderEntrada;
class TfrBlackList;
class TFrRanking2;
class TFrRanking;

extern TFrLogin* FrLogin;
extern TFrPrepara* FrPrepara;
extern TFrMapa* FrMapa;
extern TFrTroca* FrTroca;
extern TFrEliminado* FrEliminado;
extern TFrVitoria* FrVitoria;
extern TFrChat* FrChat;
extern TfrAmigos* frAmigos;
extern TFrGradua* FrGradua;
extern TFRRegvelmor* FRRegvelmor;
extern TFrPrintar* FrPrintar;
extern TfrMissao* frMissao;
extern TfrPerfil* frPerfil;
extern TfrLiderDetalhe* frLiderDetalhe;
extern TfrNovaConta* frNovaConta;
extern TfrLiderEntrada* frLiderEntrada;
extern TfrBlackList* frBlackList;
extern TFrRanking2* FrRanking2;
/// Created the first time it is needed (ObterFrRanking).
extern TFrRanking* FrRanking;

/// Creates the eighteen windows in order, the login window first, and the set-up after them.
void CriarJanelas(const QStringList& argumentos);

/// Destroys every window (end of the program, test fixtures).
void DestruirJanelas();

/// The top-ten ranking window, created on first use.
TFrRanking* ObterFrRanking();
