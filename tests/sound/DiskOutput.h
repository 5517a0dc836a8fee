#pragma once
// SDL's disk audio driver writes every mixed buffer, in real time, to a file
// of raw 16-bit stereo samples. A DiskOutput points SDL at a fresh file and
// reads back what the mixer produced over a stretch of time.

#include <cstdint>
#include <string>
#include <vector>

class DiskOutput {
public:
    DiskOutput();    // sets SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE; call before start-up
    ~DiskOutput();

    // Lets the mixer run for `milliseconds` and returns the samples it wrote meanwhile.
    std::vector<std::int16_t> listen(int milliseconds) const;

    static int peak(const std::vector<std::int16_t>& samples);

private:
    std::uintmax_t size() const;
    std::string path_;
};
