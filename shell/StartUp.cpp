#include "StartUp.h"

#include <QImageReader>

#include "MediaFiles.h"
#include "TextTable.h"

namespace velko {

namespace {

QString pictureProblem(const QString& mediaFolder, const QString& fileName)
{
    // The picture's header is enough here: the windows decode it when they are built.
    const QString path = mediaFolder + QLatin1Char('/') + fileName;
    if (QImageReader(path).canRead())
        return {};
    return QStringLiteral("The picture %1 is missing or cannot be read.\n(%2)").arg(fileName, path);
}

}   // namespace

QString runStartUp(const QString& mediaFolder, GameData& data)
{
    if (QString problem = pictureProblem(mediaFolder, QLatin1String(media::kStartPicture)); !problem.isEmpty())
        return problem;

    const QString textPath = mediaFolder + QLatin1Char('/') + QLatin1String(media::kTextTable);
    TextTable table;
    if (const QString problem = readTextTable(textPath, table); !problem.isEmpty())
        return QStringLiteral("The text table %1 cannot be used: %2\n(%3)")
            .arg(QLatin1String(media::kTextTable), problem, textPath);
    data.texts = table.texts;
    data.edition = table.edition;

    data.savedFiles.loadHighScores(data.highScores, data.text(Text::DefaultPlayer));

    return pictureProblem(mediaFolder, QLatin1String(media::kWindowPicture));
}

}   // namespace velko
