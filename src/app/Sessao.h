// The program-wide session state (everything that is not game-table state).
#pragma once

#include <QString>
#include <QStringList>

#include <array>

/// Number of numbered messages kept for the server's retransmission request.
inline constexpr int TamanhoHistorico = 300;
/// Number of rank names.
inline constexpr int NumeroPatentes = 61;

struct TEstadoSessao {
    bool ModoAdmin = false;
    QString EnderecoServidor = QStringLiteral(VELMOR_ENDERECO_PADRAO);
    QString TokenSessao = QStringLiteral("0000");
    int SeqEnvio = 0;
    int UltimaSeqRecebida = 0;
    /// Entries 1..300 at indexes 0..299; the last one is the newest.
    QStringList HistoricoEnvio = QStringList(TamanhoHistorico);
    static constexpr bool TraceAtivo = VELMOR_TRACE_ATIVO;
    QString PortaJogo;
    bool SaidaSolicitada = false;
    int TipoUsuario = 0;
    int MultiplicadorPontos = 1;
    bool Moderador = false;
    QString TokensUsuario;
    QString PaisLiderado = QStringLiteral("0");
    bool SemSom = false;
    bool NoLobby = false;
    bool NaPreparacao = false;
    bool EmPartida = false;
    bool Observador = false;

    /// Back to the start values of a new run (start-up and test fixtures).
    void Reiniciar();
    /// The resets of a click on the login button.
    void NovaTentativaLogin();
    /// Entry i (1..300) of the send history.
    const QString& Historico(int i) const { return HistoricoEnvio[i - 1]; }
};

extern TEstadoSessao Sessao;

/// Rank name of rank 1..61; empty outside the table.
QString NomePatente(int patente);

/// The server address used for everything: the administrators' address in admin mode.
QString ServidorPadrao();

/// The administrators' fixed private-network address.
QString EnderecoAdministradores();
