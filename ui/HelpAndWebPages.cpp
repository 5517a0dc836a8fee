// The help and web buttons: the pages they open through the desktop, and
// what the player is told when nothing opens them.

#include "GameSession.h"

#include <QDir>
#include <QFileInfo>

#include "DataPaths.h"
#include "MediaFiles.h"
#include "WebPages.h"

namespace velko {

void GameSession::pressHelp()
{
    if (data_.edition == 1) {
        QString helpFile = applicationPath(QLatin1String(media::kHelpPage));
        if (!QFileInfo::exists(helpFile))
            helpFile = applicationPath(QLatin1String(media::kOlderHelpFile));
        openForPlayer(QUrl::fromLocalFile(helpFile), QStringLiteral("The help"));
    } else {
        // This edition's help uncovers the picture under the board.
        window().toggleBoard();
    }
}

void GameSession::pressWebPage()
{
    const QString page = QString::fromUtf8(data_.edition == 1 ? kProductPage : kMakerPage);
    QUrl url(page);
    if (page.isEmpty()) {
        // No address was set for this build: our own page about the game.
        url = QUrl::fromLocalFile(applicationPath(QLatin1String(media::kHelpPage)));
        url.setFragment(QString::fromLatin1(kAboutSection));
    }
    openForPlayer(url, QStringLiteral("The web page"));
}

void GameSession::openForPlayer(const QUrl& url, const QString& what)
{
    const bool isFile = url.isLocalFile();
    if (isFile && !QFileInfo::exists(url.toLocalFile())) {
        window().tellPlayer(QStringLiteral("%1 could not be opened: the file %2 is missing.")
                                .arg(what, QDir::toNativeSeparators(url.toLocalFile())),
                            MessageButtons::Ok);
        return;
    }
    if (!desktop_.openUrl(url))
        window().tellPlayer(
            QStringLiteral("%1 could not be opened: no program on this computer opens %2")
                .arg(what, isFile ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString()),
            MessageButtons::Ok);
}

}   // namespace velko
