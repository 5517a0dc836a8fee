#include "GameInfoFile.h"

#include <QStringDecoder>
#include <QtEndian>
#include <cstring>
#include <iconv.h>

namespace velko {

namespace {

constexpr qsizetype kLongestName = 0xFFFF;   // the length field has two bytes
constexpr qsizetype kRecordWithoutName = 2 + 4 + 8;
constexpr qint64 kLargestTable =
    static_cast<qint64>(std::tuple_size<ScoreTable>::value) * (kRecordWithoutName + kLongestName);

// Reads the file's fields in order; a field that runs past the end is not read.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : bytes_(bytes) {}

    bool readRecord(ScoreRecord& record)
    {
        if (!fits(2))
            return false;
        const qsizetype nameLength = qFromLittleEndian<quint16>(at());
        if (!fits(2 + nameLength + 4 + 8))
            return false;
        pos_ += 2;
        record.nameBytes = QByteArray(at(), nameLength);
        record.name = decodeStoredName(record.nameBytes);
        pos_ += nameLength;
        record.points = qFromLittleEndian<qint32>(at());
        pos_ += 4;
        const quint64 dateBits = qFromLittleEndian<quint64>(at());
        std::memcpy(&record.when, &dateBits, sizeof record.when);
        pos_ += 8;
        return true;
    }

private:
    bool fits(qsizetype length) const { return bytes_.size() - pos_ >= length; }
    const char* at() const { return bytes_.constData() + pos_; }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// The name's UTF-8 bytes, cut at a character boundary if the length field
// cannot hold them all.
QByteArray storedName(const QString& name)
{
    QByteArray utf8 = name.toUtf8();
    if (utf8.size() > kLongestName) {
        qsizetype cut = kLongestName;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    return utf8;
}

// The text of `bytes` in `charset` through iconv; false if any byte sequence is not one of its characters.
bool decodeWith(const char* charset, const QByteArray& bytes, QString& text)
{
    const iconv_t converter = iconv_open("UTF-8", charset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* to = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const bool ok = iconv(converter, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(converter);
    if (ok)
        text = QString::fromUtf8(out.constData(), out.size() - static_cast<qsizetype>(outLeft));
    return ok;
}

// Chinese text as a GBK or GB18030 name gives it: every character beyond ASCII
// an ideograph, CJK punctuation or a full-width form.
bool readsAsChinese(const QString& text)
{
    bool any = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        const bool chinese = (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x4DBF) ||
                             (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
        if (!chinese)
            return false;
        any = true;
    }
    return any;
}

template <typename T>
void appendLittleEndian(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

}   // namespace

QString decodeStoredName(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QString legacy;
    if (decodeWith("GB18030", bytes, legacy) && readsAsChinese(legacy))
        return legacy;
    if (decodeWith("CP1252", bytes, legacy))
        return legacy;
    return QString::fromLatin1(bytes);   // the five bytes Windows-1252 leaves undefined
}

QByteArray storedNameBytes(const ScoreRecord& record)
{
    return record.nameBytes.isEmpty() ? storedName(record.name) : record.nameBytes;
}

ScoreTable parseGameInfo(const QByteArray& bytes)
{
    ScoreTable table;
    RecordReader reader(bytes);
    for (ScoreRecord& record : table) {
        if (!reader.readRecord(record))
            break;
    }
    return table;
}

QByteArray formatGameInfo(const ScoreTable& table)
{
    QByteArray out;
    for (const ScoreRecord& record : table) {
        const QByteArray name = storedNameBytes(record);
        appendLittleEndian<quint16>(out, static_cast<quint16>(name.size()));
        out.append(name);
        appendLittleEndian<qint32>(out, record.points);
        quint64 dateBits = 0;
        std::memcpy(&dateBits, &record.when, sizeof dateBits);
        appendLittleEndian<quint64>(out, dateBits);
    }
    return out;
}

qint64 largestGameInfo()
{
    return kLargestTable;
}

}   // namespace velko
