// The table of every asset the generator writes: path, size and how it is made.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

struct TRecurso {
    QString Caminho;                           ///< Windows form, as the client asks: "Imagens\Shape100.bmp"
    QSize Tamanho;                             ///< pictures only
    std::function<QImage()> Desenhar;          ///< pictures
    std::function<QByteArray()> Sintetizar;    ///< sounds (a whole WAV file)
};

/// Every picture and sound, in a fixed order.
std::vector<TRecurso> TabelaDeRecursos();
