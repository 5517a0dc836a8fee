// What the session keeps on disk, and when: the game in progress after every
// turn, a new record at once, both player files at the end of the run or when
// a logout asks; and how a failed save is told.

#include "GameSession.h"

#include "GameLog.h"
#include "NameEntryDialog.h"
#include "SavedFiles.h"

namespace velko {

void GameSession::keepGame()
{
    if (!gameRunning_) {
        data_.savedFiles.removeGame(game_->kind());   // over: nothing to take up again
        lastKept_.reset();
        return;
    }
    const SavedGame game{game_->kind(), game_->board(), game_->nextColours(), game_->score()};
    if (lastKept_ == game)
        return;   // a click that changed nothing
    if (const Outcome saved = data_.savedFiles.saveGame(game); !saved.done()) {
        if (!gameSaveFailureTold_)
            tellSaveProblem(saved);   // once a run: the next turns try again quietly
        gameSaveFailureTold_ = true;
        return;
    }
    lastKept_ = game;
}

void GameSession::enterRecord(std::int32_t score)
{
    enterNewRecord(&window(), score, data_, window().buttons());
    // Saved at once, so a crash or a lost display later cannot take the record away.
    tellSaveProblem(data_.savedFiles.saveHighScores(data_.highScores));
}

Outcome GameSession::saveNow()
{
    // Before the start screen's choice the bars do not hold the player's levels yet:
    // saving them then would put 50 and 50 over the player's own.
    if (!levelsKnown_)
        return data_.savedFiles.saveHighScores(data_.highScores);
    return data_.savedFiles.saveFiles(window().volumeLevels(), data_.highScores);
}

void GameSession::tellSaveProblem(const Outcome& saved)
{
    if (saved.done())
        return;
    if (endsQuietly_)
        qCWarning(gameLog, "%s", qUtf8Printable(saved.problem()));   // no one is there to answer a dialog
    else
        window().tellPlayer(saved.problem(), MessageButtons::Ok);
}

}   // namespace velko
