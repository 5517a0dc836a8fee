#include "SoundPlayer.h"

#include <QFile>
#include <QLibrary>
#include <cmath>

namespace velko {

int tuneFor(float r)
{
    return 4 - static_cast<int>(std::floor(5.0f * r));
}

void GameSound::use(std::unique_ptr<SoundPlayer> player)
{
    if (!player)
        return;
    player->setEffectsLevel(effectsLevel());
    player->setMusicLevel(musicLevel());
    player_ = std::move(player);
}

std::unique_ptr<SoundPlayer> loadSoundModule(const QString& modulePath, const QString& mediaFolder, QString* problem)
{
    // The module stays loaded for the rest of the run: the player's code lives in it.
    QLibrary module(modulePath);
    const auto open = reinterpret_cast<OpenSoundFunction>(module.resolve(kOpenSoundFunction));
    if (!open) {
        if (problem)
            *problem = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundPlayer>(open(QFile::encodeName(mediaFolder).constData()));
}

}   // namespace velko
