// The velmor-servidor program itself: options, the ready line, a login, a clean stop on SIGTERM,
// and a start that fails with a reason.
#include "apoio/ClienteScript.h"
#include "apoio/Impressao.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList PortasEfemeras(const QString& pasta)
{
    return {"--endereco", "127.0.0.1", "--porta-login", "0", "--porta-jogo", "0", "--porta-cadastro", "0", "--dados", pasta};
}

} // namespace

TEST(Programa, SobeAtendeUmLoginEParaLimpoComSigterm)
{
    QTemporaryDir pasta;
    for (int rodada = 0; rodada < 2; ++rodada) { // the second start finds the database made by the first
        QProcess programa;
        programa.start(VELMOR_SERVIDOR_PROGRAMA, PortasEfemeras(pasta.path()));
        ASSERT_TRUE(programa.waitForStarted(5000));
        QByteArray saida;
        while (!saida.contains('\n') && programa.waitForReadyRead(5000))
            saida += programa.readAllStandardOutput();
        const QRegularExpressionMatch portas =
            QRegularExpression("pronto em 127.0.0.1: login=(\\d+) jogo=(\\d+) cadastro=(\\d+)").match(QString::fromUtf8(saida));
        ASSERT_TRUE(portas.hasMatch()) << saida.toStdString() << programa.readAllStandardError().toStdString();
        const std::optional<int> porta = PortaDaResposta(PedirLogin(quint16(portas.captured(1).toUInt()), "Vigia"));
        ASSERT_EQ(porta, portas.captured(2).toInt());
        TClienteScript cliente{quint16(*porta)};
        EXPECT_TRUE(cliente.Entrar("Vigia", "velmor"));
        programa.terminate();
        ASSERT_TRUE(programa.waitForFinished(5000));
        EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programa.exitCode(), 0);
        EXPECT_TRUE(QFile::exists(pasta.filePath("velmor.db")));
        EXPECT_TRUE(programa.readAllStandardError().contains("com 7 contas"));
    }
}

TEST(Programa, NaoSobeSemDizerPorque)
{
    QTemporaryDir pasta;
    QTcpServer ocupada;
    ASSERT_TRUE(ocupada.listen(QHostAddress::LocalHost));
    struct Caso {
        QStringList Argumentos;
        int Codigo;
        const char* Motivo;
    };
    const Caso casos[] = {
        {{"--porta-jogo", "abc"}, 2, "porta inválida: abc"},
        {{"--endereco", "não-é-ip"}, 2, "endereço inválido"},
        {{"--porta-jogo", QString::number(ocupada.serverPort())}, 1, "não foi possível escutar a porta do jogo"},
    };
    for (const Caso& caso : casos) {
        QProcess programa;
        programa.start(VELMOR_SERVIDOR_PROGRAMA, PortasEfemeras(pasta.path()) + caso.Argumentos);
        ASSERT_TRUE(programa.waitForFinished(5000));
        EXPECT_EQ(programa.exitCode(), caso.Codigo) << caso.Motivo;
        EXPECT_TRUE(QString::fromUtf8(programa.readAllStandardError()).contains(QString::fromUtf8(caso.Motivo)))
            << caso.Motivo;
    }
}
