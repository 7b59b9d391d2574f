#include "word_lists.h"

#include <QSet>

#include <random>

QStringList distinctEntries(int count, unsigned seed, const EntryShape &shape)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> words(shape.minWords, shape.maxWords);
    std::uniform_int_distribution<int> letters(shape.minLetters, shape.maxLetters);
    std::uniform_int_distribution<int> letter(0, shape.alphabet - 1);
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
