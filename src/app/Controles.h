// Thin controls shared by every window: forms, pictures, timers, edits, colours and fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

/// Makes the window faces available: Tahoma from the system's font files when present, and the
/// closest installed faces for the others.
void RegistrarFontes();

/// A colour written $BBGGRR.
QColor CorBGR(quint32 bgr);

/// A font of the given face, size in pixels and weight.
QFont FontePixels(const QString& familia, int pixels, bool negrito = false);

/// A font of the given face and size in points.
QFont FontePontos(const QString& familia, int pontos, bool negrito = false);

/// How a window places itself when first shown.
enum class TPosicao { CentroDaTela, CantoSuperiorEsquerdo, Livre };

/// A top-level window with a fixed client size.
class TFormulario : public QWidget {
    Q_OBJECT
public:
    TFormulario(const QString& nomeClasse, const QString& titulo, int largura, int altura,
        Qt::WindowFlags botoes, TPosicao posicao = TPosicao::CentroDaTela, QWidget* pai = nullptr);
    int Tag = 0;
    /// The client area's size (the window's size, unless a menu sits above the client area).
    virtual QSize AreaCliente() const { return size(); }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    TPosicao FPosicao;
    bool FPosicionado = false;
};

/// Window-button sets of the forms.
namespace Botoes {
inline constexpr Qt::WindowFlags Nenhum = Qt::WindowTitleHint | Qt::CustomizeWindowHint;
inline constexpr Qt::WindowFlags Minimizar = Nenhum | Qt::WindowMinimizeButtonHint;
inline constexpr Qt::WindowFlags Fechar = Nenhum | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags MinimizarFechar = Minimizar | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags SistemaMinimizar = MinimizarFechar | Qt::WindowSystemMenuHint;
} // namespace Botoes

/// Loads a picture named the Windows way ("Imagens\x.bmp"); throws EErro when it cannot be read.
/// Pictures are cached once loaded.
QPixmap CarregarFigura(const QString& caminho);

/// A picture control: a picture by name, optionally stretched, with Tag and click signals.
class TImagem : public QLabel {
    Q_OBJECT
public:
    explicit TImagem(QWidget* pai, const QString& nome = {}, QRect lugar = {});
    int Tag = 0;
    /// Loads the picture (throws when missing). With `transparente` the bottom-left pixel's colour
    /// becomes transparent.
    void Carregar(const QString& caminho, bool transparente = false);
    void DefinirFigura(const QPixmap& figura);
    void DefinirEsticar(bool esticar);
    void DefinirMaozinha(bool mao);
    QString Caminho() const { return FCaminho; }

signals:
    void Clique();
    void DuploClique();
    void MouseSolto(Qt::MouseButton botao, QPoint ponto);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    QString FCaminho;
    bool FPressionado = false;
};

/// A timer whose Enabled switch restarts it, with a Tag.
class TTemporizador : public QTimer {
    Q_OBJECT
public:
    TTemporizador(QObject* pai, const QString& nome, int intervaloMs, bool ligado = false);
    int Tag = 0;
    void DefinirLigado(bool ligado);
    bool Ligado() const { return isActive(); }
};

/// A one-line edit: commas never enter it, and a password can be shown as "#".
class TEdicao : public QLineEdit {
    Q_OBJECT
public:
    TEdicao(QWidget* pai, const QString& nome, QRect lugar, int maximo);
    /// Every character is drawn as "#".
    void MostrarComoSenha();
};

/// A label at its place with its text.
QLabel* CriarRotulo(QWidget* pai, const QString& nome, QRect lugar, const QString& texto = {});
