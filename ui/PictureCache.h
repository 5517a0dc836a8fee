#pragma once
// The run's pictures, kept once decoded: the board, the preview and the marker
// draw the same few cell pictures over and over, button faces come back with
// every move of the pointer and every dialog opened again, and the end
// pictures with every game over. Each is read and decoded only the first time
// it is asked for at a density.

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
    // The built-in cell picture `name` (":/cells/<name>").
    QImage cell(const QString& name, int scale);

private:
    QHash<std::pair<QString, int>, QImage> pictures_;
};

}   // namespace velko
