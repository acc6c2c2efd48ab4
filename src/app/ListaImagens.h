// A list of same-sized pictures addressed by index, shared by the windows' lists and the chat.
#pragma once

#include <QPixmap>

#include <vector>

class QPainter;

class TListaImagens {
public:
    TListaImagens(int largura, int altura);

    int Largura() const { return FLargura; }
    int Altura() const { return FAltura; }
    int Contagem() const { return int(FFiguras.size()); }

    /// Appends a picture, scaled to the list's size when it differs.
    void Adicionar(const QPixmap& figura);
    void Limpar() { FFiguras.clear(); }

    /// Draws picture `indice` with its top-left corner at (x, y); an index outside the list
    /// draws nothing, since indices come from the server.
    void Desenhar(QPainter& pintor, int x, int y, int indice) const;

private:
    int FLargura;
    int FAltura;
    std::vector<QPixmap> FFiguras;
};
