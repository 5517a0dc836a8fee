#include "GameInfoFile.h"

#include "LegacyText.h"

#include <QtEndian>
#include <cstring>

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
    return decodeLegacyText(bytes);
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
