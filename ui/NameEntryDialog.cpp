#include "NameEntryDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "Fonts.h"
#include "HighScores.h"
#include "MediaFiles.h"

namespace velko {

namespace {

// The saved table gives a name a two-byte length.
constexpr int kLongestStoredName = 0xFFFF;

class NameEntry : public DialogFrame {
public:
    NameEntry(QWidget* owner, const GameData& data, const ButtonContext& buttons)
        : DialogFrame(284, 121, owner),
          data_(data)
    {
        setObjectName(QStringLiteral("nameEntry"));
        setFont(gameFont(QStringLiteral("Tahoma"), 9));

        const DialogTitle title = buildDialogTitle(this, client(), data.text(Text::Title),
                                                   gameFont(QStringLiteral("SimSun"), 9), 268, buttons);
        connect(title.ex, &ImageButton::released, this, [this] { takeName(); });

        auto* prompt = new QLabel(data.text(Text::NamePrompt), client());
        prompt->setObjectName(QStringLiteral("prompt"));
        prompt->setTextFormat(Qt::PlainText);
        prompt->move(12, 32);
        prompt->adjustSize();

        name_ = new QLineEdit(client());
        name_->setObjectName(QStringLiteral("name"));
        name_->setFont(gameFont(QStringLiteral("SimSun"), 9));
        name_->setGeometry(12, 56, 260, 22);
        // No limit of our own below what the saved file's two-byte length can
        // hold: the table window elides what its column cannot show.
        name_->setMaxLength(kLongestStoredName);

        auto* cmdok = new ImageButton(QLatin1String(media::kOkButton), buttons, client());
        cmdok->setGeometry(224, 88, 43, 24);
        connect(cmdok, &ImageButton::released, this, [this] { takeName(); });

        title.ex->raise();
        name_->setFocus();
    }

protected:
    // Esc or a close by the window manager: the typed name is kept, as by the close button.
    void reject() override { takeName(); }
    // Enter confirms like the OK button.
    void enterPressed() override { takeName(); }

    void takeName() { done(QDialog::Accepted); }

public:
    // The name as typed; the nameless player's name when nothing was typed.
    QString enteredName() const
    {
        const QString typed = name_->text();
        return typed.isEmpty() ? data_.text(Text::NamelessPlayer) : typed;
    }

private:
    const GameData& data_;
    QLineEdit* name_ = nullptr;
};

}   // namespace

void enterNewRecord(QWidget* owner, std::int32_t score, GameData& data, const ButtonContext& buttons)
{
    ScoreRecord record;
    {
        NameEntry dialog(owner, data, buttons);
        dialog.exec();
        record.name = dialog.enteredName();
    }
    record.points = score;
    record.when = nowDateValue();
    insertScore(data.highScores, record);
}

}   // namespace velko
