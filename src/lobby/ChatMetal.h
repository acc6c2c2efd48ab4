// The lobby window: public and private chat, players, games, the toolbar and the staff menu.
#pragma once

#include "app/Controles.h"
#include "app/ListaImagens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QTreeWidget>

#include <functional>
#include <map>

class TChatView;

class TFrChat : public TFormulario {
    Q_OBJECT
public:
    TFrChat();

    QSize AreaCliente() const override;

    // Operations of the dispatcher.
    /// One chat line: insignia (none above 60), spacer, name, " > ", the text with its emotes.
    void AdicionarMensagem(int icone, const QString& nome, int estiloNome, int estiloSeparador, const QString& texto,
        int estiloTexto);
    /// The text with every valid emote code (":000".. ":040") shown as its picture.
    void AdicionarTextoComEmotes(const QString& texto, int estilo);
    void AdicionarJogador(const QString& nick, const QString& pontos, const QString& rank, int patente, int tipoUsuario,
        bool proprio, const QString& tipo);
    /// Deletes the first player whose nick begins with `nick`.
    void RemoverJogador(const QString& nick);
    /// Rank of the player with exactly this nick; 61 when absent.
    int PatenteDoJogador(const QString& nick) const;
    /// The staff menu and the game buttons for the user's own account type.
    void AjustarMenus(int tipoUsuario);
    /// Replaces the game with the same name, or appends it.
    void AdicionarJogo(const QString& entrada);
    /// Deletes the first game with this 20-character name.
    void RemoverJogo(const QString& nome);
    /// Shows the "Remover Membro" item of the staff menu.
    void MostrarRemoverMembro();

    // Event handlers.
    void Edit1Enter();
    void JogChatDblClick(QTreeWidgetItem* item);
    void Edit2DblClick();
    void cbEmoteSelect(int indice);
    void ListaJogosDblClick(QListWidgetItem* item);
    void CriarJogo();
    void EntrarJogo();
    void ReentrarJogo();
    void AssistirJogo();
    void Image4Click();
    void Image10Click();
    void imChamaStaffClick();
    void Timer1Timer();
    /// A staff menu item by its name (e.g. "Kikar1").
    void ItemModeracaoClick(const QString& nome);
    /// "http://" + the server + the path, in the system's browser.
    void AbrirPagina(const QString& caminho);

    QWidget* Painel; ///< the client area, under the menu
    QMenuBar* MainMenu1;
    QAction* RemoverMembro2 = nullptr;
    TImagem* Image2;
    TChatView* Chat;
    QCheckBox* cbRolagem;
    QLabel* lbBemVindo;
    QTreeWidget* JogChat;
    QLabel* Status;
    QListWidget* ListaJogos;
    QLineEdit* Edit1;
    QComboBox* cbEmote;
    TEdicao* Edit2;
    QComboBox* NomeJogo;
    TEdicao* SenhaJogo;
    QProgressBar* ProgressBar1;
    QWidget* MPlayer;
    QWidget* webRadio;
    TTemporizador* Timer1;
    /// Picture buttons by control name ("Image1", "imChamaStaff", ...).
    std::map<QString, TImagem*> Botoes;
    TImagem* Image1;  ///< "Entrar no Jogo"
    TImagem* Image3;  ///< "Reentrar no Jogo"
    TImagem* Image8;  ///< "Assistir ao Jogo"
    TImagem* Image12; ///< "Criar Jogo"

    TListaImagens Pequenas{69, 25};
    TListaImagens Patentes{69, 25};
    TListaImagens ImStatus{25, 25};
    TListaImagens imPatChat{34, 12};
    TListaImagens imEmotes{19, 19};
    TListaImagens Spacer{1, 19};
    TListaImagens imlSoldier{20, 25};
    TListaImagens imlStatus{35, 25};

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormShow();
    void CarregarListas();
    void CriarMenu();
    void Sair();
    /// A game request: the status text when no name is chosen; else the message of the chosen
    /// name and password ("SemSenha" when none).
    using TCamposPedido = std::function<QStringList(const QString& nome, const QString& senha)>;
    void PedirJogo(const QString& semNome, bool observador, const QString& codigo, const TCamposPedido& campos);
    bool MinusculasApenas = true;
};
