// The lobby window: public and private chat, players, games, the toolbar and the staff menu.
#include "lobby/ChatMetal.h"

#include "app/Caminhos.h"
#include "app/Envio.h"
#include "app/Janelas.h"
#include "app/Navegador.h"
#include "app/Recursos.h"
#include "app/Sessao.h"
#include "app/Texto.h"
#include "community/Amigos.h"
#include "community/Lideres.h"
#include "community/Login.h"
#include "community/Missao.h"
#include "community/Perfil.h"
#include "community/Printar.h"
#include "community/Ranking.h"
#include "game/EstadoJogo.h"
#include "lobby/ChatView.h"
#include "lobby/ComandosModeracao.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int NumeroEmotes = 41;
constexpr int SemInsignia = 61;

/// ":" + three digits, the chat code of emote n.
QString CodigoEmote(int n)
{
    return QLatin1Char(':') + FormatarDigitos(n, 3);
}

/// The key of a games-list entry: characters 3..22, the game name.
QString ChaveJogo(const QString& entrada)
{
    return entrada.mid(2, 20);
}

QPixmap FiguraOuVazia(const QString& caminho)
{
    QPixmap figura;
    figura.load(CaminhoRecurso(caminho));
    return figura;
}

// Draws a games-list entry: count, soldier, status picture, name.
class TDesenhoJogos final : public QStyledItemDelegate {
public:
    TDesenhoJogos(const TListaImagens& soldado, const TListaImagens& estados, QObject* pai)
        : QStyledItemDelegate(pai)
        , FSoldado(soldado)
        , FEstados(estados)
    {
    }
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        const QString entrada = indice.data().toString();
        const QRect r = opcao.rect;
        const bool selecionado = opcao.state & QStyle::State_Selected;
        pintor->save();
        pintor->fillRect(r, selecionado ? opcao.palette.highlight() : QBrush(Qt::black));
        pintor->setPen(selecionado ? opcao.palette.highlightedText().color() : QColor(Qt::white));
        pintor->setFont(opcao.font);
        const int alturaTexto = opcao.fontMetrics.height();
        pintor->drawText(QRect(r.left(), r.top(), 7, alturaTexto), Qt::AlignLeft | Qt::AlignTop, entrada.left(1));
        FSoldado.Desenhar(*pintor, r.left() + 7, r.top(), 0);
        const QChar estado = entrada.size() > 1 ? entrada[1] : QChar();
        FEstados.Desenhar(*pintor, r.left() + 28, r.top(), estado.isDigit() && estado.unicode() <= '9' ? estado.digitValue() : 0);
        pintor->drawText(QRect(r.left() + 65, r.top() + 4, r.width() - 65, alturaTexto), Qt::AlignLeft | Qt::AlignTop,
            ChaveJogo(entrada));
        pintor->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex&) const override
    {
        return {opcao.rect.width(), 28};
    }

private:
    const TListaImagens& FSoldado;
    const TListaImagens& FEstados;
};

// Draws an emote of the picker: only its picture.
class TDesenhoEmotes final : public QStyledItemDelegate {
public:
    TDesenhoEmotes(const TListaImagens& emotes, QObject* pai)
        : QStyledItemDelegate(pai)
        , FEmotes(emotes)
    {
    }
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        pintor->fillRect(opcao.rect, opcao.state & QStyle::State_Selected ? opcao.palette.highlight() : opcao.palette.base());
        if (indice.row() < FEmotes.Contagem())
            FEmotes.Desenhar(*pintor, opcao.rect.left() + 2, opcao.rect.top() + 1, indice.row());
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {FEmotes.Largura() + 4, FEmotes.Altura() + 2};
    }

private:
    const TListaImagens& FEmotes;
};

const char* const NomesJogos[] = {
    "Africa", "Alaska", "Alemanha", "Aral", "Argélia", "Argentina", "Austrália", "Borneo", "Brasil", "Califórnia",
    "Chile", "China", "Colômbia", "Congo", "Dudinka", "Egito", "Índia", "Inglaterra", "Islândia", "Japão", "Labrador",
    "Mackenzie", "Madagascar", "México", "Mongólia", "Moscou", "Nova Ghiné", "Nova York", "Omsk", "Ottawa", "Polônia",
    "Portugal", "Sibéria", "Sudão", "Suécia", "Sumatra", "Tchita", "Vancouver", "Vietnã",
};

QFont Verdana(int pontos, bool negrito = false)
{
    return FontePontos(QStringLiteral("Verdana"), pontos, negrito);
}

} // namespace

TFrChat::TFrChat()
    : TFormulario(QStringLiteral("TFrChat"), QStringLiteral("Ziderad Ovarize"), 1010, 702, Botoes::Minimizar)
{
    setFont(FontePontos(QStringLiteral("Tahoma"), 8));
    auto* disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(0);
    Painel = new QWidget(this);
    Painel->setObjectName(QStringLiteral("Painel"));
    Painel->setFixedSize(1010, 702);
    Painel->setAutoFillBackground(true);
    QPalette cores = Painel->palette();
    cores.setColor(QPalette::Window, QColor(0xA0, 0xA0, 0xA0)); // the system's button-shadow grey
    Painel->setPalette(cores);
    disposicao->addWidget(Painel);
    CarregarListas();

    Image2 = new TImagem(Painel, QStringLiteral("Image2"), QRect(0, 0, 1009, 697));
    Image2->DefinirEsticar(true);

    const struct {
        const char* nome;
        QRect lugar;
        const char* dica;
        void (TFrChat::*clique)();
    } botoes[] = {
        {"Image16", {12, 10, 77, 47}, "Ranking Duelos", nullptr},
        {"Image15", {93, 10, 77, 47}, "Tutorial do Jogo", nullptr},
        {"Image14", {174, 11, 77, 47}, "Atualize/Acesse o seu perfil no Velmor", nullptr},
        {"Image7", {255, 11, 77, 47}, "Receber ou Concluir suas missões", nullptr},
        {"Image4", {337, 11, 77, 47}, "Ranking", &TFrChat::Image4Click},
        {"Image6", {417, 11, 77, 47}, "Patentes Velmor", nullptr},
        {"Image5", {499, 11, 77, 47}, "Lideres Mundiais", nullptr},
        {"Image13", {580, 11, 77, 47}, "Site Oficial do Velmor", nullptr},
        {"Image9", {660, 11, 77, 47}, "Forum Velmor", nullptr},
        {"Image11", {742, 11, 77, 47}, "Regras", nullptr},
        {"Image10", {822, 10, 77, 47}, "Sair", &TFrChat::Image10Click},
        {"Image17", {545, 59, 32, 30}, "Print Screen", nullptr},
        {"imChamaStaff", {973, 71, 25, 25}, "Solicita ajuda a Staff", &TFrChat::imChamaStaffClick},
        {"Image12", {679, 644, 76, 47}, "Criar Jogo", &TFrChat::CriarJogo},
        {"Image1", {760, 644, 76, 47}, "Entrar no Jogo", &TFrChat::EntrarJogo},
        {"Image3", {840, 644, 77, 47}, "Reentrar no Jogo", &TFrChat::ReentrarJogo},
        {"Image8", {918, 644, 81, 46}, "Assistir ao Jogo", &TFrChat::AssistirJogo},
    };
    for (const auto& b : botoes) {
        auto* botao = new TImagem(Painel, QString::fromLatin1(b.nome), b.lugar);
        botao->setToolTip(QString::fromUtf8(b.dica));
        botao->DefinirMaozinha(true);
        botao->DefinirFigura(FiguraOuVazia(Recursos::Botao("TFrChat", b.nome)));
        if (b.clique)
            connect(botao, &TImagem::Clique, this, b.clique);
        Botoes[QString::fromLatin1(b.nome)] = botao;
    }
    // The toolbar buttons that open another window or a page.
    const std::pair<const char*, std::function<void()>> janelas[] = {
        {"Image16", [] { FrRanking2->show(); }},
        {"Image15", [this] { AbrirPagina(QStringLiteral("/janela/tutorial")); }},
        {"Image14", [] { frPerfil->show(); }},
        {"Image7", [] { frMissao->show(); }},
        {"Image6", [this] { AbrirPagina(QStringLiteral("/janela/patentes")); }},
        {"Image5", [] { frLiderEntrada->show(); }},
        {"Image13", [] { frAmigos->show(); }},
        {"Image9", [this] { AbrirPagina(QStringLiteral("/forum")); }},
        {"Image11", [this] { AbrirPagina(QStringLiteral("/janela/regras")); }},
        {"Image17", [] { FrPrintar->show(); }},
    };
    for (const auto& [nome, acao] : janelas)
        connect(Botoes[QString::fromLatin1(nome)], &TImagem::Clique, this, acao);
    Image1 = Botoes[QStringLiteral("Image1")];
    Image3 = Botoes[QStringLiteral("Image3")];
    Image8 = Botoes[QStringLiteral("Image8")];
    Image12 = Botoes[QStringLiteral("Image12")];

    cbRolagem = new QCheckBox(QStringLiteral("Pausar Chat"), Painel);
    cbRolagem->setObjectName(QStringLiteral("cbRolagem"));
    cbRolagem->setGeometry(580, 67, 81, 17);
    cbRolagem->setFont(FontePontos(QStringLiteral("Tahoma"), 8));
    cbRolagem->setStyleSheet(QStringLiteral("QCheckBox { color: yellow; background: black; }"));

    lbBemVindo = CriarRotulo(Painel, QStringLiteral("lbBemVindo"), QRect(13, 69, 458, 14));
    lbBemVindo->setFont(Verdana(8));
    lbBemVindo->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));

    auto* richChat = new QWidget(Painel);
    richChat->setObjectName(QStringLiteral("RichChat"));
    richChat->setGeometry(13, 86, 645, 495);
    Chat = new TChatView(richChat);
    Chat->setObjectName(QStringLiteral("Chat"));
    Chat->setGeometry(0, 0, 645, 495);
    const QPixmap fundoChat = FiguraOuVazia(Recursos::Botao("TFrChat", "RichChatFundo"));
    if (!fundoChat.isNull())
        Chat->DefinirFundo(fundoChat);

    const struct {
        const char* nome;
        int x;
        const char* titulo;
    } titulos[] = {{"Label6", 700, "Insignia"}, {"Label4", 775, "Apelido"}, {"Label2", 872, "Pontos"}, {"Label3", 930, "Rank"}};
    for (const auto& t : titulos) {
        QLabel* titulo = CriarRotulo(Painel, QString::fromLatin1(t.nome), QRect(t.x, 86, 70, 15), QString::fromLatin1(t.titulo));
        titulo->setFont(Verdana(9));
        titulo->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    }

    JogChat = new QTreeWidget(Painel);
    JogChat->setObjectName(QStringLiteral("JogChat"));
    JogChat->setGeometry(676, 101, 328, 290);
    JogChat->setColumnCount(4);
    JogChat->setHeaderHidden(true);
    JogChat->setRootIsDecorated(false);
    JogChat->setIndentation(0);
    JogChat->setEditTriggers(QAbstractItemView::NoEditTriggers);
    JogChat->setIconSize(QSize(ImStatus.Largura() + Pequenas.Largura(), Pequenas.Altura()));
    JogChat->setColumnWidth(0, 180);
    JogChat->setColumnWidth(1, 55);
    JogChat->setColumnWidth(2, 42);
    JogChat->setColumnWidth(3, 25);
    JogChat->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    JogChat->setFont(Verdana(8));
    JogChat->setStyleSheet(QStringLiteral("QTreeWidget { background: black; color: white; border: none; }"));
    connect(JogChat, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { JogChatDblClick(item); });

    Status = CriarRotulo(Painel, QStringLiteral("Status"), QRect(784, 427, 217, 16));
    Status->setAlignment(Qt::AlignCenter);
    Status->setFont(FontePontos(QStringLiteral("Arial"), 8));
    Status->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    ListaJogos = new QListWidget(Painel);
    ListaJogos->setObjectName(QStringLiteral("ListaJogos"));
    ListaJogos->setGeometry(680, 444, 317, 163);
    ListaJogos->setFrameShape(QFrame::NoFrame);
    ListaJogos->setFont(Verdana(8));
    ListaJogos->setUniformItemSizes(true);
    ListaJogos->setStyleSheet(QStringLiteral("QListWidget { background: black; color: white; }"));
    ListaJogos->setItemDelegate(new TDesenhoJogos(imlSoldier, imlStatus, ListaJogos));
    connect(ListaJogos, &QListWidget::itemDoubleClicked, this, &TFrChat::ListaJogosDblClick);

    Edit1 = new QLineEdit(Painel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 581, 387, 22);
    Edit1->setMaxLength(100);
    Edit1->setFont(Verdana(9));
    Edit1->setStyleSheet(QStringLiteral("background: white; color: black;"));
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& texto) {
        if (MinusculasApenas && texto != texto.toLower()) {
            const int posicao = Edit1->cursorPosition();
            Edit1->setText(texto.toLower());
            Edit1->setCursorPosition(posicao);
        }
    });
    connect(Edit1, &QLineEdit::returnPressed, this, &TFrChat::Edit1Enter);

    cbEmote = new QComboBox(Painel);
    cbEmote->setObjectName(QStringLiteral("cbEmote"));
    cbEmote->setGeometry(400, 577, 46, 25);
    cbEmote->setMaxVisibleItems(8);
    cbEmote->setItemDelegate(new TDesenhoEmotes(imEmotes, cbEmote));
    for (int n = 0; n < NumeroEmotes; ++n)
        cbEmote->addItem(CodigoEmote(n));
    cbEmote->setCurrentIndex(-1);
    cbEmote->view()->setMinimumWidth(imEmotes.Largura() + 24);
    connect(cbEmote, &QComboBox::activated, this, &TFrChat::cbEmoteSelect);

    QLabel* privativo = CriarRotulo(Painel, QStringLiteral("Label1"), QRect(450, 585, 55, 15), QStringLiteral("Privativo"));
    privativo->setFont(Verdana(9));
    privativo->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    Edit2 = new TEdicao(Painel, QStringLiteral("Edit2"), QRect(506, 583, 153, 18), 18);
    Edit2->setFont(Verdana(9));
    Edit2->setStyleSheet(QStringLiteral("background: white; color: black;"));
    Edit2->installEventFilter(this);

    NomeJogo = new QComboBox(Painel);
    NomeJogo->setObjectName(QStringLiteral("NomeJogo"));
    NomeJogo->setGeometry(731, 615, 132, 22);
    NomeJogo->setFont(Verdana(9));
    NomeJogo->setStyleSheet(QStringLiteral("QComboBox { background: black; color: yellow; }"));
    for (const char* nome : NomesJogos)
        NomeJogo->addItem(QString::fromUtf8(nome));
    NomeJogo->setCurrentIndex(-1);

    SenhaJogo = new TEdicao(Painel, QStringLiteral("SenhaJogo"), QRect(928, 617, 63, 20), 4);
    SenhaJogo->setFont(Verdana(9));
    SenhaJogo->setStyleSheet(QStringLiteral("background: black; color: yellow;"));
    SenhaJogo->MostrarComoSenha();

    ProgressBar1 = new QProgressBar(Painel);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 20);
    ProgressBar1->hide();

    MPlayer = new QWidget(Painel);
    MPlayer->setObjectName(QStringLiteral("MPlayer"));
    MPlayer->setGeometry(8, 664, 161, 30);
    webRadio = new QWidget(Painel);
    webRadio->setObjectName(QStringLiteral("webRadio"));
    webRadio->setGeometry(173, 608, 489, 86);

    Timer1 = new TTemporizador(this, QStringLiteral("Timer1"), 60000, true);
    connect(Timer1, &QTimer::timeout, this, &TFrChat::Timer1Timer);

    CriarMenu();
    Edit1->setFocus();
}

QSize TFrChat::AreaCliente() const
{
    return Painel->size();
}

void TFrChat::CarregarListas()
{
    // Rank lists are indexed by the rank number: entry 0 stays empty.
    const QPixmap vazia;
    for (TListaImagens* lista : {&Pequenas, &Patentes, &imPatChat})
        lista->Adicionar(vazia);
    for (int patente = 1; patente <= Recursos::Patentes; ++patente) {
        const QPixmap normal = FiguraOuVazia(Recursos::Insignia(patente));
        Pequenas.Adicionar(normal);
        Patentes.Adicionar(normal);
        imPatChat.Adicionar(FiguraOuVazia(Recursos::Insignia(patente, Recursos::TamanhoInsignia::Pequena)));
    }
    for (int tipo = 0; tipo < Recursos::TiposDeConta; ++tipo)
        ImStatus.Adicionar(FiguraOuVazia(Recursos::TipoConta(tipo)));
    for (int n = 0; n < NumeroEmotes; ++n)
        imEmotes.Adicionar(FiguraOuVazia(Recursos::Emote(n)));
    imlSoldier.Adicionar(FiguraOuVazia(QString::fromLatin1(Recursos::SoldadoListaJogos)));
    for (int d = 0; d < Recursos::EstadosDeJogo; ++d)
        imlStatus.Adicionar(FiguraOuVazia(Recursos::EstadoDeJogo(d)));
}

void TFrChat::CriarMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    std::map<QString, QMenu*> menus;
    for (const TComandoModeracao& c : ComandosModeracao()) {
        const QString titulo = QString::fromUtf8(c.Menu);
        QMenu*& menu = menus[titulo];
        if (!menu)
            menu = MainMenu1->addMenu(titulo);
        QMenu* destino = menu;
        if (c.Submenu) {
            const QString chave = titulo + QLatin1Char('/') + QString::fromUtf8(c.Submenu);
            QMenu*& sub = menus[chave];
            if (!sub)
                sub = menu->addMenu(QString::fromUtf8(c.Submenu));
            destino = sub;
        }
        QAction* item = destino->addAction(QString::fromUtf8(c.Titulo));
        const QString nome = QString::fromLatin1(c.Nome);
        item->setObjectName(nome);
        connect(item, &QAction::triggered, this, [this, nome] { ItemModeracaoClick(nome); });
        if (nome == QLatin1String("RemoverMembro2")) {
            RemoverMembro2 = item;
            item->setVisible(false);
        }
    }
    layout()->setMenuBar(MainMenu1);
    setFixedSize(Painel->width(), Painel->height() + MainMenu1->sizeHint().height());
}

void TFrChat::showEvent(QShowEvent* evento)
{
    TFormulario::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TFrChat::FormShow()
{
    setWindowTitle(QStringLiteral("Velmor v2.0"));
    Chat->Limpar();
    ListaJogos->clear();
    NomeJogo->setCurrentIndex(-1);
    SenhaJogo->clear();
    Status->setText(QStringLiteral("Aguardando Solicitação"));
    EnviarMensagem(QStringLiteral("JogAnd"));
    Image2->Carregar(CaminhoImagem(QString::fromLatin1(Recursos::FundoChat)));
}

void TFrChat::closeEvent(QCloseEvent* evento)
{
    if (!Sessao.SaidaSolicitada)
        Sair();
    evento->accept();
}

bool TFrChat::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Edit2 && evento->type() == QEvent::MouseButtonDblClick) {
        Edit2DblClick();
        return true;
    }
    return TFormulario::eventFilter(objeto, evento);
}

// ---- chat ----

void TFrChat::AdicionarMensagem(int icone, const QString& nome, int estiloNome, int estiloSeparador,
    const QString& texto, int estiloTexto)
{
    Chat->AdicionarImagem(&imPatChat, icone > 60 ? -1 : icone, true);
    Chat->AdicionarImagem(&Spacer, -1, false);
    Chat->AdicionarTexto(nome, estiloNome);
    Chat->AdicionarTexto(QStringLiteral(" > "), estiloSeparador);
    AdicionarTextoComEmotes(texto, estiloTexto);
    if (cbRolagem->isChecked())
        Chat->update();
    else
        Chat->RolarParaFim();
}

void TFrChat::AdicionarTextoComEmotes(const QString& texto, int estilo)
{
    QString resto = texto;
    while (!resto.isEmpty()) {
        const int doisPontos = resto.indexOf(QLatin1Char(':'));
        int emote = -1;
        if (doisPontos >= 0) {
            const QString codigo = resto.mid(doisPontos + 1, 3);
            for (int n = 0; n < NumeroEmotes && emote < 0; ++n)
                if (codigo == FormatarDigitos(n, 3))
                    emote = n;
        }
        if (emote < 0) {
            Chat->AdicionarTexto(resto, estilo);
            return;
        }
        Chat->AdicionarTexto(resto.left(doisPontos), estilo);
        Chat->AdicionarImagem(&imEmotes, emote, false);
        resto = resto.mid(doisPontos + 4);
    }
}

void TFrChat::Edit1Enter()
{
    const QString m = Edit1->text();
    const QChar primeiro = m.isEmpty() ? QChar() : m[0];
    if (m.trimmed().isEmpty()) {
        Edit1->clear();
        return;
    }
    if (primeiro != QLatin1Char('$') && primeiro != QLatin1Char('!') && primeiro != QLatin1Char('#')) {
        if (!Edit2->text().isEmpty())
            EnviarNumerada(QStringLiteral("MsgPri ") + Edit2->text() + QLatin1Char(',') + m);
        else
            EnviarNumerada(QStringLiteral("EnvMsg ") + m);
    } else if (primeiro == QLatin1Char('$') && Sessao.Moderador) {
        EnviarNumerada(m.mid(1, 280));
    } else if (primeiro == QLatin1Char('!')) {
        static const QStringList comandos = {QStringLiteral("Gravar"), QStringLiteral("Logado"), QStringLiteral("Apagar"),
            QStringLiteral("Recado"), QStringLiteral("Quando")};
        if (comandos.contains(m.mid(1, 6)))
            EnviarNumerada(m.mid(1, 280));
    }
    Edit1->clear();
}

void TFrChat::Edit2DblClick()
{
    Edit2->clear();
}

void TFrChat::cbEmoteSelect(int indice)
{
    if (indice >= 0)
        Edit1->setText(Edit1->text() + CodigoEmote(indice));
}

// ---- players ----

void TFrChat::AdicionarJogador(const QString& nick, const QString& pontos, const QString& rank, int patente,
    int tipoUsuario, bool proprio, const QString& tipo)
{
    RemoverJogador(nick);
    auto* item = new QTreeWidgetItem(JogChat, {nick, pontos, rank + QStringLiteral("°"), tipo});
    item->setData(0, Qt::UserRole, patente);
    item->setData(0, Qt::UserRole + 1, tipoUsuario);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    // The account-type picture first, then the rank insignia, as one icon.
    QPixmap icone(JogChat->iconSize());
    icone.fill(Qt::transparent);
    QPainter pintor(&icone);
    ImStatus.Desenhar(pintor, 0, 0, tipoUsuario);
    Pequenas.Desenhar(pintor, ImStatus.Largura(), 0, patente);
    pintor.end();
    item->setIcon(0, QIcon(icone));
    if (proprio)
        AjustarMenus(tipoUsuario);
}

void TFrChat::RemoverJogador(const QString& nick)
{
    // A message without a nick must not take the first player off the list.
    if (nick.isEmpty())
        return;
    for (int i = 0; i < JogChat->topLevelItemCount(); ++i)
        if (JogChat->topLevelItem(i)->text(0).startsWith(nick)) {
            delete JogChat->takeTopLevelItem(i);
            return;
        }
}

int TFrChat::PatenteDoJogador(const QString& nick) const
{
    for (int i = 0; i < JogChat->topLevelItemCount(); ++i)
        if (JogChat->topLevelItem(i)->text(0) == nick)
            return JogChat->topLevelItem(i)->data(0, Qt::UserRole).toInt();
    return SemInsignia;
}

void TFrChat::JogChatDblClick(QTreeWidgetItem* item)
{
    if (item)
        Edit2->setText(item->text(0).left(18));
}

void TFrChat::AjustarMenus(int tipoUsuario)
{
    if (tipoUsuario < 5 || tipoUsuario == 7 || tipoUsuario > 9) {
        if (MainMenu1) {
            layout()->setMenuBar(nullptr);
            MainMenu1->deleteLater();
            MainMenu1 = nullptr;
            RemoverMembro2 = nullptr;
            setFixedSize(Painel->size());
        }
    } else {
        MinusculasApenas = false;
    }
    const bool joga = tipoUsuario == 1 || tipoUsuario == 2 || (tipoUsuario >= 4 && tipoUsuario <= 12);
    for (TImagem* botao : {Image8, Image12, Image1})
        botao->setVisible(joga);
}

void TFrChat::MostrarRemoverMembro()
{
    if (RemoverMembro2)
        RemoverMembro2->setVisible(true);
}

// ---- games ----

void TFrChat::AdicionarJogo(const QString& entrada)
{
    const QString chave = ChaveJogo(entrada);
    for (int i = 0; i < ListaJogos->count(); ++i)
        if (ChaveJogo(ListaJogos->item(i)->text()) == chave) {
            ListaJogos->item(i)->setText(entrada);
            return;
        }
    ListaJogos->addItem(entrada);
}

void TFrChat::RemoverJogo(const QString& nome)
{
    for (int i = 0; i < ListaJogos->count(); ++i)
        if (ChaveJogo(ListaJogos->item(i)->text()) == nome) {
            delete ListaJogos->takeItem(i);
            break;
        }
    ListaJogos->update();
}

void TFrChat::ListaJogosDblClick(QListWidgetItem* item)
{
    if (!item)
        return;
    // The list holds names padded to 20 characters; the picker holds them bare.
    const QString nome = ChaveJogo(item->text()).trimmed();
    NomeJogo->setCurrentIndex(NomeJogo->findText(nome, Qt::MatchFixedString));
}

void TFrChat::PedirJogo(const QString& semNome, bool observador, const QString& codigo, const TCamposPedido& campos)
{
    const QString nome = NomeJogo->currentText();
    if (nome.isEmpty()) {
        Status->setText(semNome);
        return;
    }
    Sessao.Observador = observador;
    if (observador)
        EstadoJogo.MinhaCor = 0;
    const QString senha = SenhaJogo->text().isEmpty() ? QStringLiteral("SemSenha") : SenhaJogo->text();
    EnviarMensagem(codigo, campos(nome, senha));
    Status->setText(QStringLiteral(" Solicitação enviada ao servidor ..."));
}

void TFrChat::CriarJogo()
{
    PedirJogo(QStringLiteral("Digite um nome para este jogo"), false, QStringLiteral("CriJog"),
        [](const QString& nome, const QString& senha) { return QStringList{NickProprio(), nome, senha}; });
}

void TFrChat::EntrarJogo()
{
    PedirJogo(QStringLiteral("Digite o Nome do Jogo"), false, QStringLiteral("LogJog"),
        [](const QString& nome, const QString& senha) { return QStringList{nome, senha}; });
}

void TFrChat::ReentrarJogo()
{
    PedirJogo(QStringLiteral("Digite o Nome do Jogo"), false, QStringLiteral("ReeJog"),
        [](const QString& nome, const QString& senha) { return QStringList{nome, senha, NickProprio()}; });
}

void TFrChat::AssistirJogo()
{
    PedirJogo(QStringLiteral("Digite o Nome do Jogo"), true, QStringLiteral("EntSal"),
        [](const QString& nome, const QString& senha) { return QStringList{nome, senha, NickProprio()}; });
}

// ---- toolbar, timer, leaving ----

void TFrChat::AbrirPagina(const QString& caminho)
{
    AbrirNoNavegador(QStringLiteral("http://") + ServidorPadrao() + caminho);
}

void TFrChat::Image4Click()
{
    ObterFrRanking();
    EnviarMensagem(QStringLiteral("Rankin"));
}

void TFrChat::imChamaStaffClick()
{
    EnviarMensagem(QStringLiteral("ChaSup"), {QStringLiteral("Chat")});
}

void TFrChat::Timer1Timer()
{
    if (!isActiveWindow())
        return;
    JogChat->clear();
    EnviarMensagem(QStringLiteral("VolCha"), {NickProprio()});
    ListaJogos->clear();
    EnviarMensagem(QStringLiteral("JogAnd"));
}

void TFrChat::Sair()
{
    Sessao.SaidaSolicitada = true;
    EnviarMensagem(QStringLiteral("SaiCha"));
    hide();
    if (FrLogin)
        FrLogin->close();
}

void TFrChat::Image10Click()
{
    Sair();
}

void TFrChat::ItemModeracaoClick(const QString& nome)
{
    const TEntradaModeracao entrada{Edit2->text(), Edit1->text(), NomeJogo->currentIndex() >= 0 ? NomeJogo->currentText() : QString()};
    for (const QString& mensagem : MensagensModeracao(nome, entrada))
        EnviarNumerada(mensagem);
}
