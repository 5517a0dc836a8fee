#include "DiskOutput.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

DiskOutput::DiskOutput()
    : path_((fs::temp_directory_path() / ("velko-sound-" + std::to_string(::getpid()) + ".raw")).string())
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
}

DiskOutput::~DiskOutput()
{
    std::error_code ignored;
    fs::remove(path_, ignored);
}

std::uintmax_t DiskOutput::size() const
{
    std::error_code error;
    const std::uintmax_t bytes = fs::file_size(path_, error);
    return error ? 0 : bytes;
}

std::vector<std::int16_t> DiskOutput::listen(int milliseconds) const
{
    const std::uintmax_t from = size();
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    const std::uintmax_t to = size();
    // Whole stereo frames only.
    const std::uintmax_t start = from - from % 4;
    std::vector<std::int16_t> samples((to - start) / 2);
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(start));
    in.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
    samples.resize(static_cast<std::size_t>(in.gcount()) / 2);
    return samples;
}

int DiskOutput::peak(const std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}
