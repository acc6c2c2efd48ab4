// The chat view: coloured words and small pictures, word-wrapped, scrolled, with word-wise selection.
#pragma once

#include "app/ListaImagens.h"

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <deque>
#include <vector>

class QPainter;
class QScrollBar;

enum class TEstiloFonte { Negrito = 1, Italico = 2, Sublinhado = 4 };
Q_DECLARE_FLAGS(TEstilosFonte, TEstiloFonte)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEstilosFonte)

/// One text style of the chat.
struct TEstiloChat {
    QString Fonte;         ///< face name; a face that is not installed falls back to a close one
    int Tamanho;           ///< points
    QColor Cor;            ///< invalid: the theme's window-text colour
    TEstilosFonte Estilo;
};

inline constexpr int NumeroEstilosChat = 10;

/// The fixed styles the lobby picks by number (1 nicks, 2 server name, 6 separator and others'
/// text, 7 private, 8 server notices, 9 own text).
extern const std::array<TEstiloChat, NumeroEstilosChat> EstilosChat;

/// A style number brought into the table (numbers come from the server).
int EstiloChatValido(int estilo);

/// One segment of a line: a text in a style, or a picture of a list (then `Texto` is empty).
struct TTrechoChat {
    QString Texto;
    int Estilo = 0;
    const TListaImagens* Imagens = nullptr; ///< set exactly for a picture segment; owned elsewhere
    int Indice = -1;
};

using TLinhaChat = std::vector<TTrechoChat>;

/// The key of word `palavra` of line `linha`; words past 99999 share the last key of their line,
/// so they never collide with the next line's keys.
qint64 ChaveChat(qint64 linha, qint64 palavra);

/// Where a piece was drawn, for the hit test.
struct TCaixaChat {
    QRect Retangulo;
    qint64 Chave;
};

/// One laid-out piece of a row: a word with its trailing blanks, or a picture.
struct TPeca {
    int X = 0;
    int Largura = 0;
    int Ascendente = 0;  ///< text ascent, or the picture height
    int Descendente = 0; ///< text descent, or 0 for a picture
    int Palavra = 0;     ///< word index within the line (see ChaveChat)
    const TListaImagens* Imagens = nullptr;
    int Indice = -1;
    int Estilo = 0;
    QString Texto;
};

/// One display row; its pieces share one baseline at `Topo` + `Ascendente`.
struct TFileira {
    int Topo = 0; ///< from the top of the line
    int Altura = 0;
    int Ascendente = 0;
    std::vector<TPeca> Pecas;
};

/// One line laid out for a right limit.
struct TDiagramaLinha {
    int Limite = -1; ///< the right limit it was laid out for; -1: not laid out
    int Altura = 0;  ///< sum of the rows, without the spacing between lines
    std::vector<TFileira> Fileiras;
};

/// Text measures per style; the view uses its fonts, tests a fixed-width fake.
class TMedidasChat {
public:
    virtual ~TMedidasChat() = default;
    virtual int Largura(int estilo, const QString& texto) const = 0;
    virtual int Ascendente(int estilo) const = 0;
    virtual int Descendente(int estilo) const = 0;
};

/// The words of a text: each run of non-blanks with the blanks after it; leading blanks form
/// a word of their own.
QStringList DividirPalavras(const QString& texto);

/// Lays out one line from `margemEsquerda`: a piece that would pass `limite` starts a new row,
/// unless it is the first of its row (a word wider than the area stands alone and is not broken).
TDiagramaLinha DiagramarLinha(const TLinhaChat& linha, int margemEsquerda, int limite,
    const TMedidasChat& medidas);

/// The key of the box nearest to `ponto` (vertical distance weighs first); -1 without boxes.
qint64 AcertarCaixa(const std::vector<TCaixaChat>& caixas, QPoint ponto);

/// The words of `linhas` whose keys lie between `inicio` and `fim` (either order), one text per
/// line joined with CR LF; pictures are skipped. Empty when `inicio` is -1.
QString TextoDasLinhas(const std::deque<TLinhaChat>& linhas, qint64 inicio, qint64 fim);

class TChatView : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaximoLinhas = 400;
    static constexpr int MargemEsquerda = 10;
    static constexpr int MargemDireita = 10;
    static constexpr int EspacoEntreLinhas = 2;
    static constexpr int PassoArrasto = 16;

    explicit TChatView(QWidget* pai = nullptr);
    ~TChatView() override;

    /// Appends a text segment to the last line (starting the first line when there is none).
    /// Does not repaint.
    void AdicionarTexto(const QString& texto, int estilo);
    /// Appends picture `indice` of `imagens` to the last line, or to a new line when `novaLinha`
    /// (dropping the oldest lines beyond the bound, which ends the selection). Does not repaint.
    void AdicionarImagem(const TListaImagens* imagens, int indice, bool novaLinha);
    /// Removes every line and the selection and goes back to the top.
    void Limpar();
    /// Scrolls to the end of the content and repaints.
    void RolarParaFim();
    /// The selected words, line by line joined with CR LF; empty without a selection.
    QString TextoSelecionado() const;

    /// The background picture, stretched over the text area; a null picture paints the window colour.
    void DefinirFundo(const QPixmap& figura);
    const QPixmap& Fundo() const { return FFundo; }

    const std::deque<TLinhaChat>& Linhas() const { return FLinhas; }
    int Topo() const { return FTopo; }
    int AlturaTotal() const { return FAlturaTotal; }
    bool BarraVisivel() const { return FBarraVisivel; }
    QScrollBar* Barra() const { return FBarra; }
    /// The hit boxes of the last paint (visible rows only).
    const std::vector<TCaixaChat>& Caixas() const { return FCaixas; }
    qint64 InicioSelecao() const { return FInicioSelecao; }
    qint64 FimSelecao() const { return FFimSelecao; }

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    /// The fonts of the style table, resolved once for this view.
    class TFontes final : public TMedidasChat {
    public:
        explicit TFontes(const QPaintDevice* dispositivo);
        int Largura(int estilo, const QString& texto) const override;
        int Ascendente(int estilo) const override;
        int Descendente(int estilo) const override;
        const QFont& Fonte(int estilo) const;

    private:
        std::vector<QFont> FFontes;
        std::vector<QFontMetrics> FMetricas;
    };

    /// The last two layouts of a line: the scroll bar's re-wrap measures at two widths in turn.
    struct TDiagramasGuardados {
        std::array<TDiagramaLinha, 2> Diagramas;
    };

    void AtualizarRolagem();
    void BarraMudou(int posicao);
    void LimparSelecao();
    void LinhaMudou();
    bool Selecionada(qint64 chave) const;
    int LimiteDireito() const;
    const TDiagramaLinha& Diagrama(size_t linha, int limite);
    qint64 Medir();
    void Desenhar(QPainter& pintor);
    void DesenharFileira(QPainter& pintor, const TFileira& fileira, size_t linha, int y);
    const QPixmap& FundoEsticado(QSize tamanho);

    TFontes FFontes;
    std::deque<TLinhaChat> FLinhas;
    std::deque<TDiagramasGuardados> FDiagramas; ///< parallel to FLinhas
    QPixmap FFundo;
    QPixmap FFundoEsticado;
    QScrollBar* FBarra;
    int FAlturaTotal = 0;
    int FTopo = 0;
    bool FBarraVisivel = false;
    bool FMedindo = false;
    std::vector<TCaixaChat> FCaixas;
    qint64 FInicioSelecao = -1;
    qint64 FFimSelecao = -1;
    bool FSelecionando = false;
    bool FArrastou = false;
};
