#include "HighScoreWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "Fonts.h"
#include "HighScores.h"
#include "WindowLayout.h"

namespace velko {

namespace {

constexpr int kNamesLeft = layout::kNames.x;
constexpr int kPointsRight = layout::kPoints.x;
constexpr int kDatesLeft = layout::kDates.x;
constexpr int kClientWidth = layout::insideWidth(layout::kHighScoresDialog);
constexpr int kColumnGap = 6;              // between a name and the widest points
constexpr int kRightMargin = 2;            // between the dates and the frame
constexpr double kNarrowestSpacing = 85;   // per cent of the font's own letter widths

// One column of the table: a heading line, then one line per entry. A line
// wider than `widest` pixels is cut short with an ellipsis, so that no text
// runs into the next column or out of the window.
QLabel* column(QWidget* client, const layout::Place& place, QStringList lines, Qt::Alignment alignment,
               int widest = QWIDGETSIZE_MAX)
{
    auto* label = new QLabel(client);
    label->setObjectName(QLatin1String(place.name));
    label->setFont(gameFont(QStringLiteral("Tahoma"), 10.5));
    label->setTextFormat(Qt::PlainText);
    if (widest < QWIDGETSIZE_MAX) {
        // Too wide a column first sets its letters closer, at their own height so
        // that its lines stay level with the other columns; only what even
        // that cannot hold is cut short.
        qreal needed = 0;
        for (const QString& line : std::as_const(lines))
            needed = std::max(needed, QFontMetricsF(label->font()).horizontalAdvance(line));
        if (needed > widest) {
            QFont narrower = label->font();
            narrower.setLetterSpacing(QFont::PercentageSpacing,
                                      std::max(kNarrowestSpacing, std::floor(100.0 * widest / needed)));
            label->setFont(narrower);
        }
    }
    const QFontMetrics metrics(label->font());
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, widest);
    label->setText(lines.join(QLatin1Char('\n')));
    label->setAlignment(alignment | Qt::AlignTop);
    label->adjustSize();
    if (label->width() > widest)
        label->resize(widest, label->height());
    return label;
}

class ScoreWindow : public DialogFrame {
public:
    ScoreWindow(QWidget* owner, const GameData& data, const ButtonContext& buttons)
        : DialogFrame(kClientWidth, layout::insideHeight(layout::kHighScoresDialog), owner)
    {
        setObjectName(QLatin1String(layout::kHighScoresDialog.name));
        setFont(gameFont(QStringLiteral("Tahoma"), 9));

        QStringList names{data.text(Text::NamesHeading)}, points{data.text(Text::PointsHeading)},
            dates{data.text(Text::DatesHeading)}, ranks{QString()};
        for (std::size_t i = 0; i < data.highScores.size(); ++i) {
            names << data.highScores[i].name;
            points << QString::number(data.highScores[i].points);
            dates << generalDateText(data.highScores[i].when);
            ranks << QStringLiteral("%1.").arg(i + 1);
        }
        // Each label keeps its fixed edge (or centre) and takes the size of its
        // text; names end where the widest points begin, dates at the frame.
        QLabel* rank = column(client(), layout::kRanks, ranks, Qt::AlignHCenter);
        rank->move(layout::kRanks.x - rank->width() / 2, layout::kRanks.y);
        QLabel* pointsColumn =
            column(client(), layout::kPoints, points, Qt::AlignRight, kPointsRight - kNamesLeft - kColumnGap);
        pointsColumn->move(kPointsRight - pointsColumn->width(), layout::kPoints.y);
        QLabel* namesColumn =
            column(client(), layout::kNames, names, Qt::AlignLeft, pointsColumn->x() - kColumnGap - kNamesLeft);
        namesColumn->move(layout::kNames.topLeft());
        namesColumn->stackUnder(pointsColumn);
        column(client(), layout::kDates, dates, Qt::AlignLeft, kClientWidth - kRightMargin - kDatesLeft)
            ->move(layout::kDates.topLeft());

        const DialogTitle title =
            buildDialogTitle(this, client(), data.text(Text::HighScoresTitle), gameFont(QStringLiteral("Tahoma"), 9),
                             layout::kHighScoresCloseButton, buttons);
        title.drag->addHandle(rank);
        connect(title.closeButton, &ImageButton::released, this, [this] { done(QDialog::Accepted); });
    }

protected:
    // Esc, Enter and the window manager close the table, like its close button.
    void reject() override { done(QDialog::Accepted); }
    void enterPressed() override { done(QDialog::Accepted); }
};

}   // namespace

void showHighScores(QWidget* owner, const GameData& data, const ButtonContext& buttons)
{
    ScoreWindow window(owner, data, buttons);
    window.exec();
}

}   // namespace velko
