#include "NameEntryDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "Fonts.h"
#include "HighScores.h"
#include "WindowLayout.h"

namespace velko {

namespace {

// The saved table gives a name a two-byte length.
constexpr int kLongestStoredName = 0xFFFF;

class NameEntry : public DialogFrame {
public:
    NameEntry(QWidget* owner, const GameData& data, const ButtonContext& buttons)
        : DialogFrame(layout::insideWidth(layout::kNameEntryDialog), layout::insideHeight(layout::kNameEntryDialog),
                      owner),
          data_(data)
    {
        setObjectName(QLatin1String(layout::kNameEntryDialog.name));
        setFont(gameFont(QStringLiteral("Tahoma"), 9));

        const DialogTitle title =
            buildDialogTitle(this, client(), data.text(Text::Title), gameFont(QStringLiteral("SimSun"), 9),
                             layout::kNameEntryCloseButton, buttons);
        connect(title.closeButton, &ImageButton::released, this, [this] { takeName(); });

        auto* prompt = new QLabel(data.text(Text::NamePrompt), client());
        prompt->setObjectName(QLatin1String(layout::kNamePrompt.name));
        prompt->setTextFormat(Qt::PlainText);
        prompt->move(layout::kNamePrompt.topLeft());
        prompt->adjustSize();

        name_ = new QLineEdit(client());
        name_->setObjectName(QLatin1String(layout::kNameField.name));
        name_->setFont(gameFont(QStringLiteral("SimSun"), 9));
        name_->setGeometry(layout::kNameField.rect());
        // No limit of our own below what the saved file's two-byte length can
        // hold: the table window elides what its column cannot show.
        name_->setMaxLength(kLongestStoredName);

        connect(placeButton(layout::kNameEntryOkButton, buttons, client()), &ImageButton::released, this,
                [this] { takeName(); });

        title.closeButton->raise();
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
