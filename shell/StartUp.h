#pragma once
// The program's start-up from its media folder.

#include <QString>

#include "GameData.h"
#include "Outcome.h"

namespace velko {

// Reads the text table into `data`, loads the high-score table and checks the
// two window pictures. A failure says what is wrong and with which file. The
// sound is loaded apart, once the start screen shows.
Outcome runStartUp(const QString& mediaFolder, GameData& data);

}   // namespace velko
