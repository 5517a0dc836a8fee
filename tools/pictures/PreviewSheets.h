#pragma once
// Mock-ups of the windows put together from the finished pictures the way the
// program shows them, for judging the artwork by eye.

#include <QString>

namespace velko::pictures {

// Reads the pictures from sourceRoot (resources/ and medias/) and writes
// PNG mock-ups into folder.
bool writePreviewSheets(const QString& sourceRoot, const QString& folder);

}   // namespace velko::pictures
