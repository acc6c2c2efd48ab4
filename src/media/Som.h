// Sound effects by name, from the Sons folder.
#pragma once

#include <QString>
#include <QStringList>

/// Plays the effect "Sons\<efeito>.wav" unless the sound is muted.
void TocarSom(const QString& efeito);

/// Tests: every effect asked for is appended to `registro` instead of being played (nullptr: play).
void DefinirRegistroSons(QStringList* registro);

/// Whether the system has an audio output at all.
bool HaSaidaDeAudio();
