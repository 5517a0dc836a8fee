#include "TestPictures.h"

#include <QFile>
#include <QImage>
#include <cstdlib>
#include <vector>

namespace velko::test {

namespace {

// Packs codes of a fixed width, least significant bit first, as GIF wants.
class CodeWriter {
public:
    void put(unsigned code, int width)
    {
        for (int i = 0; i < width; ++i) {
            if (code & (1u << i))
                current_ |= std::uint8_t(1u << filled_);
            if (++filled_ == 8)
                flush();
        }
    }
    std::vector<std::uint8_t> finish()
    {
        if (filled_ > 0)
            flush();
        return bytes_;
    }

private:
    void flush()
    {
        bytes_.push_back(current_);
        current_ = 0;
        filled_ = 0;
    }
    std::vector<std::uint8_t> bytes_;
    std::uint8_t current_ = 0;
    int filled_ = 0;
};

void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

bool writeSolidGif(const QString& path, int width, int height, const QColor& colour)
{
    QByteArray out("GIF89a");
    putWord(out, width);
    putWord(out, height);
    out.append(char(0x81));   // global colour table of 4 entries
    out.append(char(0));
    out.append(char(0));
    const QColor table[4] = {colour, Qt::black, Qt::white, Qt::gray};
    for (const QColor& entry : table) {
        out.append(char(entry.red()));
        out.append(char(entry.green()));
        out.append(char(entry.blue()));
    }
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, width);
    putWord(out, height);
    out.append(char(0));
    // Minimum code size 2: colours 0..3, clear 4, end 5, codes 3 bits wide.
    // A clear code before every second pixel keeps the table from growing,
    // so the codes never get wider.
    out.append(char(2));
    CodeWriter codes;
    const int pixels = width * height;
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            codes.put(4, 3);
        codes.put(0, 3);
    }
    codes.put(5, 3);
    const std::vector<std::uint8_t> data = codes.finish();
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.append(char(length));
        out.append(reinterpret_cast<const char*>(data.data() + at), qsizetype(length));
    }
    out.append(char(0));
    out.append(';');
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool writeSolidJpeg(const QString& path, int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG", 100);
}

bool closeTo(const QColor& seen, const QColor& wanted, int tolerance)
{
    return std::abs(seen.red() - wanted.red()) <= tolerance
        && std::abs(seen.green() - wanted.green()) <= tolerance
        && std::abs(seen.blue() - wanted.blue()) <= tolerance;
}

} // namespace velko::test
