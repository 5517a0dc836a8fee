#include "DialogTitle.h"

#include <QLabel>
#include <QPixmap>

#include "MediaFiles.h"
#include "Pictures.h"

namespace velko {

namespace {

constexpr int kStripTop = -1;
constexpr int kStripHeight = 22;

QLabel* pictureLabel(QWidget* client, const QString& objectName, const QString& path)
{
    auto* label = new QLabel(client);
    label->setObjectName(objectName);
    label->setScaledContents(true);
    const QPixmap picture = loadPixmap(path);
    if (!picture.isNull())
        label->setPixmap(picture);
    return label;
}

}   // namespace

DialogTitle buildDialogTitle(QWidget* window, QWidget* client, const QString& text, const QFont& titleFont, int exLeft,
                             const ButtonContext& buttons)
{
    DialogTitle strip;
    strip.strip = pictureLabel(client, QStringLiteral("titleStrip"),
                               buttons.pictureFolder + QLatin1Char('/') + QLatin1String(media::kTitleStrip));
    strip.strip->setGeometry(0, kStripTop, client->width(), kStripHeight);

    strip.icon = pictureLabel(client, QStringLiteral("titleIcon"),
                              buttons.pictureFolder + QLatin1Char('/') + QLatin1String(media::kTitleIcon));
    strip.icon->setGeometry(4, 2, 16, 16);

    strip.title = new QLabel(text, client);
    strip.title->setTextFormat(Qt::PlainText);
    strip.title->setObjectName(QStringLiteral("title"));
    strip.title->setFont(titleFont);
    QPalette white = strip.title->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    strip.title->setPalette(white);
    strip.title->move(25, 3);
    strip.title->adjustSize();

    strip.ex = new ImageButton(QLatin1String(media::kCloseButton), buttons, client);
    strip.ex->setGeometry(exLeft, 5, 10, 10);

    strip.drag = new WindowDrag(window);
    strip.drag->addHandle(strip.strip);
    strip.drag->addHandle(strip.title);
    return strip;
}

}   // namespace velko
