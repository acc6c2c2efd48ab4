// Exceptions of the program and the text of their call stacks.
#pragma once

#include <QString>

#include <exception>
#include <stdexcept>
#include <vector>

/// Base of the program's exceptions: remembers the call stack where it was raised.
class EErro : public std::runtime_error {
public:
    explicit EErro(const QString& mensagem);
    const std::vector<void*>& Quadros() const { return FQuadros; }

private:
    std::vector<void*> FQuadros;
};

/// A field that had to be a number was not one.
class EErroConversao : public EErro {
public:
    using EErro::EErro;
};

/// A socket could not be opened, read or written.
class EErroRede : public EErro {
public:
    using EErro::EErro;
};

/// Class name of an exception, as the errors log shows it.
QString NomeClasse(const std::exception& e);

/// The exception's message as text.
QString MensagemDe(const std::exception& e);

/// "\r\n  " + one description per frame: the stack where `e` was raised (or the current one).
QString TextoPilha(const std::exception* e);
