// The application object: no exception unwinds through the event loop; the error handler.
#include "app/Aplicacao.h"

#include "app/Dialogos.h"
#include "app/Erros.h"
#include "app/Registro.h"
#include "app/Sessao.h"

#include <QTimer>

namespace {

bool TrataErroInstalado = false;
bool Terminando = false;
bool SaidaReal = true;

} // namespace

TAplicacao::TAplicacao(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        TratarExcecaoEscapada(receptor, std::current_exception());
        return false;
    }
}

void InstalarTrataErro()
{
    TrataErroInstalado = true;
}

void TrataErro(QObject* /*origem*/, const std::exception& e)
{
    RegistrarLinha(QStringLiteral("Erros"), NomeClasse(e) + QStringLiteral(": ") + MensagemDe(e) + TextoPilha(&e));
    if (TEstadoSessao::TraceAtivo)
        RegistrarLinha(QStringLiteral("Trace"), QStringLiteral("! >> ") + MensagemDe(e));
    Dialogos().Erro(MensagemDe(e));
}

void TratarExcecaoEscapada(QObject* origem, std::exception_ptr erro) noexcept
{
    try {
        try {
            std::rethrow_exception(erro);
        } catch (const std::exception& e) {
            if (TrataErroInstalado)
                TrataErro(origem, e);
            else
                RegistrarLinha(QStringLiteral("Erros"), NomeClasse(e) + QStringLiteral(": ") + MensagemDe(e) + TextoPilha(&e));
        } catch (...) {
            const EErro desconhecida(QStringLiteral("Exceção desconhecida"));
            TratarExcecaoEscapada(origem, std::make_exception_ptr(desconhecida));
        }
    } catch (...) {
        // The handler itself failed (a dialog that could not be shown): nothing more can be done.
    }
}

void PedirTermino()
{
    Terminando = true;
    if (SaidaReal && QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

bool TerminoPedido()
{
    return Terminando;
}

void EsquecerTermino()
{
    Terminando = false;
}

void DesligarSaidaReal()
{
    SaidaReal = false;
}
