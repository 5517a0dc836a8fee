// The quit question, and the end of the run however it comes: the quit, the
// window closed, a kill signal or the session manager.

#include "GameSession.h"

namespace velko {

void GameSession::pressQuit()
{
    if (window().tellPlayer(data_.text(Text::QuitQuestion), MessageButtons::YesNo) == Answer::Yes)
        window().close();
}

void GameSession::endRun()
{
    if (runEnded_)
        return;
    runEnded_ = true;
    scoreClock_->stop();
    tellSaveProblem(saveNow());
    sound_.shutDown();
    desktop_.endProgram();
}

void GameSession::endFromOutside()
{
    endsQuietly_ = true;
    startScreen_.close();   // before a choice, the start screen's quit
    endRun();
}

}   // namespace velko
