// The application object: no exception unwinds through the event loop; the error handler.
#pragma once

#include <QApplication>

#include <exception>

class TAplicacao : public QApplication {
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

/// Makes TrataErro the handler of every exception that escapes an event handler.
void InstalarTrataErro();

/// Logs the error with its call stack to the errors log and shows it; the program goes on.
void TrataErro(QObject* origem, const std::exception& e);

/// Passes an exception caught around an event handler to the installed handler (or the log).
void TratarExcecaoEscapada(QObject* origem, std::exception_ptr erro) noexcept;

/// Asks the event loop to end (at once, or as soon as it starts).
void PedirTermino();

/// Whether the program was asked to end during this run.
bool TerminoPedido();

/// Test fixtures start every case without a pending end.
void EsquecerTermino();

/// Tests record the request to end instead of leaving their event loops.
void DesligarSaidaReal();
