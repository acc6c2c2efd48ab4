// Accounts and player statistics in an SQLite file.
#include "Contas.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

Q_LOGGING_CATEGORY(lcBanco, "velmor.banco")

namespace {

constexpr int VersaoEsquema = 1;

const char* const Esquema[] = {
    "CREATE TABLE contas ("
    " id INTEGER PRIMARY KEY,"
    " nick TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    " sal TEXT NOT NULL, senha TEXT NOT NULL,"
    " tipo INTEGER NOT NULL DEFAULT 1, tipo_anterior INTEGER NOT NULL DEFAULT 1,"
    " patente INTEGER NOT NULL DEFAULT 1, pontos INTEGER NOT NULL DEFAULT 0,"
    " partidas INTEGER NOT NULL DEFAULT 0, abandonos INTEGER NOT NULL DEFAULT 0,"
    " vitorias INTEGER NOT NULL DEFAULT 0,"
    " missao TEXT NOT NULL DEFAULT '', pais_liderado TEXT NOT NULL DEFAULT '0',"
    " dado1 TEXT NOT NULL DEFAULT '', dado2 TEXT NOT NULL DEFAULT '', dado3 TEXT NOT NULL DEFAULT '',"
    " dado4 TEXT NOT NULL DEFAULT '', dado5 TEXT NOT NULL DEFAULT '', dado6 TEXT NOT NULL DEFAULT '',"
    " banido_ate INTEGER NOT NULL DEFAULT 0, punido_ate INTEGER NOT NULL DEFAULT 0,"
    " criada_em INTEGER NOT NULL)",
    "CREATE TABLE lista_negra ("
    " dono INTEGER NOT NULL REFERENCES contas(id) ON DELETE CASCADE,"
    " alvo INTEGER NOT NULL REFERENCES contas(id) ON DELETE CASCADE,"
    " PRIMARY KEY (dono, alvo))",
};

struct TSemente {
    const char* Nick;
    int Tipo;
    int Patente;
    int Pontos;
    int Partidas;
    int Vitorias;
    int Abandonos;
    std::array<const char*, ItensPessoais> Dados;
};

// Novato has no personal data, so that logging in with it shows the notice that asks for it.
const TSemente Sementes[] = {
    {"Vigia", 5, 13, 1850, 140, 61, 2, {"VIGIA DA STAFF", "1985-03-02", "F", "vigia@velmor.local", "CURITIBA", "PR"}},
    {"Marechal", 6, 20, 3200, 310, 150, 4, {"MARECHAL DA STAFF", "1979-11-20", "M", "marechal@velmor.local", "RECIFE", "PE"}},
    {"Soldado", 1, 3, 420, 35, 9, 3, {"SOLDADO DA SILVA", "1998-07-14", "M", "soldado@velmor.local", "SAO PAULO", "SP"}},
    {"Cabo", 1, 5, 760, 58, 21, 1, {"CABO DE SOUZA", "2001-01-30", "F", "cabo@velmor.local", "PORTO ALEGRE", "RS"}},
    {"Sargento", 4, 8, 1210, 97, 40, 5, {"SARGENTO PEREIRA", "1992-09-09", "M", "sargento@velmor.local", "BELEM", "PA"}},
    {"Tenente", 4, 12, 1540, 120, 55, 0, {"TENENTE ALMEIDA", "1988-05-17", "F", "tenente@velmor.local", "LISBOA", "--"}},
    {"Novato", 1, 1, 0, 0, 0, 0, {"", "", "", "", "", ""}},
};

QString Resumo(const QString& sal, const QString& senha)
{
    return QString::fromLatin1(QCryptographicHash::hash((sal + senha).toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString NovoSal()
{
    return QString::number(QRandomGenerator::system()->generate64(), 16);
}

const QString CamposConta = QStringLiteral(
    "id, nick, tipo, tipo_anterior, patente, pontos, partidas, abandonos, vitorias, missao, pais_liderado,"
    " dado1, dado2, dado3, dado4, dado5, dado6, banido_ate, punido_ate");

TConta ContaDe(const QSqlQuery& q)
{
    TConta c;
    c.Id = q.value(0).toLongLong();
    c.Nick = q.value(1).toString();
    c.Tipo = q.value(2).toInt();
    c.TipoAnterior = q.value(3).toInt();
    c.Patente = q.value(4).toInt();
    c.Pontos = q.value(5).toInt();
    c.Partidas = q.value(6).toInt();
    c.Abandonos = q.value(7).toInt();
    c.Vitorias = q.value(8).toInt();
    c.Missao = q.value(9).toString();
    c.PaisLiderado = q.value(10).toString();
    for (int i = 0; i < ItensPessoais; ++i)
        c.Dados[i] = q.value(11 + i).toString();
    c.BanidoAte = q.value(17).toLongLong();
    c.PunidoAte = q.value(18).toLongLong();
    return c;
}

} // namespace

bool TConta::DadosCompletos() const
{
    return std::none_of(Dados.begin(), Dados.end(), [](const QString& d) { return d.isEmpty(); });
}

TBancoContas::TBancoContas(const QString& arquivo)
    : FConexao(QStringLiteral("velmor-contas-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConexao);
    db.setDatabaseName(arquivo);
    if (!db.open()) {
        FErro = db.lastError().text();
        return;
    }
    QSqlQuery q(db);
    // WAL with full sync: a crash or a killed process never loses a committed write.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON",
             "PRAGMA busy_timeout=2000"})
        q.exec(QString::fromLatin1(pragma));
    q.exec(QStringLiteral("PRAGMA user_version"));
    const int versao = q.next() ? q.value(0).toInt() : -1;
    if (versao == 0 && !Transacao([this] { return CriarEsquema() && Semear(); })) {
        FErro = QStringLiteral("não foi possível criar o banco: ") + FErro;
        return;
    }
    if (versao > VersaoEsquema || versao < 0) {
        FErro = QStringLiteral("versão de banco desconhecida: %1").arg(versao);
        return;
    }
    FAberto = true;
}

TBancoContas::~TBancoContas()
{
    {
        QSqlDatabase db = QSqlDatabase::database(FConexao, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FConexao);
}

template <typename F>
bool TBancoContas::Transacao(F&& trabalho)
{
    QSqlDatabase db = QSqlDatabase::database(FConexao, false);
    if (!db.transaction()) {
        FErro = db.lastError().text();
        qCWarning(lcBanco) << "transação recusada:" << FErro;
        return false;
    }
    // The work says false both for "nothing to change" and for a failed statement: undo either way.
    if (!trabalho()) {
        db.rollback();
        return false;
    }
    if (db.commit())
        return true;
    FErro = db.lastError().text();
    qCWarning(lcBanco) << "gravação desfeita:" << FErro;
    db.rollback();
    return false;
}

bool TBancoContas::CriarEsquema()
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    for (const char* comando : Esquema)
        if (!q.exec(QString::fromLatin1(comando))) {
            FErro = q.lastError().text();
            return false;
        }
    return q.exec(QStringLiteral("PRAGMA user_version = %1").arg(VersaoEsquema));
}

bool TBancoContas::Semear()
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral(
        "INSERT INTO contas (nick, sal, senha, tipo, tipo_anterior, patente, pontos, partidas, vitorias, abandonos,"
        " dado1, dado2, dado3, dado4, dado5, dado6, criada_em)"
        " VALUES (?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const TSemente& s : Sementes) {
        const QString sal = NovoSal();
        const QList<QVariant> valores = {QString::fromUtf8(s.Nick), sal, Resumo(sal, QString::fromLatin1(SenhaInicial)),
            s.Tipo, s.Patente, s.Pontos, s.Partidas, s.Vitorias, s.Abandonos};
        for (int i = 0; i < valores.size(); ++i)
            q.bindValue(i, valores[i]);
        for (int i = 0; i < ItensPessoais; ++i)
            q.bindValue(int(valores.size()) + i, QString::fromUtf8(s.Dados[i]));
        q.bindValue(int(valores.size()) + ItensPessoais, QDateTime::currentSecsSinceEpoch());
        if (!q.exec()) {
            FErro = q.lastError().text();
            return false;
        }
    }
    return true;
}

std::optional<TConta> TBancoContas::Buscar(const QString& nick) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT ") + CamposConta + QStringLiteral(" FROM contas WHERE nick = ?"));
    q.addBindValue(nick);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return ContaDe(q);
}

std::optional<TConta> TBancoContas::BuscarId(qint64 id) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT ") + CamposConta + QStringLiteral(" FROM contas WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return ContaDe(q);
}

bool TBancoContas::SenhaConfere(qint64 id, const QString& senha) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT sal, senha FROM contas WHERE id = ?"));
    q.addBindValue(id);
    return q.exec() && q.next() && Resumo(q.value(0).toString(), senha) == q.value(1).toString();
}

int TBancoContas::ContarContas() const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM contas")) && q.next() ? q.value(0).toInt() : 0;
}

int TBancoContas::PosicaoRanking(int pontos) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM contas WHERE pontos > ?"));
    q.addBindValue(pontos);
    return q.exec() && q.next() ? q.value(0).toInt() + 1 : 0;
}

TCriacao TBancoContas::Criar(const QString& nick, const QString& senha, int tipo)
{
    bool emUso = false;
    const bool feito = Transacao([&] {
        QSqlQuery q(QSqlDatabase::database(FConexao, false));
        q.prepare(QStringLiteral("SELECT 1 FROM contas WHERE nick = ?"));
        q.addBindValue(nick);
        if (q.exec() && q.next()) {
            emUso = true;
            return false;
        }
        const QString sal = NovoSal();
        q.prepare(QStringLiteral(
            "INSERT INTO contas (nick, sal, senha, tipo, tipo_anterior, criada_em) VALUES (?, ?, ?, ?, ?, ?)"));
        for (const QVariant& v : {QVariant(nick), QVariant(sal), QVariant(Resumo(sal, senha)), QVariant(tipo),
                 QVariant(tipo), QVariant(QDateTime::currentSecsSinceEpoch())})
            q.addBindValue(v);
        if (!q.exec()) {
            FErro = q.lastError().text();
            return false;
        }
        return true;
    });
    return feito ? TCriacao::Criada : emUso ? TCriacao::NickEmUso : TCriacao::Falha;
}

namespace {

// One UPDATE of one row that must change exactly that row.
bool Atualizar(const QString& conexao, const QString& sql, const QList<QVariant>& valores, QString& erro)
{
    QSqlQuery q(QSqlDatabase::database(conexao, false));
    q.prepare(sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec()) {
        erro = q.lastError().text();
        return false;
    }
    return q.numRowsAffected() == 1;
}

} // namespace

bool TBancoContas::GravarDado(qint64 id, int item, const QString& valor)
{
    if (item < 1 || item > ItensPessoais)
        return false;
    return Transacao([&] {
        return Atualizar(FConexao, QStringLiteral("UPDATE contas SET dado%1 = ? WHERE id = ?").arg(item), {valor, id}, FErro);
    });
}

bool TBancoContas::TrocarSenha(qint64 id, const QString& nova)
{
    const QString sal = NovoSal();
    return Transacao([&] {
        return Atualizar(FConexao, QStringLiteral("UPDATE contas SET sal = ?, senha = ? WHERE id = ?"),
            {sal, Resumo(sal, nova), id}, FErro);
    });
}

bool TBancoContas::DefinirTipo(qint64 id, int tipo, int tipoAnterior, qint64 punidoAte)
{
    return Transacao([&] {
        return Atualizar(FConexao, QStringLiteral("UPDATE contas SET tipo = ?, tipo_anterior = ?, punido_ate = ? WHERE id = ?"),
            {tipo, tipoAnterior, punidoAte, id}, FErro);
    });
}

bool TBancoContas::DefinirBanimento(qint64 id, qint64 banidoAte)
{
    return Transacao([&] {
        return Atualizar(FConexao, QStringLiteral("UPDATE contas SET banido_ate = ? WHERE id = ?"), {banidoAte, id}, FErro);
    });
}

QStringList TBancoContas::ListaNegra(qint64 dono) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT c.nick FROM lista_negra l JOIN contas c ON c.id = l.alvo WHERE l.dono = ?"
                             " ORDER BY c.nick COLLATE NOCASE"));
    q.addBindValue(dono);
    QStringList nicks;
    if (q.exec())
        while (q.next())
            nicks.append(q.value(0).toString());
    return nicks;
}

bool TBancoContas::NaListaNegra(qint64 dono, qint64 alvo) const
{
    QSqlQuery q(QSqlDatabase::database(FConexao, false));
    q.prepare(QStringLiteral("SELECT 1 FROM lista_negra WHERE dono = ? AND alvo = ?"));
    q.addBindValue(dono);
    q.addBindValue(alvo);
    return q.exec() && q.next();
}

bool TBancoContas::IncluirNaListaNegra(qint64 dono, qint64 alvo)
{
    return Transacao([&] {
        QSqlQuery q(QSqlDatabase::database(FConexao, false));
        q.prepare(QStringLiteral("INSERT OR IGNORE INTO lista_negra (dono, alvo) VALUES (?, ?)"));
        q.addBindValue(dono);
        q.addBindValue(alvo);
        return q.exec() && q.numRowsAffected() == 1;
    });
}

bool TBancoContas::ExcluirDaListaNegra(qint64 dono, qint64 alvo)
{
    return Transacao([&] {
        QSqlQuery q(QSqlDatabase::database(FConexao, false));
        q.prepare(QStringLiteral("DELETE FROM lista_negra WHERE dono = ? AND alvo = ?"));
        q.addBindValue(dono);
        q.addBindValue(alvo);
        return q.exec() && q.numRowsAffected() == 1;
    });
}
