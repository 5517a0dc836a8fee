#include "TextTable.h"

#include "AtomicFile.h"
#include "LegacyText.h"
#include "MediaFiles.h"
#include "Rounding.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>

namespace velko {

namespace {

constexpr int kFirstTextLine = 1;   // line 2 of the file, counted from 0
constexpr int kTextsInFile = 75;    // texts 0..74
constexpr int kLinesNeeded = kFirstTextLine + kTextsInFile;
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

// A line's text without its two-character prefix; characters, not bytes, so
// a prefix written in any script is dropped whole.
QString dropPrefix(const QByteArray& line)
{
    const QString text = QString::fromUtf8(line);
    qsizetype pos = 0;
    for (int dropped = 0; dropped < 2 && pos < text.size(); ++dropped) {
        const bool pair = text[pos].isHighSurrogate() && pos + 1 < text.size() && text[pos + 1].isLowSurrogate();
        pos += pair ? 2 : 1;
    }
    return text.mid(pos);
}

QString quoted(const QByteArray& line)
{
    QString text = QString::fromUtf8(line.left(60)).trimmed();
    if (line.size() > 60)
        text += QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(text);
}

// The file as UTF-8. A media set made for the older Windows program is in the
// code page of its language: the whole file is decoded at once, so no byte of
// a two-byte character is taken for a line end or a prefix.
QByteArray asUtf8(const QByteArray& bytes)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    return decodeLegacyText(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes).toUtf8();
}

Outcome parseNamed(const QByteArray& fileBytes, TextTable& table, const QString& fileName)
{
    const QByteArray bytes = asUtf8(fileBytes);
    const QList<QByteArray> lines = splitTextLines(bytes, kLinesNeeded, LineEnds::AsWritten);
    if (lines.size() < kLinesNeeded)
        return Outcome::failure(QStringLiteral("The text table %1 has %2 lines, but it needs %3: "
                                               "the edition number and %4 texts.")
                                    .arg(fileName)
                                    .arg(lines.size())
                                    .arg(kLinesNeeded)
                                    .arg(kTextsInFile));

    double number = 0.0;
    if (!readNumber(lines[0], number))
        return Outcome::failure(QStringLiteral("The first line of the text table %1 must be the edition number, "
                                               "but it reads %2, which is not a number.")
                                    .arg(fileName, quoted(lines[0])));
    const double edition = roundHalfToEven(number);
    if (edition < 0.0 || edition > 255.0)
        return Outcome::failure(QStringLiteral("The edition number on the first line of the text table %1 "
                                               "must lie between 0 and 255, but it reads %2.")
                                    .arg(fileName, quoted(lines[0])));

    TextTable read;
    read.edition = static_cast<std::uint8_t>(edition);
    for (int i = 0; i < kTextsInFile; ++i)
        read.texts[i] = dropPrefix(lines[kFirstTextLine + i]);
    table = read;
    return {};
}

}   // namespace

Outcome parseTextTable(const QByteArray& bytes, TextTable& table)
{
    return parseNamed(bytes, table, QLatin1String(media::kTextTable));
}

Outcome readTextTable(const QString& path, TextTable& table)
{
    const QString shownName = QDir::toNativeSeparators(path);
    // Read without blocking: a FIFO or device in its place must not stall the start.
    const FileRead read = readPlayerFile(systemFiles(), QFile::encodeName(path), kLargestFile);
    if (read.outcome == FileRead::Missing)
        return Outcome::failure(QStringLiteral("The text table %1 is missing.").arg(shownName));
    if (read.outcome == FileRead::Unreadable)
        return Outcome::failure(QStringLiteral("The text table %1 cannot be read: %2.").arg(shownName, read.reason));
    const QByteArray& bytes = read.bytes;
    return parseNamed(bytes, table, shownName);
}

}   // namespace velko
