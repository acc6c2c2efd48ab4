// Paths of pictures, sounds and settings in the working folder.
#pragma once

#include <QString>

/// "Imagens\" + nome + "_dqtekp.jpg": a window's background picture.
QString CaminhoImagem(const QString& nome);

/// A program path written the Windows way ("Imagens\x.bmp", "imagens\x.bmp", "Sons\y.wav") as a
/// local path: backslashes become "/", and each folder is matched without regard to case.
QString CaminhoRecurso(const QString& caminho);
