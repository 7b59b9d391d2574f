#pragma once

#include <QString>
#include <QStringList>

enum class SortOrder {
    AscendingFirst,   // by whole entry
    AscendingSecond,  // by second-word key, equal keys keep their order
    AscendingLast,    // by last-word key, equal keys keep their order
    DescendingFirst,  // by whole entry
    DescendingSecond, // by second-word key, equal keys ascending by whole entry
    DescendingLast,   // by last-word key, equal keys ascending by whole entry
};

namespace WordSort {

// The text after the first blank (may hold further words), or the entry itself.
QString secondWordKey(const QString &entry);
// The text after the last blank, or the entry itself.
QString lastWordKey(const QString &entry);

// Compares by character code, so the blank sorts before every letter.
QStringList sorted(QStringList entries, SortOrder order);

} // namespace WordSort
