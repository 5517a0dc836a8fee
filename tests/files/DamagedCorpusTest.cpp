// Every damaged file kept in the fuzzing corpus is read as each of the game's
// files; the readers must hold their rules for all of them.

#include "ReaderChecks.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace velko;

TEST(DamagedCorpus, EveryFileKeepsTheReadersInBounds)
{
    const QDir corpus(QStringLiteral(VELKO_FUZZ_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 20) << "the corpus of damaged files is missing";
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QStringList broken = checkAllReaders(file.readAll());
        EXPECT_TRUE(broken.isEmpty()) << name.toStdString() << ": " << broken.join("; ").toStdString();
    }
}
