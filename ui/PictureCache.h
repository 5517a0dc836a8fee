#pragma once
// Pictures kept once decoded: the board, the preview and the marker draw the
// same few cell pictures over and over, and each is read and decoded only the
// first time it is asked for at a density.

#include <QHash>
#include <QImage>
#include <QString>
#include <utility>

namespace velko {

class PictureCache {
public:
    // The picture at `path` and `scale` as loadPicture() gives it, read on the
    // first call only; a picture that cannot be read stays a null image.
    QImage picture(const QString& path, int scale);

private:
    QHash<std::pair<QString, int>, QImage> pictures_;
};

// The built-in cell picture `name` (":/cells/<name>") at `scale`, from the run's one cache.
QImage cellPicture(const QString& name, int scale);

}   // namespace velko
