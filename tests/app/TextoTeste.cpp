// Text helpers: fields, formats, integers, command-line options, code page, paths.
#include "app/Caminhos.h"
#include "app/Erros.h"
#include "app/Texto.h"
#include "app/Windows1252.h"
#include "net/Url.h"

#include <QDir>
#include <QTemporaryDir>

#include "apoio/Impressao.h"

#include <gtest/gtest.h>

TEST(Texto, CampoCSVContaDeUmSemAparar)
{
    struct Caso { const char* texto; int n; const char* esperado; };
    const Caso casos[] = {
        {"a,b,c", 1, "a"}, {"a,b,c", 3, "c"}, {"a,,c", 2, ""}, {"a,,c", 3, "c"},
        {"a,b", 3, ""}, {"", 1, ""}, {"a,b,", 3, ""}, {"a,b,", 4, ""}, {"a,b", 0, ""},
        {"a,b", -1, ""}, {" a , b", 2, " b"}, {"so", 1, "so"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CampoCSV(QString::fromUtf8(c.texto), c.n), QString::fromUtf8(c.esperado)) << c.texto << " campo " << c.n;
}

TEST(Texto, FormatosDeNumeros)
{
    EXPECT_EQ(FormatarDoisDigitos(7), "07");
    EXPECT_EQ(FormatarDoisDigitos(300), "300");
    EXPECT_EQ(FormatarDoisDigitos(0), "00");
    EXPECT_EQ(FormatarDigitos(42, 4), "0042");
    EXPECT_EQ(FormatarDigitos(9999, 4), "9999");
    EXPECT_EQ(FormatarDigitos(-5, 3), "-005");
}

TEST(Texto, InteirosEstritoELeniente)
{
    struct Caso { const char* texto; bool valido; int valor; };
    const Caso casos[] = {
        {"0042", true, 42}, {"7", true, 7}, {"-3", true, -3}, {"+8", true, 8}, {"  12", true, 12},
        {"", false, 0}, {"12a", false, 0}, {"1 2", false, 0}, {"abc", false, 0}, {"12 ", false, 0},
        {"-", false, 0}, {"99999999999", false, 0}, {"2147483647", true, 2147483647},
    };
    for (const Caso& c : casos) {
        const QString texto = QString::fromUtf8(c.texto);
        EXPECT_EQ(InteiroLeniente(texto), c.valido ? c.valor : 0) << c.texto;
        if (c.valido)
            EXPECT_EQ(InteiroEstrito(texto), c.valor) << c.texto;
        else
            EXPECT_THROW(InteiroEstrito(texto), EErroConversao) << c.texto;
    }
}

TEST(Texto, OpcaoLinhaComando)
{
    const QStringList args = {"velmor", "_dqtekp", "-IP:10.0.0.5", "-ip:9.9.9.9", "-IP:1.1.1.1", "-PORT:abc", "-IP"};
    EXPECT_EQ(OpcaoLinhaComando(args, "IP"), "10.0.0.5"); // the first one wins
    EXPECT_EQ(OpcaoLinhaComando(args, "PORT"), "abc");
    EXPECT_EQ(OpcaoLinhaComando(args, "ip"), "9.9.9.9");   // exact, case-sensitive
    EXPECT_EQ(OpcaoLinhaComando(args, "X"), "");
    EXPECT_EQ(OpcaoLinhaComando({"velmor", "-IP:"}, "IP"), "");
    // The program name is never an option.
    EXPECT_EQ(OpcaoLinhaComando({"-IP:1.2.3.4"}, "IP"), "");
}

TEST(Windows1252, TodoByteIdaEVolta)
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(static_cast<char>(b));
    const QString texto = DeWindows1252(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(ParaWindows1252(texto), todos);
    EXPECT_EQ(texto[0x80], QChar(0x20AC));
    EXPECT_EQ(texto[0xE7], QChar(u'ç'));
    for (int indefinido : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(texto[indefinido].unicode(), indefinido);
}

TEST(Windows1252, CaracteresForaDaPaginaSomem)
{
    EXPECT_EQ(ParaWindows1252(QString::fromUtf8("a😀b")), QByteArray("ab"));
    EXPECT_EQ(ParaWindows1252(QString::fromUtf8("ação€")), QByteArray("a\xE7\xE3o\x80"));
    // A C1 control that the code page gives to a printable sign is not representable.
    EXPECT_EQ(ParaWindows1252(QString(QChar(0x80))), QByteArray());
}

TEST(Url, CadaByteViraPorcento)
{
    EXPECT_EQ(CodificarURL("abc"), "%61%62%63");
    EXPECT_EQ(CodificarURL(QString::fromUtf8("a b,ç😀")), "%61%20%62%2C%E7");
}

TEST(Caminhos, PastaSemDiferencaDeCaixa)
{
    QTemporaryDir pasta;
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(pasta.path());
    QDir().mkpath("Imagens");
    EXPECT_EQ(CaminhoImagem("login"), "Imagens\\login_dqtekp.jpg");
    EXPECT_EQ(CaminhoRecurso("imagens\\Carta01.bmp"), "Imagens/Carta01.bmp");
    EXPECT_EQ(CaminhoRecurso(QString::fromUtf8("Imagens\\nãotroca.bmp")), QString::fromUtf8("Imagens/nãotroca.bmp"));
    EXPECT_EQ(CaminhoRecurso("Sons\\Dados.wav"), "Sons/Dados.wav");
    QDir::setCurrent(anterior);
}
