// A list of same-sized pictures addressed by index.
#include "app/ListaImagens.h"

#include <QPainter>

#include <algorithm>

TListaImagens::TListaImagens(int largura, int altura)
    : FLargura(std::max(0, largura))
    , FAltura(std::max(0, altura))
{
}

void TListaImagens::Adicionar(const QPixmap& figura)
{
    const QSize tamanho(FLargura, FAltura);
    // A missing picture keeps its place in the list, drawing nothing.
    FFiguras.push_back(figura.isNull() || figura.size() == tamanho
            ? figura
            : figura.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TListaImagens::Desenhar(QPainter& pintor, int x, int y, int indice) const
{
    if (indice >= 0 && indice < Contagem())
        pintor.drawPixmap(x, y, FFiguras[size_t(indice)]);
}
