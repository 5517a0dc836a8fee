#pragma once
// What must hold of everything the file readers give back, whatever bytes
// they were fed: the fuzzer stops on a broken rule, the corpus test fails.

#include <QByteArray>
#include <QStringList>

namespace velko {

// Each returns the rules the input broke; an empty list means all held.
QStringList checkSettingsReader(const QByteArray& bytes);
QStringList checkGameInfoReader(const QByteArray& bytes);
QStringList checkTextTableReader(const QByteArray& bytes);
QStringList checkSavedGameReader(const QByteArray& bytes);

inline QStringList checkAllReaders(const QByteArray& bytes)
{
    return checkSettingsReader(bytes) + checkGameInfoReader(bytes) + checkTextTableReader(bytes) +
           checkSavedGameReader(bytes);
}

}   // namespace velko
