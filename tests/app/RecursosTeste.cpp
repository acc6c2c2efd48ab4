// Every picture and sound the client can ask for exists after the build, with its format and size.
#include "app/Caminhos.h"
#include "app/Recursos.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

/// The generated folder the client runs in (set by the build for the tests).
QString PastaExecucao()
{
    return QStringLiteral(VELMOR_PASTA_EXECUCAO);
}

QString Local(const QString& caminho)
{
    return PastaExecucao() + QLatin1Char('/') + QString(caminho).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

using Recursos_ = ::testing::Test;

QSize TamanhoDe(const QString& caminho)
{
    return QImageReader(Local(caminho)).size();
}

} // namespace

TEST_F(Recursos_, TodoNomeQueOClientePodePedirExiste)
{
    const QStringList todos = TodosOsRecursos();
    EXPECT_EQ(QSet<QString>(todos.begin(), todos.end()).size(), todos.size()) << "repeated names";
    for (const QString& caminho : todos)
        EXPECT_TRUE(QFile::exists(Local(caminho))) << caminho.toStdString();
}

TEST_F(Recursos_, NomesEscritosComoOClienteOsPede)
{
    // Written out as the windows and handlers spell them, independently of the constants.
    QStringList nomes = {
        "Imagens\\login_dqtekp.jpg", "Imagens\\chat_dqtekp.jpg", "Imagens\\prepara_dqtekp.jpg",
        "Imagens\\mapa_dqtekp.jpg", "Imagens\\novaconta_dqtekp.jpg", "Imagens\\perfil_dqtekp.jpg",
        "Imagens\\missao_dqtekp.jpg", "Imagens\\blacklist_dqtekp.jpg", "Imagens\\lider_entrada.jpg",
        "Imagens\\lider_detalhes.jpg", "Imagens\\lista_amigos.jpg", "Imagens\\ranking_duelos.jpg",
        "Imagens\\Shape100.bmp", "Imagens\\Shape600.bmp", "Imagens\\Shape203.bmp", "Imagens\\Shape500.bmp",
        "Imagens\\NovoFundo1.bmp", "Imagens\\NovoFundo4.bmp", "Imagens\\CopoAt00.bmp", "Imagens\\CopoAt02.bmp",
        "Imagens\\CopoAt09.bmp", "Imagens\\CopoDe02.bmp", "Imagens\\CopoDe09.bmp", "Imagens\\Conexao00.bmp",
        "Imagens\\Conexao01.bmp", "Imagens\\Conexao10.bmp", "Imagens\\Conexao11.bmp", "Imagens\\AcaoTDireito.bmp",
        "Imagens\\AcaoTContinente.bmp", "Imagens\\AcaoAtacar.bmp", "Imagens\\AcaoMover.bmp", "Imagens\\AcaoTroca.bmp",
        "Imagens\\AcaoExTroca.bmp", "Imagens\\paraataque.bmp", "Imagens\\passavez.bmp", "Imagens\\vercarta.bmp",
        QString::fromUtf8("Imagens\\n\xc3\xa3otroca.bmp"), "Imagens\\super_ataque_on.jpg", "Imagens\\super_ataque_off.jpg",
        "Imagens\\CartaVazia.bmp", "Imagens\\Carta01.bmp", "Imagens\\Carta43.bmp", "Imagens\\Objetivo00.bmp",
        "Imagens\\Objetivo14.bmp", "Imagens\\Esfera0.bmp", "Imagens\\Esfera3.bmp", "Imagens\\Esfera4.bmp",
        "imagens\\Soldado1.bmp", "imagens\\Soldado6.bmp",
        "Sons\\Bemvindo.wav", "Sons\\Suavez.wav", "Sons\\Atacado.wav", "Sons\\Alvo.wav", "Sons\\Desmarca.wav",
        "Sons\\Andando.wav", "Sons\\Dados.wav", "Sons\\Ataque.wav", "Sons\\Defesa.wav", "Sons\\NovaCarta.wav",
        "Sons\\Direito.wav", "Sons\\Copo.wav", "Sons\\Objetivo.wav", "Sons\\Som_01.wav", "Sons\\Som_08.wav",
    };
    for (const char* prefixo : {"DadoA", "DadoD"})
        for (int v = 1; v <= 6; ++v)
            nomes << QStringLiteral("Imagens\\%1%2.bmp").arg(QLatin1String(prefixo)).arg(v);
    for (const char* prefixo : {"dadoa", "dadod"})
        for (int v = 1; v <= 3; ++v)
            nomes << QStringLiteral("Imagens\\%1%2.bmp").arg(QLatin1String(prefixo)).arg(v);
    const QStringList todos = TodosOsRecursos();
    for (const QString& nome : nomes) {
        // The client finds "imagens\" in the folder "Imagens" (CaminhoRecurso ignores the folder's case).
        const QString canonico = QString(nome).replace(QStringLiteral("imagens\\"), QStringLiteral("Imagens\\"));
        EXPECT_TRUE(todos.contains(canonico)) << nome.toStdString();
        EXPECT_TRUE(QFile::exists(Local(canonico))) << nome.toStdString();
    }
}

TEST_F(Recursos_, FigurasComOFormatoEOTamanhoDasJanelas)
{
    using namespace Recursos;
    struct Caso {
        QString Caminho;
        QSize Tamanho;
    };
    const Caso casos[] = {
        {CaminhoImagem(QString::fromLatin1(FundoMapa)), {1010, 700}},
        {CaminhoImagem(QString::fromLatin1(FundoLogin)), {640, 480}},
        {CaminhoImagem(QString::fromLatin1(FundoPrepara)), {700, 485}},
        {Tropa(2, 3), {32, 32}},
        {FundoMarca(3), {32, 32}},
        {Dado(true, 6), {40, 40}},
        {DadoParado(false, 2), {40, 40}},
        {Copo(true, 5), {48, 48}},
        {QString::fromUtf8(ConexaoSaiu), {16, 16}},
        {QString::fromUtf8(AcaoMover), {45, 45}},
        {QString::fromUtf8(BotaoNaoTroca), {40, 40}},
        {QString::fromUtf8(SuperAtaqueLigado), {18, 97}},
        {Carta(43), {69, 120}},
        {QString::fromUtf8(CartaVazia), {69, 120}},
        {Objetivo(7), {85, 148}},
        {Esfera(3), {30, 30}},
        {Insignia(61), {69, 25}},
        {Insignia(1, TamanhoInsignia::Pequena), {34, 12}},
        {Insignia(20, TamanhoInsignia::Grande), {94, 37}},
        {TipoConta(5), {25, 25}},
        {Emote(40), {19, 19}},
        {QString::fromUtf8(SoldadoListaJogos), {20, 25}},
        {EstadoDeJogo(9), {35, 25}},
        {Amigo(true), {33, 23}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TamanhoDe(c.Caminho), c.Tamanho) << c.Caminho.toStdString();
    for (const TFiguraDeJanela& f : FigurasDeJanela())
        EXPECT_EQ(TamanhoDe(Botao(f.Janela, f.Controle)), QSize(f.Largura, f.Altura)) << f.Janela << "_" << f.Controle;
    for (const QString& caminho : TodosOsRecursos()) {
        if (caminho.endsWith(QLatin1String(".wav")))
            continue;
        const QByteArray formato = QImageReader(Local(caminho)).format();
        EXPECT_EQ(formato, caminho.endsWith(QLatin1String(".jpg")) ? QByteArray("jpeg") : QByteArray("bmp")) << caminho.toStdString();
    }
}

TEST_F(Recursos_, TropasEDestaquesTemOCantoInferiorEsquerdoTransparente)
{
    // The board takes the bottom-left pixel as the transparent colour: the corner must be background,
    // and the figure must not vanish with it.
    QStringList figuras;
    for (int cor = 1; cor <= 6; ++cor)
        for (int tipo = 0; tipo < Recursos::TiposDeTropa; ++tipo)
            figuras << Recursos::Tropa(cor, tipo);
    for (int marca = 1; marca <= 4; ++marca)
        figuras << Recursos::FundoMarca(marca);
    for (const QString& caminho : figuras) {
        const QImage figura(Local(caminho));
        ASSERT_FALSE(figura.isNull()) << caminho.toStdString();
        const QRgb chave = figura.pixel(0, figura.height() - 1);
        int opacos = 0;
        for (int y = 0; y < figura.height(); ++y)
            for (int x = 0; x < figura.width(); ++x)
                opacos += figura.pixel(x, y) != chave;
        EXPECT_GT(opacos, 120) << caminho.toStdString();
        EXPECT_EQ(figura.pixel(0, 0), chave) << caminho.toStdString();
    }
}

TEST_F(Recursos_, SonsSaoWavPcmDe16BitsCurtos)
{
    for (const QString& caminho : TodosOsRecursos()) {
        if (!caminho.endsWith(QLatin1String(".wav")))
            continue;
        QFile arquivo(Local(caminho));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly)) << caminho.toStdString();
        const QByteArray wav = arquivo.readAll();
        ASSERT_GT(wav.size(), 44) << caminho.toStdString();
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1) << "PCM";
        EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 34), 16) << "bits";
        const quint32 taxa = qFromLittleEndian<quint32>(wav.constData() + 24);
        const quint32 bytes = qFromLittleEndian<quint32>(wav.constData() + 40);
        EXPECT_EQ(bytes + 44, quint32(wav.size()));
        const double segundos = double(bytes) / (taxa * 2);
        EXPECT_GT(segundos, 0.1) << caminho.toStdString();
        EXPECT_LT(segundos, 2.0) << caminho.toStdString();
        // Not silent, not clipped.
        int pico = 0;
        for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
            pico = std::max(pico, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
        EXPECT_GT(pico, 8000) << caminho.toStdString();
        EXPECT_LT(pico, 32767) << caminho.toStdString();
    }
}
