#include "DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velko {

namespace {
bool hasMedia(const QString& folder) { return QFileInfo::exists(folder + "/medias/sysinfo.txt"); }
}

QString applicationFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (hasMedia(exeDir))
        return exeDir;
    const QString relocated = QDir::cleanPath(exeDir + "/../share/velko-lines");
    if (hasMedia(relocated))
        return relocated;
#ifdef VELKO_INSTALLED_DATA_DIR
    if (hasMedia(QStringLiteral(VELKO_INSTALLED_DATA_DIR)))
        return QStringLiteral(VELKO_INSTALLED_DATA_DIR);
#endif
    return exeDir;
}

QString mediaFolder() { return applicationFolder() + "/medias"; }
QString mediaPath(const QString& fileName) { return mediaFolder() + "/" + fileName; }

QString userDataFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + "/.local/share/velko-lines";
    QDir().mkpath(folder);
    return folder;
}

QString settingsFilePath() { return userDataFolder() + "/mysetting.cfg"; }
QString gameInfoFilePath() { return userDataFolder() + "/gameinfo.cfg"; }

} // namespace velko
