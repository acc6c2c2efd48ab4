// The dispatcher: every inbound message passes its entry steps and reaches one handler.
#include "protocol/Despacho.h"

#include "app/Envio.h"
#include "app/Janelas.h"
#include "app/Registro.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/Login.h"
#include "protocol/Mensagem.h"

#include <QHash>

QString TMensagemRecebida::Cortados() const
{
    return Entrada && Entrada->Largura > 0 ? Primeiros(Campos, Entrada->Largura) : Campos;
}

QString TMensagemRecebida::Campo(int n) const
{
    return CampoCSV(Cortados(), n);
}

namespace {

const QHash<QString, TTratador>& Tabela()
{
    static const QHash<QString, TTratador> tabela = [] {
        QHash<QString, TTratador> t;
        for (const auto& familia : {TratadoresSessao(), TratadoresLobby()})
            for (const TTratadorCodigo& h : familia)
                t.insert(QString::fromLatin1(h.Codigo), h.Tratador);
        return t;
    }();
    return tabela;
}

} // namespace

bool TemTratador(const QString& codigo)
{
    return Tabela().contains(codigo);
}

void TratarMensagem(const QString& texto, const QByteArray& bruto)
{
    if (TEstadoSessao::TraceAtivo)
        RegistrarLinha(QStringLiteral("Trace"), QStringLiteral("R << ") + texto);

    TMensagemRecebida m;
    const TNumeracao numeracao = SepararNumero(texto);
    m.Texto = numeracao.Resto;
    m.Bruto = numeracao.Numerada ? bruto.mid(4) : bruto;
    if (numeracao.Numerada) {
        const int n = numeracao.Numero;
        if (n == 0 || n - Sessao.UltimaSeqRecebida == 1) {
            Sessao.UltimaSeqRecebida = n;
        } else {
            // A gap asks the server to send again from the last accepted one; an old or repeated
            // number is just dropped. Either way the message goes on as one without a code.
            if (Sessao.UltimaSeqRecebida < n)
                EnviarMensagem(QStringLiteral("UltRec"), {FormatarDigitos(Sessao.UltimaSeqRecebida, 4)});
            m.Texto.clear();
            m.Bruto.clear();
        }
    }
    m.Codigo = CodigoDe(m.Texto);
    m.Campos = CamposDe(m.Texto);
    m.Entrada = BuscarCodigoEntrada(m.Codigo);

    const auto tratador = Tabela().constFind(m.Codigo);
    if (m.Entrada && tratador != Tabela().constEnd())
        (*tratador)(m);
    else if (FrLogin)
        FrLogin->Status->setText(QStringLiteral("Falha na Tradução de Mensagens"));
}
