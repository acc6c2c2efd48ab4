// Accounts and player statistics in an SQLite file: schema, seed accounts, transactional writes.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

inline constexpr int ItensPessoais = 6;

struct TConta {
    qint64 Id = 0;
    QString Nick;
    int Tipo = 1;
    int TipoAnterior = 1; ///< the type to return to when a punishment (type 3) ends
    int Patente = 1;
    int Pontos = 0;
    int Partidas = 0;
    int Abandonos = 0;
    int Vitorias = 0;
    QString Missao;
    QString PaisLiderado = QStringLiteral("0");
    std::array<QString, ItensPessoais> Dados; ///< personal data items 1..6 at 0..5
    qint64 BanidoAte = 0; ///< seconds since the epoch; 0 = not banned
    qint64 PunidoAte = 0; ///< end of a type-3 punishment; 0 = none

    bool DadosCompletos() const;
};

enum class TCriacao { Criada, NickEmUso, Falha };

/// The password every seed account starts with (told in the server's README).
inline constexpr const char* SenhaInicial = "velmor";

class TBancoContas {
public:
    /// Opens the database file, creating it with its seed accounts on first start.
    explicit TBancoContas(const QString& arquivo);
    ~TBancoContas();
    TBancoContas(const TBancoContas&) = delete;
    TBancoContas& operator=(const TBancoContas&) = delete;

    bool Aberto() const { return FAberto; }
    QString Erro() const { return FErro; }

    /// By nick, ignoring the case of ASCII letters.
    std::optional<TConta> Buscar(const QString& nick) const;
    std::optional<TConta> BuscarId(qint64 id) const;
    bool SenhaConfere(qint64 id, const QString& senha) const;
    int ContarContas() const;
    /// 1 + the number of accounts with more points.
    int PosicaoRanking(int pontos) const;

    // Every write is one transaction: it happens whole or not at all.
    TCriacao Criar(const QString& nick, const QString& senha, int tipo);
    bool GravarDado(qint64 id, int item, const QString& valor);
    bool TrocarSenha(qint64 id, const QString& nova);
    bool DefinirTipo(qint64 id, int tipo, int tipoAnterior, qint64 punidoAte);
    bool DefinirBanimento(qint64 id, qint64 banidoAte);

    /// The nicks on an account's blacklist, sorted.
    QStringList ListaNegra(qint64 dono) const;
    bool NaListaNegra(qint64 dono, qint64 alvo) const;
    /// False when already there (or the write fails).
    bool IncluirNaListaNegra(qint64 dono, qint64 alvo);
    /// False when not there (or the write fails).
    bool ExcluirDaListaNegra(qint64 dono, qint64 alvo);

private:
    bool CriarEsquema();
    bool Semear();
    template <typename F>
    bool Transacao(F&& trabalho);

    QString FConexao;
    bool FAberto = false;
    QString FErro;
};
