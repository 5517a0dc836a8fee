#pragma once
// mysetting.cfg: the effects level and the music level, one per line, " 50 " CR LF.

#include <QByteArray>
#include <QString>

namespace velko {

struct VolumeLevels {
    int effects = 50;   // 1..50
    int music = 50;     // 1..50
};

VolumeLevels parseSettings(const QByteArray& bytes);
QByteArray formatSettings(const VolumeLevels& levels);
VolumeLevels readSettings(const QString& path);   // a missing file gives 50 and 50
bool writeSettings(const QString& path, const VolumeLevels& levels);   // replaces the file atomically

} // namespace velko
