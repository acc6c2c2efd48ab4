// Small text helpers shared by every subsystem: fields, number formats, conversions, options.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// Field n (counting from 1) of a comma-separated text; empty when absent or n < 1.
QString CampoCSV(const QString& texto, int n);

/// n in decimal with at least two digits ("%2.2d").
QString FormatarDoisDigitos(int n);

/// n in decimal zero-padded to `digitos` characters ("%4.4d" and the like).
QString FormatarDigitos(int n, int digitos);

/// The first n characters of a text (a wire width limit, [first N]).
QString Primeiros(const QString& texto, int n);

/// Strict integer: optional leading blanks, optional sign, decimal digits; anything else throws EErroConversao.
int InteiroEstrito(const QString& texto);

/// The integer of a text by the strict rule, or nothing when it is not one.
std::optional<int> InteiroOpcional(const QString& texto);

/// Whether two texts are equal when the case of ASCII letters is ignored (other letters compare exactly).
bool IguaisIgnorandoCaixaAscii(const QString& a, const QString& b);

/// Lenient integer: like InteiroEstrito, but a text that is not a number counts as 0.
int InteiroLeniente(const QString& texto);

/// Value of the first argument (after the program name) that begins with "-" + nome + ":"; empty when none.
QString OpcaoLinhaComando(const QStringList& argumentos, const QString& nome);
