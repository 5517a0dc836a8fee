#include "Form2.h"

#include <QLabel>
#include <QStringList>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "HighScores.h"
#include "ProgramState.h"

namespace velko {

namespace {

constexpr int kColumnsTop = 28;
constexpr int kRankCentre = 22;
constexpr int kNamesLeft = 48;
constexpr int kPointsRight = 184;
constexpr int kDatesLeft = 200;

QFont tahoma(double points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    return font;
}

// One column of the table: a heading line, then one line per entry.
QLabel* column(QWidget* client, const QString& objectName, const QStringList& lines,
               Qt::Alignment alignment)
{
    auto* label = new QLabel(lines.join(QLatin1Char('\n')), client);
    label->setObjectName(objectName);
    label->setFont(tahoma(10.5));
    label->setAlignment(alignment | Qt::AlignTop);
    label->adjustSize();
    return label;
}

class ScoreWindow : public DialogFrame {
public:
    explicit ScoreWindow(const ButtonContext& buttons) : DialogFrame(341, 194)
    {
        setObjectName(QStringLiteral("Form2"));
        setFont(tahoma(9));

        QStringList names{SysInfo[6]}, points{SysInfo[7]}, dates{SysInfo[8]}, ranks{QString()};
        for (std::size_t i = 0; i < HiScore.size(); ++i) {
            names << HiScore[i].Name;
            points << QString::number(HiScore[i].Points);
            dates << generalDateText(HiScore[i].When);
            ranks << QStringLiteral("%1.").arg(i + 1);
        }
        // Each label keeps its fixed edge (or centre) and takes the size of its text.
        QLabel* rank = column(client(), QStringLiteral("Label1_0"), ranks, Qt::AlignHCenter);
        rank->move(kRankCentre - rank->width() / 2, kColumnsTop);
        column(client(), QStringLiteral("Label3"), names, Qt::AlignLeft)
            ->move(kNamesLeft, kColumnsTop);
        QLabel* pointsColumn = column(client(), QStringLiteral("Label2"), points, Qt::AlignRight);
        pointsColumn->move(kPointsRight - pointsColumn->width(), kColumnsTop);
        column(client(), QStringLiteral("Label4"), dates, Qt::AlignLeft)
            ->move(kDatesLeft, kColumnsTop);

        const DialogTitle title =
            buildDialogTitle(this, client(), SysInfo[26], tahoma(9), 324, buttons);
        title.drag->addHandle(rank);
        connect(title.ex, &KorvBut::MouseUp, this, [this] { done(QDialog::Accepted); });
    }

protected:
    void reject() override { done(QDialog::Accepted); }
};

} // namespace

void ShowHighScores(const ButtonContext& buttons)
{
    ScoreWindow window(buttons);
    window.exec();
}

} // namespace velko
