// The chat view: layout of words and pictures, painting, scrolling and word-wise selection.
#include "lobby/ChatView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace {

const QColor CorDoTema; // invalid: the palette's text colour

constexpr qint64 PalavrasPorLinha = 100000;
// Far below int's limit, so sums of heights and the scroll range never overflow.
constexpr qint64 AlturaMaxima = std::numeric_limits<int>::max() / 4;

// Faces installed on our Linux machines that stand in for the Windows faces of the table.
const QHash<QString, QString> Substitutas = {
    {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
    {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")},
};

QFont FonteDoEstilo(const TEstiloChat& estilo)
{
    QFont fonte;
    fonte.setFamilies({estilo.Fonte, Substitutas.value(estilo.Fonte, estilo.Fonte)});
    fonte.setPointSize(estilo.Tamanho);
    fonte.setBold(estilo.Estilo.testFlag(TEstiloFonte::Negrito));
    fonte.setItalic(estilo.Estilo.testFlag(TEstiloFonte::Italico));
    fonte.setUnderline(estilo.Estilo.testFlag(TEstiloFonte::Sublinhado));
    return fonte;
}

bool EhBranco(QChar c)
{
    return c == QLatin1Char(' ');
}

// Blanks and control characters, as the copy trims them.
bool EhAparavel(QChar c)
{
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control;
}

QString Aparar(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && EhAparavel(texto[inicio]))
        ++inicio;
    while (fim > inicio && EhAparavel(texto[fim - 1]))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

} // namespace

const std::array<TEstiloChat, NumeroEstilosChat> EstilosChat = {{
    {QStringLiteral("Arial"), 10, CorDoTema, {}},
    {QStringLiteral("Verdana"), 10, QColor(128, 0, 128), TEstiloFonte::Negrito},
    {QStringLiteral("Verdana"), 10, QColor(0, 0, 0), TEstiloFonte::Negrito},
    {QStringLiteral("Arial"), 10, QColor(128, 0, 0), TEstiloFonte::Italico},
    {QStringLiteral("Arial"), 10, QColor(0, 128, 0), TEstiloFonte::Sublinhado},
    {QStringLiteral("Arial"), 10, QColor(0, 128, 0), TEstiloFonte::Sublinhado},
    {QStringLiteral("Verdana"), 10, CorDoTema, {}},
    {QStringLiteral("Verdana"), 10, QColor(0, 128, 0), {}},
    {QStringLiteral("Verdana"), 10, QColor(255, 0, 0), {}},
    {QStringLiteral("Verdana"), 10, QColor(0, 0, 255), {}},
}};

int EstiloChatValido(int estilo)
{
    return std::clamp(estilo, 0, NumeroEstilosChat - 1);
}

qint64 ChaveChat(qint64 linha, qint64 palavra)
{
    return linha * PalavrasPorLinha + std::min(palavra, PalavrasPorLinha - 1);
}

QStringList DividirPalavras(const QString& texto)
{
    QStringList palavras;
    const qsizetype n = texto.size();
    qsizetype i = 0;
    while (i < n && EhBranco(texto[i]))
        ++i;
    if (i > 0)
        palavras << texto.left(i);
    while (i < n) {
        const qsizetype inicio = i;
        while (i < n && !EhBranco(texto[i]))
            ++i;
        while (i < n && EhBranco(texto[i]))
            ++i;
        palavras << texto.mid(inicio, i - inicio);
    }
    return palavras;
}

TDiagramaLinha DiagramarLinha(const TLinhaChat& linha, int margemEsquerda, int limite,
    const TMedidasChat& medidas)
{
    TDiagramaLinha diagrama;
    diagrama.Limite = limite;
    TFileira fileira;
    int x = margemEsquerda;
    int palavra = 0;

    const auto fecharFileira = [&] {
        if (fileira.Pecas.empty())
            return;
        int ascendente = 0;
        int descendente = 0;
        for (const TPeca& peca : fileira.Pecas) {
            ascendente = std::max(ascendente, peca.Ascendente);
            descendente = std::max(descendente, peca.Descendente);
        }
        fileira.Topo = diagrama.Altura;
        fileira.Ascendente = ascendente;
        fileira.Altura = ascendente + descendente;
        diagrama.Altura += fileira.Altura;
        diagrama.Fileiras.push_back(std::move(fileira));
        fileira = {};
    };
    const auto colocar = [&](TPeca peca) {
        if (x + peca.Largura > limite && x > margemEsquerda) {
            fecharFileira();
            x = margemEsquerda;
        }
        peca.X = x;
        peca.Palavra = palavra++;
        x += peca.Largura;
        fileira.Pecas.push_back(std::move(peca));
    };

    for (const TTrechoChat& trecho : linha) {
        if (trecho.Imagens) {
            colocar({.Largura = trecho.Imagens->Largura(),
                .Ascendente = trecho.Imagens->Altura(),
                .Imagens = trecho.Imagens,
                .Indice = trecho.Indice});
            continue;
        }
        const int ascendente = medidas.Ascendente(trecho.Estilo);
        const int descendente = medidas.Descendente(trecho.Estilo);
        for (const QString& texto : DividirPalavras(trecho.Texto))
            colocar({.Largura = medidas.Largura(trecho.Estilo, texto),
                .Ascendente = ascendente,
                .Descendente = descendente,
                .Estilo = trecho.Estilo,
                .Texto = texto});
    }
    fecharFileira();
    return diagrama;
}

qint64 AcertarCaixa(const std::vector<TCaixaChat>& caixas, QPoint ponto)
{
    // Distance from a coordinate to the half-open span [inicio, fim).
    const auto distancia = [](qint64 v, qint64 inicio, qint64 fim) -> qint64 {
        if (v < inicio)
            return inicio - v;
        if (v >= fim)
            return v - fim + 1;
        return 0;
    };
    qint64 chave = -1;
    qint64 melhor = std::numeric_limits<qint64>::max();
    for (const TCaixaChat& caixa : caixas) {
        const QRect& r = caixa.Retangulo;
        const qint64 custo = distancia(ponto.y(), r.top(), qint64(r.top()) + r.height()) * PalavrasPorLinha
            + distancia(ponto.x(), r.left(), qint64(r.left()) + r.width());
        if (custo < melhor) {
            melhor = custo;
            chave = caixa.Chave;
        }
    }
    return chave;
}

QString TextoDasLinhas(const std::deque<TLinhaChat>& linhas, qint64 inicio, qint64 fim)
{
    if (inicio == -1)
        return {};
    const qint64 menor = std::min(inicio, fim);
    const qint64 maior = std::max(inicio, fim);
    QString resultado;
    for (size_t i = 0; i < linhas.size(); ++i) {
        if (ChaveChat(qint64(i), 0) > maior)
            break;
        if (ChaveChat(qint64(i), PalavrasPorLinha) < menor)
            continue;
        qint64 palavra = 0;
        QString selecionado;
        for (const TTrechoChat& trecho : linhas[i]) {
            if (trecho.Imagens) {
                ++palavra;
                continue;
            }
            for (const QString& texto : DividirPalavras(trecho.Texto)) {
                const qint64 chave = ChaveChat(qint64(i), palavra++);
                if (chave >= menor && chave <= maior)
                    selecionado += texto;
            }
        }
        // The wire's undefined byte 0x81 arrives as U+0081 and is noise in a copy.
        selecionado.remove(QChar(0x81));
        selecionado = Aparar(selecionado);
        if (selecionado.isEmpty())
            continue;
        if (!resultado.isEmpty())
            resultado += QLatin1String("\r\n");
        resultado += selecionado;
    }
    return resultado;
}

// ---------------------------------------------------------------------------------------------

TChatView::TFontes::TFontes(const QPaintDevice* dispositivo)
{
    for (const TEstiloChat& estilo : EstilosChat) {
        FFontes.push_back(FonteDoEstilo(estilo));
        FMetricas.emplace_back(FFontes.back(), dispositivo);
    }
}

int TChatView::TFontes::Largura(int estilo, const QString& texto) const
{
    return FMetricas[size_t(EstiloChatValido(estilo))].horizontalAdvance(texto);
}

int TChatView::TFontes::Ascendente(int estilo) const
{
    return FMetricas[size_t(EstiloChatValido(estilo))].ascent();
}

int TChatView::TFontes::Descendente(int estilo) const
{
    return FMetricas[size_t(EstiloChatValido(estilo))].descent();
}

const QFont& TChatView::TFontes::Fonte(int estilo) const
{
    return FFontes[size_t(EstiloChatValido(estilo))];
}

TChatView::TChatView(QWidget* pai)
    : QWidget(pai)
    , FFontes(this)
    , FBarra(new QScrollBar(Qt::Vertical, this))
{
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    // Every pixel is painted (background, then rows), so nothing needs erasing first; Qt's
    // backing store already double-buffers the paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FBarra->setObjectName(QStringLiteral("Barra"));
    FBarra->setGeometry(width() - FBarra->sizeHint().width(), 0, FBarra->sizeHint().width(), height());
    FBarra->hide();
    connect(FBarra, &QScrollBar::valueChanged, this, &TChatView::BarraMudou);
}

TChatView::~TChatView() = default;

void TChatView::AdicionarTexto(const QString& texto, int estilo)
{
    if (FLinhas.empty()) {
        FLinhas.emplace_back();
        FDiagramas.emplace_back();
    }
    FLinhas.back().push_back({texto, EstiloChatValido(estilo), nullptr, -1});
    LinhaMudou();
}

void TChatView::AdicionarImagem(const TListaImagens* imagens, int indice, bool novaLinha)
{
    if (novaLinha || FLinhas.empty()) {
        if (FLinhas.size() >= size_t(MaximoLinhas)) {
            const size_t excesso = FLinhas.size() - size_t(MaximoLinhas - 1);
            FLinhas.erase(FLinhas.begin(), FLinhas.begin() + qsizetype(excesso));
            FDiagramas.erase(FDiagramas.begin(), FDiagramas.begin() + qsizetype(excesso));
            // Keys count lines from the oldest, so every key has just moved.
            LimparSelecao();
        }
        FLinhas.emplace_back();
        FDiagramas.emplace_back();
    }
    FLinhas.back().push_back({QString(), 0, imagens, indice});
    LinhaMudou();
}

void TChatView::Limpar()
{
    FLinhas.clear();
    FDiagramas.clear();
    FTopo = 0;
    LimparSelecao();
    AtualizarRolagem();
    update();
}

void TChatView::RolarParaFim()
{
    FTopo = std::numeric_limits<int>::max();
    AtualizarRolagem();
    update();
}

QString TChatView::TextoSelecionado() const
{
    return TextoDasLinhas(FLinhas, FInicioSelecao, FFimSelecao);
}

void TChatView::DefinirFundo(const QPixmap& figura)
{
    FFundo = figura;
    FFundoEsticado = QPixmap();
    update();
}

void TChatView::LimparSelecao()
{
    FInicioSelecao = -1;
    FFimSelecao = -1;
}

void TChatView::LinhaMudou()
{
    FDiagramas.back() = {};
}

bool TChatView::Selecionada(qint64 chave) const
{
    return FInicioSelecao != -1 && chave >= std::min(FInicioSelecao, FFimSelecao)
        && chave <= std::max(FInicioSelecao, FFimSelecao);
}

int TChatView::LimiteDireito() const
{
    return width() - (FBarraVisivel ? FBarra->width() : 0) - MargemDireita;
}

const TDiagramaLinha& TChatView::Diagrama(size_t linha, int limite)
{
    auto& [recente, anterior] = FDiagramas[linha].Diagramas;
    if (recente.Limite != limite) {
        std::swap(recente, anterior);
        if (recente.Limite != limite)
            recente = DiagramarLinha(FLinhas[linha], MargemEsquerda, limite, FFontes);
    }
    return recente;
}

qint64 TChatView::Medir()
{
    const int limite = LimiteDireito();
    qint64 altura = EspacoEntreLinhas;
    for (size_t i = 0; i < FLinhas.size(); ++i)
        altura += Diagrama(i, limite).Altura + EspacoEntreLinhas;
    return std::min(altura, AlturaMaxima);
}

void TChatView::AtualizarRolagem()
{
    if (FMedindo)
        return;
    FMedindo = true;
    const auto fim = qScopeGuard([this] { FMedindo = false; });

    FBarraVisivel = false;
    FAlturaTotal = int(Medir());
    if (height() < FAlturaTotal) {
        FBarraVisivel = true;
        FAlturaTotal = int(Medir());
    }
    if (FBarra->isHidden() == FBarraVisivel)
        FBarra->setVisible(FBarraVisivel);

    const int altura = std::max(1, height());
    const int maximo = std::max(0, FAlturaTotal - height());
    FBarra->setRange(0, maximo);
    // Qt's page step is both the slider's page and the trough click's step; keep 20 pixels of
    // context on a trough click.
    FBarra->setPageStep(std::max(1, altura - 20));
    FBarra->setSingleStep(16);
    FTopo = std::clamp(FTopo, 0, maximo);
    FBarra->setValue(FTopo);
}

void TChatView::BarraMudou(int posicao)
{
    if (FMedindo)
        return;
    FTopo = posicao;
    update();
}

void TChatView::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    const int largura = FBarra->sizeHint().width();
    FBarra->setGeometry(width() - largura, 0, largura, height());
    AtualizarRolagem();
}

void TChatView::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(evento);
        return;
    }
    FInicioSelecao = FFimSelecao = AcertarCaixa(FCaixas, evento->position().toPoint());
    FSelecionando = FInicioSelecao != -1;
    FArrastou = false;
    update();
}

void TChatView::mouseMoveEvent(QMouseEvent* evento)
{
    if (!FSelecionando)
        return;
    const QPoint ponto = evento->position().toPoint();
    if (FBarraVisivel && ponto.y() < 0)
        FBarra->setValue(std::max(0, FBarra->value() - PassoArrasto));
    else if (FBarraVisivel && ponto.y() > height())
        FBarra->setValue(std::min(FBarra->maximum(), FBarra->value() + PassoArrasto));
    const qint64 chave = AcertarCaixa(FCaixas, {ponto.x(), std::clamp(ponto.y(), 0, std::max(0, height() - 1))});
    if (chave != -1 && chave != FFimSelecao) {
        FFimSelecao = chave;
        FArrastou = true;
        update();
    }
}

void TChatView::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton || !FSelecionando) {
        QWidget::mouseReleaseEvent(evento);
        return;
    }
    FSelecionando = false;
    if (!FArrastou && FInicioSelecao == FFimSelecao) {
        LimparSelecao();
        update();
        return;
    }
    const QString texto = TextoSelecionado();
    if (!texto.isEmpty())
        QGuiApplication::clipboard()->setText(texto);
}

void TChatView::wheelEvent(QWheelEvent* evento)
{
    const int passo = evento->angleDelta().y() / 2;
    FBarra->setValue(std::min(std::max(0, FBarra->maximum()), std::max(0, FBarra->value() - passo)));
    evento->accept();
}

const QPixmap& TChatView::FundoEsticado(QSize tamanho)
{
    if (FFundoEsticado.size() != tamanho)
        FFundoEsticado = FFundo.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return FFundoEsticado;
}

void TChatView::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    const int largura = width() - (FBarraVisivel ? FBarra->width() : 0);
    if (!FFundo.isNull())
        pintor.drawPixmap(0, 0, FundoEsticado({largura, height()}));
    else
        pintor.fillRect(rect(), palette().base());
    Desenhar(pintor);
}

void TChatView::Desenhar(QPainter& pintor)
{
    FCaixas.clear();
    const int limite = LimiteDireito();
    qint64 y = EspacoEntreLinhas - qint64(FTopo);
    for (size_t i = 0; i < FLinhas.size() && y < height(); ++i) {
        const TDiagramaLinha& diagrama = Diagrama(i, limite);
        if (y + diagrama.Altura >= 0) {
            for (const TFileira& fileira : diagrama.Fileiras) {
                const qint64 topo = y + fileira.Topo;
                if (topo + fileira.Altura >= 0 && topo < height())
                    DesenharFileira(pintor, fileira, i, int(topo));
            }
        }
        y += diagrama.Altura + EspacoEntreLinhas;
    }
}

void TChatView::DesenharFileira(QPainter& pintor, const TFileira& fileira, size_t linha, int y)
{
    const QColor realce = palette().color(QPalette::Highlight);
    const QColor textoRealcado = palette().color(QPalette::HighlightedText);
    const QColor textoDoTema = palette().color(QPalette::Text);
    const int linhaDeBase = y + fileira.Ascendente;
    int estiloAtual = -1;
    for (const TPeca& peca : fileira.Pecas) {
        const qint64 chave = ChaveChat(qint64(linha), peca.Palavra);
        const QRect caixa(peca.X, y, peca.Largura, fileira.Altura);
        FCaixas.push_back({caixa, chave});
        const bool selecionada = Selecionada(chave);
        if (selecionada)
            pintor.fillRect(caixa, realce);
        if (peca.Imagens) {
            peca.Imagens->Desenhar(pintor, peca.X, linhaDeBase - peca.Ascendente, peca.Indice);
            continue;
        }
        if (peca.Estilo != estiloAtual) {
            estiloAtual = peca.Estilo;
            pintor.setFont(FFontes.Fonte(peca.Estilo));
        }
        const QColor& cor = EstilosChat[size_t(EstiloChatValido(peca.Estilo))].Cor;
        pintor.setPen(selecionada ? textoRealcado : cor.isValid() ? cor : textoDoTema);
        pintor.drawText(peca.X, linhaDeBase, peca.Texto);
    }
}
