// What a user may choose: nick, password and the six personal data items.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

/// The name the server speaks under in the chat; no account may take it.
inline constexpr const char* NomeDoServidor = "Velmor";

/// 3 to 14 characters of letters, digits, "_", "-", "." and single inner blanks, all within the
/// wire's code page, and not the server's own name in any case.
bool NickValido(const QString& nick);

/// 2 to 8 printable characters without a comma.
bool SenhaValida(const QString& senha);

/// Personal data item 1..6 (name, birth date "aaaa-mm-dd", sex "F"/"M", e-mail, city, state) in
/// the form it is stored, or nullopt when it is not acceptable. Commas and control characters
/// are taken out first, because the item travels back as a comma-separated field.
std::optional<QString> DadoPessoalValido(int item, const QString& valor, const QDate& hoje);

/// The text without control characters (below blank, DEL and the C1 range).
QString SemControles(QString texto);
