// The high-score dialogs: the name entry of a new high score, which name it
// gives back and where the score lands; and the table, four columns that line
// up, rebuilt at every opening.

#include "GameInfoFile.h"
#include "HighScoreWindow.h"
#include "HighScores.h"
#include "MessageDialog.h"
#include "NameEntryDialog.h"
#include "WindowTestSupport.h"

using namespace velko;
using namespace velko::test;

namespace {

class HighScoreDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i : {1, 6, 7, 8, 13, 14, 26})
            data.texts[i] = QStringLiteral("Text %1").arg(i);
        const double day = toDateValue(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
        for (std::size_t i = 0; i < data.highScores.size(); ++i)
            data.highScores[i] = {QStringLiteral("Player %1").arg(i), std::int32_t(8000 - 990 * i), day - i, {}};
    }

    // Opens the window, lets `look` see it, closes it with its close button and
    // gives back the lines of the rank, name, points and date columns.
    std::vector<QStringList> open(std::function<void(QDialog&)> look = [](QDialog&) {})
    {
        std::vector<QStringList> columns;
        const auto watcher = onDialogs([&](QDialog& dialog) {
            for (const char* column : {"ranks", "names", "points", "dates"})
                columns.push_back(part<QLabel>(dialog, column)->text().split(QLatin1Char('\n')));
            look(dialog);
            press(part(dialog, "closeButton"));
        });
        showHighScores(nullptr, data, {folder.path(), {}});
        return columns;
    }

    QTemporaryDir folder;
    GameData data;
};

}   // namespace

TEST_F(HighScoreDialogsTest, TheTableShowsEveryEntryTheSameAtEveryOpeningAndDragsByItsTitleAndRanks)
{
    data.highScores[2].when = std::numeric_limits<double>::quiet_NaN();
    // Each column under its heading, a line for each entry; no date where it is unknown.
    std::vector<QStringList> columns{{QString()}, {data.texts[6]}, {data.texts[7]}, {data.texts[8]}};
    for (int i = 0; i < 8; ++i) {
        const ScoreRecord& entry = data.highScores[i];
        columns[0] << QStringLiteral("%1.").arg(i + 1);
        columns[1] << entry.name;
        columns[2] << QString::number(entry.points);
        columns[3] << (i == 2 ? QString() : generalDateText(entry.when));
    }
    const std::vector<QStringList> seen = open();
    EXPECT_EQ(seen, columns);
    // Opened again it shows the same; its title strip and rank column drag it,
    // and only a full click on its close button closes it.
    EXPECT_EQ(open([this](QDialog& dialog) {
                  checkTitleStrip(dialog, data.texts[26]);
                  int drags = 0;
                  QObject::connect(dialog.findChild<WindowDrag*>(), &WindowDrag::dragStarted, [&] { ++drags; });
                  pressAt(part(dialog, "ranks"), {3, 20});
                  moveTo(part(dialog, "ranks"), {3, 21}, Qt::LeftButton);
                  moveTo(part(dialog, "names"), {3, 20}, Qt::LeftButton);
                  EXPECT_EQ(drags, 1);
                  pressAndDragOff(part(dialog, "closeButton"));
                  EXPECT_TRUE(dialog.isVisible());
              }),
              seen);
}

TEST_F(HighScoreDialogsTest, EveryCellStaysInsideItsColumnForLongNamesAndDatesInAnyLanguage)
{
    // The system's date format decides the date column: the build also runs
    // this in en_US, de_DE, fr_FR and zh_CN.
    const QString names[] = {QString(24, QLatin1Char('W')), QStringLiteral("Maximilian Alexander von Hohenberg-Ost"),
                             QString(30, QChar(0x738B)), QStringLiteral("Ann")};
    for (const std::int32_t best : {12, 2147483647}) {
        for (std::size_t i = 0; i < data.highScores.size(); ++i) {
            data.highScores[i].name = names[i % std::size(names)];
            data.highScores[i].points = best - std::int32_t(i);
            data.highScores[i].when = toDateValue(QDateTime(QDate(2024, 12, 28), QTime(22, 48, 34)));
        }
        const std::vector<QStringList> seen = open([&](QDialog& dialog) {
            // Each column's lines fit it, each column ends before the next begins; the
            // points of any width end flush right, the dates inside the window.
            int end = -1;
            for (auto [name, least, most] :
                 {std::tuple{"ranks", 0, 999}, {"names", 0, 999}, {"points", 184, 184}, {"dates", 0, 341}}) {
                auto* label = part<QLabel>(dialog, name);
                for (const QString& line : label->text().split(QLatin1Char('\n')))
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width()) << line.toStdString();
                EXPECT_LT(end, label->x()) << name << " " << best;
                end = label->x() + label->width();
                EXPECT_TRUE(end >= least && end <= most) << name << " ends at " << end;
            }
        });
        EXPECT_TRUE(seen[1][2].endsWith(QChar(0x2026)));   // a long one cut with an ellipsis
        EXPECT_FALSE(seen[3].join("").contains(QChar(0x2026))) << qPrintable(seen[3].join(" | "));   // dates stay whole
    }
    EXPECT_EQ(data.highScores[1].name, names[1]);   // the table keeps the whole name
}

TEST_F(HighScoreDialogsTest, TheNameEntryKeepsTheNameAsTypedWhicheverWayItIsLeft)
{
    const QString longName = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    // Left by a button, or by the window manager when there is none.
    const struct {
        std::int32_t score;
        QString typed;
        const char* leaveBy;
        QString name;
        int rank;
    } cases[] = {{91, "", "okButton", data.texts[14], 7},
                 {1001, "  Ann Lee ", "okButton", "  Ann Lee ", 0},
                 {1000, "Bo", "closeButton", "Bo", 1},   // an older equal score stays above
                 {600, QStringLiteral("王小明"), nullptr, QStringLiteral("王小明"), 4},
                 {800, longName, "okButton", longName, 2}};   // as long as it is typed
    for (const auto& c : cases) {
        const double before = nowDateValue();
        data.highScores = defaultScoreTable(QStringLiteral("Velko"), before - 10);
        const auto watcher = onDialogs([&c, this](QDialog& dialog) {
            checkTitleStrip(dialog, data.texts[1]);
            EXPECT_EQ(part<QLabel>(dialog, "prompt")->text(), data.texts[13]);
            auto* box = part<QLineEdit>(dialog, "name");
            EXPECT_TRUE(box->text().isEmpty());
            for (const QChar typed : c.typed) {   // key by key, in any script
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(typed));
                QApplication::sendEvent(box, &key);
            }
            c.leaveBy ? press(part(dialog, c.leaveBy)) : void(dialog.close());
        });
        enterNewRecord(nullptr, c.score, data, {folder.path(), {}});
        EXPECT_EQ(data.highScores[c.rank].name, c.name);
        EXPECT_EQ(data.highScores[c.rank].points, c.score);
        EXPECT_GE(data.highScores[c.rank].when, before - 1e-6);
        EXPECT_LE(data.highScores[c.rank].when, nowDateValue() + 1e-6);
        EXPECT_EQ(data.highScores[c.rank == 0 ? 1 : 0].name, QStringLiteral("Velko"));
    }
}

TEST_F(HighScoreDialogsTest, EnterAndEscLeaveTheNameEntryAndTheTableButOnlyEscTheMessage)
{
    enum Dialog { Message, NameEntry, Table };
    const struct {
        Dialog dialog;
        Qt::Key key;
        bool closes;
    } keys[] = {{Message, Qt::Key_Escape, true},  {Message, Qt::Key_Return, false},  {Message, Qt::Key_Enter, false},
                {Message, Qt::Key_Space, false},  {Message, Qt::Key_Y, false},       {NameEntry, Qt::Key_Return, true},
                {NameEntry, Qt::Key_Enter, true}, {NameEntry, Qt::Key_Escape, true}, {NameEntry, Qt::Key_F2, false},
                {Table, Qt::Key_Escape, true},    {Table, Qt::Key_Return, true},     {Table, Qt::Key_Enter, true},
                {Table, Qt::Key_Space, false}};
    for (const auto& k : keys) {
        bool closed = false;
        const auto watcher = onDialogs([&](QDialog& dialog) {
            QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            if (k.dialog == NameEntry)
                QTest::keyClicks(focus, "Al");
            QTest::keyClick(focus, k.key);
            closed = !dialog.isVisible();
            if (!closed)
                press(part(dialog, "closeButton"));
        });
        const ButtonContext buttons{folder.path(), {}};
        if (k.dialog == Message)
            EXPECT_EQ(showMessage(nullptr, "Velko", "Quit?", MessageButtons::YesNo, buttons), Answer::No);
        else if (k.dialog == NameEntry)
            enterNewRecord(nullptr, 9000, data, buttons);
        else
            showHighScores(nullptr, data, buttons);
        EXPECT_EQ(closed, k.closes) << k.dialog << " key " << std::hex << k.key;
        EXPECT_TRUE(k.dialog != NameEntry || data.highScores[0].name == "Al") << data.highScores[0].name.toStdString();
    }
}
