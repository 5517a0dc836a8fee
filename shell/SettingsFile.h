#pragma once
// mysetting.cfg: the effects level and the music level, one per line, " 50 " CR LF.

#include <QByteArray>
#include <QString>

#include "AtomicFile.h"

namespace velko {

struct VolumeLevels {
    int effects = 50;   // 1..50
    int music = 50;     // 1..50
};

VolumeLevels parseSettings(const QByteArray& bytes);
QByteArray formatSettings(const VolumeLevels& levels);
qint64 largestSettings();                                              // all of the file that is ever read
VolumeLevels settingsFromFile(const FileRead& read);                   // 50 and 50 for a file not read
VolumeLevels readSettings(const QString& path);                        // a missing file gives 50 and 50
bool writeSettings(const QString& path, const VolumeLevels& levels);   // replaces the file atomically

}   // namespace velko
