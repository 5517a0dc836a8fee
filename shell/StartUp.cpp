#include "StartUp.h"

#include <QImageReader>

#include "MediaFiles.h"
#include "TextTable.h"

namespace velko {

namespace {

Outcome checkPicture(const QString& mediaFolder, const QString& fileName)
{
    // The picture's header is enough here: the windows decode it when they are built.
    const QString path = mediaFolder + QLatin1Char('/') + fileName;
    if (QImageReader(path).canRead())
        return {};
    return Outcome::failure(QStringLiteral("The picture %1 is missing or cannot be read.\n(%2)").arg(fileName, path));
}

}   // namespace

Outcome runStartUp(const QString& mediaFolder, GameData& data)
{
    if (Outcome picture = checkPicture(mediaFolder, QLatin1String(media::kStartPicture)); !picture.done())
        return picture;

    const QString textPath = mediaFolder + QLatin1Char('/') + QLatin1String(media::kTextTable);
    TextTable table;
    if (const Outcome read = readTextTable(textPath, table); !read.done())
        return Outcome::failure(QStringLiteral("The text table %1 cannot be used: %2\n(%3)")
                                    .arg(QLatin1String(media::kTextTable), read.problem(), textPath));
    data.texts = table.texts;
    data.edition = table.edition;

    data.savedFiles.loadHighScores(data.highScores, data.text(Text::DefaultPlayer));

    return checkPicture(mediaFolder, QLatin1String(media::kWindowPicture));
}

}   // namespace velko
