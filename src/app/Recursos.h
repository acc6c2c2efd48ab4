// Names of the pictures and sounds the client loads; the asset generator writes the same names.
#pragma once

#include <QString>
#include <QStringList>

namespace Recursos {

/// Window backgrounds, passed to CaminhoImagem.
inline constexpr const char* FundoLogin = "login";

/// Picture buttons of the login window.
inline constexpr const char* BotaoEntrar = "Imagens\\login_entrar.bmp";
inline constexpr const char* BotaoNovaConta = "Imagens\\login_novaconta.bmp";

} // namespace Recursos

/// Every asset path (Windows form, relative to the working folder) the client can ask for.
QStringList TodosOsRecursos();
