#include "GameLog.h"

namespace velko {

Q_LOGGING_CATEGORY(gameLog, "velko.lines")

}   // namespace velko
