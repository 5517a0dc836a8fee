#include "GifWriter.h"

#include <unordered_map>

namespace velko::pictures {

namespace {

void putLE16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first into 255-byte blocks.
class CodeStream {
public:
    explicit CodeStream(QByteArray& out) : out_(out) {}

    void put(int code, int width)
    {
        bits_ |= quint32(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            pushByte(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void finish()
    {
        if (count_ > 0)
            pushByte(char(bits_ & 0xFF));
        bits_ = 0;
        count_ = 0;
        flushBlock();
        out_.append('\0');   // block terminator
    }

private:
    void pushByte(char byte)
    {
        block_.append(byte);
        if (block_.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (block_.isEmpty())
            return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }

    QByteArray& out_;
    QByteArray block_;
    quint32 bits_ = 0;
    int count_ = 0;
};

void compress(QByteArray& out, const std::vector<std::uint8_t>& indices)
{
    constexpr int kMinCodeSize = 8;
    constexpr int kClear = 1 << kMinCodeSize;
    constexpr int kEnd = kClear + 1;
    constexpr int kMaxCodes = 4096;

    out.append(char(kMinCodeSize));
    CodeStream stream(out);
    std::unordered_map<int, int> table;   // (prefix << 8 | byte) -> code
    int width = kMinCodeSize + 1;
    int next = kEnd + 1;
    stream.put(kClear, width);
    if (indices.empty()) {
        stream.put(kEnd, width);
        stream.finish();
        return;
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int byte = indices[i];
        const int key = (prefix << 8) | byte;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        stream.put(prefix, width);
        table.emplace(key, next++);
        // The reader widens its codes one entry later than we add them.
        if (next > (1 << width) && width < 12)
            ++width;
        if (next >= kMaxCodes - 1) {
            // Table nearly full: tell the reader to start afresh, and do so.
            stream.put(kClear, width);
            table.clear();
            width = kMinCodeSize + 1;
            next = kEnd + 1;
        }
        prefix = byte;
    }
    stream.put(prefix, width);
    // The reader adds one more entry on this last code before it reads the end.
    ++next;
    if (next > (1 << width) && width < 12)
        ++width;
    stream.put(kEnd, width);
    stream.finish();
}

}   // namespace

QByteArray encodeGif(const IndexedPicture& picture)
{
    QByteArray out;
    out.append("GIF89a", 6);
    putLE16(out, picture.width);
    putLE16(out, picture.height);
    out.append(char(0xF7));   // global colour table of 256 entries, 8-bit colour
    out.append('\0');         // background colour index
    out.append('\0');         // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(picture.palette.size()) ? picture.palette[size_t(i)] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(char(0x2C));   // image descriptor
    putLE16(out, 0);
    putLE16(out, 0);
    putLE16(out, picture.width);
    putLE16(out, picture.height);
    out.append('\0');   // no local table, not interlaced
    compress(out, picture.indices);
    out.append(char(0x3B));   // trailer
    return out;
}

QByteArray encodeGif(const QImage& image, bool dither)
{
    return encodeGif(quantize(image, dither));
}

}   // namespace velko::pictures
