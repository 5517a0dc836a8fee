#include "StartUp.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "AtomicFile.h"
#include "MediaFiles.h"
#include "TextTable.h"

namespace velko {

namespace {

constexpr qint64 kLargestPicture = 64 * 1024 * 1024;

// Reads a window picture once and checks its header; the window decodes the
// bytes kept in `data` when it is built, without opening the file again.
Outcome checkPicture(const QString& mediaFolder, const char* fileName, GameData& data)
{
    const QString name = QLatin1String(fileName);
    const QString path = mediaFolder + QLatin1Char('/') + name;
    // Read without blocking: a FIFO or device in its place must not stall the start.
    FileRead read = readPlayerFile(systemFiles(), QFile::encodeName(path), kLargestPicture);
    QBuffer bytes(&read.bytes);
    if (read.outcome != FileRead::Read || !QImageReader(&bytes).canRead())
        return Outcome::failure(QStringLiteral("The picture %1 is missing or cannot be read.\n(%2)").arg(name, path));
    data.checkedPictures[name] = read.bytes;
    return {};
}

}   // namespace

Outcome runStartUp(const QString& mediaFolder, GameData& data)
{
    if (Outcome picture = checkPicture(mediaFolder, media::kStartPicture, data); !picture.done())
        return picture;

    const QString textPath = mediaFolder + QLatin1Char('/') + QLatin1String(media::kTextTable);
    TextTable table;
    if (const Outcome read = readTextTable(textPath, table); !read.done())
        return Outcome::failure(QStringLiteral("The text table %1 cannot be used: %2\n(%3)")
                                    .arg(QLatin1String(media::kTextTable), read.problem(), textPath));
    data.texts = table.texts;
    data.edition = table.edition;

    data.savedFiles.loadHighScores(data.highScores, data.text(Text::DefaultPlayer));

    return checkPicture(mediaFolder, media::kWindowPicture, data);
}

}   // namespace velko
