// The outbound end of the message path: numbered and direct sends, retransmission, the dump.
#include "app/Envio.h"

#include "app/Dialogos.h"
#include "app/Erros.h"
#include "app/Registro.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "app/Janelas.h"
#include "community/Login.h"
#include "protocol/Catalogo.h"
#include "protocol/Mensagem.h"

#include <QFile>

namespace {

void Transmitir(const QString& fio)
{
    if (FrLogin)
        FrLogin->EnviarTexto(fio);
}

} // namespace

void EnviarNumerada(const QString& texto)
{
    const QString numerado = FormatarDigitos(Sessao.SeqEnvio, 4) + texto;
    Sessao.SeqEnvio = Sessao.SeqEnvio >= 9999 ? 0 : Sessao.SeqEnvio + 1;
    Sessao.HistoricoEnvio.removeFirst();
    Sessao.HistoricoEnvio.append(numerado);
    const QString fio = Sessao.TokenSessao + numerado;
    if (TEstadoSessao::TraceAtivo)
        RegistrarLinha(QStringLiteral("Trace"), QStringLiteral("E >> ") + fio);
    Transmitir(fio);
}

void EnviarDireta(const QString& texto)
{
    const QString fio = Sessao.TokenSessao + texto;
    if (TEstadoSessao::TraceAtivo)
        RegistrarLinha(QStringLiteral("Trace"), QStringLiteral("R >> ") + fio);
    Transmitir(fio);
}

void EnviarMensagem(const QString& codigo, const QStringList& campos)
{
    const TCodigoSaida* saida = BuscarCodigoSaida(codigo);
    if (!saida)
        throw EErro(QStringLiteral("Código de mensagem desconhecido: %1").arg(codigo));
    const QString texto = MontarMensagem(codigo, campos);
    if (saida->Modo == TModoEnvio::Numerada)
        EnviarNumerada(texto);
    else
        EnviarDireta(texto);
}

void ReenviarDesde(const QString& numero)
{
    bool achado = false;
    // Copy first: resending never changes the history, but a copy keeps the scan obviously safe.
    const QStringList historico = Sessao.HistoricoEnvio;
    for (int i = 0; i < historico.size(); ++i) {
        if (historico[i].left(4) != numero)
            continue;
        for (int j = i + 1; j < historico.size(); ++j)
            EnviarDireta(historico[j]);
        achado = true;
    }
    if (!achado)
        GravarDump(numero);
}

void GravarDump(const QString& numero)
{
    QFile arquivo(QStringLiteral("DUMP.TXT"));
    if (!arquivo.exists() && arquivo.open(QIODevice::WriteOnly)) {
        QString texto = QStringLiteral("Mensagem Solicitada ") + numero + QStringLiteral("\r\n");
        for (int i = 1; i <= TamanhoHistorico; ++i)
            texto += FormatarDoisDigitos(i) + QStringLiteral(" - ") + Sessao.Historico(i) + QStringLiteral("\r\n");
        arquivo.write(texto.toUtf8());
    }
    Dialogos().Aviso(QStringLiteral("Erro de RTX Detectado - Envie DUMP.txt para o Administrador do Jogo"));
}
