#include "DialogTitle.h"

#include <QLabel>
#include <QPixmap>

#include "MediaFiles.h"
#include "Pictures.h"

namespace velko {

namespace {

QLabel* pictureLabel(QWidget* client, const layout::Place& place, const ButtonContext& buttons, const char* file)
{
    auto* label = new QLabel(client);
    label->setObjectName(QLatin1String(place.name));
    label->setScaledContents(true);
    const QImage picture =
        buttons.pictures->picture(buttons.pictureFolder + QLatin1Char('/') + QLatin1String(file), pictureScale());
    if (!picture.isNull())
        label->setPixmap(QPixmap::fromImage(picture));
    return label;
}

}   // namespace

DialogTitle buildDialogTitle(QWidget* window, QWidget* client, const QString& text, const QFont& titleFont,
                             const layout::Place& closeButton, const ButtonContext& buttons)
{
    DialogTitle strip;
    strip.strip = pictureLabel(client, layout::kTitleStrip, buttons, media::kTitleStrip);
    strip.strip->setGeometry(layout::kTitleStrip.x, layout::kTitleStrip.y, client->width(), layout::kTitleStrip.height);

    strip.icon = pictureLabel(client, layout::kTitleIcon, buttons, media::kTitleIcon);
    strip.icon->setGeometry(layout::kTitleIcon.rect());

    strip.title = new QLabel(text, client);
    strip.title->setTextFormat(Qt::PlainText);
    strip.title->setObjectName(QLatin1String(layout::kTitle.name));
    strip.title->setFont(titleFont);
    QPalette white = strip.title->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    strip.title->setPalette(white);
    strip.title->move(layout::kTitle.topLeft());
    strip.title->adjustSize();

    strip.closeButton = placeButton(closeButton, buttons, client);

    strip.drag = new WindowDrag(window);
    strip.drag->addHandle(strip.strip);
    strip.drag->addHandle(strip.title);
    return strip;
}

}   // namespace velko
