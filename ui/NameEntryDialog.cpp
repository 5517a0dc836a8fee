#include "NameEntryDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "HighScores.h"
#include "ProgramState.h"

namespace velko {

namespace {

// The saved table gives a name a two-byte length.
constexpr int kLongestStoredName = 0xFFFF;

QFont namedFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

class NameEntry : public DialogFrame {
public:
    explicit NameEntry(const ButtonContext& buttons) : DialogFrame(284, 121)
    {
        setObjectName(QStringLiteral("nameEntry"));
        setFont(namedFont(QStringLiteral("Tahoma"), 9));

        const DialogTitle title = buildDialogTitle(this, client(), SysInfo[1],
                                                   namedFont(QStringLiteral("SimSun"), 9), 268,
                                                   buttons);
        connect(title.ex, &ImageButton::released, this, [this] { takeName(); });

        auto* prompt = new QLabel(SysInfo[13], client());
        prompt->setObjectName(QStringLiteral("prompt"));
        prompt->move(12, 32);
        prompt->adjustSize();

        name_ = new QLineEdit(client());
        name_->setObjectName(QStringLiteral("name"));
        name_->setFont(namedFont(QStringLiteral("SimSun"), 9));
        name_->setGeometry(12, 56, 260, 22);
        // No limit of our own below what the saved file's two-byte length can
        // hold: the table window elides what its column cannot show.
        name_->setMaxLength(kLongestStoredName);

        auto* cmdok = new ImageButton(QStringLiteral("cmdok"), buttons, client());
        cmdok->setGeometry(224, 88, 43, 24);
        connect(cmdok, &ImageButton::released, this, [this] { takeName(); });

        title.ex->raise();
        name_->setFocus();
    }

protected:
    // Closed by the window manager: the typed name is kept, as by the close button.
    void reject() override { takeName(); }
    // Enter confirms like the OK button; Esc does what the close button does,
    // which also keeps the name.
    void enterPressed() override { takeName(); }
    void escapePressed() override { takeName(); }

private:
    void takeName()
    {
        InputName = name_->text();
        if (InputName.isEmpty())
            InputName = SysInfo[14];
        done(QDialog::Accepted);
    }

    QLineEdit* name_ = nullptr;
};

} // namespace

void enterNewRecord(std::int32_t score, const ButtonContext& buttons)
{
    InputName.clear();
    {
        NameEntry dialog(buttons);
        dialog.exec();
    }
    ScoreRecord record;
    record.name = InputName.isEmpty() ? SysInfo[14] : InputName;
    record.points = score;
    record.when = nowDateValue();
    insertScore(HiScore, record);
}

} // namespace velko
