// make-pictures: draws every picture of Velko Lines into the source tree.
//
//   make-pictures <source-root>                 cells, icon, cursor, resource list, media pictures
//   make-pictures <source-root> --preview <dir> also writes window mock-ups to <dir>
//
// Every run writes the same bytes: nothing depends on the time or on chance.

#include "BmpWriter.h"
#include "ButtonPictures.h"
#include "CellPictures.h"
#include "GifWriter.h"
#include "HandCursor.h"
#include "PreviewSheets.h"
#include "ProgramIcon.h"
#include "ResourceList.h"
#include "WindowPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace velko::pictures;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0);   // best compression
    return bytes;
}

bool writeResources(const QString& root) {
    bool ok = true;
    QStringList names;
    for (const NamedPicture& cell : drawAllCells()) {
        ok &= writeFile(root + "/resources/cells/" + cell.name + ".bmp", encodeBmp555(cell.image, true));
        names << cell.name;
    }
    for (int size : {48, 32, 256})
        ok &= writeFile(QString("%1/resources/icons/velko-lines-%2.png").arg(root).arg(size),
                        pngBytes(drawProgramIcon(size)));
    ok &= writeFile(root + "/resources/cursors/hand.png", pngBytes(drawHandCursor()));
    ok &= writeFile(root + "/resources/resources.qrc", resourceList(names).toUtf8());
    return ok;
}

bool writeMedias(const QString& root) {
    const QString medias = root + "/medias/";
    bool ok = true;
    ok &= writeFile(medias + "game.gif", encodeGif(drawStartScreen(), true));
    ok &= writeFile(medias + "back.gif", encodeGif(drawMainBackground(), true));
    ok &= writeFile(medias + "gameover.gif", encodeGif(drawEndPicture(false), true));
    ok &= writeFile(medias + "cmd.gif", encodeGif(drawEndPicture(true), true));
    const QImage strip = drawTitleStrip();
    ok &= writeFile(medias + "tbk.gif", encodeGif(strip, true));
    ok &= writeFile(medias + "tit.gif", encodeGif(drawTitleIcon(strip), false));
    for (const ButtonDesign& design : allButtonDesigns())
        for (int state = 0; state < 3; ++state)
            ok &= writeFile(QString("%1%2%3.gif").arg(medias, design.name).arg(state),
                            encodeGif(drawButton(design, state), false));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--preview")) {
        std::fprintf(stderr, "usage: make-pictures <source-root> [--preview <folder>]\n");
        return 2;
    }
    const QString root = QDir(args[1]).absolutePath();
    bool ok = writeResources(root) && writeMedias(root);
    if (ok && args.size() == 4) ok = writePreviewSheets(root, args[3]);
    return ok ? 0 : 1;
}
