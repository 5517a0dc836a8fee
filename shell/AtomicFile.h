#pragma once

#include <QByteArray>
#include <QString>

namespace velko {

// Writes a temporary file in the same folder, flushes it and renames it over
// `path`, so a crash leaves either the old file or the new one.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace velko
