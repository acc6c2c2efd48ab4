// Sound effects by name, from the Sons folder.
#include "media/Som.h"

#include "app/Caminhos.h"
#include "app/Recursos.h"
#include "app/Sessao.h"

#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

QStringList* Registro = nullptr;

} // namespace

void TocarSom(const QString& efeito)
{
    if (Registro) {
        Registro->append(efeito);
        return;
    }
    if (Sessao.SemSom)
        return;
    // One effect object per name, kept for the run: effects repeat often during a game.
    static QHash<QString, QSoundEffect*> efeitos;
    QSoundEffect*& som = efeitos[efeito];
    if (!som) {
        som = new QSoundEffect;
        som->setSource(QUrl::fromLocalFile(CaminhoRecurso(Recursos::CaminhoSom(efeito))));
    }
    som->play();
}

void DefinirRegistroSons(QStringList* registro)
{
    Registro = registro;
}

bool HaSaidaDeAudio()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}
