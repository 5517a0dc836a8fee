#include "MessageDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "DialogFrame.h"
#include "DialogTitle.h"
#include "Fonts.h"
#include "WindowLayout.h"

namespace velko {

namespace {

// The message dialog lays its answer buttons out in twips, fifteen to the pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kMessageWidth = layout::kMessage.width;
constexpr int kOuterHeightOverMessage = 990;   // twips
constexpr int kButtonsTopOverMessage = 520;    // twips

int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The message wraps at spaces. A word wider than the message, a long path
// above all, gets places to break as well: after each slash, and where a piece
// is still too wide, between any two characters. The breaks are invisible.
QString breakableText(const QString& text, const QFontMetrics& metrics, int width)
{
    const QChar invisibleBreak(0x200B);
    const auto fits = [&](const QString& piece) { return metrics.horizontalAdvance(piece) <= width; };
    QString out;
    qsizetype start = 0;
    for (qsizetype end = 0; end <= text.size(); ++end) {
        if (end < text.size() && !text[end].isSpace())
            continue;
        QString word = text.mid(start, end - start);
        if (!fits(word)) {
            QStringList pieces;
            QString piece;
            for (const QChar c : std::as_const(word)) {
                piece += c;
                if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
                    pieces << std::exchange(piece, QString());
            }
            pieces << piece;
            for (QString& part : pieces) {
                if (fits(part))
                    continue;
                QString spread;
                for (qsizetype i = 0; i < part.size(); ++i) {
                    spread += part[i];
                    if (i + 1 < part.size() && !part[i].isHighSurrogate())
                        spread += invisibleBreak;
                }
                part = spread;
            }
            word = pieces.join(invisibleBreak);
        }
        out += word;
        if (end < text.size())
            out += text[end];
        start = end + 1;
    }
    return out;
}

class MessageWindow : public DialogFrame {
public:
    MessageWindow(QWidget* owner, const QString& caption, const QString& text, MessageButtons answers,
                  const ButtonContext& buttons)
        : DialogFrame(layout::insideWidth(layout::kMessageDialog), layout::kMessageFirstHeight, owner)
    {
        setObjectName(QLatin1String(layout::kMessageDialog.name));
        setFont(gameFont(QStringLiteral("Tahoma"), 8.25));

        message_ = new QLabel(client());
        message_->setObjectName(QLatin1String(layout::kMessage.name));
        message_->setFont(gameFont(QStringLiteral("Tahoma"), 9));
        message_->setTextFormat(Qt::PlainText);   // a media text is never markup
        message_->setWordWrap(true);
        message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        const DialogTitle title = buildDialogTitle(this, client(), caption, gameFont(QStringLiteral("Tahoma"), 9),
                                                   layout::kMessageCloseButton, buttons);
        connect(title.closeButton, &ImageButton::released, this, [this] { closeBox(); });

        yesButton_ = answerButton(layout::kYesButton, Answer::Yes, buttons);
        okButton_ = answerButton(layout::kOkButton, Answer::Ok, buttons);
        noButton_ = answerButton(layout::kNoButton, Answer::No, buttons);

        // The text sets the height: the message wraps at its width and the
        // dialog and its buttons move down with every extra line.
        message_->setText(breakableText(text, message_->fontMetrics(), kMessageWidth));
        // An empty text has no height at all (Qt answers -1 for "none").
        const int messagePixels = std::max(0, message_->heightForWidth(kMessageWidth));
        message_->setGeometry(layout::kMessage.x, layout::kMessage.y, kMessageWidth, messagePixels);
        const int h = messagePixels * kTwipsPerPixel;
        setClientHeight(twipsToPixels(h + kOuterHeightOverMessage) - 2);
        const int buttonsTop = twipsToPixels(h + kButtonsTopOverMessage);
        for (ImageButton* button : {yesButton_, okButton_, noButton_})
            button->move(button->x(), buttonsTop);

        if (answers == MessageButtons::YesNo) {
            noButton_->show();
            yesButton_->show();
        } else {
            okButton_->show();
        }
    }

protected:
    // Esc and a close from the window manager answer like the close button,
    // so the caller always gets a real answer of this dialog.
    void reject() override { closeBox(); }

private:
    ImageButton* answerButton(const layout::Place& place, Answer code, const ButtonContext& buttons)
    {
        ImageButton* button = placeButton(place, buttons, client());
        button->hide();
        connect(button, &ImageButton::released, this, [this, code] { finish(code); });
        return button;
    }

    void finish(Answer code)
    {
        answer_ = code;
        done(QDialog::Accepted);
    }

    // The close button, Esc and the window manager: OK in an OK dialog, No in a Yes/No one.
    void closeBox()
    {
        if (!okButton_->isHidden())
            finish(Answer::Ok);
        else if (!noButton_->isHidden())
            finish(Answer::No);
    }

public:
    Answer answer() const { return answer_; }

private:
    Answer answer_ = Answer::Ok;
    QLabel* message_ = nullptr;
    ImageButton* yesButton_ = nullptr;
    ImageButton* okButton_ = nullptr;
    ImageButton* noButton_ = nullptr;
};

}   // namespace

Answer showMessage(QWidget* owner, const QString& title, const QString& text, MessageButtons answers,
                   const ButtonContext& buttons)
{
    MessageWindow dialog(owner, title, text, answers, buttons);
    dialog.exec();
    return dialog.answer();
}

}   // namespace velko
