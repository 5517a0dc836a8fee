#pragma once
// The program's own warnings on standard error, under the logging category
// "velko.lines" (QT_LOGGING_RULES="velko.lines.warning=false" silences them).

#include <QLoggingCategory>

namespace velko {

Q_DECLARE_LOGGING_CATEGORY(gameLog)

}   // namespace velko
