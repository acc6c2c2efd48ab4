// Exceptions of the program and the text of their call stacks.
#include "app/Erros.h"

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

constexpr int MaximoQuadros = 48;

std::vector<void*> CapturarPilha(int descartar)
{
    void* quadros[MaximoQuadros];
    const int n = backtrace(quadros, MaximoQuadros);
    if (n <= descartar)
        return {};
    return std::vector<void*>(quadros + descartar, quadros + n);
}

QString Desmembrar(const char* nome)
{
    int estado = 0;
    std::unique_ptr<char, decltype(&std::free)> limpo(abi::__cxa_demangle(nome, nullptr, nullptr, &estado), &std::free);
    return QString::fromUtf8(estado == 0 && limpo ? limpo.get() : nome);
}

// "binario(simbolo+0x1f) [0x4005d0]" becomes "0x4005d0 simbolo+0x1f (binario)".
QString DescreverQuadro(void* endereco, const char* simbolo)
{
    const QString bruto = QString::fromUtf8(simbolo ? simbolo : "");
    const QString hex = QStringLiteral("0x%1").arg(reinterpret_cast<quintptr>(endereco), 0, 16);
    const int abre = bruto.indexOf(QLatin1Char('('));
    const int fecha = bruto.indexOf(QLatin1Char(')'), abre);
    if (abre < 0 || fecha < 0)
        return hex + QLatin1Char(' ') + bruto;
    const QString binario = bruto.left(abre);
    QString funcao = bruto.mid(abre + 1, fecha - abre - 1);
    const int mais = funcao.indexOf(QLatin1Char('+'));
    if (mais > 0)
        funcao = Desmembrar(funcao.left(mais).toUtf8().constData()) + funcao.mid(mais);
    return hex + QLatin1Char(' ') + (funcao.isEmpty() ? QStringLiteral("?") : funcao) + QStringLiteral(" (") + binario + QLatin1Char(')');
}

} // namespace

EErro::EErro(const QString& mensagem)
    : std::runtime_error(mensagem.toStdString())
    , FQuadros(CapturarPilha(2))
{
}

QString NomeClasse(const std::exception& e)
{
    return Desmembrar(typeid(e).name());
}

QString MensagemDe(const std::exception& e)
{
    return QString::fromUtf8(e.what());
}

QString TextoPilha(const std::exception* e)
{
    const auto* erro = dynamic_cast<const EErro*>(e);
    const std::vector<void*> quadros = erro ? erro->Quadros() : CapturarPilha(1);
    if (quadros.empty())
        return QStringLiteral("\r\n  ?");
    std::unique_ptr<char*, decltype(&std::free)> simbolos(
        backtrace_symbols(quadros.data(), int(quadros.size())), &std::free);
    QString texto;
    for (size_t i = 0; i < quadros.size(); ++i)
        texto += QStringLiteral("\r\n  ") + DescreverQuadro(quadros[i], simbolos ? simbolos.get()[i] : nullptr);
    return texto;
}
