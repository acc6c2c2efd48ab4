// The account database: first start with the seed accounts, data that survives a restart,
// unique nicks, the blacklist, a data file that is not a database.
#include "Contas.h"
#include "apoio/Impressao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Contas : public ::testing::Test {
protected:
    QString Arquivo() const { return FPasta.filePath(QStringLiteral("dados/velmor.db")); }
    QTemporaryDir FPasta;
};

} // namespace

TEST_F(Contas, PrimeiroInicioCriaOBancoComAsContasSemeadas)
{
    TBancoContas banco(Arquivo());
    ASSERT_TRUE(banco.Aberto()) << banco.Erro().toStdString();
    EXPECT_TRUE(QFile::exists(Arquivo()));
    EXPECT_EQ(banco.ContarContas(), 7);
    const std::pair<const char*, int> tipos[] = {{"vigia", 5}, {"MARECHAL", 6}, {"Soldado", 1}, {"Sargento", 4}};
    for (const auto& [nick, tipo] : tipos) {
        const std::optional<TConta> conta = banco.Buscar(nick);
        ASSERT_TRUE(conta) << nick;
        EXPECT_EQ(conta->Tipo, tipo);
        EXPECT_TRUE(banco.SenhaConfere(conta->Id, SenhaInicial));
        EXPECT_FALSE(banco.SenhaConfere(conta->Id, "Velmor"));
    }
    EXPECT_EQ(banco.Buscar("vigia")->Nick, "Vigia"); // as stored
    EXPECT_TRUE(banco.Buscar("Soldado")->DadosCompletos());
    EXPECT_FALSE(banco.Buscar("Novato")->DadosCompletos());
    EXPECT_EQ(banco.PosicaoRanking(banco.Buscar("Marechal")->Pontos), 1);
}

TEST_F(Contas, TudoQueFoiGravadoSobreviveAoReinicio)
{
    qint64 id = 0;
    {
        TBancoContas banco(Arquivo());
        ASSERT_EQ(banco.Criar("Recruta", "ab12", 1), TCriacao::Criada);
        id = banco.Buscar("recruta")->Id;
        ASSERT_TRUE(banco.GravarDado(id, 1, "RECRUTA NOVO"));
        ASSERT_TRUE(banco.TrocarSenha(id, "nova"));
        ASSERT_TRUE(banco.DefinirTipo(id, 3, 1, 12345));
        ASSERT_TRUE(banco.DefinirBanimento(id, 67890));
        ASSERT_TRUE(banco.IncluirNaListaNegra(id, banco.Buscar("Cabo")->Id));
    }
    TBancoContas banco(Arquivo());
    EXPECT_EQ(banco.ContarContas(), 8); // not seeded again
    const TConta conta = *banco.BuscarId(id);
    EXPECT_EQ(conta.Dados[0], "RECRUTA NOVO");
    EXPECT_TRUE(banco.SenhaConfere(id, "nova"));
    EXPECT_FALSE(banco.SenhaConfere(id, "ab12"));
    EXPECT_EQ(conta.Tipo, 3);
    EXPECT_EQ(conta.TipoAnterior, 1);
    EXPECT_EQ(conta.PunidoAte, 12345);
    EXPECT_EQ(conta.BanidoAte, 67890);
    EXPECT_EQ(banco.ListaNegra(id), QStringList{"Cabo"});
}

TEST_F(Contas, NickEUnicoSemDiferencaDeCaixaEOQueFalhaNaoMudaNada)
{
    TBancoContas banco(Arquivo());
    EXPECT_EQ(banco.Criar("soldado", "ab", 1), TCriacao::NickEmUso);
    EXPECT_EQ(banco.Criar("Recruta", "ab", 1), TCriacao::Criada);
    EXPECT_EQ(banco.Criar("RECRUTA", "cd", 1), TCriacao::NickEmUso);
    EXPECT_TRUE(banco.SenhaConfere(banco.Buscar("recruta")->Id, "ab"));
    EXPECT_FALSE(banco.GravarDado(999, 1, "x"));
    EXPECT_FALSE(banco.GravarDado(banco.Buscar("Recruta")->Id, 7, "x"));
    EXPECT_FALSE(banco.DefinirTipo(999, 1, 1, 0));
    EXPECT_EQ(banco.ContarContas(), 8);
}

TEST_F(Contas, ListaNegraIncluiUmaVezExcluiOQueHaEFicaEmOrdem)
{
    TBancoContas banco(Arquivo());
    const qint64 dono = banco.Buscar("Soldado")->Id;
    const qint64 cabo = banco.Buscar("Cabo")->Id;
    const qint64 tenente = banco.Buscar("Tenente")->Id;
    EXPECT_TRUE(banco.IncluirNaListaNegra(dono, tenente));
    EXPECT_TRUE(banco.IncluirNaListaNegra(dono, cabo));
    EXPECT_FALSE(banco.IncluirNaListaNegra(dono, cabo));
    EXPECT_EQ(banco.ListaNegra(dono), (QStringList{"Cabo", "Tenente"}));
    EXPECT_TRUE(banco.NaListaNegra(dono, cabo));
    EXPECT_FALSE(banco.NaListaNegra(cabo, dono));
    EXPECT_TRUE(banco.ExcluirDaListaNegra(dono, cabo));
    EXPECT_FALSE(banco.ExcluirDaListaNegra(dono, cabo));
    EXPECT_EQ(banco.ListaNegra(dono), QStringList{"Tenente"});
}

TEST_F(Contas, ArquivoQueNaoEBancoNaoAbreEDizPorque)
{
    QDir().mkpath(QFileInfo(Arquivo()).absolutePath());
    QFile lixo(Arquivo());
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write(QByteArray(4096, 'x'));
    lixo.close();
    TBancoContas banco(Arquivo());
    EXPECT_FALSE(banco.Aberto());
    EXPECT_FALSE(banco.Erro().isEmpty());
}
