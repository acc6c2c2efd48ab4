// The server's command-line options.
#include "Opcoes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

QString TOpcoesServidor::ArquivoBanco() const
{
    return QDir(PastaDados).filePath(QStringLiteral("velmor.db"));
}

namespace {

std::optional<quint16> Porta(const QString& texto)
{
    bool ok = false;
    const uint valor = texto.toUInt(&ok);
    return ok && valor <= 65535 ? std::optional<quint16>(quint16(valor)) : std::nullopt;
}

} // namespace

std::optional<TOpcoesServidor> LerOpcoes(const QStringList& argumentos, QString& erro, QString& ajuda)
{
    TOpcoesServidor opcoes;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Servidor local de treino do Velmor: login, contas e lobby."));
    parser.addHelpOption();
    const QCommandLineOption endereco(QStringLiteral("endereco"), QStringLiteral("Endereço em que escuta."),
        QStringLiteral("ip"), opcoes.Endereco.toString());
    const QCommandLineOption login(QStringLiteral("porta-login"), QStringLiteral("Porta do servidor web de login (0: qualquer)."),
        QStringLiteral("porta"), QString::number(opcoes.PortaLogin));
    const QCommandLineOption jogo(QStringLiteral("porta-jogo"), QStringLiteral("Porta do jogo (0: qualquer)."),
        QStringLiteral("porta"), QString::number(opcoes.PortaJogo));
    const QCommandLineOption cadastro(QStringLiteral("porta-cadastro"), QStringLiteral("Porta de criação de contas (0: qualquer)."),
        QStringLiteral("porta"), QString::number(opcoes.PortaCadastro));
    const QCommandLineOption dados(QStringLiteral("dados"), QStringLiteral("Pasta do banco de dados."),
        QStringLiteral("pasta"), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    parser.addOptions({endereco, login, jogo, cadastro, dados});
    if (!parser.parse(argumentos)) {
        erro = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        ajuda = parser.helpText();
        return std::nullopt;
    }
    if (!opcoes.Endereco.setAddress(parser.value(endereco))) {
        erro = QStringLiteral("endereço inválido: ") + parser.value(endereco);
        return std::nullopt;
    }
    const std::pair<const QCommandLineOption*, quint16*> portas[] = {
        {&login, &opcoes.PortaLogin}, {&jogo, &opcoes.PortaJogo}, {&cadastro, &opcoes.PortaCadastro}};
    for (const auto& [opcao, destino] : portas) {
        const std::optional<quint16> porta = Porta(parser.value(*opcao));
        if (!porta) {
            erro = QStringLiteral("porta inválida: ") + parser.value(*opcao);
            return std::nullopt;
        }
        *destino = *porta;
    }
    opcoes.PastaDados = parser.value(dados);
    if (opcoes.PastaDados.isEmpty()) {
        erro = QStringLiteral("informe a pasta de dados com --dados");
        return std::nullopt;
    }
    return opcoes;
}
