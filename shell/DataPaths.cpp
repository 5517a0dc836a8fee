#include "DataPaths.h"
#include "MediaFiles.h"
#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace velko {

namespace {
bool hasMedia(const QString& folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/medias/") + QLatin1String(media::kTextTable));
}
}   // namespace

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

QString mediaFolder()
{
    return applicationFolder() + "/medias";
}
QString applicationPath(const QString& fileName)
{
    return applicationFolder() + QLatin1Char('/') + fileName;
}
QString mediaPath(const QString& fileName)
{
    return mediaFolder() + "/" + fileName;
}

QString soundModulePath()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kSoundModuleFile);
    for (const QString& folder : {exeDir, QDir::cleanPath(exeDir + QStringLiteral("/" VELKO_SOUND_FROM_BIN))}) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + name))
            return folder + QLatin1Char('/') + name;
    }
    return QStringLiteral(VELKO_INSTALLED_SOUND_DIR "/") + name;
}

QByteArray playerFolder()
{
    // Not QStandardPaths: Qt 6.4 takes a relative XDG_DATA_HOME as it is (the
    // XDG rules say to ignore it), makes "//.local/share" of an empty HOME and
    // turns bytes that are not UTF-8 into replacement characters, while the
    // player's files must be found under the very bytes the environment gives.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return dataHome + "/velko-lines";
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return home + "/.local/share/velko-lines";
    return QByteArray();
}

bool makePlayerFolder(const QByteArray& folder)
{
    if (folder.isEmpty())
        return false;
    for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? folder : folder.left(slash);
        if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (slash < 0)
            break;
    }
    struct stat info {};
    return ::stat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QByteArray programFolder()
{
    return QFile::encodeName(QCoreApplication::applicationDirPath());
}

QString userDataFolder()
{
    const QByteArray folder = playerFolder();
    makePlayerFolder(folder);
    return QFile::decodeName(folder);
}

QString settingsFilePath()
{
    return userDataFolder() + "/mysetting.cfg";
}
QString gameInfoFilePath()
{
    return userDataFolder() + "/gameinfo.cfg";
}

}   // namespace velko
