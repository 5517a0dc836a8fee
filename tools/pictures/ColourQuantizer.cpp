#include "ColourQuantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <unordered_map>

namespace velko::pictures {

namespace {

struct Swatch {
    QRgb colour;
    std::uint64_t count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
    std::vector<Swatch> swatches;

    std::uint64_t pixels() const
    {
        std::uint64_t n = 0;
        for (const auto& s : swatches)
            n += s.count;
        return n;
    }
    // The channel with the widest spread and that spread.
    std::pair<int, int> widestAxis() const
    {
        int best = 0, bestRange = -1;
        for (int axis = 0; axis < 3; ++axis) {
            int lo = 255, hi = 0;
            for (const auto& s : swatches) {
                lo = std::min(lo, channel(s.colour, axis));
                hi = std::max(hi, channel(s.colour, axis));
            }
            // Green weighs most to the eye, blue least.
            const int weight = axis == 1 ? 6 : axis == 0 ? 4 : 3;
            if ((hi - lo) * weight > bestRange) {
                bestRange = (hi - lo) * weight;
                best = axis;
            }
        }
        return {best, bestRange};
    }
    QRgb average() const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (const auto& s : swatches) {
            r += double(qRed(s.colour)) * s.count;
            g += double(qGreen(s.colour)) * s.count;
            b += double(qBlue(s.colour)) * s.count;
            n += double(s.count);
        }
        return qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)));
    }
};

std::vector<QRgb> medianCut(const std::map<QRgb, std::uint64_t>& histogram, size_t wanted)
{
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : histogram)
        boxes[0].swatches.push_back({colour, count});
    while (boxes.size() < wanted) {
        // Split the box whose spread, weighted by how much it is used, is largest.
        int pick = -1;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].swatches.size() < 2)
                continue;
            const double score = boxes[i].widestAxis().second * std::sqrt(double(boxes[i].pixels()));
            if (score > bestScore) {
                bestScore = score;
                pick = int(i);
            }
        }
        if (pick < 0)
            break;
        Box& box = boxes[size_t(pick)];
        const int axis = box.widestAxis().first;
        std::stable_sort(box.swatches.begin(), box.swatches.end(), [axis](const Swatch& a, const Swatch& b) {
            return channel(a.colour, axis) < channel(b.colour, axis);
        });
        const std::uint64_t half = box.pixels() / 2;
        std::uint64_t running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.swatches.size(); ++i) {
            running += box.swatches[i].count;
            cut = i + 1;
            if (running >= half)
                break;
        }
        Box upper;
        upper.swatches.assign(box.swatches.begin() + long(cut), box.swatches.end());
        box.swatches.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes)
        palette.push_back(box.average());
    return palette;
}

class NearestColour {
public:
    explicit NearestColour(const std::vector<QRgb>& palette) : palette_(palette) {}

    std::uint8_t find(int r, int g, int b)
    {
        const QRgb key = qRgb(r, g, b);
        const auto hit = cache_.find(key);
        if (hit != cache_.end())
            return hit->second;
        int best = 0;
        long bestDistance = -1;
        for (size_t i = 0; i < palette_.size(); ++i) {
            const long dr = qRed(palette_[i]) - r, dg = qGreen(palette_[i]) - g, db = qBlue(palette_[i]) - b;
            const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = int(i);
            }
        }
        cache_.emplace(key, std::uint8_t(best));
        return std::uint8_t(best);
    }

private:
    const std::vector<QRgb>& palette_;
    std::unordered_map<QRgb, std::uint8_t> cache_;
};

}   // namespace

IndexedPicture quantize(const QImage& image, bool dither)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.indices.resize(size_t(out.width) * size_t(out.height));

    std::map<QRgb, std::uint64_t> histogram;
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < out.width; ++x)
            ++histogram[line[x] | 0xFF000000u];
    }

    if (histogram.size() <= 256) {
        // Few colours: keep every one exactly.
        std::map<QRgb, std::uint8_t> index;
        for (const auto& entry : histogram) {
            index[entry.first] = std::uint8_t(out.palette.size());
            out.palette.push_back(entry.first);
        }
        for (int y = 0; y < out.height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < out.width; ++x)
                out.indices[size_t(y) * size_t(out.width) + size_t(x)] = index[line[x] | 0xFF000000u];
        }
        return out;
    }

    out.palette = medianCut(histogram, 256);
    NearestColour nearest(out.palette);
    // Error rows for Floyd–Steinberg, one spare cell at each end.
    std::vector<std::array<double, 3>> current(size_t(out.width) + 2), next(size_t(out.width) + 2);
    const double strength = dither ? 0.85 : 0.0;
    for (int y = 0; y < out.height; ++y) {
        std::fill(next.begin(), next.end(), std::array<double, 3>{0, 0, 0});
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const bool leftToRight = y % 2 == 0;
        for (int step = 0; step < out.width; ++step) {
            const int x = leftToRight ? step : out.width - 1 - step;
            const int dir = leftToRight ? 1 : -1;
            const size_t cell = size_t(x) + 1;
            const int want[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            int have[3];
            for (int c = 0; c < 3; ++c)
                have[c] = std::clamp(int(std::lround(want[c] + current[cell][size_t(c)])), 0, 255);
            const std::uint8_t chosen = nearest.find(have[0], have[1], have[2]);
            out.indices[size_t(y) * size_t(out.width) + size_t(x)] = chosen;
            const QRgb got = out.palette[chosen];
            const int gotC[3] = {qRed(got), qGreen(got), qBlue(got)};
            for (int c = 0; c < 3; ++c) {
                const double error = (have[c] - gotC[c]) * strength;
                current[size_t(long(cell) + dir)][size_t(c)] += error * 7 / 16;
                next[size_t(long(cell) - dir)][size_t(c)] += error * 3 / 16;
                next[cell][size_t(c)] += error * 5 / 16;
                next[size_t(long(cell) + dir)][size_t(c)] += error * 1 / 16;
            }
        }
        std::swap(current, next);
    }
    return out;
}

}   // namespace velko::pictures
