// make-pictures: draws every picture of Velko Lines into the source tree.
//
//   make-pictures <source-root>                 cells, icon, cursor, resource list, media pictures,
//                                               each also at 2x as name@2x beside name
//   make-pictures <source-root> --preview <dir> also writes window mock-ups to <dir>
//
// Every run writes the same bytes: nothing depends on the time or on chance.

#include "BmpWriter.h"
#include "ButtonPictures.h"
#include "Canvas.h"
#include "CellPictures.h"
#include "GifWriter.h"
#include "HandCursor.h"
#include "MediaFiles.h"
#include "PreviewSheets.h"
#include "ProgramIcon.h"
#include "ResourceList.h"
#include "WindowPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace velko;
using namespace velko::pictures;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0);   // best compression
    return bytes;
}

// The file name of a picture at the output scale now in force: name.ext at
// 1x, name@2x.ext beside it at 2x.
QString scaled(const QString& stem, const char* extension)
{
    const int scale = Canvas::outputScale();
    return scale == 1 ? QString("%1.%2").arg(stem, extension)
                      : QString("%1@%2x.%3").arg(stem).arg(scale).arg(extension);
}

// A media file's name at the output scale now in force.
QString scaled(const char* fileName)
{
    const QFileInfo name(QString::fromLatin1(fileName));
    return scaled(name.completeBaseName(), qPrintable(name.suffix()));
}

bool writeResources(const QString& root)
{
    bool ok = true;
    for (const NamedPicture& cell : drawAllCells())
        ok &= writeFile(root + "/resources/cells/" + scaled(cell.name, "bmp"), encodeBmp555(cell.image, true));
    const bool onlyAt1x = Canvas::outputScale() == 1;
    for (int size : {48, 32, 256})
        if (onlyAt1x || size != 256)   // the large icon is large enough for any screen
            ok &= writeFile(root + "/resources/icons/" + scaled(QString("velko-lines-%1").arg(size), "png"),
                            pngBytes(drawProgramIcon(size)));
    ok &= writeFile(root + "/resources/cursors/" + scaled("hand", "png"), pngBytes(drawHandCursor()));
    return ok;
}

bool writeResourceList(const QString& root)
{
    QStringList names;
    for (const NamedPicture& cell : drawAllCells())
        names << cell.name;
    return writeFile(root + "/resources/resources.qrc", resourceList(names, false).toUtf8()) &&
           writeFile(root + "/resources/dense-resources.qrc", resourceList(names, true).toUtf8());
}

bool writeMedias(const QString& root)
{
    const QString medias = root + "/medias/";
    bool ok = true;
    ok &= writeFile(medias + scaled(media::kStartPicture), encodeGif(drawStartScreen(), true));
    ok &= writeFile(medias + scaled(media::kWindowPicture), encodeGif(drawMainBackground(), true));
    ok &= writeFile(medias + scaled(media::kGameOverPicture), encodeGif(drawEndPicture(false), true));
    ok &= writeFile(medias + scaled(media::kRecordPicture), encodeGif(drawEndPicture(true), true));
    const QImage strip = drawTitleStrip();
    ok &= writeFile(medias + scaled(media::kTitleStrip), encodeGif(strip, true));
    ok &= writeFile(medias + scaled(media::kTitleIcon), encodeGif(drawTitleIcon(strip), false));
    for (const ButtonDesign& design : allButtonDesigns())
        for (int state = 0; state < 3; ++state)
            ok &= writeFile(medias + scaled(design.name + QString::number(state), "gif"),
                            encodeGif(drawButton(design, state), false));
    return ok;
}

}   // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--preview")) {
        std::fprintf(stderr, "usage: make-pictures <source-root> [--preview <folder>]\n");
        return 2;
    }
    const QString root = QDir(args[1]).absolutePath();
    bool ok = writeResourceList(root);
    // Every picture twice: for ordinary screens, and at twice the pixels for
    // screens of twice the density.
    for (int scale : {1, 2}) {
        const OutputScale drawing(scale);
        ok = ok && writeResources(root) && writeMedias(root);
    }
    if (ok && args.size() == 4)
        ok = writePreviewSheets(root, args[3]);
    return ok ? 0 : 1;
}
