#pragma once
// Encodes a mono 44100 Hz buffer as an Ogg Vorbis file.

#include <string>
#include <vector>

namespace velko::sounds {

// quality: Vorbis VBR quality, -0.1 (smallest) to 1.0. The stream serial is
// fixed so the same sound always gives the same file. Returns false on failure.
bool writeOggVorbis(const std::string& path, const std::vector<float>& samples, float quality);

}   // namespace velko::sounds
