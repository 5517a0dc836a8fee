#pragma once
// Shared by the tests of the player's files: whole-file reads and writes, and a fresh
// home and data folder for each test, never the player's real ones.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DataPaths.h"
#include "GameInfoFile.h"
#include "HighScores.h"
#include "SavedFiles.h"

namespace velko::test {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

inline QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// HOME and the data folder in a fresh temporary folder, the player's name
// "Meister" and an empty high-score table.
class PlayerHome : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("data"))));
        folder_ = userDataFolder();
        ASSERT_TRUE(folder_.startsWith(home_.path()) && QDir(folder_).exists()) << folder_.toStdString();
        scores = ScoreTable();
    }
    void TearDown() override { qputenv("HOME", savedHome_), qputenv("XDG_DATA_HOME", savedData_); }

    // The player's files as the game opens and saves them, with this test's table.
    void loadHighScores(FileLayer& files = systemFiles())
    {
        saved.loadHighScores(scores, QStringLiteral("Meister"), files);
    }
    VolumeLevels loadVolumeLevels(FileLayer& files = systemFiles()) { return saved.loadVolumeLevels(files); }
    QString fileReadProblems() const { return saved.readProblems(); }
    QString saveFiles(const VolumeLevels& levels, FileLayer& files = systemFiles())
    {
        return saved.saveFiles(levels, scores, files).problem();
    }

    SavedFiles saved;
    ScoreTable scores;
    QTemporaryDir home_;
    QString folder_;
    QByteArray savedHome_ = qgetenv("HOME"), savedData_ = qgetenv("XDG_DATA_HOME");
};

}   // namespace velko::test
