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

QImage PictureCache::cell(const QString& name, int scale)
{
    return picture(QStringLiteral(":/cells/") + name, scale);
}

}   // namespace velko
