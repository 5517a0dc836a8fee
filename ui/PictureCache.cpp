#include "PictureCache.h"

#include "Pictures.h"

namespace velko {

QImage PictureCache::picture(const QString& path, int scale)
{
    const std::pair<QString, int> key(path, scale);
    auto kept = pictures_.find(key);
    if (kept == pictures_.end())
        kept = pictures_.insert(key, loadPicture(path, scale));
    return *kept;
}

QImage cellPicture(const QString& name, int scale)
{
    // The cell pictures are built into the program: they never change during a run.
    static PictureCache cells;
    return cells.picture(QStringLiteral(":/cells/") + name, scale);
}

}   // namespace velko
