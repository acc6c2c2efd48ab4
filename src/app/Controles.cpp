// Thin controls shared by every window.
#include "app/Controles.h"

#include "app/Caminhos.h"
#include "app/Erros.h"

#include <QBitmap>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QValidator>

void RegistrarFontes()
{
    for (const char* arquivo : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QString::fromLatin1(arquivo)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(arquivo));
    const struct {
        const char* face;
        const char* substituta;
    } substituicoes[] = {
        {"Tahoma", "DejaVu Sans"},
        {"Verdana", "DejaVu Sans"},
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    const QStringList instaladas = QFontDatabase::families();
    for (const auto& s : substituicoes)
        if (!instaladas.contains(QString::fromLatin1(s.face)))
            QFont::insertSubstitution(QString::fromLatin1(s.face), QString::fromLatin1(s.substituta));
}

QColor CorBGR(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont FontePixels(const QString& familia, int pixels, bool negrito)
{
    QFont fonte(familia);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

QFont FontePontos(const QString& familia, int pontos, bool negrito)
{
    QFont fonte(familia);
    fonte.setPointSize(pontos);
    fonte.setBold(negrito);
    return fonte;
}

TFormulario::TFormulario(const QString& nomeClasse, const QString& titulo, int largura, int altura,
    Qt::WindowFlags botoes, TPosicao posicao, QWidget* pai)
    : QWidget(pai, Qt::Window | botoes)
    , FPosicao(posicao)
{
    setObjectName(nomeClasse);
    setWindowTitle(titulo);
    setFixedSize(largura, altura);
}

void TFormulario::showEvent(QShowEvent* evento)
{
    if (!FPosicionado && FPosicao != TPosicao::Livre) {
        FPosicionado = true;
        const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
        if (tela) {
            const QRect area = tela->availableGeometry();
            if (FPosicao == TPosicao::CentroDaTela)
                move(area.center() - QPoint(width() / 2, height() / 2));
            else
                move(area.topLeft());
        }
    }
    QWidget::showEvent(evento);
}

QPixmap CarregarFigura(const QString& caminho)
{
    static QHash<QString, QPixmap> cache;
    const auto achada = cache.constFind(caminho);
    if (achada != cache.constEnd())
        return *achada;
    QPixmap figura;
    if (!figura.load(CaminhoRecurso(caminho)))
        throw EErro(QStringLiteral("Não foi possível abrir a figura \"%1\"").arg(caminho));
    cache.insert(caminho, figura);
    return figura;
}

TImagem::TImagem(QWidget* pai, const QString& nome, QRect lugar)
    : QLabel(pai)
{
    setObjectName(nome);
    if (!lugar.isNull())
        setGeometry(lugar);
}

void TImagem::Carregar(const QString& caminho, bool transparente)
{
    QPixmap figura = CarregarFigura(caminho);
    if (transparente && !figura.isNull()) {
        const QImage imagem = figura.toImage();
        const QColor fundo = imagem.pixelColor(0, imagem.height() - 1);
        figura.setMask(figura.createMaskFromColor(fundo, Qt::MaskInColor));
    }
    FCaminho = caminho;
    setPixmap(figura);
}

void TImagem::DefinirFigura(const QPixmap& figura)
{
    FCaminho.clear();
    setPixmap(figura);
}

void TImagem::DefinirEsticar(bool esticar)
{
    setScaledContents(esticar);
}

void TImagem::DefinirMaozinha(bool mao)
{
    setCursor(mao ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TImagem::mousePressEvent(QMouseEvent* evento)
{
    FPressionado = evento->button() == Qt::LeftButton;
    QLabel::mousePressEvent(evento);
}

void TImagem::mouseReleaseEvent(QMouseEvent* evento)
{
    const bool clique = FPressionado && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    FPressionado = false;
    emit MouseSolto(evento->button(), evento->position().toPoint());
    if (clique)
        emit Clique();
}

void TImagem::mouseDoubleClickEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton)
        emit DuploClique();
}

TTemporizador::TTemporizador(QObject* pai, const QString& nome, int intervaloMs, bool ligado)
    : QTimer(pai)
{
    setObjectName(nome);
    setInterval(intervaloMs);
    if (ligado)
        start();
}

void TTemporizador::DefinirLigado(bool ligado)
{
    if (ligado)
        start();
    else
        stop();
}

namespace {

// Commas separate message fields: they never enter an edit, typed or pasted.
class TSemVirgula final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& posicao) const override
    {
        for (int i = texto.size() - 1; i >= 0; --i)
            if (texto[i] == QLatin1Char(',')) {
                texto.remove(i, 1);
                if (i < posicao)
                    --posicao;
            }
        return Acceptable;
    }
};

class TEstiloSenha final : public QProxyStyle {
public:
    int styleHint(StyleHint dica, const QStyleOption* opcao, const QWidget* controle, QStyleHintReturn* retorno) const override
    {
        if (dica == SH_LineEdit_PasswordCharacter)
            return '#';
        if (dica == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(dica, opcao, controle, retorno);
    }
};

} // namespace

TEdicao::TEdicao(QWidget* pai, const QString& nome, QRect lugar, int maximo)
    : QLineEdit(pai)
{
    setObjectName(nome);
    setGeometry(lugar);
    setMaxLength(maximo);
    setValidator(new TSemVirgula(this));
}

void TEdicao::MostrarComoSenha()
{
    auto* estilo = new TEstiloSenha;
    estilo->setParent(this);
    setStyle(estilo);
    setEchoMode(QLineEdit::Password);
}

QLabel* CriarRotulo(QWidget* pai, const QString& nome, QRect lugar, const QString& texto)
{
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setGeometry(lugar);
    return rotulo;
}
