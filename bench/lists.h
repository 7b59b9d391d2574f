#pragma once

// Made-up word lists for the benchmarks, at any size.

#include <QLatin1Char>
#include <QSet>
#include <QStringList>

#include <random>

// `count` distinct entries, the same for the same seed: 1 to `maxWords` words of
// `minLetters` to `maxLetters` letters from the first `alphabet` capitals, joined by one blank.
inline QStringList distinctEntries(int count, unsigned seed, int maxWords = 1, int minLetters = 3, int maxLetters = 12,
                                   int alphabet = 26)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> words(1, maxWords);
    std::uniform_int_distribution<int> letters(minLetters, maxLetters);
    std::uniform_int_distribution<int> letter(0, alphabet - 1);
    QStringList entries;
    entries.reserve(count);
    QSet<QString> seen;
    while (entries.size() < count) {
        QString entry;
        for (int w = words(engine); w > 0; --w) {
            if (!entry.isEmpty())
                entry += QLatin1Char(' ');
            for (int l = letters(engine); l > 0; --l)
                entry += QLatin1Char(static_cast<char>('A' + letter(engine)));
        }
        if (!seen.contains(entry)) {
            seen.insert(entry);
            entries.append(entry);
        }
    }
    return entries;
}
