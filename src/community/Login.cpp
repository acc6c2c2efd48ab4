// The login window: the main window, the login flow and the owner of the game connection.
#include "community/Login.h"

#include "app/Aplicacao.h"
#include "app/Caminhos.h"
#include "app/Dialogos.h"
#include "app/Envio.h"
#include "app/Erros.h"
#include "app/Janelas.h"
#include "app/Recursos.h"
#include "app/Registro.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/NovaConta.h"
#include "game/EstadoJogo.h"
#include "media/Som.h"
#include "net/Rede.h"
#include "net/Url.h"
#include "protocol/Despacho.h"

#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QShowEvent>

QString NickProprio()
{
    return FrLogin ? FrLogin->LgUsuario->text() : QString();
}

QString DataCompilacao()
{
    const QDate data = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return data.toString(QStringLiteral("dd/MM/yy"));
}

namespace {

void EstilizarCampo(TEdicao* campo)
{
    campo->setFrame(false);
    campo->setFont(FontePixels(QStringLiteral("Courier New"), 16));
    campo->setStyleSheet(QStringLiteral("color: white; background: black; border: none;"));
}

} // namespace

TFrLogin::TFrLogin(const QStringList& argumentos)
    : TFormulario(QStringLiteral("TFrLogin"), QString(), 640, 480, Botoes::SistemaMinimizar)
{
    setStyleSheet(QStringLiteral("TFrLogin { background: silver; }"));
    setFont(QFont(QStringLiteral("Tahoma")));

    Image1 = new TImagem(this, QStringLiteral("Image1"), QRect(0, 0, 640, 480));

    Status = CriarRotulo(this, QStringLiteral("Status"), QRect(24, 420, 593, 25), QStringLiteral("Aguardando..."));
    Status->setAlignment(Qt::AlignCenter);
    Status->setFont(FontePixels(QStringLiteral("Courier New"), 16, true));
    Status->setStyleSheet(QStringLiteral("color: white; background: black;"));

    LgUsuario = new TEdicao(this, QStringLiteral("LgUsuario"), QRect(150, 201, 355, 21), 14);
    LgUsuario->setToolTip(QStringLiteral("Digite aqui o seu nome de usuário no Velmor"));
    EstilizarCampo(LgUsuario);
    LgSenha = new TEdicao(this, QStringLiteral("LgSenha"), QRect(151, 254, 354, 21), 8);
    LgSenha->setToolTip(QStringLiteral("Digite aqui a sua senha"));
    EstilizarCampo(LgSenha);
    LgSenha->MostrarComoSenha();
    connect(LgSenha, &QLineEdit::returnPressed, this, &TFrLogin::Image2Click);

    Image2 = new TImagem(this, QStringLiteral("Image2"), QRect(366, 296, 102, 65));
    Image2->DefinirMaozinha(true);
    Image2->setToolTip(QStringLiteral("Entrar no Velmor"));
    connect(Image2, &TImagem::Clique, this, &TFrLogin::Image2Click);
    Image3 = new TImagem(this, QStringLiteral("Image3"), QRect(472, 297, 100, 63));
    Image3->DefinirMaozinha(true);
    Image3->setToolTip(QStringLiteral("Criar uma nova conta"));
    connect(Image3, &TImagem::Clique, this, &TFrLogin::Image3Click);

    Label5 = CriarRotulo(this, QStringLiteral("Label5"), QRect(499, 164, 49, 14), QStringLiteral("Sem Som"));
    Label5->setFont(FontePixels(QStringLiteral("Courier New"), 11));
    Label5->setStyleSheet(QStringLiteral("color: white;"));
    cbSemSom = new QCheckBox(this);
    cbSemSom->setObjectName(QStringLiteral("cbSemSom"));
    cbSemSom->setGeometry(554, 165, 14, 14);
    connect(cbSemSom, &QCheckBox::toggled, this, &TFrLogin::cbSemSomClick);

    lbRevisao = CriarRotulo(this, QStringLiteral("lbRevisao"), QRect(545, 62, 85, 13));
    lbRevisao->setFont(FontePixels(QStringLiteral("Tahoma"), 11));
    lbRevisao->setStyleSheet(QStringLiteral("color: white;"));

    ListaPaises = new QPlainTextEdit(this);
    ListaPaises->setObjectName(QStringLiteral("ListaPaises"));
    ListaPaises->setLineWrapMode(QPlainTextEdit::NoWrap);
    ListaPaises->setPlainText(ListaPaisesPadrao().join(QLatin1Char('\n')));
    ListaPaises->hide();
    memTokens = new QPlainTextEdit(this);
    memTokens->setObjectName(QStringLiteral("memTokens"));
    memTokens->setLineWrapMode(QPlainTextEdit::NoWrap);
    memTokens->hide();

    InfAti = new TTemporizador(this, QStringLiteral("InfAti"), 10000);
    InfAti->Tag = 10;
    connect(InfAti, &QTimer::timeout, this, &TFrLogin::InfAtiTimer);
    tmrConexao = new TTemporizador(this, QStringLiteral("tmrConexao"), 5000);
    connect(tmrConexao, &QTimer::timeout, this, &TFrLogin::tmrConexaoTimer);

    // FormCreate.
    InstalarTrataErro();
    Sessao.ModoAdmin = false;
    if (argumentos.size() < 2 || argumentos[1] != QLatin1String("_dqtekp")) {
        Dialogos().Informacao(QStringLiteral("Abra o jogo pelo atalho do Velmor"));
        PedirTermino();
    }
    if (QFile::exists(QStringLiteral("Versao.ADM")))
        Sessao.ModoAdmin = true;
    Sessao.SaidaSolicitada = false;
    Sessao.Moderador = false;
    Sessao.TokenSessao = QStringLiteral("0000");
    EstadoJogo.BencaoAres = false;
    Sessao.TipoUsuario = 0;
    Sessao.PaisLiderado = QStringLiteral("0");
    EstadoJogo.NumeroObjetivo = QStringLiteral("00");
    Sessao.MultiplicadorPontos = 1;
    setWindowTitle(QStringLiteral("Velmor v2.0"));
    EstadoJogo.Paises = CarregarPaises(ListaPaises->toPlainText().split(QLatin1Char('\n')));
    Sessao.HistoricoEnvio = QStringList(TamanhoHistorico);
    if (!HaSaidaDeAudio()) {
        cbSemSom->setChecked(true);
        cbSemSom->setEnabled(false);
    }
}

TFrLogin::~TFrLogin() = default;

void TFrLogin::showEvent(QShowEvent* evento)
{
    TFormulario::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TFrLogin::FormShow()
{
    Image1->Carregar(CaminhoImagem(QString::fromLatin1(Recursos::FundoLogin)));
    Status->setText(QStringLiteral("Aguardando Usuário..."));
    lbRevisao->setText(QStringLiteral("Revisão ") + DataCompilacao());
    QFile ini(QStringLiteral("Velmor.ini"));
    if (ini.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString conteudo = QString::fromUtf8(ini.readAll());
        if (!conteudo.isEmpty())
            LgUsuario->setText(conteudo.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r')));
    }
    Sessao.NoLobby = false;
    Sessao.NaPreparacao = false;
    Sessao.EmPartida = false;
    Sessao.Observador = false;
    EstadoJogo.JogoAtual.clear();
    EstadoJogo.MinhaCor = 0;
    LgSenha->setFocus();
    // The button pictures last: a missing one must not stop the window's set-up.
    Image2->Carregar(Recursos::Botao("TFrLogin", "Image2"));
    Image3->Carregar(Recursos::Botao("TFrLogin", "Image3"));
}

void TFrLogin::closeEvent(QCloseEvent* evento)
{
    DestruirConexao();
    evento->accept();
    PedirTermino();
}

void TFrLogin::Conectar(const QString& host, int porta)
{
    DestruirConexao();
    auto nova = std::make_unique<TConexaoJogo>(host, porta);
    nova->OnMensagem = [this](const QString& texto, const QByteArray& bruto) { MensagemRecebida(texto, bruto); };
    nova->OnDesconexao = [this](TConexaoJogo*) { ConexaoPerdida(); };
    FConexao = std::move(nova);
    InfAti->DefinirLigado(true);
}

void TFrLogin::DestruirConexao()
{
    // Take it out first: a message the old reader still delivers sees no connection.
    auto antiga = std::move(FConexao);
    antiga.reset();
}

void TFrLogin::Desconectar()
{
    if (!FConexao)
        return;
    FConexao->Encerrar();
    // Usually called while a message of this very connection is being handled: destroy it later.
    FConexao.release()->deleteLater();
}

void TFrLogin::EnviarTexto(const QString& texto)
{
    if (SaidaDeTeste)
        SaidaDeTeste(texto);
    else if (FConexao)
        FConexao->Enviar(texto);
}

void TFrLogin::Image2Click()
{
    const QString nick = LgUsuario->text();
    if (nick.size() < 3) {
        Status->setText(QStringLiteral("Erro: Nome do usuário deve ter mais de 3 caracteres"));
        return;
    }
    LgUsuario->setEnabled(false);
    Sessao.NovaTentativaLogin();
    Status->setText(QStringLiteral("Conectando com Login Server ..."));
    Status->repaint();
    TPedidoLogin::Iniciar(ServidorPadrao(), QStringLiteral("velmor/login?nick=") + CodificarURL(nick),
        [this](const QString& linha) { RespostaLogin(linha); });
}

void TFrLogin::RespostaLogin(const QString& linha)
{
    if (!linha.startsWith(QLatin1Char('{')))
        return;
    // A port that is not a number throws: the request ends silently.
    ConectarELogar(ServidorPadrao(), InteiroEstrito(linha.mid(1, 5)));
}

void TFrLogin::ConectarELogar(const QString& host, int porta)
{
    Status->setText(QStringLiteral("Conectando em ") + host + QLatin1Char('@') + QString::number(porta) + QLatin1Char('!'));
    Status->repaint();
    tmrConexao->DefinirLigado(true);
    Conectar(host, porta);
    Status->setText(QStringLiteral("Efetuando Login ..."));
    EnviarMensagem(QStringLiteral("SrvSel"), {QStringLiteral(".1")});
    EnviarMensagem(QStringLiteral("LogSer"),
        {LgUsuario->text(), LgSenha->text(), QStringLiteral("5.5"), QString(), QString(), QString()});
    Sessao.PortaJogo = QString::number(porta);
}

void TFrLogin::InfAtiTimer()
{
    if (!isVisible() && !Sessao.EmPartida) {
        EnviarMensagem(QStringLiteral("InfAti"), {Sessao.TokenSessao});
        ++InfAti->Tag;
    } else if (Sessao.EmPartida) {
        EnviarMensagem(QStringLiteral("SolRet"),
            {EstadoJogo.JogoAtual, QString::number(EstadoJogo.MinhaCor), NickProprio()});
        ++InfAti->Tag;
    }
}

void TFrLogin::tmrConexaoTimer()
{
    tmrConexao->DefinirLigado(false);
}

void TFrLogin::Image3Click()
{
    frNovaConta->show();
    QFile ini(QStringLiteral("Velmor.ini"));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ini.write((LgUsuario->text() + QStringLiteral("\r\n")).toUtf8());
}

void TFrLogin::cbSemSomClick()
{
    Sessao.SemSom = cbSemSom->isChecked();
}

void TFrLogin::MensagemRecebida(const QString& texto, const QByteArray& bruto)
{
    // One bad message must never end the session: log it and go on with the next.
    try {
        TratarMensagem(texto, bruto);
    } catch (const std::exception& e) {
        RegistrarLinha(QStringLiteral("Erros"),
            texto + QStringLiteral(" -> ") + NomeClasse(e) + QStringLiteral(": ") + MensagemDe(e) + TextoPilha(&e));
    } catch (...) {
        RegistrarLinha(QStringLiteral("Erros"), texto + QStringLiteral(" -> exceção desconhecida") + TextoPilha(nullptr));
    }
}

void TFrLogin::ConexaoPerdida()
{
    if (frNovaConta && frNovaConta->isVisible())
        return;
    Dialogos().Mensagem(QStringLiteral("Conexão com o server terminada!"));
    PedirTermino();
}
