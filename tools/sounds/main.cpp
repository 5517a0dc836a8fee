// make-sounds: renders the game's effects and tunes into a media folder.
//   make-sounds <folder>
// Everything is synthesised from fixed seeds, so the files come out the same
// on every run.

#include "Effects.h"
#include "OggVorbisWriter.h"
#include "Tunes.h"

#include <cstdio>
#include <string>

using namespace velko::sounds;

namespace {

constexpr float kEffectQuality = 0.4f;
constexpr float kTuneQuality = 0.0f;   // mono background music needs little

bool save(const std::string& path, const PcmBuffer& sound, float quality)
{
    const bool ok = writeOggVorbis(path, sound.samples(), quality);
    std::printf("%-28s %6.2f s  peak %6.2f dBFS  rms %6.2f dBFS%s\n", path.c_str(), sound.seconds(), sound.peakDbfs(),
                sound.rmsDbfs(), ok ? "" : "  WRITE FAILED");
    return ok;
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <media folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (const Effect& effect : renderEffects())
        ok = save(folder + "/" + std::to_string(effect.number) + ".ogg", effect.sound, kEffectQuality) && ok;
    for (const Tune& tune : renderTunes())
        ok = save(folder + "/back" + std::to_string(tune.number) + ".ogg", tune.sound, kTuneQuality) && ok;
    return ok ? 0 : 1;
}
